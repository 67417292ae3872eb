#ifndef FRAMEWORK_UI_FCCTRLLISTBOX_H
#define FRAMEWORK_UI_FCCTRLLISTBOX_H

#include "ui/FCCtrlDataList.h"

/* The single-column form of the data list, with a string interface. Strings
 * added while no table is on screen wait in the pending list. */
class FCCtrlListBox : public FCCtrlDataList
{
    int _selecteditem;
    bool _selecteditemset;
    FCStrings _pendingstrings;
    bool _pendingstringsset;

public:
    explicit FCCtrlListBox(int controlID);

    const char* ClassName() const override;
    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    float _GetAutoCreateMultilineHeight() const override;
    /* FCControl step, the pending strings, then the selection. */
    void _InitNonWindowHandleStates() override;
    /* FCControl step, then the on-screen items and selection become the
       pending strings and the stored selection. */
    void _StoreNonWindowHandleStates() override;

    void AddString(FCString* pString);
    void SetStrings(FCStrings* pStrings);
    void Clear();
    int GetCount() const;
    void GetItemText(int index, FCString* pString) const;
    void SetItemText(int index, FCString* pString);
    void DeleteItem(int index);
    void SetSelectedItem(int index);
    int GetSelectedItem();
    void ClearSelection();
    void InsertItem(int, FCString*) {}

private:
    void _AssureSingleColumn();
};

#endif
