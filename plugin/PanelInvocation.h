#ifndef PLUGIN_PANELINVOCATION_H
#define PLUGIN_PANELINVOCATION_H

/* The plug-in's two process-wide objects, made by the first invoke and
 * destroyed by terminate (FinaleExtensionInvoke, FinaleExtensionTerminate in
 * FinaleExtension.h). There is never more than one of each. */

class FCStaffSetPanelWindow;
class FCUI;

/* The one user-interface services object; null before the first invoke and
   after terminate. */
extern FCUI* pGlobalUI;
/* The one panel window (it outlives its on-screen window, which the close
   box closes); null before the first invoke and after terminate. */
extern FCStaffSetPanelWindow* pMainWindow;

/* Makes the panel window on first use and shows it modeless, in front. */
void DisplayUserWindow(FCUI* pUI);

#endif
