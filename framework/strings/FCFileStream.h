#ifndef FRAMEWORK_STRINGS_FCFILESTREAM_H
#define FRAMEWORK_STRINGS_FCFILESTREAM_H

#include <cstdio>

#include "strings/FCString.h"
#include "strings/OwnedFinPathSpec25.h"
#include "strings/__FCBaseStream.h"

/* A stream on one file, named by a folder and a file name. The folder is a
 * host folder reference or, when set, a folder path text, which takes
 * precedence. At most one file is open at a time; the destructor closes it.
 *
 * Besides the plain open modes, a file can be replaced safely: OpenReplace
 * writes into a new temporary file in the same folder, and CommitReplace
 * flushes it to disk and renames it over the file. Until the commit the old
 * file is untouched; a replace that is closed or destroyed without a commit
 * leaves it as it was and removes the temporary file.
 *
 * Keeps the virtual operations of __FCBaseStream; OpenRead and OpenWrite stay
 * abstract. */
class FCFileStream : public __FCBaseStream
{
    OwnedFinPathSpec25 _folder;
    FCString _folderpath; /* overrides the folder reference when not empty */
    FCString _filename;
    FILE* _pFile;            /* null when closed */
    FCString _replacetarget; /* while replacing: the file to replace */
    FCString _replacetemp;   /* while replacing: the temporary file written */

public:
    /* A file in a host folder; null arguments give an empty folder or name. */
    FCFileStream(FinPathSpec25* pFolder, FCString* pFileName);
    /* A file in a folder given as a UTF-8 path text. */
    FCFileStream(const char* pFolderPath, FCString* pFileName);
    ~FCFileStream() override;

    FCFileStream(const FCFileStream&) = delete;
    FCFileStream& operator=(const FCFileStream&) = delete;

    const char* ClassName() const override;

    /* The folder path (the path text when set, else the folder reference's
       file-system path, on hosts from 0x19000000 on only), "/" unless it ends
       with one, then the file name. False when there is no folder. */
    bool _MakeFullPath(FCString* pPath);
    /* Opens the full path with a C open mode (an open file is closed first). */
    bool OpenFile(const char* pMode);
    /* Closes an open file (a replace not committed is abandoned); true when
       one was open. */
    bool Close();
    bool IsOpen() const { return _pFile != nullptr; }

    /* Opens a new temporary file next to the file, for writing. */
    bool OpenReplace();
    /* Flushes the temporary file to disk, closes it and renames it over the
       file. False (the old file kept whole) when any step fails or no
       replace is open. */
    bool CommitReplace();

protected:
    FILE* _GetFile() const { return _pFile; }

private:
    void _AbandonReplace();
};

#endif
