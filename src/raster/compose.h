// Skin image composition: turns an element's rectangle of a skin picture into a picture of any
// size (fixed corners, tiled or stretched edges, a tiled or stretched client), the border strips
// of a frame and of its mask, and the rectangle and version queries the drawing code shares.
// Pictures are read through a TPixelView (a TspBitmap or a container picture, in place) and
// composed into TspBitmaps; pieces are copied raw (alpha included), and "stretch" is a
// nearest-neighbour stretch.
#pragma once

#include <cstdint>
#include <string>

#include "framework/base/types.h"
#include "raster/bitmap.h"

namespace vt {

enum TspStretchType : uint8_t { spstFull = 0, spstHorz = 1, spstVert = 2 };

// Points and client rectangle of an element, relative to its rectangle in the picture.
struct TFrameGeometry {
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    friend bool operator==(const TFrameGeometry&, const TFrameGeometry&) = default;
};

struct TFrameStretch {
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = spstFull;
};

// The geometry moved from the element's size w0 x h0 to W x H.
TFrameGeometry ResizeFrameGeometry(const TFrameGeometry& g, int32_t w0, int32_t h0, int32_t W, int32_t H);

// Raw copy of src's srcRect into dstRect (stretched when the sizes differ); parts of srcRect
// outside the source are left out when the sizes match, and the copy is skipped otherwise.
void CopyRect(TspBitmap& dst, const TRect& dstRect, TPixelView src, const TRect& srcRect);

void ComposeFramedPicture(const TFrameGeometry& g, const TFrameGeometry& ng, TspBitmap& Dest,
                          TPixelView Source, const TRect& SourceRect, int32_t W, int32_t H,
                          bool DrawClient, const TFrameStretch& s);
void ComposeFramedPictureFromClient(TspBitmap& Dest, TPixelView Source, const TRect& SourceRect,
                                    const TRect& ClRect, bool DrawClient);
void ComposeHorzBand(int32_t LeftFixed, int32_t RightFixed, TspBitmap& Dest, TPixelView Source,
                     const TRect& SourceRect, int32_t W, bool Stretch);
void ComposeVertBand(int32_t TopFixed, int32_t BottomFixed, TspBitmap& Dest, TPixelView Source,
                     const TRect& SourceRect, int32_t H, bool Stretch);
void ComposeClientFill(const TRect& ClRect, const TRect& NewClRect, TspBitmap& Dest, TPixelView Source,
                       const TRect& SourceRect, int32_t W, int32_t H, bool Stretch, TspStretchType StretchType);

// The four border pictures of a frame at W x H; a picture whose conditions do not hold is left
// as it was.
void BuildFrameStrips(const TFrameGeometry& g, const TFrameGeometry& ng, TspBitmap& LeftImage,
                      TspBitmap& TopImage, TspBitmap& RightImage, TspBitmap& BottomImage,
                      TPixelView Source, const TRect& SourceRect, int32_t W, int32_t H,
                      const TFrameStretch& s);
// The mask's border pieces at width W (always tiled, in the mask's own coordinates).
void BuildMaskStrips(const TFrameGeometry& g, const TFrameGeometry& ng, TPixelView Mask,
                     TspBitmap& TopImage, TspBitmap& LeftImage, TspBitmap& RightImage,
                     TspBitmap& BottomImage, int32_t W);

// Draws frame FrameIndex (1-based) of a horizontal strip of FrameCount frames at (X, Y), the
// colour of the frame's bottom-left pixel being transparent.
void DrawGlyphFrame(TspBitmap& dst, int32_t X, int32_t Y, int32_t FrameIndex, int32_t FrameCount,
                    TPixelView Strip);

// Rectangle and point helpers.
inline int32_t WidthOfRect(const TRect& r) { return r.Right - r.Left; }
inline int32_t HeightOfRect(const TRect& r) { return r.Bottom - r.Top; }
inline bool IsEmptyRect(const TRect& r) { return WidthOfRect(r) <= 0 || HeightOfRect(r) <= 0; }
inline void ClearRect(TRect& r) { r = TRect{}; }
inline bool SameRect(const TRect& a, const TRect& b) { return a == b; }
// All four edges included.
inline bool PointInsideRect(const TRect& r, TPoint p)
{
    return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}
// Both corners of a inside b by the platform's rule (right and bottom edges excluded).
inline bool RectInsideRect(const TRect& a, const TRect& b)
{
    return b.Contains(TPoint{a.Left, a.Top}) && b.Contains(TPoint{a.Right, a.Bottom});
}
inline bool IsNullPoint(TPoint p) { return p.X == 0 || p.Y == 0; }

// Version tests on a GetVersion word (major in the low byte, minor in the next).
struct TWinVersion {
    uint32_t Major = 0, Minor = 0;
    static TWinVersion FromVersionWord(uint32_t word) { return {word & 0xFF, (word >> 8) & 0xFF}; }
};
bool IsWindows7(TWinVersion v);
bool IsWindows8OrLater(TWinVersion v);
bool IsVistaOrLater(TWinVersion v);
bool IsXPOrLater(TWinVersion v);
bool IsWin2000OrLater(TWinVersion v);


} // namespace vt
