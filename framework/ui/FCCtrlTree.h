#ifndef FRAMEWORK_UI_FCCTRLTREE_H
#define FRAMEWORK_UI_FCCTRLTREE_H

#include <cstdint>

#include "ui/FCControl.h"
#include "ui/FCTreeNode.h"

/* A tree control: a two-level outline. The root node's children are the
 * top-level nodes; only top-level nodes may be containers, and only they may
 * have children. The nodes belong to the tree.
 *
 * The on-screen outline (one column, "treecolumn", without header) reads the
 * nodes through its data source. Off screen the nodes' selected and expanded
 * flags hold the selection and the expansion; they are pushed when the window
 * loads and read back when it closes.
 *
 * Every operation refuses (null, false or nothing) a null node, a node of
 * another tree and a node no longer attached to this one. */
class FCCtrlTree : public FCControl
{
    int32_t _fontsize;
    FCTreeNode _root;

public:
    explicit FCCtrlTree(int controlID);

    const char* ClassName() const override;
    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    float _GetAutoCreateMultilineHeight() const override;
    void _InitNonWindowHandleStates() override;
    void _StoreNonWindowHandleStates() override;
    /* Reloads the outline. */
    void Repaint() override;

    /* A new node under parent (the root when null), appended. Null for a
       null text, a container under a given parent, or a parent that is not
       an attached top-level node. */
    FCTreeNode* AddNode(FCTreeNode* pParent, bool container, FCString* pText);
    /* A new (non-container) node among parent's children at min(index,
       count). Null for a null text, a null, unattached or second-level
       parent, or a negative index. */
    FCTreeNode* InsertNodeAt(FCTreeNode* pParent, FCString* pText, int index);
    /* Removes and deletes the node with its children. */
    bool DeleteNode(FCTreeNode* pNode);
    /* Exchanges two children of the same parent. */
    bool SwapNodes(FCTreeNode* pNode1, FCTreeNode* pNode2);
    /* Deletes every node below the root. */
    void Clear();

    FCTreeNode* GetSelectedNode();
    void SetSelectedNode(FCTreeNode* pNode);
    void ExpandNode(FCTreeNode* pNode);
    void CollapseNode(FCTreeNode* pNode);
    void ExpandAllContainers();
    void CollapseAllContainers();

    /* Depth-first search for node below under (the root when null). */
    bool IsNodeAttached(FCTreeNode* pNode, FCTreeNode* pUnder);
    /* The node's position among the root's children, or -1. */
    int CalcRootIndex(FCTreeNode* pNode);
    /* The node's position among parent's (the root's when null) children,
       or -1. */
    int CalcNodeIndex(FCTreeNode* pNode, FCTreeNode* pParent);
    /* Depth-first search below start (the root when null) for the node whose
       user data is pData. */
    FCTreeNode* FindUserDataNode(void* pData, FCTreeNode* pStart);

    int GetFontSize() const { return _fontsize; }
    void SetFontSize(int size) { _fontsize = size; }
    /* The root (owned by the tree; its children are the top-level nodes). */
    FCTreeNode* _GetRoot() { return &_root; }
    /* Lets the outline re-read the nodes (on screen only). */
    void _RefreshOutline();

private:
    /* The node belongs to this tree and hangs below its root. */
    bool _IsOwnNode(FCTreeNode* pNode);
    bool _IsTopLevel(FCTreeNode* pNode) const;
    void _BuildTree();
    void _SetUpOutline();
    void _ConnectOutline();
    /* Clears every selected flag, then marks pNode (may be null). */
    void _MarkSelected(FCTreeNode* pNode);
    void _ExpandOffScreen(FCTreeNode* pNode, bool expand);
};

#endif
