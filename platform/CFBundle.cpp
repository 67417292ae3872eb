#include "platform/BundleRegistry.h"

extern "C" CFBundleRef CFBundleGetBundleWithIdentifier(CFStringRef bundleID)
{
    return BundleRegistry::Instance().FindByIdentifier(QZCFStringUTF8(bundleID));
}

extern "C" CFBundleRef CFBundleGetMainBundle(void) { return BundleRegistry::Instance().MainBundle(); }

extern "C" Boolean CFBundleIsExecutableLoaded(CFBundleRef bundle) { return QZCFMagicOf(bundle) == kQZCFBundleMagic; }

extern "C" void* CFBundleGetFunctionPointerForName(CFBundleRef bundle, CFStringRef functionName)
{
    return BundleRegistry::FindOwnSymbol(bundle, QZCFStringUTF8(functionName));
}
