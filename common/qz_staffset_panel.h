#ifndef QZ_STAFFSET_PANEL_H
#define QZ_STAFFSET_PANEL_H

/* The staff set panel's layout and control IDs, shared by the plug-in that
   builds the panel and the programs that drive it (the host program, its
   validator and the tests). */

#ifdef __cplusplus
namespace qz
{
constexpr int kPanelLayout = 20128;

constexpr int kPanelOk = 1;
constexpr int kPanelClose = 2;
constexpr int kPanelList = 101;
constexpr int kPanelNameEdit = 102;
constexpr int kPanelSetName = 103;
constexpr int kPanelCreate = 104;
constexpr int kPanelAddStaves = 105;
constexpr int kPanelRemoveStaves = 106;
constexpr int kPanelMoveUp = 107;
constexpr int kPanelMoveDown = 108;
constexpr int kPanelDelete = 109;
/* The third row: staff sets from the score's groups, and templates. */
constexpr int kPanelFromGroups = 110;
constexpr int kPanelSaveTemplate = 111;
constexpr int kPanelApplyTemplate = 112;

/* The controls that `expect enabled` checks, in ID order. */
inline constexpr int kPanelEnablingControls[] = {kPanelOk,       kPanelList,      kPanelNameEdit,     kPanelSetName,
                                                 kPanelCreate,   kPanelAddStaves, kPanelRemoveStaves, kPanelMoveUp,
                                                 kPanelMoveDown, kPanelDelete};
/* The third row's buttons, in ID order. */
inline constexpr int kPanelThirdRowButtons[] = {kPanelFromGroups, kPanelSaveTemplate, kPanelApplyTemplate};
/* The buttons that change the document, in ID order. */
inline constexpr int kPanelCommandButtons[] = {kPanelSetName, kPanelCreate,   kPanelAddStaves, kPanelRemoveStaves,
                                               kPanelMoveUp,  kPanelMoveDown, kPanelDelete};
} // namespace qz
#endif

#endif
