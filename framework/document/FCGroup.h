#ifndef FRAMEWORK_DOCUMENT_FCGROUP_H
#define FRAMEWORK_DOCUMENT_FCGROUP_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCNoInciDetail.h"

class FCString;
class FCSystemStaves;

/* A staff group (bracket): 36 bytes, passed as record version 0x09000000 below
 * host 0x11000000. */
class FCGroup : public __FCNoInciDetail
{
public:
    FCGroup();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE
    /* Loads the first existing record. */
    bool LoadFirst() override;

    /* The bracket style, as the score draws it at the left of the group. */
    enum BRACKETSTYLES
    {
        BRACKETSTYLE_NONE = 0,
        BRACKETSTYLE_BRACE = 1,
        BRACKETSTYLE_BRACKET = 2,
        BRACKETSTYLE_LINE = 3,
        BRACKETSTYLE_SQUARE = 4
    };

    /* The first and last staff of the bracket (as staff numbers), the text
       blocks of the full and abbreviated name (0: none) and the bracket
       style; the same positions in both layouts. */
#define FCGROUP_FIELDS(X)            \
    X(StartStaff, int16_t, 0)        \
    X(EndStaff, int16_t, 2)          \
    X(FullNameID, int16_t, 4)        \
    X(AbbreviatedNameID, int16_t, 6) \
    X(BracketStyle, int16_t, 8)
    FCGROUP_FIELDS(FCRECORD_FIELD)

    /* Names. A new string with the name text exactly as stored (caret
       commands included), empty when the group has none; the caller owns
       it. */
    FCString* CreateFullNameString() const;
    FCString* CreateAbbreviatedNameString() const;

    /* The number of staves from the start staff to the end staff in the
       score's staff order (the global staff list, item 0), both included;
       0 when either is not in that list. A bracket stored with its ends
       the other way round spans the same staves. */
    int CalcStaffSpan() const;
    /* True when the staff lies between the start and end staff in the
       score's staff order. */
    bool ContainsStaff(int staff) const;

private:
    /* The text of a name's text block, a new string (empty for none). */
    static FCString* _CreateNameString(int16_t block);
    /* The positions of the start and end staff in the global staff list
       (first <= second); false when either is missing. */
    bool _CalcStaffIndexes(const FCSystemStaves& staves, int* pFirst, int* pLast) const;

private:
    FCLayoutBuffers _layouts;
};

#endif
