#ifndef FRAMEWORK_UI_FCRESOURCEWINDOW_H
#define FRAMEWORK_UI_FCRESOURCEWINDOW_H

#include "ui/__FCUserWindow.h"

class FCCtrlButton;
class FCCtrlCheckbox;
class FCCtrlDataList;
class FCCtrlEdit;
class FCCtrlListBox;

/* The host's window reference, as handed to the plug-in. */
struct OpaqueCocoaWindow;

/* A window built from a prepared layout, identified by its layout ID.
 *
 * The constructor creates the bridge (and owns it); the destructor destroys
 * the on-screen window and deletes the bridge, then the controls go with the
 * collection. Controls are bound to layout elements by ID alone: the element
 * whose tag equals the control ID is the control.
 *
 * Overrides CloseWindow and InitWindow. */
class FCResourceWindow : public __FCUserWindow
{
    int _layoutid;
    __FCUserWindow* _pParent; /* not owned; may be null */

public:
    explicit FCResourceWindow(int layoutID);
    ~FCResourceWindow() override;

    /* Stores the states back, sets closing, destroys the on-screen window. */
    void CloseWindow() override;
    /* Creates dynamic controls, runs __FCUserWindow::InitWindow, then pushes
       the stored states. A subclass calls this first, then fills its controls. */
    void InitWindow() override;

    /* Construct a control with the ID, append it, set its window; the window
       owns it. */
    FCCtrlButton* AddButton(short id);
    FCCtrlEdit* AddEdit(short id);
    FCCtrlCheckbox* AddCheckbox(short id);
    FCCtrlDataList* AddDataList(short id);
    FCCtrlListBox* AddListBox(short id);

    /* Shows the window modeless; an existing on-screen window is shown and
       activated, otherwise the layout is loaded (which runs InitWindow). */
    void ShowModeless(__FCUserWindow* pParent);
    /* The same with a host window as parent (not used). */
    void ShowModeless(OpaqueCocoaWindow* pHostWindow);
    /* Runs the window modally; the return code (0 close, 1 OK, 2 Cancel) when
       the run ended by the window closing, else 0. */
    int ExecuteModal(__FCUserWindow* pParent);
    /* Clears the return code and runs modally without a parent window (the
       window is centred); the host window is not used. */
    int ExecuteModal_EWND(OpaqueCocoaWindow* pHostWindow);

    int GetLayoutID() const { return _layoutid; }
    __FCUserWindow* GetParentWindow() const { return _pParent; }

private:
    template <class T>
    T* _AddNew(short id);
};

#endif
