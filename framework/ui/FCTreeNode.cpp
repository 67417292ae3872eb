#include "ui/FCTreeNode.h"

#include "ui/FCCtrlTree.h"

namespace
{
/* The retained box: a heap cell holding the node's address. */
void* NewHandle(FCTreeNode* pNode) { return new FCTreeNode*(pNode); }
void DeleteHandle(void* handle) { delete static_cast<FCTreeNode**>(handle); }
} // namespace

FCTreeNode::FCTreeNode(FCString* pText)
    : _handle(NewHandle(this)), _selected(false), _container(false), _expanded(false), _pTree(nullptr),
      _pParent(nullptr)
{
    if (pText)
        _text.SetString(pText);
}

FCTreeNode::~FCTreeNode() { DeleteHandle(_handle); }

const char* FCTreeNode::ClassName() const { return "FCTreeNode"; }

void FCTreeNode::SetText(FCString* pText)
{
    FCString empty;
    _text.SetString(pText ? pText : &empty);
    UpdateText();
}

void FCTreeNode::GetText(FCString* pText) const
{
    if (pText)
        pText->SetString(&_text);
}

void FCTreeNode::UpdateText()
{
    if (_pTree)
        _pTree->_RefreshOutline();
}

void FCTreeNode::_RenewHandle()
{
    DeleteHandle(_handle);
    _handle = NewHandle(this);
}

FCTreeNode* FCTreeNode::_NodeFromHandle(const void* handle)
{
    return handle ? *static_cast<FCTreeNode* const*>(handle) : nullptr;
}
