/* Folder listings of the platform string services: the same on every
 * platform bridge, through the framework's own listing of the file system. */
#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "ui/_FCStrings_cocoa.h"

bool _FCStrings_cocoa::LoadFolderFiles(FCStrings* pList, const FCString* pFolder)
{
    if (pList)
        pList->LoadFolderFiles(pFolder);
    return true;
}

bool _FCStrings_cocoa::LoadSubfolders(FCStrings* pList, const FCString* pFolder)
{
    if (pList)
        pList->LoadSubfolders(pFolder);
    return true;
}
