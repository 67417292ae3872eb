#include "plugin/PanelInvocation.h"

#include <memory>

#include "staffsetpanel/FCStaffSetPanelWindow.h"
#include "ui/FCUI.h"
#include "plugin/FinaleExtension.h"

FCUI* pGlobalUI = nullptr;
FCStaffSetPanelWindow* pMainWindow = nullptr;

void DisplayUserWindow(FCUI* pUI)
{
    if (!pUI)
        return;
    if (!pMainWindow) {
        /* Kept only once constructed; a failed construction frees it again. */
        auto pWindow = std::make_unique<FCStaffSetPanelWindow>(pUI);
        pMainWindow = pWindow.release();
        pMainWindow->LinkControls();
    }
    pMainWindow->ShowModeless(static_cast<OpaqueCocoaWindow*>(pUI->GetHostWindow()));
}

void* FinaleExtensionInvoke(void* hostWindow)
{
    if (!pGlobalUI)
        pGlobalUI = new FCUI(hostWindow);
    DisplayUserWindow(pGlobalUI);
    return nullptr;
}

void FinaleExtensionTerminate(void)
{
    if (pMainWindow) {
        pMainWindow->SaveUserPrefs();
        delete pMainWindow;
        pMainWindow = nullptr;
    }
    delete pGlobalUI;
    pGlobalUI = nullptr;
}

void* Ext_invoke(void* hostWindow) { return FinaleExtensionInvoke(hostWindow); }

void Ext_terminate(void) { FinaleExtensionTerminate(); }
