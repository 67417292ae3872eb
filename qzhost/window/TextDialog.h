#ifndef QZHOST_WINDOW_TEXTDIALOG_H
#define QZHOST_WINDOW_TEXTDIALOG_H

/* A host dialog that asks for one line of text (the name of a new
   expression category): a prompt, a text field, OK (Return) and Cancel
   (Escape), run modally. */

#import <AppKit/AppKit.h>

@interface QZHostTextDialog : NSObject {
    NSPanel* _panel;
    NSTextField* _field;
}
/* The text given, or nil when the dialog is cancelled. */
+ (NSString*)askWithTitle:(NSString*)title prompt:(NSString*)prompt;
@end

#endif
