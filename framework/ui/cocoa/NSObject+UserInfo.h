#ifndef FRAMEWORK_UI_COCOA_NSOBJECT_USERINFO_H
#define FRAMEWORK_UI_COCOA_NSOBJECT_USERINFO_H

#import <Foundation/Foundation.h>

/* A mutable dictionary attached to any object, created empty on first use.
 * Table and outline views keep their framework control in it ("DataList",
 * "Tree"). The dictionaries live in a side table keyed by the object's
 * address (the runtimes we build for do not all offer associated objects), so
 * an owner that goes away removes its entry with removeObjectUserInfo. */
@interface NSObject (UserInfo)
- (NSMutableDictionary*)objectUserInfo;
/* The dictionary when one was made, else nil; never creates one. */
- (NSMutableDictionary*)existingObjectUserInfo;
- (void)removeObjectUserInfo;
@end

/* The framework control stored under a key of an object's user info. */
void* QZUserInfoPointer(id object, NSString* key);
void QZSetUserInfoPointer(id object, NSString* key, void* pointer);

#endif
