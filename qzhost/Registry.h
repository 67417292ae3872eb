#ifndef QZHOST_REGISTRY_H
#define QZHOST_REGISTRY_H

/* Things that register themselves when the program starts, one source file
   each: the program commands, the commands of the script language, the
   document loaders and the validator's groups of checks. Each kind of entry
   has one registry, Registry<Entry>; a source file adds an entry with
       QZHOST_REGISTER(Entry, id, field, field, ...);
   (the fields in the order Entry declares them). Each kind keeps a macro of
   its own that names its fields (QZHOST_COMMAND, QZHOST_SESSION_COMMAND,
   QZHOST_DOCUMENT_LOADER, QZVALIDATE_CHECKS), all of them this one. Entries
   are kept in registration order, which depends on the link order: a
   registry's users sort what they show. */

#include <algorithm>
#include <vector>

template <class Entry>
class Registry
{
public:
    static Registry& Instance()
    {
        static Registry registry;
        return registry;
    }

    void Add(const Entry& entry) { _entries.push_back(entry); }
    const std::vector<Entry>& Entries() const { return _entries; }

    /* Every entry, ordered by less (stable: equal entries keep registration order). */
    template <class Less>
    std::vector<const Entry*> Sorted(Less less) const
    {
        std::vector<const Entry*> sorted;
        for (const Entry& entry : _entries)
            sorted.push_back(&entry);
        std::stable_sort(sorted.begin(), sorted.end(), [&](const Entry* a, const Entry* b) { return less(*a, *b); });
        return sorted;
    }

    /* The first entry that pred accepts; null when none does. */
    template <class Pred>
    const Entry* FindIf(Pred pred) const
    {
        for (const Entry& entry : _entries)
            if (pred(entry))
                return &entry;
        return nullptr;
    }

    /* Adds an entry when the program starts (a static object of a source file). */
    class Registration
    {
    public:
        explicit Registration(const Entry& entry) { Instance().Add(entry); }
    };

private:
    Registry() = default;
    std::vector<Entry> _entries;
};

#define QZHOST_REGISTER(Entry, id, ...) \
    static const Registry<Entry>::Registration qzhostRegistration_##Entry##_##id(Entry{__VA_ARGS__})

#endif
