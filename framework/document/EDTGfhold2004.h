#ifndef FRAMEWORK_DOCUMENT_EDTGFHOLD2004_H
#define FRAMEWORK_DOCUMENT_EDTGFHOLD2004_H

#include <cstdint>
#include <vector>

/* The host's cell frame record extended with one 16-bit frame number per
   layer; the layer array is sized by the host's layer count at construction
   and zeroed. */
class EDTGfhold2004
{
public:
    EDTGfhold2004();

    int GetLayerCount() const { return static_cast<int>(_frames.size()); }
    /* Frame number of a layer counted from 0; 0 out of range. */
    int16_t GetFrame(int layer) const;
    void SetFrame(int layer, int16_t frame);
    /* Copies the per-layer frame numbers (as many as both hold). */
    void CopyFrame(const EDTGfhold2004* pOther);

private:
    std::vector<int16_t> _frames;
};

#endif
