#ifndef FRAMEWORK_DOCUMENT_FCPART_H
#define FRAMEWORK_DOCUMENT_FCPART_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "records/__FCNoInciOther.h"

class FCString;
class FCPrintSettings;

/* One part of a document (part id 0 is the score) with its 12-byte part
 * definition record (item number = the part id), and the means to make the
 * part current for a while and to restore the part that was current before.
 *
 * One object holds one level of switching: SwitchTo fails while the object
 * is switched. Several objects nest when switched back in reverse order.
 * Destruction does not switch back. */
class FCPart : public __FCNoInciOther
{
public:
    static constexpr uint32_t kTag = 0x6F747044; /* 'otpD' */
    static constexpr uint32_t kRecordSize = 12;
    /* Saved part id of an object that is not switched. */
    static constexpr int16_t kNotSwitched = -2;

    /* partID -1 takes the current part. The object belongs to the document
       that is current now. The record is not loaded. */
    explicit FCPart(int16_t partID);

    int GetClassID() const override;
    const char* ClassName() const override;
    /* Same class, same part and same document (the records are not compared). */
    bool IsIdentical(const __FCBase* pOther) const override;

    void* Allocate() override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t EnigmaVersion() const override;
    uint32_t DataSizeLoad() const override;
    void CloneMemoryFrom(__FCBaseData* pSource) override;

    int16_t GetID() const { return _partID; }
    int16_t GetDocumentID() const { return _documentID; }
    bool IsScore() const { return _partID == 0; }
    /* Position of the part in the host's part order. */
    FCRECORD_FIELD_GET(OrderID, uint16_t, 2)

    /* Makes this part current; false when its document is not current, when
       the object is already switched, or when the host keeps the previous
       part current. */
    bool SwitchTo();
    /* Restores the part that was current before SwitchTo. */
    bool SwitchBack();
    bool IsCurrent() const;
    /* The host's name of the part (nothing for a null string). */
    void GetName(FCString* pName) const;
    /* Whether the staff is in this part's global staff list. */
    bool IsStaffIncluded(int staff) const;

    /* The part's custom name text (the caller owns it), or null. */
    FCString* CreateCustomTextString() const;
    /* Stores the custom name text (the part record itself is not saved). */
    bool SaveCustomTextString(const FCString* pString);
    /* Removes the custom name text (the part record itself is not saved). */
    bool DeleteCustomText();
    /* Prints this part alone: it is the only part marked for printing while
       the document prints; every part's mark is restored afterwards. */
    bool Print(FCPrintSettings* pSettings);

private:
    FCRECORD_FIELD(NameTextBlock, int16_t, 0)
    FCRECORD_FLAG(PrintSelected, uint16_t, 6, 0x0001)

    FCLayoutBuffers _layouts;
    int16_t _partID;
    int16_t _documentID;
    int16_t _savedPartID;
    bool _savedPrintSelected;
};

#endif
