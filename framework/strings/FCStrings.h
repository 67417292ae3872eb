#ifndef FRAMEWORK_STRINGS_FCSTRINGS_H
#define FRAMEWORK_STRINGS_FCSTRINGS_H

#include "core/__FCCollection.h"
#include "strings/FCString.h"

class FCSettingsPairs;

/* An owning list of FCString objects. */
class FCStrings : public __FCCollection
{
public:
    const char* ClassName() const override;

    /* The element at index as a string (still owned by the list), or null. */
    FCString* GetItemAt(int index) const;

    /* Appends a copy; null: nothing. Returns the new count. */
    int AddCopy(const FCString* pString);
    /* Replaces the list by copies of other's elements (null entries stay
       null); null other: no change. */
    void CopyFrom(const FCStrings* pOther);
    /* The first element equal to pString, else null. */
    FCString* Find(const FCString* pString) const;
    /* A new string joining the non-null elements, with the separator after
       every element but the last; null separator joins without one. The
       caller owns it. */
    FCString* CreateString(const FCString* pSeparator) const;
    void TrimWhitespaceAll();
    /* Deletes and removes every null or empty element. */
    void ClearEmptyStrings();
    /* Sorts by 8-bit forms; null entries keep their places. */
    void SortAlphabetical();
    /* Appends the names of the folder's entries that are not folders; false
       for a null or empty folder text or a folder that cannot be read. */
    bool LoadFolderFiles(const FCString* pFolder);
    /* The same for the entries that are folders ("." and ".." excluded). */
    bool LoadSubfolders(const FCString* pFolder);
    /* Appends the names of the installed fonts not yet in the list, from the
       platform's font lister; false when the platform gives none. */
    bool LoadSystemFontNames();
    /* A new list (the caller owns it) of one settings pair for each string
       whose first "=" comes after its first character: the key before that
       "=", the value after it, both trimmed, in list order. */
    FCSettingsPairs* CreateSettingsPairs() const;

    /* The platform's font lister: appends the installed font names to the
       list and returns false when it has no list. Installed by the UI layer. */
    static bool (*_pSystemFontLister)(FCStrings* pList);
};

#endif
