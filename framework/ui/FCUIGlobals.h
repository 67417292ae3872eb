#ifndef FRAMEWORK_UI_FCUIGLOBALS_H
#define FRAMEWORK_UI_FCUIGLOBALS_H

/* Process-wide user-interface state.
 *
 * __bWindowshadeAllowed: window shading is allowed (true at start). The alert
 * services clear it for the duration of every alert and set it afterwards;
 * while it is false, __FCUserWindow::Windowshade does nothing. */
extern bool __bWindowshadeAllowed;

#endif
