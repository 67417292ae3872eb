#include "hostsim/MenuModel.h"

#include <algorithm>
#include <iterator>

#include "hostsim/RecordKey.h"

namespace hostsim {

namespace {

/* Command codes the plug-in may issue (its menu command table, index 1 on). */
constexpr uint32_t kKnownCodes[] = {
    fourcc("MSpN"), fourcc("MSpB"), fourcc("MSpT"), fourcc("MUAn"), fourcc("MUup"), fourcc("MUdn"),
    fourcc("MELk"), fourcc("MEUl"), fourcc("MUTi"), fourcc("MURs"), fourcc("MUSl"), fourcc("UpGr"),
    fourcc("MUUp"), fourcc("MUDo"), fourcc("MUSt"), fourcc("MECl"), fourcc("EnDS"), fourcc("EnFS"),
    fourcc("EnFF"), fourcc("EnST"), fourcc("MRbm"), fourcc("VwSc"), fourcc("VwPg"), fourcc("VwSq"),
    fourcc("VwRe"), fourcc("DOes"), fourcc("StS0"), fourcc("StS1"), fourcc("StS2"), fourcc("StS3"),
    fourcc("StS4"), fourcc("StS5"), fourcc("StS6"), fourcc("StS7"), fourcc("StS8"), fourcc("MERt"),
    fourcc("MMCr"), fourcc("MMBr"), fourcc("TOSe"), fourcc("TOSt"), fourcc("TOMs"), fourcc("TOKy"),
    fourcc("TOTi"), fourcc("TOCl"), fourcc("TORp"), fourcc("TOAr"), fourcc("TOCh"), fourcc("TOEx"),
    fourcc("TOGr"), fourcc("TOHa"), fourcc("TOHy"), fourcc("TOLy"), fourcc("TOMi"), fourcc("TONt"),
    fourcc("TOOs"), fourcc("TOPg"), fourcc("TORs"), fourcc("TOSp"), fourcc("TOTx"), fourcc("TOTp"),
    fourcc("TOZm"),
};

constexpr uint32_t kScroll = fourcc("VwSc"), kPage = fourcc("VwPg"), kStaffSet0 = fourcc("StS0");
constexpr uint16_t kFirstStaffSetItem = 65500;

}  // namespace

bool MenuModel::isKnown(uint32_t code) {
    return std::find(std::begin(kKnownCodes), std::end(kKnownCodes), code) != std::end(kKnownCodes);
}

bool MenuModel::staffSetExists(const Document& doc, int16_t scope, int n) {
    RecordId id{scope, fourcc("SOIu"), RecordKey(int16_t(kFirstStaffSetItem + n - 1), 0)};
    return doc.store().find(id) != nullptr;
}

int32_t MenuModel::execute(Document& doc, int16_t scope, uint32_t code) {
    if (!isKnown(code)) return 0;
    if (code == kScroll) doc.view.mode = ViewMode::Scroll;
    if (code == kPage) doc.view.mode = ViewMode::Page;
    if (code == kStaffSet0) doc.view.displayedStaffSet = 0;
    if (code > kStaffSet0 && code <= kStaffSet0 + 8) {
        int n = int(code - kStaffSet0);
        if (doc.view.mode != ViewMode::Scroll || !staffSetExists(doc, scope, n)) return 0;
        doc.view.displayedStaffSet = n;
    }
    return 1;
}

}  // namespace hostsim
