#include "ui/bridge/OutlineRows.h"

#include "ui/FCCtrlTree.h"
#include "ui/FCTreeNode.h"

namespace OutlineRows
{
FCTreeNode* NodeOf(FCCtrlTree* pTree, const void* item)
{
    if (!pTree)
        return nullptr;
    return item ? FCTreeNode::_NodeFromHandle(item) : pTree->_GetRoot();
}

const void* ChildOf(FCTreeNode* pNode, int index)
{
    FCTreeNode* pChild = pNode ? pNode->GetChildAt(index) : nullptr;
    return pChild ? pChild->_GetHandle() : nullptr;
}

bool IsExpandable(FCTreeNode* pNode) { return pNode && (!pNode->GetParent() || pNode->GetCount() > 0); }
} // namespace OutlineRows
