// TspBitmap (32-bit pixel bitmap with per-pixel alpha), TspBitmapLink (a named rectangle of one)
// and the free pixel routines around them. The pixel routines are portable; the storage sits
// behind TPixelStore: a plain vector natively, a top-down DIB section with a memory DC and a
// canvas on Windows (bitmap_win.h adds the device-context drawing).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/pixel_image.h"
#include "framework/base/types.h"

namespace vt {

// 0xAARRGGBB; in memory blue, green, red, alpha.
using TspColor = uint32_t;
using PspColorArray = TspColor*;

inline constexpr TspColor TransparentKey = 0x007F007F;

constexpr uint8_t PixelA(TspColor c) { return static_cast<uint8_t>(c >> 24); }
constexpr uint8_t PixelR(TspColor c) { return static_cast<uint8_t>(c >> 16); }
constexpr uint8_t PixelG(TspColor c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t PixelB(TspColor c) { return static_cast<uint8_t>(c); }
constexpr TspColor MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    return (TspColor(a) << 24) | (TspColor(r) << 16) | (TspColor(g) << 8) | TspColor(b);
}

class TspBitmap;

// Where the pixels of a TspBitmap live.
class TPixelStore {
public:
    virtual ~TPixelStore() = default;
    // Replaces any previous block with a zero-filled top-down block of w x h pixels (both
    // positive); returns its first pixel. Throws EOutOfResources and leaves the store empty on
    // failure.
    virtual TspColor* Allocate(int32_t w, int32_t h) = 0;
    virtual void Release() = 0;
};

// The platform's store for one bitmap (bitmap.cpp natively, bitmap_win.cpp on Windows).
std::unique_ptr<TPixelStore> NewPixelStore(TspBitmap& owner);

// Largest accepted bitmap; anything bigger is refused like a failed allocation.
inline constexpr int32_t MaxBitmapSide = 32768;
inline constexpr int64_t MaxBitmapPixels = int64_t(1) << 26;
// A size a bitmap can take: both sides positive and within the limits.
constexpr bool BitmapSizeAllowed(int64_t w, int64_t h)
{
    return w > 0 && h > 0 && w <= MaxBitmapSide && h <= MaxBitmapSide && w * h <= MaxBitmapPixels;
}

// The blend of one source pixel over a destination, every byte (alpha included):
// (D * (256 - a) + S * a) >> 8, with a = 0 keeping D and a = 255 storing S.
TspColor BlendPixel(TspColor src, TspColor dst);
void BlendRow(const TspColor* src, TspColor* dst, int32_t count);
// The platform's per-pixel alpha blend of a premultiplied source scaled by a constant alpha ca,
// every byte (alpha included) with exact rounding: S' = S * ca / 255, then
// D = S' + D * (255 - S'.alpha) / 255, clamped to 255 for a source that is not truly premultiplied.
TspColor BlendPremultipliedPixel(TspColor src, TspColor dst, uint8_t constantAlpha = 255);
void KeyedCopyRow(const TspColor* src, TspColor* dst, int32_t count);
void CopyRow(const TspColor* src, TspColor* dst, int32_t count);
// count pixels of the endless repetition of tile[0..period), starting at tile[phase]; period > 0,
// 0 <= phase < period. Whole periods are doubled inside dst, so a long row costs a few copies.
void TileRow(const TspColor* tile, int32_t period, int32_t phase, TspColor* dst, int32_t count);

enum class TDrawMode : uint8_t { Copy, KeyedCopy, Blend };

class TspBitmap {
public:
    TspBitmap();
    ~TspBitmap();
    TspBitmap(const TspBitmap&) = delete;
    TspBitmap& operator=(const TspBitmap&) = delete;

    PspColorArray FBits = nullptr;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    std::wstring FName;
    bool FAlphaBlend = false;
    bool FTransparent = false;

    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    TRect BoundsRect() const { return TRect{0, 0, FWidth, FHeight}; }
    bool Empty() const { return FBits == nullptr; }
    TPixelStore& Store() { return *store_; }

    void SetSize(int32_t width, int32_t height);
    void Clear(TspColor color);

    // The pixels in place, for routines that read any picture (this one or the container's).
    TPixelView View() const { return {FBits, FWidth, FHeight, FWidth}; }
    operator TPixelView() const { return View(); }

    TspColor* GetScanLine(int32_t y) const { return FBits + static_cast<size_t>(y) * FWidth; }
    TspColor* GetPixelPtr(int32_t x, int32_t y) const { return GetScanLine(y) + x; }
    TspColor GetPixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, TspColor value);

    void SetAlpha(uint8_t alpha);
    void SetAlpha(uint8_t alpha, TRect r);
    void CheckingAlphaBlend();
    void CheckingTransparent(TspColor color);
    void CheckRGBA();
    void CheckRGBA2();

    void Assign(const TspBitmap& source);
    // From a decoded picture: 32-bit pictures keep their alpha (then CheckingAlphaBlend),
    // others become opaque.
    void Assign(const TPixelImage& source);
    TPixelImage ToPixelImage() const;

