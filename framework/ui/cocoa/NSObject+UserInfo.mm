#import "ui/cocoa/NSObject+UserInfo.h"

#include <unordered_map>

namespace
{
/* Object address -> retained dictionary. Main thread only. */
std::unordered_map<const void*, NSMutableDictionary*>& SideTable()
{
    static std::unordered_map<const void*, NSMutableDictionary*> table;
    return table;
}
} // namespace

@implementation NSObject (UserInfo)

- (NSMutableDictionary*)objectUserInfo
{
    NSMutableDictionary*& entry = SideTable()[static_cast<const void*>(self)];
    if (!entry)
        entry = [[NSMutableDictionary alloc] init];
    return entry;
}

- (NSMutableDictionary*)existingObjectUserInfo
{
    std::unordered_map<const void*, NSMutableDictionary*>::iterator found =
        SideTable().find(static_cast<const void*>(self));
    return found == SideTable().end() ? nil : found->second;
}

- (void)removeObjectUserInfo
{
    std::unordered_map<const void*, NSMutableDictionary*>::iterator found =
        SideTable().find(static_cast<const void*>(self));
    if (found == SideTable().end())
        return;
    [found->second release];
    SideTable().erase(found);
}

@end

void* QZUserInfoPointer(id object, NSString* key)
{
    NSValue* box = [[object existingObjectUserInfo] objectForKey:key];
    return box ? [box pointerValue] : nullptr;
}

void QZSetUserInfoPointer(id object, NSString* key, void* pointer)
{
    [[object objectUserInfo] setObject:[NSValue valueWithPointer:pointer] forKey:key];
}
