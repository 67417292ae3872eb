#ifndef FRAMEWORK_DOCUMENT_FCDOCUMENT_H
#define FRAMEWORK_DOCUMENT_FCDOCUMENT_H

#include <cstdint>

#include "strings/FCString.h"
#include "core/__FCBase.h"

class FCPrintSettings;

/* One open host document, with the means to make it current for a while
 * (closing the host edit that runs in the previous document and opening a
 * named one in this document) and to return to the previous document. */
class FCDocument : public __FCBase
{
public:
    /* The name of the host edit most recently started by a document switch
       or an undo block (process-wide; shared with FCUndoBlock). */
    static FCString& _lastundostring;

    /* An id of 0 or below means the current document. */
    explicit FCDocument(int16_t documentID = 0);

    const char* ClassName() const override;
    /* Another document object for the same document. */
    bool IsIdentical(const __FCBase* pOther) const override;

    int16_t GetID() const { return _documentID; }
    /* True while switched to (a previous document is remembered). */
    bool IsSwitched() const { return _previousDocumentID != 0; }

    /* Ends (keepEdits) or cancels the running host edit, makes this document
       current and starts an edit named pEditName in it. False for a null
       name and while the object is already switched. */
    bool SwitchTo(FCString* pEditName, bool keepEdits);
    /* Ends or cancels the running edit, returns to the previous document and
       resumes its edit under its saved name. */
    bool SwitchBack(bool keepEdits);

    /* The full file path; "Untitled (id=N)" when the document has none.
       False only for a null string. */
    bool GetPath(FCString* pPath) const;
    bool IsUntitled() const;
    /* Fills a host path record (10 bytes; version 0x19000000 only).
       The URL in it then belongs to the caller. */
    bool GetPathSpec(void* pBuffer, unsigned int version) const;
    bool Save();
    bool Close();
    bool CloseCurrentDocumentWindow();
    /* Prints this document with the settings' print record. */
    bool Print(FCPrintSettings* pSettings) const;
    /* Declared for completeness: opens nothing and returns false. */
    bool Open(FCString* pPath, bool flag, FCString* pOther);

private:
    int16_t _documentID;
    int16_t _previousDocumentID;
    FCString _savededitname;
};

#endif
