// The default skin's frame picture, mask and geometry, loaded through the container. Kept apart
// from the container's headers so that raster-kit tests can use it.
#pragma once

#include <cstddef>

#include "framework/base/pixel_image.h"
#include "framework/base/types.h"

namespace vt::test {

struct TDefaultFrame {
    TPixelImage Picture, Mask;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
};

TDefaultFrame LoadDefaultFrame();

} // namespace vt::test
