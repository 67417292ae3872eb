#include "document/FCInstrumentPlaybackData.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCInstrumentPlaybackData, 45, QZ_FOURCC("O\004PL"))

namespace
{
bool IsLayer(int layer) { return layer >= 1 && layer <= FCInstrumentPlaybackData::kLayerCount; }

uint32_t LayerOffset(int layer) { return static_cast<uint32_t>(layer - 1) * FCLayerPlaybackData::kByteSize; }
} // namespace

unsigned char* FCInstrumentPlaybackData::_LayerBytes(int layer)
{
    if (!IsLayer(layer) || !IsLoaded() || !_GetData() ||
        _GetDataCapacity() < LayerOffset(layer) + FCLayerPlaybackData::kByteSize)
        return nullptr;
    return static_cast<unsigned char*>(_GetData()) + LayerOffset(layer);
}

FCLayerPlaybackData* FCInstrumentPlaybackData::GetNoteLayerData(int layer)
{
    const unsigned char* pBytes = _LayerBytes(layer);
    if (!pBytes)
        return nullptr;
    FCLayerPlaybackData* pData = &_layerdata[layer - 1];
    pData->ReadFrom(pBytes);
    return pData;
}

bool FCInstrumentPlaybackData::SetNoteLayerData(int layer, const FCLayerPlaybackData* pData)
{
    unsigned char* pBytes = _LayerBytes(layer);
    if (!pData || !pBytes)
        return false;
    pData->WriteTo(pBytes);
    return true;
}
