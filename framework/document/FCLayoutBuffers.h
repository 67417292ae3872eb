#ifndef FRAMEWORK_DOCUMENT_FCLAYOUTBUFFERS_H
#define FRAMEWORK_DOCUMENT_FCLAYOUTBUFFERS_H

#include <cstdint>
#include <cstddef>
#include <vector>

/* One record layout of a host record: used from host version fromHost on,
   size bytes, passed to the host as record version enigmaVersion. */
struct FCRecordLayout
{
    uint32_t fromHost;
    uint32_t size;
    uint32_t enigmaVersion;
};

/* The buffers of a record class whose layout changed between host versions:
 * one zeroed buffer per layout, the one in use chosen from the running host
 * version (the last layout of the ascending table whose fromHost it reaches).
 *
 * Record classes keep one as a member and define their Allocate,
 * DataSizeLoad, EnigmaVersion and CloneMemoryFrom with FCLAYOUT_RECORD_MEMBERS. */
class FCLayoutBuffers
{
public:
    FCLayoutBuffers(const FCRecordLayout* pTable, int count);

    /* Index of the layout in use (0 = oldest). */
    int Index() const;
    uint32_t Size() const { return _ptable[Index()].size; }
    uint32_t Version() const { return _ptable[Index()].enigmaVersion; }
    void* Buffer() { return _buffers[static_cast<std::size_t>(Index())].data(); }

private:
    const FCRecordLayout* _ptable;
    int _count;
    std::vector<std::vector<unsigned char>> _buffers;
};

/* Declarations of the four layout-dependent operations (inside the class). */
#define FCLAYOUT_RECORD_DECLARE              \
    void* Allocate() override;               \
    uint32_t EnigmaVersion() const override; \
    uint32_t DataSizeLoad() const override;  \
    void CloneMemoryFrom(__FCBaseData* pSource) override;

/* Definitions of the four layout-dependent operations of CLASS, whose
   FCLayoutBuffers member is MEMBER. CloneMemoryFrom copies exactly the size of
   the layout in use from the other object's loaded bytes. */
#define FCLAYOUT_RECORD_MEMBERS(CLASS, MEMBER)                                                        \
    void* CLASS::Allocate() { return MEMBER.Buffer(); }                                               \
    uint32_t CLASS::DataSizeLoad() const { return MEMBER.Size(); }                                    \
    uint32_t CLASS::EnigmaVersion() const { return MEMBER.Version(); }                                \
    void CLASS::CloneMemoryFrom(__FCBaseData* pSource)                                                \
    {                                                                                                 \
        if (!pSource || !pSource->IsLoaded() || !pSource->_GetData() || pSource == this)              \
            return;                                                                                   \
        const uint32_t size = MEMBER.Size();                                                          \
        const uint64_t available = pSource->GetLoadedSize() < size ? pSource->GetLoadedSize() : size; \
        void* pBuffer = MEMBER.Buffer();                                                              \
        std::memset(pBuffer, 0, size);                                                                \
        std::memcpy(pBuffer, pSource->_GetData(), static_cast<std::size_t>(available));               \
        _AssignData(pBuffer, size);                                                                   \
        _SetLoadedSize(size);                                                                         \
    }

/* The constructor, identity and layout operations of CLASS, whose layouts
   are the FCRecordLayout array TABLE and whose FCLayoutBuffers member is
   _layouts (FCRECORD_CLASS_IDENTITY comes from __FCRecordClassMacros.h). */
#define FCLAYOUT_RECORD_DEFINE(CLASS, CLASSID, TABLE)                                         \
    CLASS::CLASS() : _layouts(TABLE, static_cast<int>(sizeof(TABLE) / sizeof((TABLE)[0]))) {} \
    FCRECORD_CLASS_IDENTITY(CLASS, CLASSID)                                                   \
    FCLAYOUT_RECORD_MEMBERS(CLASS, _layouts)

#endif
