#ifndef FRAMEWORK_DOCUMENT___FCPREFSBASE_H
#define FRAMEWORK_DOCUMENT___FCPREFSBASE_H

#include <cstdint>

#include "records/__FCBaseData.h"
#include "document/__FCRecordClassMacros.h"

/* Base of the preference records. The item number is the preference set
 * (usually 0). A preference set whose tag and item number have a fragment map
 * is not one host record but words scattered over several 12-byte source
 * records ('ot' + two characters); it is loaded and saved through that map.
 * Without a map the set is an ordinary record.
 *
 * Virtual operations after those of __FCBaseData, in slot order: Load. */
class __FCPrefsBase : public __FCBaseData
{
public:
    enum PREFMAP_ARRAY_CONVERSION
    {
        PREFMAPCONV_NONE = 0,
        /* 4-byte values: the first word is the high half */
        PREFMAPCONV_FIRSTWORDHIGH = 1,
        /* 4-byte values: the second word is the high half */
        PREFMAPCONV_SECONDWORDHIGH = 2,
        /* 2-byte values: the logical inverse is stored */
        PREFMAPCONV_INVERT = 3,
        /* 2-byte values: only the low byte is kept */
        PREFMAPCONV_LOWBYTE = 4
    };

    /* One row of a fragment map (24 bytes). */
    struct PREFERENCE_LOCATION_MAPRECORD
    {
        uint8_t done;  /* marker used while loading or saving */
        char tagchar1; /* source tag = 0x6F740000 | char1 << 8 | char2 */
        char tagchar2;
        uint8_t reserved1;
        int16_t item;         /* source item; 0 means -2 */
        int16_t inci;         /* source incident */
        int16_t structoffset; /* byte offset of the value in the preference structure */
        int16_t wordindex;    /* index of the 16-bit word in the source record */
        int16_t size;         /* 2 or 4 */
        int16_t reserved2;
        uint32_t conversion; /* PREFMAP_ARRAY_CONVERSION */
        uint32_t minversion; /* lowest host version the row applies to */
    };

    /* A named fragment map: its rows (none for a map whose rows are not
       known here). */
    struct PREFMAP
    {
        const char* name;
        const PREFERENCE_LOCATION_MAPRECORD* rows;
        int count;
    };

    static constexpr uint32_t kSourceRecordSize = 12;

    const char* ClassName() const override;
    /* Through the fragment map when there is one. */
    bool Save() override;
    /* Loads the preference set again when it was loaded before. */
    bool Reload() override;
    /* Loads preference set 0. */
    bool LoadFirst() override;

    virtual bool Load(int16_t item);

    int16_t GetItemNo() const { return _GetKeyPart(0); }

    /* The fragment map of this tag and item number; false (and no map) when
       there is none or it has no rows. */
    bool MapPrefStruct(PREFMAP* pMap) const;
    /* The largest offset + size written by the map's rows. */
    static uint32_t _CalcMapExtent(const PREFMAP& map);
    bool FragmentStructLoad();
    bool FragmentStructSave();

    /* Joins two words (conversion 1: first word high; 2: second word high;
       others give 0). */
    static int32_t MakePrefsFourbyte(int16_t first, int16_t second, PREFMAP_ARRAY_CONVERSION conversion);
    /* Splits a value the same way; false (words unchanged) for other
       conversions. */
    static bool MakePrefsTwobytes(int32_t value, int16_t* pFirst, int16_t* pSecond,
                                  PREFMAP_ARRAY_CONVERSION conversion);

    /* The 2-byte value a source word gives (conversions 3 and 4), and the
       word a 2-byte value writes back over oldWord (conversion 4 keeps the
       high byte of oldWord). */
    static int16_t _LoadedWordValue(const PREFERENCE_LOCATION_MAPRECORD& row, int16_t word);
    static int16_t _SavedWordValue(const PREFERENCE_LOCATION_MAPRECORD& row, int16_t value, int16_t oldWord);

private:
    bool _LoadSource(const PREFERENCE_LOCATION_MAPRECORD& row, unsigned char* pRecord) const;
    void _StoreValue(const PREFERENCE_LOCATION_MAPRECORD& row, const unsigned char* pRecord);
    void _WriteBackValue(const PREFERENCE_LOCATION_MAPRECORD& row, unsigned char* pRecord) const;
};

/* The fragment maps, named after the host's preference records. */
extern const __FCPrefsBase::PREFMAP _FCStaffNamePosPrefsFull_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCStaffNamePosPrefsAbbrv_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTGroupNamePosPrefsFull_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTGroupNamePosPrefsAbbrv_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTPartScopePrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTMMRestDefaultsPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTLyricsPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTDistancePrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTSizePrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTMiscDocPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTRepeatPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTPianoBracePrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTSmartShapePrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTPlaybackPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTMusicSpacingPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTTiePrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTPartExtractPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTPageFormatPrefsScore_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTMusicCharsPrefsDistances_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTPre2012MusicCharsPrefs_MAP_ARRAY;
extern const __FCPrefsBase::PREFMAP _FCEDTLayoutDistancePrefs_MAP_ARRAY;

#endif
