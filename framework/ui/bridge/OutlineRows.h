#ifndef FRAMEWORK_UI_BRIDGE_OUTLINEROWS_H
#define FRAMEWORK_UI_BRIDGE_OUTLINEROWS_H

class FCCtrlTree;
class FCTreeNode;

/* What an outline's data source answers, for every backend: an item is a
 * node's handle, no item stands for the tree's root. */
namespace OutlineRows
{
/* The node of an item the data source handed out (the root for none); null
   without a tree. */
FCTreeNode* NodeOf(FCCtrlTree* pTree, const void* item);
/* The child's item, null outside the children. */
const void* ChildOf(FCTreeNode* pNode, int index);
/* A node with children (the root level always is). */
bool IsExpandable(FCTreeNode* pNode);
} // namespace OutlineRows

#endif
