#ifndef FRAMEWORK_UI__FCSTRINGS_COCOA_H
#define FRAMEWORK_UI__FCSTRINGS_COCOA_H

class FCString;
class FCStrings;

/* The platform's folder and font listings, appended to an FCStrings.
 *
 * The folders are read from the file system; the fonts come from the
 * platform (the font manager, or the system's font configuration headless),
 * and the bridge installs LoadSystemFontNames as FCStrings' font lister. */
class _FCStrings_cocoa
{
public:
    /* Appends the name of every entry of the folder that is not a folder
       (the entry's path for the test is folder + "/" + name), in the order
       the platform lists them; an unreadable folder adds nothing. True. */
    static bool LoadFolderFiles(FCStrings* pList, const FCString* pFolder);
    /* The same for the entries that are folders. */
    static bool LoadSubfolders(FCStrings* pList, const FCString* pFolder);
    /* Appends the name of every installed font not yet in the list; false
       when the platform gives no font list. */
    static bool LoadSystemFontNames(FCStrings* pList);
};

#endif
