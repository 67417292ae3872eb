#include "ui/FCCtrlTree.h"

#include <algorithm>

#include "ui/_FCWindowController_cocoa.h"

namespace
{
/* Visits every node below start in tree order (a node, then its children);
   stops when visit returns true and returns that node. */
template <class Visit>
FCTreeNode* FindBelow(FCTreeNode* pStart, Visit visit)
{
    for (int i = 0; i < pStart->GetCount(); ++i) {
        FCTreeNode* pChild = pStart->GetChildAt(i);
        if (!pChild)
            continue;
        if (visit(pChild))
            return pChild;
        if (FCTreeNode* pFound = FindBelow(pChild, visit))
            return pFound;
    }
    return nullptr;
}

template <class Visit>
void ForEachBelow(FCTreeNode* pStart, Visit visit)
{
    FindBelow(pStart, [&](FCTreeNode* pNode) {
        visit(pNode);
        return false;
    });
}
} // namespace

FCCtrlTree::FCCtrlTree(int controlID) : FCControl(controlID), _fontsize(12), _root(nullptr) { _root._SetTree(this); }

const char* FCCtrlTree::ClassName() const { return "FCCtrlTree"; }
int FCCtrlTree::_GetControlType() const { return CTRLTYPE_TREE; }
float FCCtrlTree::_GetAutoCreateWidth() const { return 150; }
float FCCtrlTree::_GetAutoCreateMultilineHeight() const { return 170; }

/* ---- On-screen outline ---- */

void FCCtrlTree::_SetUpOutline() { _GetBridge()->OutlineViewSetupColumn(GetControlID(), _fontsize); }
void FCCtrlTree::_ConnectOutline() { _GetBridge()->OutlineViewAssureConnected(this); }

void FCCtrlTree::_RefreshOutline()
{
    if (_IsOnScreen())
        _GetBridge()->OutlineViewRefreshData(GetControlID());
}

void FCCtrlTree::Repaint() { _RefreshOutline(); }

void FCCtrlTree::_BuildTree()
{
    _SetUpOutline();
    _ConnectOutline();
    ForEachBelow(&_root, [](FCTreeNode* pNode) { pNode->_RenewHandle(); });
    _FCWindowController_cocoa* pBridge = _GetBridge();
    const int id = GetControlID();
    for (int i = 0; i < _root.GetCount(); ++i) {
        FCTreeNode* pNode = _root.GetChildAt(i);
        if (pNode && pNode->IsContainer() && pNode->IsExpanded())
            pBridge->OutlineViewExpandNode(id, pNode, true);
    }
    pBridge->OutlineViewRefreshData(id);
    if (FCTreeNode* pSelected = FindBelow(&_root, [](FCTreeNode* pNode) { return pNode->IsSelected(); }))
        pBridge->OutlineViewSetSelectedNode(id, pSelected);
}

void FCCtrlTree::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (_IsOnScreen() && _root.GetCount() > 0)
        _BuildTree();
}

void FCCtrlTree::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    const int id = GetControlID();
    _MarkSelected(pBridge->OutlineViewGetSelectedNode(id));
    for (int i = 0; i < _root.GetCount(); ++i) {
        FCTreeNode* pNode = _root.GetChildAt(i);
        if (pNode && pNode->IsContainer())
            pNode->_SetExpanded(pBridge->OutlineViewIsNodeExpanded(id, pNode));
    }
}

/* ---- Membership ---- */

bool FCCtrlTree::_IsOwnNode(FCTreeNode* pNode)
{
    return pNode && pNode != &_root && pNode->GetTree() == this && IsNodeAttached(pNode, nullptr);
}

bool FCCtrlTree::_IsTopLevel(FCTreeNode* pNode) const { return pNode && pNode->GetParent() == &_root; }

bool FCCtrlTree::IsNodeAttached(FCTreeNode* pNode, FCTreeNode* pUnder)
{
    if (!pNode)
        return false;
    FCTreeNode* pStart = pUnder ? pUnder : &_root;
    return FindBelow(pStart, [pNode](FCTreeNode* pVisited) { return pVisited == pNode; }) != nullptr;
}

int FCCtrlTree::CalcNodeIndex(FCTreeNode* pNode, FCTreeNode* pParent)
{
    if (!pNode)
        return -1;
    return (pParent ? pParent : &_root)->GetIndexOf(pNode);
}

int FCCtrlTree::CalcRootIndex(FCTreeNode* pNode) { return CalcNodeIndex(pNode, nullptr); }

FCTreeNode* FCCtrlTree::FindUserDataNode(void* pData, FCTreeNode* pStart)
{
    return FindBelow(pStart ? pStart : &_root, [pData](FCTreeNode* pNode) { return pNode->GetUserData() == pData; });
}

/* ---- Building ---- */

