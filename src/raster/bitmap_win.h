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

// From a platform bitmap: a 32-bit DIB section keeps its alpha (then CheckingAlphaBlend), any
// other bitmap is copied with BitBlt and made opaque.
void AssignFromHandle(TspBitmap& dst, HBITMAP src);
// BitBlt from the screen at (x, y) into the whole bitmap.
void CaptureScreenArea(int x, int y, TspBitmap& bmp);

} // namespace vt
