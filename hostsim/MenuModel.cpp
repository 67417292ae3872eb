#include "hostsim/MenuModel.h"

#include <algorithm>
#include <iterator>

#include "common/qz_fourcc.h"
#include "common/qz_host_document.h"
#include "hostsim/RecordKey.h"

namespace hostsim
{

namespace
{

/* Command codes the plug-in may issue (its menu command table, index 1 on). */
constexpr uint32_t kKnownCodes[] = {
    QZ_FOURCC("MSpN"), QZ_FOURCC("MSpB"), QZ_FOURCC("MSpT"), QZ_FOURCC("MUAn"), QZ_FOURCC("MUup"), QZ_FOURCC("MUdn"),
    QZ_FOURCC("MELk"), QZ_FOURCC("MEUl"), QZ_FOURCC("MUTi"), QZ_FOURCC("MURs"), QZ_FOURCC("MUSl"), QZ_FOURCC("UpGr"),
    QZ_FOURCC("MUUp"), QZ_FOURCC("MUDo"), QZ_FOURCC("MUSt"), QZ_FOURCC("MECl"), QZ_FOURCC("EnDS"), QZ_FOURCC("EnFS"),
    QZ_FOURCC("EnFF"), QZ_FOURCC("EnST"), QZ_FOURCC("MRbm"), QZ_FOURCC("VwSc"), QZ_FOURCC("VwPg"), QZ_FOURCC("VwSq"),
    QZ_FOURCC("VwRe"), QZ_FOURCC("DOes"), QZ_FOURCC("StS0"), QZ_FOURCC("StS1"), QZ_FOURCC("StS2"), QZ_FOURCC("StS3"),
    QZ_FOURCC("StS4"), QZ_FOURCC("StS5"), QZ_FOURCC("StS6"), QZ_FOURCC("StS7"), QZ_FOURCC("StS8"), QZ_FOURCC("MERt"),
    QZ_FOURCC("MMCr"), QZ_FOURCC("MMBr"), QZ_FOURCC("TOSe"), QZ_FOURCC("TOSt"), QZ_FOURCC("TOMs"), QZ_FOURCC("TOKy"),
    QZ_FOURCC("TOTi"), QZ_FOURCC("TOCl"), QZ_FOURCC("TORp"), QZ_FOURCC("TOAr"), QZ_FOURCC("TOCh"), QZ_FOURCC("TOEx"),
    QZ_FOURCC("TOGr"), QZ_FOURCC("TOHa"), QZ_FOURCC("TOHy"), QZ_FOURCC("TOLy"), QZ_FOURCC("TOMi"), QZ_FOURCC("TONt"),
    QZ_FOURCC("TOOs"), QZ_FOURCC("TOPg"), QZ_FOURCC("TORs"), QZ_FOURCC("TOSp"), QZ_FOURCC("TOTx"), QZ_FOURCC("TOTp"),
    QZ_FOURCC("TOZm"),
};

constexpr uint32_t kScroll = QZ_FOURCC("VwSc"), kPage = QZ_FOURCC("VwPg"), kStaffSet0 = QZ_FOURCC("StS0");

} // namespace

bool MenuModel::isKnown(uint32_t code)
{
    return std::find(std::begin(kKnownCodes), std::end(kKnownCodes), code) != std::end(kKnownCodes);
}

bool MenuModel::staffSetExists(const Document& doc, int16_t scope, int n)
{
    RecordId id{scope, QZ_FOURCC("SOIu"), RecordKey(int16_t(qz::StaffSetItem(n)), 0)};
    return doc.store().find(id) != nullptr;
}

int32_t MenuModel::execute(Document& doc, int16_t scope, uint32_t code)
{
    if (!isKnown(code))
        return 0;
    if (code == kScroll)
        doc.view.mode = ViewMode::Scroll;
    if (code == kPage)
        doc.view.mode = ViewMode::Page;
    if (code == kStaffSet0)
        doc.view.displayedStaffSet = 0;
    if (code > kStaffSet0 && code <= kStaffSet0 + 8) {
        int n = int(code - kStaffSet0);
        if (doc.view.mode != ViewMode::Scroll || !staffSetExists(doc, scope, n))
            return 0;
        doc.view.displayedStaffSet = n;
    }
    return 1;
}

} // namespace hostsim
