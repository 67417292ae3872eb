#ifndef FRAMEWORK_UI_COCOA_NSOBJECT_USERINFO_H
#define FRAMEWORK_UI_COCOA_NSOBJECT_USERINFO_H

#import <Foundation/Foundation.h>

/* A mutable dictionary per object, made empty on first use; table and outline
 * views keep their framework control in it ("DataList", "Tree"). It lives in
 * a side table keyed by the object's address (not every runtime we build for
 * has associated objects), so an owner that goes away removes it. */
@interface NSObject (UserInfo)
- (NSMutableDictionary*)objectUserInfo;
/* Nil when none was made; never makes one. */
- (NSMutableDictionary*)existingObjectUserInfo;
- (void)removeObjectUserInfo;
@end

/* The framework control under a key of an object's user info. */
void* QZUserInfoPointer(id object, NSString* key);
void QZSetUserInfoPointer(id object, NSString* key, void* pointer);

#endif
