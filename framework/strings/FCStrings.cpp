#include "strings/FCStrings.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <typeinfo>

#include "strings/__FCAlphaSorter.h"

bool (*FCStrings::_pSystemFontLister)(FCStrings* pList) = nullptr;

const char* FCStrings::ClassName() const { return "FCStrings"; }

FCString* FCStrings::GetItemAt(int index) const
{
    __FCBase* pItem = __FCCollection::GetItemAt(index);
    /* Nearly every item is a plain string, known without the search of the
       class tree a cast makes. */
    if (pItem && typeid(*pItem) == typeid(FCString))
        return static_cast<FCString*>(pItem);
    return dynamic_cast<FCString*>(pItem);
}

int FCStrings::AddCopy(const FCString* pString)
{
    if (!pString)
        return GetCount();
    return Add(pString->CreateCopy());
}

void FCStrings::CopyFrom(const FCStrings* pOther)
{
    if (!pOther || pOther == this)
        return;
    ClearAll();
    for (int i = 0; i < pOther->GetCount(); ++i) {
        const FCString* pString = pOther->GetItemAt(i);
        Add(pString ? pString->CreateCopy() : nullptr);
    }
}

FCString* FCStrings::Find(const FCString* pString) const
{
    if (!pString)
        return nullptr;
    for (int i = 0; i < GetCount(); ++i) {
        FCString* pElement = GetItemAt(i);
        if (pElement && pElement->IsEqualString(pString))
            return pElement;
    }
    return nullptr;
}

FCString* FCStrings::CreateString(const FCString* pSeparator) const
{
    auto* pJoined = new FCString();
    const int last = GetCount() - 1;
    for (int i = 0; i <= last; ++i) {
        const FCString* pElement = GetItemAt(i);
        if (!pElement)
            continue;
        pJoined->AppendString(pElement);
        if (i < last)
            pJoined->AppendString(pSeparator);
    }
    return pJoined;
}

void FCStrings::TrimWhitespaceAll()
{
    for (int i = 0; i < GetCount(); ++i)
        if (FCString* pElement = GetItemAt(i))
            pElement->TrimWhitespace();
}

void FCStrings::ClearEmptyStrings()
{
    for (int i = GetCount() - 1; i >= 0; --i) {
        const FCString* pElement = GetItemAt(i);
        if (!pElement || pElement->IsEmpty())
            ClearItemAt(i);
    }
}

void FCStrings::SortAlphabetical()
{
    __FCAlphaSorter sorter;
    Sort(&sorter);
}

namespace
{

/* Appends the names of the folder's entries that are (wantFolders) or are not
   folders. False when the folder text is null or empty or the folder cannot
   be read. */
bool LoadFolderEntries(FCStrings* pList, const FCString* pFolder, bool wantFolders)
{
    if (!pFolder || pFolder->IsEmpty())
        return false;
    FCString folder(*pFolder);
    const std::string path = folder.GetUTF8String();
    DIR* pDir = opendir(path.c_str());
    if (!pDir)
        return false;
    while (const dirent* pEntry = readdir(pDir)) {
        if (std::strcmp(pEntry->d_name, ".") == 0 || std::strcmp(pEntry->d_name, "..") == 0)
            continue;
        const std::string full = path + "/" + pEntry->d_name;
        struct stat info;
        const bool isFolder = stat(full.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        if (isFolder != wantFolders)
            continue;
        auto* pName = new FCString();
        pName->SetUTF8String(pEntry->d_name);
        pList->Add(pName);
    }
    closedir(pDir);
    return true;
}

} // namespace

bool FCStrings::LoadFolderFiles(const FCString* pFolder) { return LoadFolderEntries(this, pFolder, false); }

bool FCStrings::LoadSubfolders(const FCString* pFolder) { return LoadFolderEntries(this, pFolder, true); }

bool FCStrings::LoadSystemFontNames()
{
    if (!_pSystemFontLister)
        return false;
    FCStrings installed;
    if (!_pSystemFontLister(&installed))
        return false;
    for (int i = 0; i < installed.GetCount(); ++i) {
        const FCString* pName = installed.GetItemAt(i);
        if (pName && !Find(pName))
            AddCopy(pName);
    }
    return true;
}
