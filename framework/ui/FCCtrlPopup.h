#ifndef FRAMEWORK_UI_FCCTRLPOPUP_H
#define FRAMEWORK_UI_FCCTRLPOPUP_H

#include <cstdint>

#include "ui/FCControl.h"
#include "strings/FCStrings.h"

/* A popup: a list of items of which one is selected.
 *
 * While no on-screen element exists the items and the selection are kept in
 * the control. Items assigned before the window loads replace the layout's own
 * items when it does; then the stored selection is applied, or item 0 is
 * selected when the control was created in code. Closing the window copies
 * the items and the selection back. An index outside the items does nothing. */
class FCCtrlPopup : public FCControl
{
    int32_t _selecteditem;
    bool _selecteditemset;
    FCStrings _items;
    bool _itemsassigned;

public:
    explicit FCCtrlPopup(int controlID);

    const char* ClassName() const override;
    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    void _InitNonWindowHandleStates() override;
    void _StoreNonWindowHandleStates() override;

    /* Appends an item (a null text does nothing). */
    void AddString(FCString* pString);
    /* Clears, then appends each string in order. */
    void SetStrings(FCStrings* pStrings);
    void Clear();
    int GetCount();
    void DeleteItem(int index);
    /* On screen only; index may equal the count (appends). */
    void InsertString(int index, FCString* pString);
    /* On screen only, for 0 <= index < count; the selection is kept. */
    void SetItemText(int index, FCString* pString);
    void SetSelectedItem(int index);
    /* On screen -1 when no popup element has the ID. */
    int GetSelectedItem();

private:
    bool _IsStoredIndex(int index) const;
};

#endif
