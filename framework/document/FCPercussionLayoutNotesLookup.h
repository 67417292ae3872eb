#ifndef FRAMEWORK_DOCUMENT_FCPERCUSSIONLAYOUTNOTESLOOKUP_H
#define FRAMEWORK_DOCUMENT_FCPERCUSSIONLAYOUTNOTESLOOKUP_H

#include <map>
#include <memory>

#include "core/__FCBase.h"

class FCPercussionLayoutNote;
class FCPercussionLayoutNotes;

/* Looks up the notes of percussion layouts, loading each layout's notes
 * once and keeping them for the life of the lookup. */
class FCPercussionLayoutNotesLookup : public __FCBase
{
public:
    FCPercussionLayoutNotesLookup();
    ~FCPercussionLayoutNotesLookup() override;
    FCPercussionLayoutNotesLookup(const FCPercussionLayoutNotesLookup&) = delete;
    FCPercussionLayoutNotesLookup& operator=(const FCPercussionLayoutNotesLookup&) = delete;

    const char* ClassName() const override;

    /* The notes of the layout (owned by the lookup); null for a layout id
       below 1 or a layout without notes. */
    FCPercussionLayoutNotes* GetPercussionLayoutNotes(int layoutID);
    /* The layout's note with that stored note type word (owned by the
       lookup), or null. */
    FCPercussionLayoutNote* FindPercussionLayoutRawNote(int layoutID, int rawNoteType);

private:
    std::map<int, std::unique_ptr<FCPercussionLayoutNotes>> _layouts;
};

#endif
