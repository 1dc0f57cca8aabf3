// The window region of a skinned form: which kind of region the window gets, and for a framed
// skin with a mask the mask cut into four border strips for the current size, kept for the hit
// test's "is this point opaque" question.
#pragma once

#include <memory>

#include "form/frame_geometry.h"
#include "raster/bitmap.h"
#include "raster/region.h"

namespace vt {

enum class TFrameRegionKind : uint8_t {
    None,       // the window has no region
    Rectangle,  // the whole window (Region holds that rectangle)
    Shaped,     // the mask's shape (Region)
};

struct TFrameRegion {
    TFrameRegionKind Kind = TFrameRegionKind::None;
    TRegion Region;
    friend bool operator==(const TFrameRegion&, const TFrameRegion&) = default;
};

// The mask split for the current size: RMTop (window width x MaskRectArea.Top) at (0, 0),
// RMBottom at (0, NewMaskRectArea.Bottom), RMLeft at (0, NewMaskRectArea.Top) and RMRight at
// (NewMaskRectArea.Right, NewMaskRectArea.Top); NewMaskRectArea itself is always opaque.
class TspMaskStrips {
public:
    TspMaskStrips() { Clear(); }
    void Clear();
    // Cuts Mask (the skin's, at the picture's size) for g's current size; false when the strips
    // would be too large to hold, and then they stay cleared.
    bool Build(const TspFrameGeometry& g, TPixelView Mask);
    // Is the window point inside the shape: in NewMaskRectArea or on a black strip pixel.
    bool PointInMask(TPoint p) const;
    TRegion Region() const;
    bool Empty() const { return !built_; }

    const TspBitmap& RMTop() const { return images_->Top; }
    const TspBitmap& RMBottom() const { return images_->Bottom; }
    const TspBitmap& RMLeft() const { return images_->Left; }
    const TspBitmap& RMRight() const { return images_->Right; }

private:
    struct Images {
        TspBitmap Top, Left, Right, Bottom;
    };
    std::unique_ptr<Images> images_;  // replaced whole, as a bitmap cannot shrink back to empty
    TRect area_;                      // NewMaskRectArea they were cut for
    bool built_ = false;
};

// Which region the window gets for g's current state (CalcRects done), building the strips from
// Mask when the mask is split; strips are cleared when no skin is loaded. UseSplitMask false
// takes the whole mask at its own size (fixed-size skins).
TFrameRegion CreateNewRegion(const TspFrameGeometry& g, TPixelView Mask, bool UseSplitMask,
                             TspMaskStrips& strips);

} // namespace vt
