#ifndef FRAMEWORK_DOCUMENT_FCINSTRUMENTPLAYBACKDATA_H
#define FRAMEWORK_DOCUMENT_FCINSTRUMENTPLAYBACKDATA_H

#include <cstdint>

#include "document/FCLayerPlaybackData.h"
#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* The playback data of a staff (48 bytes): one 12-byte block of layer data
 * per layer, layer 1 first. */
class FCInstrumentPlaybackData : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(48)
    static constexpr int kLayerCount = 4;

    /* The data of layer 1 .. 4 as loaded, kept by this object (refreshed on
       every call); null for other layers or when nothing is loaded. */
    FCLayerPlaybackData* GetNoteLayerData(int layer);
    /* Writes a layer's data into the record in memory; false for a null
       object, another layer number, or nothing loaded. */
    bool SetNoteLayerData(int layer, const FCLayerPlaybackData* pData);

private:
    unsigned char* _LayerBytes(int layer);
    FCLayerPlaybackData _layerdata[kLayerCount];
};

#endif
