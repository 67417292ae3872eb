#ifndef FRAMEWORK_DOCUMENT_FCSTEMCONNECTIONTABLE_H
#define FRAMEWORK_DOCUMENT_FCSTEMCONNECTIONTABLE_H

#include <cstdint>

#include "document/__FCPrefsBase.h"

/* The document's stem connection table: a run of 12-byte entries that the
 * host keeps as incidents 0, 1, 2, ... of one preference source record
 * (item -2). It loads and saves the whole run itself. */
class FCStemConnectionTable : public __FCPrefsBase
{
    /* Room for the largest table: 128 entries of 12 bytes. */
    FCRECORD_CLASS_MEMBERS(1536)
    static constexpr int kMaxEntries = 128;
    static constexpr uint32_t kEntrySize = 12;
    static constexpr int kWordsPerEntry = 6;
    static constexpr int16_t kSourceItem = -2;
    static_assert(kRecordSize == kMaxEntries * kEntrySize, "one slot per entry");

    /* Writes every loaded entry back; false when nothing was loaded or a
       write fails. */
    bool Save() override;
    bool Reload() override;
    /* Loads the entries from incident 0 on until one is missing (the
       preference set number is not used: there is one table). False when
       there is no entry. */
    bool Load(int16_t item) override;

    int GetEntryCount() const { return static_cast<int>(GetLoadedSize() / kEntrySize); }
    /* A 16-bit word of an entry; 0 outside the loaded entries. */
    int16_t GetEntryWord(int entry, int word) const;
    /* False outside the loaded entries. */
    bool SetEntryWord(int entry, int word, int16_t value);

private:
    bool _IsInside(int entry, int word) const;
};

#endif
