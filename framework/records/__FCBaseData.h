#ifndef FRAMEWORK_CORE___FCBASEDATA_H
#define FRAMEWORK_CORE___FCBASEDATA_H

#include <cstdint>

#include "records/FCRecordField.h"
#include "common/qz_host_versions.h"
#include "core/__FCBase.h"

/* One record of the host document: its bytes, its key and its load state.
 *
 * The operations (load, reload, save, save as new, delete, step to the next
 * record) become calls of the host's record functions. The key families
 * derived from this class (__FCOther, __FCNoInciOther, __FCInciOther,
 * __FCDetail, __FCNoInciDetail, __FCCellDetail, __FCNoInciCellDetail,
 * __FCGlobals, __FCInci) decide how the key is made up.
 *
 * A concrete record class supplies Allocate (the buffer to load into, at least
 * DataSizeLoad bytes), CreateObject, Tag, DataSizeLoad and, through its key
 * family, LoadFirst. Fields are read and written with _GetField/_SetField (or
 * the FCRECORD_* accessor macros of FCRecordField.h), never by casting into
 * the bytes.
 *
 * Virtual operations after those of __FCBase, in slot order:
 *   Allocate, Deallocate, IsDynamicSize, CreateObject, Tag, EnigmaVersion,
 *   DataSizeLoad, DataSizeSave, CloneMemoryFrom, Save, Reload, DeleteData,
 *   DeepDeleteData, LoadFirst, LoadNext. */
class __FCBaseData : public __FCBase
{
    uint32_t _customtag;     /* record tag chosen at run time; 0 = none */
    int16_t _connecteddocID; /* document current at the last load; 0 = not connected */
    void* _dataptr;          /* the record's bytes (embedded or allocated) */
    bool _ownscopieddata;    /* _dataptr was allocated by CloneMemoryFrom */
    uint64_t _loadedsize;    /* valid bytes; 0 = not loaded */
    /* The key handed to the host: item (cmper), incident or second item,
       incident of detail records. A fourth slot is kept so that records whose
       host key is 8 bytes (staff, measure, 32-bit position) can use the same
       storage through _GetKeyBytes. */
    int16_t _key[4];
    uint64_t _datacapacity; /* bytes that _dataptr can hold */

public:
    /* The record layout version passed with every record call by default. */
    static constexpr uint32_t kDefaultEnigmaVersion = qz::kHostVersion19;

    __FCBaseData();
    /* A record object owns its buffer: copy it with CreateClone/_CloneFrom. */
    __FCBaseData(const __FCBaseData&) = delete;
    __FCBaseData& operator=(const __FCBaseData&) = delete;
    ~__FCBaseData() override;

    const char* ClassName() const override;

    /* The buffer to load into: the class's embedded record or a new array of
       DataSizeLoad() bytes. */
    virtual void* Allocate() = 0;
    /* Frees what Allocate allocated separately; nothing by default. */
    virtual void Deallocate();
    /* True when the size differs from record to record: the buffer is then
       dropped and allocated again before every load. */
    virtual bool IsDynamicSize() const;
    /* A new, unloaded object of the same class (the caller owns it). */
    virtual __FCBaseData* CreateObject() = 0;
    /* The record tag (four-character code or numeric host tag). */
    virtual uint32_t Tag() const = 0;
    /* The record layout version passed to the host. */
    virtual uint32_t EnigmaVersion() const;
    /* Bytes offered to the host when loading. */
    virtual uint32_t DataSizeLoad() const = 0;
    /* Bytes written when saving: the loaded size by default. */
    virtual uint32_t DataSizeSave() const;
    /* Replaces the bytes by a copy of the source's loaded bytes (nothing when
       the source is null or not loaded). */
    virtual void CloneMemoryFrom(__FCBaseData* pSource);
    /* Writes the loaded bytes under the current key. */
    virtual bool Save();
    /* Loads again with the current key; false when never loaded. */
    virtual bool Reload();
    virtual bool DeleteData();
    /* DeleteData; classes that own dependent records delete them too. */
    virtual bool DeepDeleteData();
    virtual bool LoadFirst() = 0;
    /* Moves the key to the next record of the tag and loads it. */
    virtual bool LoadNext();

