#ifndef FRAMEWORK_UI_FCTREENODE_H
#define FRAMEWORK_UI_FCTREENODE_H

#include "strings/FCString.h"
#include "core/__FCCollection.h"

class FCCtrlTree;

/* One node of a tree control's two-level outline. Its elements are its child
 * nodes (owned). Off screen its selected and expanded flags hold the tree's
 * selection and expansion. The on-screen outline identifies the node's row by
 * its platform handle, a box holding the node's address that the node owns. */
class FCTreeNode : public __FCCollection
{
    void* _handle;
    bool _selected;
    bool _container;
    bool _expanded;
    FCString _text;
    FCCtrlTree* _pTree;
    FCTreeNode* _pParent;

public:
    /* A null text gives the empty text. */
    explicit FCTreeNode(FCString* pText);
    ~FCTreeNode() override;

    const char* ClassName() const override;

    /* A null text gives the empty text; the outline shows the new text. */
    void SetText(FCString* pText);
    void GetText(FCString* pText) const;
    /* Lets the on-screen outline show the node's current text. */
    void UpdateText();

    /* The child at index (still owned by this node), or null. */
    FCTreeNode* GetChildAt(int index) const { return static_cast<FCTreeNode*>(GetItemAt(index)); }
    FCTreeNode* GetParent() const { return _pParent; }
    FCCtrlTree* GetTree() const { return _pTree; }
    bool IsContainer() const { return _container; }
    bool IsSelected() const { return _selected; }
    bool IsExpanded() const { return _expanded; }

    /* ---- Kept by the tree control ---- */

    void _SetTree(FCCtrlTree* pTree) { _pTree = pTree; }
    void _SetParent(FCTreeNode* pParent) { _pParent = pParent; }
    void _SetContainer(bool state) { _container = state; }
    void _SetSelected(bool state) { _selected = state; }
    void _SetExpanded(bool state) { _expanded = state; }
    /* The platform handle, and a new one replacing it. */
    void* _GetHandle() const { return _handle; }
    void _RenewHandle();
    /* The node a handle holds; null for a null handle. */
    static FCTreeNode* _NodeFromHandle(const void* handle);
};

#endif
