// The Windows half of TspBitmap: its DIB section, memory DC and canvas, the live bitmap registry,
// and drawing onto device contexts.
#pragma once

#include "framework/win/canvas.h"
#include "raster/bitmap.h"

namespace vt {

// The memory DC with the bitmap's section selected; nullptr while the bitmap is empty.
HDC BitmapDC(TspBitmap& bmp);
HBITMAP BitmapHandle(TspBitmap& bmp);
// The canvas bound to BitmapDC (created on first use, owned by the bitmap). Text and shapes drawn
// through it land in the bitmap's pixels; their alpha bytes are left as GDI leaves them.
TCanvas& GetCanvas(TspBitmap& bmp);
// The bitmap that owns this DC, or nullptr.
TspBitmap* FindLiveBitmap(HDC dc);
size_t LiveBitmapCount();

void Draw(const TspBitmap& src, HDC dc, int x, int y);
void Draw(const TspBitmap& src, HDC dc, int x, int y, const TRect& srcRect);
void Draw(const TspBitmap& src, HDC dc, const TRect& dstRect);
void DrawToDC(const TspBitmap& src, HDC dc, const TRect& dstRect, const TRect& srcRect);
void Tile(const TspBitmap& src, HDC dc, const TRect& dstRect, const TRect& srcRect);
void TileClip(const TspBitmap& src, HDC dc, const TRect& dstRect, const TRect& dstClip, const TRect& srcRect);

// The canvas forms draw onto the canvas's DC.
inline void Draw(const TspBitmap& src, TCanvas& c, int x, int y) { Draw(src, c.Handle(), x, y); }
inline void Draw(const TspBitmap& src, TCanvas& c, int x, int y, const TRect& srcRect) { Draw(src, c.Handle(), x, y, srcRect); }
inline void Draw(const TspBitmap& src, TCanvas& c, const TRect& dstRect) { Draw(src, c.Handle(), dstRect); }
inline void Draw(const TspBitmap& src, TCanvas& c, const TRect& dstRect, const TRect& srcRect)
{
    DrawToDC(src, c.Handle(), dstRect, srcRect);
}
inline void Tile(const TspBitmap& src, TCanvas& c, const TRect& dstRect, const TRect& srcRect)
{
    Tile(src, c.Handle(), dstRect, srcRect);
}
inline void TileClip(const TspBitmap& src, TCanvas& c, const TRect& dstRect, const TRect& dstClip, const TRect& srcRect)
{
    TileClip(src, c.Handle(), dstRect, dstClip, srcRect);
}
// TspBitmapLink.Draw(Canvas, X, Y): the link's rectangle of its image at (x, y).
void Draw(const TspBitmapLink& link, TCanvas& c, int x, int y);

// From a platform bitmap: a 32-bit DIB section keeps its alpha (then CheckingAlphaBlend), any
// other bitmap is copied with BitBlt and made opaque.
void AssignFromHandle(TspBitmap& dst, HBITMAP src);
// BitBlt from the screen at (x, y) into the whole bitmap.
void CaptureScreenArea(int x, int y, TspBitmap& bmp);

} // namespace vt