FCTreeNode* FCCtrlTree::AddNode(FCTreeNode* pParent, bool container, FCString* pText)
{
    if (!pText || (pParent && container))
        return nullptr;
    if (pParent && !(_IsOwnNode(pParent) && _IsTopLevel(pParent)))
        return nullptr;
    const bool onScreen = _IsOnScreen();
    if (onScreen)
        _SetUpOutline();
    FCTreeNode* pOwner = pParent ? pParent : &_root;
    auto* pNode = new FCTreeNode(pText);
    pNode->_SetTree(this);
    pNode->_SetParent(pOwner);
    pNode->_SetContainer(container);
    pOwner->Add(pNode);
    if (onScreen) {
        _ConnectOutline();
        _RefreshOutline();
    }
    return pNode;
}

FCTreeNode* FCCtrlTree::InsertNodeAt(FCTreeNode* pParent, FCString* pText, int index)
{
    if (!pText || index < 0 || !_IsOwnNode(pParent) || !_IsTopLevel(pParent))
        return nullptr;
    auto* pNode = new FCTreeNode(pText);
    pNode->_SetTree(this);
    pNode->_SetParent(pParent);
    pParent->InsertItemAt(pNode, std::min(index, pParent->GetCount()));
    if (_IsOnScreen()) {
        _ConnectOutline();
        _RefreshOutline();
    }
    return pNode;
}

bool FCCtrlTree::DeleteNode(FCTreeNode* pNode)
{
    if (!_IsOwnNode(pNode))
        return false;
    FCTreeNode* pParent = pNode->GetParent();
    const int index = pParent ? pParent->GetIndexOf(pNode) : -1;
    if (index < 0)
        return false;
    pParent->ClearItemAt(index);
    _RefreshOutline();
    return true;
}

bool FCCtrlTree::SwapNodes(FCTreeNode* pNode1, FCTreeNode* pNode2)
{
    if (pNode1 == pNode2 || !_IsOwnNode(pNode1) || !_IsOwnNode(pNode2))
        return false;
    FCTreeNode* pParent = pNode1->GetParent();
    const int index1 = pParent ? pParent->GetIndexOf(pNode1) : -1;
    const int index2 = pParent ? pParent->GetIndexOf(pNode2) : -1;
    if (index1 < 0 || index2 < 0)
        return false;
    pParent->Swap(index1, index2);
    _RefreshOutline();
    return true;
}

void FCCtrlTree::Clear()
{
    _root.ClearAll();
    _RefreshOutline();
}

/* ---- Selection and expansion ---- */

void FCCtrlTree::_MarkSelected(FCTreeNode* pNode)
{
    ForEachBelow(&_root, [pNode](FCTreeNode* pVisited) { pVisited->_SetSelected(pVisited == pNode); });
}

FCTreeNode* FCCtrlTree::GetSelectedNode()
{
    if (_IsOnScreen())
        return _GetBridge()->OutlineViewGetSelectedNode(GetControlID());
    return FindBelow(&_root, [](FCTreeNode* pNode) { return pNode->IsSelected(); });
}

void FCCtrlTree::SetSelectedNode(FCTreeNode* pNode)
{
    if (!_IsOwnNode(pNode))
        return;
    if (_IsOnScreen())
        _GetBridge()->OutlineViewSetSelectedNode(GetControlID(), pNode);
    else
        _MarkSelected(pNode);
}

void FCCtrlTree::_ExpandOffScreen(FCTreeNode* pNode, bool expand)
{
    if (_IsTopLevel(pNode) && pNode->IsContainer())
        pNode->_SetExpanded(expand);
}

void FCCtrlTree::ExpandNode(FCTreeNode* pNode)
{
    if (!_IsOwnNode(pNode))
        return;
    if (_IsOnScreen())
        _GetBridge()->OutlineViewExpandNode(GetControlID(), pNode, true);
    else
        _ExpandOffScreen(pNode, true);
}

void FCCtrlTree::CollapseNode(FCTreeNode* pNode)
{
    if (!_IsOwnNode(pNode))
        return;
    if (_IsOnScreen())
        _GetBridge()->OutlineViewExpandNode(GetControlID(), pNode, false);
    else
        _ExpandOffScreen(pNode, false);
}

void FCCtrlTree::ExpandAllContainers()
{
    if (_IsOnScreen()) {
        _GetBridge()->OutlineViewExpandAllContainers(GetControlID());
        return;
    }
    for (int i = 0; i < _root.GetCount(); ++i)
        _ExpandOffScreen(_root.GetChildAt(i), true);
}

void FCCtrlTree::CollapseAllContainers()
{
    if (_IsOnScreen()) {
        _GetBridge()->OutlineViewCollapseAllContainers(GetControlID());
        return;
    }
    for (int i = 0; i < _root.GetCount(); ++i)
        _ExpandOffScreen(_root.GetChildAt(i), false);
}
