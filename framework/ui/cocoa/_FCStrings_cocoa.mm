/* Font listings with the AppKit's font manager (folder listings are shared by
 * the bridges). Built once the font listings are part of the framework. */
#ifdef QZ_HAS_STRING_SERVICES

#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_cocoalink.h"

#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "ui/_FCStrings_cocoa.h"

namespace
{
[[maybe_unused]] const bool kFontListerInstalled = [] {
    FCStrings::_pSystemFontLister = &_FCStrings_cocoa::LoadSystemFontNames;
    return true;
}();
} // namespace

bool _FCStrings_cocoa::LoadSystemFontNames(FCStrings* pList)
{
    if (!pList || !CocoaRuntime::StartApplication())
        return false;
    CocoaPool pool;
    NSArray* families =
        [[[NSFontManager sharedFontManager] availableFontFamilies] sortedArrayUsingSelector:@selector(compare:)];
    for (NSUInteger i = 0; i < [families count]; ++i) {
        FCString entry;
        _cocoalink_SetNSString(&entry, [families objectAtIndex:i]);
        if (!pList->Find(&entry))
            pList->AddCopy(&entry);
    }
    return true;
}

#endif
