#ifndef FRAMEWORK_DOCUMENT_FCSYSTEMSTAFF_H
#define FRAMEWORK_DOCUMENT_FCSYSTEMSTAFF_H

#include <cstdint>

#include "records/__FCInciOther.h"

/* One entry of a staff list: the staff at one position of the list stored
 * under one item number (item 0 is the part's global staff list), its
 * vertical distance from the list's first staff and its resize percentage.
 *
 * Record: 24 bytes, key (list item, position from 0). The resize percentage
 * lives in a separate 10-byte detail record (list item, staff, 0) whose
 * first word is the percentage; 100 means no detail record.
 *
 * An entry created in code is a zeroed, loaded record with resize 100, ready
 * to be saved as a new entry of a list. */
class FCSystemStaff : public __FCInciOther
{
public:
    static constexpr uint32_t kTag = 0x534F4975;       /* 'SOIu' */
    static constexpr uint32_t kResizeTag = 0x64744C50; /* 'dtLP' */
    static constexpr uint32_t kRecordSize = 24;
    static constexpr uint32_t kResizeRecordSize = 10;
    static constexpr int32_t kNoResize = 100;

    FCSystemStaff();

    int GetClassID() const override;
    const char* ClassName() const override;

    void* Allocate() override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t DataSizeLoad() const override;
    /* Copies the record bytes and, from another entry, its resize. */
    void CloneMemoryFrom(__FCBaseData* pSource) override;
    /* Saves the entry in place, then its resize detail. */
    bool Save() override;
    /* Entries are reached through their list (FCSystemStaves). */
    bool LoadFirst() override;
    /* Loads the entry at position incident of list item, with its resize. */
    bool Load(uint16_t item, int16_t incident) override;
    /* Appends the entry to list item, then saves its resize detail. */
    bool SaveNew(uint16_t item) override;

    /* Deletes this entry's resize detail record; false without asking the
       host for list 0. */
    bool DeleteResizeData();

    FCRECORD_FIELD(Staff, int16_t, 0)
    FCRECORD_FIELD(Distance, int32_t, 8)
    int32_t GetResize() const { return _resize; }
    void SetResize(int32_t percent) { _resize = percent; }

private:
    /* After the record was written: deletes (resize 100) or writes the
       resize detail. */
    bool _SaveResize(bool recordSaved);
    void _LoadResize();

    alignas(8) unsigned char _record[kRecordSize];
    int32_t _resize;
};

#endif
