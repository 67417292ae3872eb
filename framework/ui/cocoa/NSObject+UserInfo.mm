#import "ui/cocoa/NSObject+UserInfo.h"

#include <unordered_map>

namespace
{
/* Object address -> retained dictionary. Main thread only. */
std::unordered_map<const void*, NSMutableDictionary*>& Table()
{
    static std::unordered_map<const void*, NSMutableDictionary*> table;
    return table;
}
} // namespace

@implementation NSObject (UserInfo)

- (NSMutableDictionary*)objectUserInfo
{
    NSMutableDictionary*& entry = Table()[self];
    if (!entry)
        entry = [[NSMutableDictionary alloc] init];
    return entry;
}

- (NSMutableDictionary*)existingObjectUserInfo
{
    const auto found = Table().find(self);
    return found == Table().end() ? nil : found->second;
}

- (void)removeObjectUserInfo
{
    [[self existingObjectUserInfo] release];
    Table().erase(self);
}

@end

void* QZUserInfoPointer(id object, NSString* key)
{
    return [[[object existingObjectUserInfo] objectForKey:key] pointerValue];
}

void QZSetUserInfoPointer(id object, NSString* key, void* pointer)
{
    [[object objectUserInfo] setObject:[NSValue valueWithPointer:pointer] forKey:key];
}
