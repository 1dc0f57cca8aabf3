#include "raster/layer.h"

namespace vt {

void ImageAndMaskToPixels(const TspBitmap& Image, const TspBitmap& Mask, TspBitmap& Dest)
{
    Dest.Assign(Image);
    TspBitmap mask;
    mask.Assign(Mask);
    AlphaFromMask(Dest, mask);
    Dest.CheckRGBA();
}

} // namespace vt