    TDrawMode Mode() const;
    void Draw(TspBitmap& dst, int32_t x, int32_t y) const;
    void Draw(TspBitmap& dst, int32_t x, int32_t y, const TRect& srcRect) const;
    void Draw(TspBitmap& dst, const TRect& dstRect) const;
    void Draw(TspBitmap& dst, const TRect& dstRect, const TRect& srcRect) const;  // DrawToBitmap
    void Tile(TspBitmap& dst, const TRect& dstRect, const TRect& srcRect) const;
    void TileClip(TspBitmap& dst, const TRect& dstRect, const TRect& dstClip, const TRect& srcRect) const;
    // Draws source's srcRect behind this bitmap's pixels at (x, y).
    void MergeDraw(const TspBitmap& source, int32_t x, int32_t y, TRect srcRect);

    void FillRect(TRect r, TspColor color);
    void FlipVert();
    void Reflection() { ReflectionK(3); }
    void Reflection2() { ReflectionK(4); }
    void Reflection3() { ReflectionK(2); }
    void ChangeBitmapBrightness(int32_t delta);
    void SetBitmapHue(int32_t hue);
    void ChangeBitmapSat(int32_t delta);
    void ChangeBitmapHue(int32_t delta);

private:
    void ReflectionK(int k);
    std::unique_ptr<TPixelStore> store_;
};

// The tiles of Tile/TileClip: each destination rectangle with the source rectangle drawn 1:1.
// Only tiles that meet visible (the target's area) are listed, so a huge destination rectangle
// costs no more than the target it lands on.
struct TTilePiece {
    TRect Dst;
    TRect Src;
};
std::vector<TTilePiece> TilePieces(const TRect& dstRect, const TRect& dstClip, const TRect& srcRect,
                                   const TRect& visible);

// The source column (or row) for each destination column of a nearest-neighbour stretch of
// srcLo..srcHi onto dstLo..dstHi, for destination positions clipLo..clipHi. roundHalfEven
// selects the direct-section rule (ties to even) over truncation.
std::vector<int32_t> StretchTable(int32_t srcLo, int32_t srcHi, int32_t dstLo, int32_t dstHi,
                                  int32_t clipLo, int32_t clipHi, bool roundHalfEven = false);

// Raw 32-bit pixels written by DrawPixels: a bitmap's or a DIB section's.
struct TPixelTarget {
    TspColor* Bits = nullptr;
    int32_t Width = 0;
    int32_t Height = 0;
    bool BottomUp = false;  // row 0 is the last in memory, as in a bottom-up DIB section
};

// Draws src's srcRect into dstRect of dst (nearest-neighbour stretched when the sizes differ).
void DrawPixels(TPixelView src, TDrawMode mode, const TPixelTarget& dst, const TRect& dstRect,
                const TRect& srcRect, bool roundHalfEven);

class TspBitmapLink {
public:
    TspBitmap* FImage = nullptr;
    TRect FRect;
    std::wstring FName;
    bool FMaskedBorder = false;
    bool FMaskedAngles = false;
    bool FMasked = false;

    int32_t Left() const { return FRect.Left; }
    int32_t Top() const { return FRect.Top; }
    int32_t Right() const { return FRect.Right; }
    int32_t Bottom() const { return FRect.Bottom; }
    bool Assigned() const { return FImage && !FRect.IsEmpty(); }
    void Assign(const TspBitmapLink& o) { *this = o; }
    void Draw(TspBitmap& dst, int32_t x, int32_t y) const;
    void CheckingMasked() { CheckingMasked(TRect{}); }
    void CheckingMasked(const TRect& margin);
};

std::unique_ptr<TspBitmapLink> GetBitmapLink(TspBitmap& bitmap, const TRect& r);
std::unique_ptr<TspBitmapLink> GetBitmapLink(TspBitmap& bitmap, const std::wstring& rectText);
// Four integers separated by space, "(", ")", ",", ":", ";" or "="; Rect(0,0,0,0) otherwise.
TRect ParseRectText(const std::wstring& text);

// System colours resolved to RGB (GetSysColor on Windows, the classic defaults elsewhere).
TColor ResolveColor(TColor color);
TspColor ColorToPixel(TColor color, uint8_t alpha);
TspColor ColorToOpaquePixel(TColor color);
void StackBlur(TspBitmap& bitmap, int32_t radius);
void AlphaFromMask(TspBitmap& bitmap, TPixelView mask);
void AlphaFromMaskPremultiplied(TspBitmap& bitmap, TPixelView mask);
// Blends the whole of a premultiplied picture onto dst with its top-left at at (clipped to dst),
// as the skin's per-pixel-alpha images are put on a frame.
void BlendPremultiplied(TspBitmap& dst, TPoint at, TPixelView src, uint8_t constantAlpha = 255);

// Standard RGB <-> HSL on 0..1 values (hue in turns).
void RGBToHSL(double r, double g, double b, double& h, double& s, double& l);
void HSLToRGB(double h, double s, double l, double& r, double& g, double& b);

} // namespace vt