    /* The common load: the key must be set. See the source for the steps. */
    bool LoadDataBlock();
    /* LoadDataBlock without connecting the object to the current document:
       for probes that only ask whether the record exists (counting). */
    bool _FetchDataBlock();
    /* Frees an owned copy, calls Deallocate, and leaves the object unloaded
       without data. */
    void ClearData();
    /* Copies key, custom tag and connected document, then the bytes. */
    void _CloneFrom(__FCBaseData* pSource);
    /* A new object of the same class holding a copy of this one; the caller
       owns it. Null when the class cannot create objects. */
    __FCBaseData* CreateClone();
    /* Connects the object to the host's current document; returns its id. */
    int16_t _TagDocumentID();
    /* True when not connected, or connected to the current document. */
    bool VerifyConnectedDocID() const;

    /* State and key. */
    uint32_t GetCustomTag() const { return _customtag; }
    void SetCustomTag(uint32_t tag) { _customtag = tag; }
    int16_t GetConnectedDocID() const { return _connecteddocID; }
    uint64_t GetLoadedSize() const { return _loadedsize; }
    bool IsLoaded() const { return _loadedsize != 0; }
    bool _OwnsCopiedData() const { return _ownscopieddata; }
    void* _GetData() { return _dataptr; }
    const void* _GetData() const { return _dataptr; }
    uint64_t _GetDataCapacity() const { return _datacapacity; }
    /* Key parts 1 to 3 (index 0 to 2); other indexes give 0 / are ignored. */
    int16_t _GetKeyPart(int index) const;
    void _SetKeyPart(int index, int16_t value);
    void _SetKey(int16_t part1, int16_t part2, int16_t part3 = 0);
    int16_t* _GetKey() { return _key; }
    const int16_t* _GetKey() const { return _key; }
    /* The key storage as 8 raw bytes (for 8-byte host keys). */
    void* _GetKeyBytes() { return _key; }

    /* Field access on the object's own bytes, bounded by the buffer. */
    template <typename T>
    T _GetField(const FCRecordField<T>& field) const
    {
        return field.Read(_dataptr, _datacapacity);
    }
    template <typename T>
    bool _SetField(const FCRecordField<T>& field, T value)
    {
        return field.Write(_dataptr, _datacapacity, value);
    }
    template <typename T>
    bool _GetFlag(const FCRecordFlag<T>& flag) const
    {
        return flag.Read(_dataptr, _datacapacity);
    }
    template <typename T>
    bool _SetFlag(const FCRecordFlag<T>& flag, bool on)
    {
        return flag.Write(_dataptr, _datacapacity, on);
    }
    template <typename T>
    uint32_t _GetBits(const FCRecordBits<T>& bits) const
    {
        return bits.Read(_dataptr, _datacapacity);
    }
    template <typename T>
    bool _SetBits(const FCRecordBits<T>& bits, uint32_t value)
    {
        return bits.Write(_dataptr, _datacapacity, value);
    }

protected:
    /* Sets the loaded size (bounded by the buffer's capacity). */
    void _SetLoadedSize(uint64_t size);
    /* Makes pData (capacity bytes, owned by the subclass) the record buffer.
       Any owned copy is freed first; the loaded size is kept within capacity. */
    void _AssignData(void* pData, uint64_t capacity);
    /* Prepares a fresh record of size bytes: allocates the buffer if there is
       none (Allocate), zeroes it and marks size bytes as loaded, so that the
       object can be saved as new. False when the buffer cannot hold size. */
    bool _PrepareNewRecord(uint64_t size);
    /* Ensures a buffer exists (Allocate when there is none); false if none. */
    bool _EnsureData();
};

#endif
