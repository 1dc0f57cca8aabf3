// The platform side of TspEffectBmp: made from a bitmap handle, drawn onto a device context.
#pragma once

#include "framework/win/canvas.h"
#include "raster/effect_bmp.h"

namespace vt {

// A 24-bit copy of any platform bitmap, read with GetDIBits through a display DC.
TspEffectBmp EffectBmpFromHandle(HBITMAP bmp);
void DrawEffectBmp(const TspEffectBmp& bmp, HDC dc, int x, int y);
void StretchEffectBmp(const TspEffectBmp& bmp, HDC dc, int x, int y, int cx, int cy);

} // namespace vt
