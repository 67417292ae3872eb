#include "staffsetpanel/QZOptionsFiles.h"

#include <CoreFoundation/CoreFoundation.h>

#include <memory>
#include <vector>

#include "strings/FCSettingsPairs.h"
#include "strings/FCStrings.h"
#include "strings/FCTextFileStream.h"
#include "core/FinaleVersion.h"
#include "common/qz_host_document.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

namespace
{

const char* const kPrefsFileName = "qzpluginprefs.txt";
const char* const kOptionsFileName = "qzpluginoptions.txt";

/* The path record version the running host uses. */
uint32_t FinPathVersion()
{
    const uint32_t version = GetFinaleFrameworkVersion();
    if (version >= qz::kHostVersion19)
        return qz::kHostVersion19;
    if (version < qz::kHostVersionUnicode)
        return qz::kHostVersion0E;
    return qz::kHostVersionUnicode;
}

/* The file's pairs, or null when it does not open. */
std::unique_ptr<FCSettingsPairs> ReadPairs(bool prefsFile)
{
    std::unique_ptr<FCTextFileStream> pStream(CreateQZOptionsStreamObject(prefsFile));
    if (!pStream || !pStream->OpenRead())
        return nullptr;
    std::unique_ptr<FCStrings> pLines(pStream->ReadStrings());
    pStream->Close();
    if (!pLines)
        return nullptr;
    return std::unique_ptr<FCSettingsPairs>(pLines->CreateSettingsPairs());
}

} // namespace

FCTextFileStream* CreateQZOptionsStreamObject(bool prefsFile)
{
    const uint32_t version = FinPathVersion();
    if (version != qz::kHostVersion19)
        return nullptr;
    FinPathSpec25 folder{};
    if (!FX_GetFinalePathMac(qz::kPreferencesFolder, &folder, version) || !folder.url)
        return nullptr;
    FCString fileName(prefsFile ? kPrefsFileName : kOptionsFileName);
    auto* pStream = new FCTextFileStream(&folder, &fileName);
    /* The stream keeps its own copy of the folder reference. */
    CFRelease(folder.url);
    return pStream;
}

FCSettingsPair* LoadQZOptionsPair(FCString* pKey, bool prefsFile)
{
    std::unique_ptr<FCSettingsPairs> pPairs = ReadPairs(prefsFile);
    if (!pPairs)
        return nullptr;
    FCSettingsPair* pFound = pPairs->FindKey(pKey);
    return pFound ? pFound->CreateCopy() : nullptr;
}

bool SaveQZOptionsPair(FCSettingsPair* pPair, bool prefsFile) { return SaveQZOptionsPairs(&pPair, 1, prefsFile); }

bool SaveQZOptionsPairs(FCSettingsPair* const* ppPairs, int count, bool prefsFile)
{
    if (!ppPairs || count <= 0)
        return false;
    for (int i = 0; i < count; ++i)
        if (!ppPairs[i])
            return false;
    std::unique_ptr<FCSettingsPairs> pPairs = ReadPairs(prefsFile);
    std::unique_ptr<FCTextFileStream> pStream(CreateQZOptionsStreamObject(prefsFile));
    if (!pStream || !pStream->OpenReplace())
        return false;
    /* Pairs whose key the file lacks go last, in the order given. */
    std::vector<FCSettingsPair*> added;
    for (int i = 0; i < count; ++i) {
        FCSettingsPair* pExisting = pPairs ? pPairs->FindKey(ppPairs[i]->GetKey()) : nullptr;
        if (pExisting)
            pExisting->SetValue(ppPairs[i]->GetValue());
        else
            added.push_back(ppPairs[i]);
    }
    bool written = !pPairs || pStream->WriteSettingsPairs(pPairs.get());
    for (FCSettingsPair* pPair : added)
        written = pStream->WriteSettingsPair(pPair) && written;
    if (!written) {
        pStream->Close();
        return false;
    }
    return pStream->CommitReplace();
}
