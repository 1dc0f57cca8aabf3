// Window regions from mask pictures: the 24-bit scan bitmap TFBitmap, the region data block of
// a mask, and a portable rectangle-list region with union (region_win.h turns it into an HRGN).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/base/types.h"
#include "raster/bitmap.h"
#include "raster/compose.h"

namespace vt {

// A 24-bit top-down copy of a picture (blue, green, red; rows padded to 4 bytes) with a table of
// row starts, through which masks are scanned.
class TFBitmap {
public:
    explicit TFBitmap(TPixelView source);
    TFBitmap(const TFBitmap&) = delete;
    TFBitmap& operator=(const TFBitmap&) = delete;

    uint8_t* Bits = nullptr;
    std::vector<uint8_t*> Pixels;  // row starts
    int32_t Gap = 0;               // padding bytes per row
    int32_t RowInc = 0;            // row stride
    int32_t Size = 0;
    int32_t Width = 0;
    int32_t Height = 0;

private:
    std::vector<uint8_t> storage_;
};

// A region as a list of rectangles. Regions built by union are kept in a canonical form (bands
// of equal rows from the top, spans left to right, equal neighbouring bands merged), so two
// regions covering the same pixels compare equal.
struct TRegion {
    std::vector<TRect> Rects;
    bool Empty() const { return Rects.empty(); }
    friend bool operator==(const TRegion&, const TRegion&) = default;
};

TRegion RegionFromRect(const TRect& r);
TRegion RegionUnion(const TRegion& a, const TRegion& b);
TRegion RegionOffset(const TRegion& r, int32_t dx, int32_t dy);
// The rectangles of a region data block, or nothing when the block is malformed.
std::optional<TRegion> RegionFromData(const std::vector<uint8_t>& block);

// RGNDATA bytes of the black pixels of mask, one rectangle per run of each row, moved by (dx, dy);
// an empty mask gives an empty block.
std::vector<uint8_t> MaskToRegionData(TPixelView mask, int32_t dx, int32_t dy);
TRegion MaskToRegionRects(TPixelView mask, int32_t dx, int32_t dy);

// Black (red, green and blue all zero, whatever the alpha) is inside a mask's shape.
inline bool IsMaskPixelInside(TspColor c) { return (c & 0x00FFFFFFu) == 0; }

// The region of a frame whose mask is cut into four border strips: Inner united with each
// non-empty strip at its place (top at (0, 0), bottom at (0, Inner.Bottom), left at
// (0, Inner.Top), right at (Inner.Right, Inner.Top)).
TRegion RegionFromMaskStrips(const TRect& Inner, const TspBitmap& Top, const TspBitmap& Left,
                             const TspBitmap& Right, const TspBitmap& Bottom);

// The region of a W x H element from its mask; nothing when the corners cross or the client
// rectangle is empty.
std::optional<TRegion> BuildFramedRegion(const TFrameGeometry& g, const TFrameGeometry& ng,
                                         TPixelView mask, int32_t W, int32_t H);

} // namespace vt
