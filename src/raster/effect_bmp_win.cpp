#include "raster/effect_bmp_win.h"

#include "framework/base/exceptions.h"

namespace vt {

namespace {
BITMAPINFO HeaderFor(const TspEffectBmp& b)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = b.Width;
    bi.bmiHeader.biHeight = -b.Height;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}
} // namespace

TspEffectBmp EffectBmpFromHandle(HBITMAP bmp)
{
    BITMAP info{};
    if (!bmp || !GetObjectW(bmp, sizeof(info), &info))
        throw EInvalidGraphic(L"Invalid bitmap handle");
    TspEffectBmp result(info.bmWidth, std::abs(info.bmHeight));
    if (result.Size == 0)
        return result;
    BITMAPINFO bi = HeaderFor(result);
    TDCHandle display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    GetDIBits(display.get(), bmp, 0, static_cast<UINT>(result.Height), result.Bits, &bi, DIB_RGB_COLORS);
    return result;
}

void DrawEffectBmp(const TspEffectBmp& bmp, HDC dc, int x, int y)
{
    if (!dc || bmp.Size == 0)
        return;
    BITMAPINFO bi = HeaderFor(bmp);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(bmp.Width), static_cast<DWORD>(bmp.Height), 0, 0, 0,
                      static_cast<UINT>(bmp.Height), bmp.Bits, &bi, DIB_RGB_COLORS);
}

void StretchEffectBmp(const TspEffectBmp& bmp, HDC dc, int x, int y, int cx, int cy)
{
    if (!dc || bmp.Size == 0)
        return;
    BITMAPINFO bi = HeaderFor(bmp);
    StretchDIBits(dc, x, y, cx, cy, 0, 0, bmp.Width, bmp.Height, bmp.Bits, &bi, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace vt
