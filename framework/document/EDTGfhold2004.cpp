#include "document/EDTGfhold2004.h"

#include <algorithm>

#include "hostlink/fx_host_abi.h"

EDTGfhold2004::EDTGfhold2004()
{
    const int layers = FX_GetMaxLayers(0x19000000);
    _frames.assign(static_cast<size_t>(std::max(layers, 0)), 0);
}

int16_t EDTGfhold2004::GetFrame(int layer) const
{
    return layer >= 0 && layer < GetLayerCount() ? _frames[static_cast<size_t>(layer)] : 0;
}

void EDTGfhold2004::SetFrame(int layer, int16_t frame)
{
    if (layer >= 0 && layer < GetLayerCount())
        _frames[static_cast<size_t>(layer)] = frame;
}

void EDTGfhold2004::CopyFrame(const EDTGfhold2004* pOther)
{
    if (!pOther || pOther == this)
        return;
    const size_t count = std::min(_frames.size(), pOther->_frames.size());
    std::copy(pOther->_frames.begin(), pOther->_frames.begin() + static_cast<long>(count), _frames.begin());
}
