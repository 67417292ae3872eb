/* FCString paths and resources: host folders, file-system paths of URLs and
 * localised texts from a bundle's string tables. */
#include <CoreFoundation/CoreFoundation.h>

#include <cstring>
#include <string>
#include <vector>

#include "strings/FCString.h"
#include "core/FinaleVersion.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

namespace
{
/* The path buffer of MakeFullFilePath. */
constexpr CFIndex kPathBufferSize = 3000;
UInt8 pathstr[kPathBufferSize];

/* What LoadResource remembers between calls. */
CFBundleRef bundleref = nullptr;
std::string szStoredTableName;
bool tableNameStored = false;

/* Mac Roman text of a resource for an 8-bit host: at most 499 bytes. */
constexpr CFIndex kMacRomanResourceSize = 500;

const char* const kResourceError = "Resource String Error";

/* A platform string from UTF-8 (null for null or malformed text); the caller
   releases it. */
CFStringRef MakeCFString(const char* utf8)
{
    return utf8 ? CFStringCreateWithCString(kCFAllocatorDefault, utf8, kCFStringEncodingUTF8) : nullptr;
}

/* The text of a platform string into the string, by the host's encoding. */
bool SetFromCFString(FCString* pString, CFStringRef text)
{
    if (!qz::IsUnicodeHost(GetFinaleFrameworkVersion())) {
        char macRoman[kMacRomanResourceSize];
        if (!CFStringGetCString(text, macRoman, sizeof macRoman, kCFStringEncodingMacRoman))
            return false;
        pString->SetCString(macRoman);
        return true;
    }
    const CFIndex size = CFStringGetMaximumSizeForEncoding(CFStringGetLength(text), kCFStringEncodingUTF8) + 1;
    std::vector<char> utf8(static_cast<size_t>(size));
    if (!CFStringGetCString(text, utf8.data(), size, kCFStringEncodingUTF8))
        return false;
    pString->Clear();
    pString->SetUTF8String(utf8.data());
    return true;
}
} // namespace

void FCString::SetUserOptionsPath() { SetCString("~/Library/Preferences"); }

uint32_t FCString::_GetFinPathVersion()
{
    const uint32_t running = GetFinaleFrameworkVersion();
    if (running >= qz::kHostVersion19)
        return qz::kHostVersion19;
    if (running < qz::kHostVersionUnicode)
        return qz::kHostVersion0E;
    return qz::kHostVersionUnicode;
}

bool FCString::_SetFinalePath(int kind)
{
    FinPathSpec25 pathRecord;
    std::memset(&pathRecord, 0, sizeof pathRecord);
    const uint32_t version = _GetFinPathVersion();
    if (!FX_GetFinalePathMac(static_cast<int16_t>(kind), &pathRecord, version))
        return false;
    const bool made = MakeFullFilePath(&pathRecord, version);
    /* The URL the host handed out belongs to the caller. */
    if (pathRecord.url)
        CFRelease(pathRecord.url);
    return made;
}

bool FCString::MakeFullFilePath(const FinPathSpec25* pSpec, uint32_t version)
{
    if (version != qz::kHostVersion19 || !pSpec || !pSpec->url)
        return false;
    if (!CFURLGetFileSystemRepresentation(pSpec->url, true, pathstr, kPathBufferSize))
        return false;
    SetUTF8String(reinterpret_cast<const char*>(pathstr));
    return true;
}

bool FCString::_SetCFURLRefPath(const void* pURL)
{
    if (!pURL)
        return false;
    CFStringRef path = CFURLCopyFileSystemPath(static_cast<CFURLRef>(const_cast<void*>(pURL)), kCFURLPOSIXPathStyle);
    if (!path)
        return false;
    const bool set = SetFromCFString(this, path);
    CFRelease(path);
    return set;
}

void FCString::SetRunningScriptFolderPath() { Clear(); }

void FCString::SetRunningScriptFilePath() { Clear(); }

bool FCString::LoadResource(const char* key, const char* bundleIdentifier, const char* tableName)
{
    if (bundleIdentifier) {
        CFStringRef identifier = MakeCFString(bundleIdentifier);
        bundleref = identifier ? CFBundleGetBundleWithIdentifier(identifier) : nullptr;
        if (identifier)
            CFRelease(identifier);
    }
    if (tableName) {
        szStoredTableName = tableName;
        tableNameStored = true;
    }
    CFStringRef keyString = MakeCFString(key);
    CFStringRef table = tableNameStored ? MakeCFString(szStoredTableName.c_str()) : nullptr;
    CFStringRef text =
        bundleref && keyString ? CFBundleCopyLocalizedString(bundleref, keyString, keyString, table) : nullptr;
    const bool set = text && SetFromCFString(this, text);
    for (CFStringRef owned : {keyString, table, text})
        if (owned)
            CFRelease(owned);
    if (!set)
        SetCString(kResourceError);
    return set;
}

bool FCString::MakeSpecFromFilePath(FinPathSpec25* pSpec, uint32_t version) const
{
    /* The folder and file name are found, but what a path pathRecord made from a
       path should hold for the host is not settled: no pathRecord is filled. */
    (void)pSpec;
    (void)version;
    return false;
}
