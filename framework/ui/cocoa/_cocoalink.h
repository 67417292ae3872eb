#ifndef FRAMEWORK_UI_COCOA__COCOALINK_H
#define FRAMEWORK_UI_COCOA__COCOALINK_H

#import <Foundation/Foundation.h>

#include <CoreFoundation/CoreFoundation.h>

class FCString;

/* Strings and pointer boxes between the framework and Cocoa. A Unicode host
 * (framework version 0x11000000 and later) hands the UTF-16 units over
 * unchanged; an older host goes through the 8-bit text, read as UTF-8 on the
 * way out and written as non-lossy ASCII (at most 5000 bytes) on the way
 * back. A U+2028 line separator read from Cocoa becomes a carriage return. */

/* The string keeps (retains) the result until its next call or its end. Null
   gives nil. */
NSString* _cocoalink_GetNSString(FCString* pString);
/* A new autoreleased string, not kept. */
NSString* _cocoalink_MakeNSString(FCString* pString);
void _cocoalink_SetNSString(FCString* pString, NSString* pObject);
void _cocoalink_FromUTF8ToFCString(const char* text, FCString* pString);
/* At most size bytes of UTF-8 (never splitting a character), always ended by
   a zero byte. */
void _cocoalink_ToUTF8FromFCString(FCString* pString, char* buffer, int size);
/* The POSIX path of a file address (through Core Foundation's own path, so
   that macOS and the stand-in agree); nil for null or a non-file address. */
NSString* _cocoalink_CFURLRefToPath(CFURLRef url);
/* Replaces a retained pointer box with one holding the pointer. */
void _cocoalink_ChangeNSPointerValue(NSValue** ppBox, void* pointer);
void _cocoalink_DeallocateNSValue(NSValue** ppBox);
void _cocoalink_DeallocateNSString(NSString** ppString);

#endif
