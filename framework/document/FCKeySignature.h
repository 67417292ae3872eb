#ifndef FRAMEWORK_DOCUMENT_FCKEYSIGNATURE_H
#define FRAMEWORK_DOCUMENT_FCKEYSIGNATURE_H

#include <cstdint>

#include "records/__FCBaseData.h"
#include "document/__FCRecordClassMacros.h"

class FCString;

/* A key signature value, filled by cells and measures (never loaded by tag).
 * The key word holds the mode in its high byte (0 major, 1 minor) and the
 * signed number of sharps (positive) or flats (negative) in its low byte. */
class FCKeySignature : public __FCBaseData
{
    FCRECORD_CLASS_MEMBERS(2)

    FCKeySignature();

    bool LoadFirst() override;

    FCRECORD_FIELD(KeyValue, uint16_t, 0)

    /* True for the major and minor keys described by the key word. */
    bool IsLinear() const;
    bool IsMinor() const;
    bool IsMajor() const;
    /* Number of sharps (0 for flat keys) and of flats (0 for sharp keys). */
    int CalcSharps() const;
    int CalcFlats() const;
    /* The key's name, such as "D major" or "c minor"; false for keys that
       are not linear. */
    bool MakeString(FCString* pOut) const;

private:
    int _Accidentals() const;
};

#endif
