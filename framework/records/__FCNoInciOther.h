#ifndef FRAMEWORK_CORE___FCNOINCIOTHER_H
#define FRAMEWORK_CORE___FCNOINCIOTHER_H

#include <cstdint>

#include "records/__FCOther.h"

/* Records keyed by an item number alone: key (item, 0). Item numbers start
 * at 1.
 *
 * Virtual operations after those of __FCBaseData, in slot order:
 *   Load, SaveAs, DeepSaveAs, SaveNew, GetItemNo. */
class __FCNoInciOther : public __FCOther
{
public:
    /* Size of one incident of a multi-incident record. */
    static constexpr uint32_t kIncidentSize = 12;
    /* Layout version of the incidents of a multi-incident record. */
    static constexpr uint32_t kFullCmperVersion = 0x0F000000;

    const char* ClassName() const override;

    bool DeepDeleteData() override;
    bool Reload() override;
    /* Loads item 1. */
    bool LoadFirst() override;

    virtual bool Load(uint16_t item);
    /* Saves the loaded bytes as item (over an existing record of it). */
    virtual bool SaveAs(uint16_t item);
    /* SaveAs; classes with dependent records save those as well. */
    virtual bool DeepSaveAs(uint16_t item);
    /* Creates a new record under an item number chosen by the host; on
       success the key is (new item, 0). */
    virtual bool SaveNew();
    virtual uint16_t GetItemNo() const;

    /* Services for data that the host stores as a run of 12-byte incidents of
     * one item. The tag used is prefix in the upper 16 bits combined with the
     * lower 16 bits of Tag(). */

    /* Sum of the sizes of incidents 0, 1, 2, ... of item that load. */
    uint32_t _DataSizeLoadFullCmper(uint16_t item, uint16_t prefix);
    /* Loads incidents 0, 1, 2, ... into consecutive 12-byte slices of
       pBuffer until the host refuses or the buffer is full. The loaded size
       becomes the bytes read; true when exactly bufferSize bytes were read. */
    bool _LoadOtherFullCmper(uint16_t item, void* pBuffer, uint32_t bufferSize, uint16_t prefix);
    /* Saves length bytes as incidents 0, 1, 2, ... of item (the last slice
       padded with zeros), then removes the incidents left beyond them. */
    bool _SaveOtherFullCmper(uint16_t item, const void* pData, uint32_t length, uint16_t prefix);

protected:
    /* The tag of the incidents of a multi-incident record. */
    uint32_t _FullCmperTag(uint16_t prefix) const;
};

#endif
