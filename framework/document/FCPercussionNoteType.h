#ifndef FRAMEWORK_DOCUMENT_FCPERCUSSIONNOTETYPE_H
#define FRAMEWORK_DOCUMENT_FCPERCUSSIONNOTETYPE_H

#include "core/__FCBase.h"
#include "core/__FCCollection.h"

/* One percussion note type (the instrument a percussion note stands for),
 * identified by its note type number. */
class FCPercussionNoteType : public __FCBase
{
public:
    explicit FCPercussionNoteType(int noteTypeID = 0) : _notetypeid(noteTypeID) {}
    const char* ClassName() const override;
    int GetNoteTypeID() const { return _notetypeid; }
    void SetNoteTypeID(int noteTypeID) { _notetypeid = noteTypeID; }

private:
    int _notetypeid;
};

/* A list of percussion note types. */
class FCPercussionNoteTypes : public __FCCollection
{
public:
    const char* ClassName() const override;
    FCPercussionNoteType* GetItemAt(int index) const;
    /* Appends a note type unless one with that number is listed; returns the
       element holding it. */
    FCPercussionNoteType* AddUniqueNoteType(int noteTypeID);
    /* The note type with that number (still owned by the list), or null. */
    FCPercussionNoteType* FindNoteTypeID(int noteTypeID) const;
};

#endif
