/* The region browsers against the host: the chord symbols and MIDI
   expressions of a region's cells, measure by measure, filtered by their
   position in the measure. */
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "document/FCBrowserChords.h"
#include "common/qz_fourcc.h"
#include "document/FCCell.h"
#include "document/FCBrowserMidiExpressions.h"
#include "document/FCChord.h"
#include "core/FCIteratorHandler.h"
#include "document/FCMidiExpression.h"
#include "document/FCMusicRegion.h"
#include "support/StavesHostFixture.h"

namespace
{
constexpr uint32_t kChordTag = QZ_FOURCC("SDCh");
constexpr uint32_t kMidiTag = QZ_FOURCC("dtME");

using Visit = std::tuple<int, int, int, int32_t>; /* staff, measure, incident, position */

/* Records every detail it is offered; stops after `limit` visits. */
class RecordingHandler : public FCIteratorHandler
{
public:
    explicit RecordingHandler(size_t limit = 1000) : _limit(limit) {}
    std::vector<Visit> visits;

    bool Iterate(__FCBase* pObject) override
    {
        auto* pDetail = static_cast<__FCCellDetail*>(pObject);
        int32_t position = 0;
        if (auto* pChord = dynamic_cast<FCChord*>(pObject))
            position = pChord->GetMeasurePos();
        else if (auto* pMidi = dynamic_cast<FCMidiExpression*>(pObject))
            position = pMidi->GetMeasurePos();
        visits.emplace_back(pDetail->_GetCellStaff(), pDetail->_GetCellMeasure(), pDetail->GetItemInci(), position);
        return visits.size() < _limit;
    }

private:
    size_t _limit;
};

class RegionBrowsers : public StavesHostTest
{
protected:
    void PutDetail(uint32_t tag, uint32_t size, size_t posOffset, int16_t staff, int16_t measure, int16_t incident,
                   int32_t position) const
    {
        std::vector<uint8_t> bytes(size, 0);
        std::memcpy(bytes.data() + posOffset, &position, sizeof position);
        int16_t key[3] = {staff, measure, incident};
        ASSERT_TRUE(H().hostsim_put_other(tag, key, bytes.data(), size));
    }
    void PutChord(int16_t staff, int16_t measure, int16_t incident, int32_t position) const
    {
        PutDetail(kChordTag, 30, 4, staff, measure, incident, position);
    }
    static FCMusicRegion Region(int16_t startSlot, int16_t endSlot, int16_t startMeasure, int16_t endMeasure,
                                int32_t startPos = 0, int32_t endPos = FCMusicRegion::kEndOfMeasure)
    {
        EREGION record{};
        record.startSlot = startSlot;
        record.endSlot = endSlot;
        record.startMeasure = startMeasure;
        record.endMeasure = endMeasure;
        record.startPosition = startPos;
        record.endPosition = endPos;
        return FCMusicRegion(&record);
    }
};
} // namespace

TEST_F(RegionBrowsers, ChordsOfTheRegionCellsAreVisitedMeasureByMeasure)
{
    PutChord(2, 1, 0, 0);
    PutChord(2, 1, 1, 1024);
    PutChord(3, 2, 0, 2048);
    PutChord(4, 1, 0, 0); /* staff outside the region's slots */
    PutChord(2, 3, 0, 0); /* measure outside the region */
    FCMusicRegion region = Region(2, 3, 1, 2);
    RecordingHandler handler;
    FCBrowserChords browser;
    EXPECT_EQ(4, browser.ForEachInRegion(&handler, &region)); /* two measures of two slots */
    EXPECT_EQ((std::vector<Visit>{{2, 1, 0, 0}, {2, 1, 1, 1024}, {3, 2, 0, 2048}}), handler.visits);
}

TEST_F(RegionBrowsers, PositionsBeforeTheRegionStartAreSkipped)
{
    PutChord(2, 1, 0, 0);
    PutChord(2, 1, 1, 1024);
    FCMusicRegion region = Region(2, 2, 1, 1, 512);
    RecordingHandler handler;
    FCBrowserChords browser;
    browser.ForEachInRegion(&handler, &region);
    EXPECT_EQ((std::vector<Visit>{{2, 1, 1, 1024}}), handler.visits);
}

TEST_F(RegionBrowsers, AHandlerThatStopsEndsTheWholeWalk)
{
    PutChord(1, 1, 0, 0);
    PutChord(1, 1, 1, 10);
    PutChord(1, 2, 0, 0);
    FCMusicRegion region = Region(1, 1, 1, 2);
    RecordingHandler handler(1);
    FCBrowserChords browser;
    EXPECT_EQ(0, browser.ForEachInRegion(&handler, &region));
    EXPECT_EQ(1u, handler.visits.size());
    EXPECT_EQ(nullptr, browser.FindFirst(&handler));
}

TEST_F(RegionBrowsers, MidiExpressionsOfTheCurrentSelection)
{
    PutDetail(kMidiTag, 10, 0, 5, 4, 0, 300);
    PutDetail(kMidiTag, 10, 0, 5, 4, 1, 4000);
    PutDetail(kMidiTag, 10, 0, 6, 4, 0, 0);
    SetSelection(0, 5, 5, 4, 4, 0, 3000);
    RecordingHandler handler;
    FCBrowserMidiExpressions browser;
    int cells = 0;
    PluginCall("walk the selection", [&] { cells = browser.ForEach(&handler); });
    EXPECT_EQ(1, cells);
    EXPECT_EQ((std::vector<Visit>{{5, 4, 0, 300}}), handler.visits);
}
