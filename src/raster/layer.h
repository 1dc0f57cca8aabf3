// The portable part of the layered windows: the picture pushed to a layer and the fade-in stepper.
#pragma once

#include "raster/bitmap.h"

namespace vt {

// Dest <- Image with alpha from Mask (Trunc((r + g + b) / 3): white opaque, black transparent),
// then colour bytes clamped to alpha so that Dest is a valid premultiplied picture.
void ImageAndMaskToPixels(TPixelView Image, TPixelView Mask, TspBitmap& Dest);

// The layer's fade: each tick adds value div 10, capped at the target, then it stops. A target
// that is not a multiple of ten takes an eleventh tick for the remainder (255: 250, then 255).
struct TLayerFade {
    int EndAlphaBlendValue = 0;
    int BeginAlphaBlendValue = 0;
    int StepAlphaBlendValue = 0;
    bool Running = false;

    void Start(int target)
    {
        EndAlphaBlendValue = target;
        StepAlphaBlendValue = target / 10;
        BeginAlphaBlendValue = 0;
        Running = true;
    }
    // One timer tick: the alpha to push now.
    int Tick()
    {
        BeginAlphaBlendValue += StepAlphaBlendValue;
        if (BeginAlphaBlendValue > EndAlphaBlendValue)
            BeginAlphaBlendValue = EndAlphaBlendValue;
        if (BeginAlphaBlendValue == EndAlphaBlendValue)
            Running = false;
        return BeginAlphaBlendValue;
    }
};

} // namespace vt
