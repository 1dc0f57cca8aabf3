#include "raster/layer.h"

#include "raster/compose.h"

namespace vt {

void ImageAndMaskToPixels(TPixelView Image, TPixelView Mask, TspBitmap& Dest)
{
    if (Image.Empty())
        return;
    Dest.SetSize(Image.Width, Image.Height);
    CopyRect(Dest, Dest.BoundsRect(), Image, Image.BoundsRect());
    AlphaFromMask(Dest, Mask);
    Dest.CheckRGBA();
}

} // namespace vt
