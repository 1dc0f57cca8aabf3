// The Windows side of the pixel bitmap: GDI drawing into its DIB section, the live bitmap
// registry, the device-context draw paths, direct tile writes and regions as HRGN.
#include <gtest/gtest.h>

#include "framework/base/exceptions.h"
#include "raster/bitmap_win.h"
#include "raster/compose_win.h"
#include "raster/effect_bmp_win.h"

namespace vt {
namespace {

TEST(BitmapDCTest, CanvasDrawsIntoTheSamePixels)
{
    TspBitmap b;
    b.SetSize(10, 8);
    ASSERT_NE(BitmapDC(b), nullptr);
    TCanvas& c = GetCanvas(b);
    c.Brush().SetColor(RGBColor(10, 20, 30));
    c.FillRect(Rect(2, 2, 5, 5));
    GdiFlush();
    EXPECT_EQ(b.GetPixel(3, 3) & 0xFFFFFF, MakePixel(10, 20, 30, 0) & 0xFFFFFF);
    EXPECT_EQ(b.GetPixel(6, 6), 0u);
    // Resizing rebinds the canvas to the new DC.
    b.SetSize(4, 4);
    EXPECT_EQ(GetCanvas(b).Handle(), BitmapDC(b));
    GetCanvas(b).FillRect(Rect(0, 0, 1, 1));
    GdiFlush();
    EXPECT_EQ(b.GetPixel(0, 0) & 0xFFFFFF, MakePixel(10, 20, 30, 0) & 0xFFFFFF);
}

TEST(BitmapDCTest, LiveRegistryFollowsBitmaps)
{
    size_t before = LiveBitmapCount();
    {
        TspBitmap a;
        EXPECT_EQ(LiveBitmapCount(), before);  // empty bitmaps own no DC
        a.SetSize(2, 2);
        EXPECT_EQ(LiveBitmapCount(), before + 1);
        EXPECT_EQ(FindLiveBitmap(BitmapDC(a)), &a);
        a.SetSize(3, 3);
        EXPECT_EQ(LiveBitmapCount(), before + 1);
    }
    EXPECT_EQ(LiveBitmapCount(), before);
    EXPECT_THROW(
        {
            TspBitmap huge;
            huge.SetSize(MaxBitmapSide + 1, 1);
        },
        EOutOfResources);
    EXPECT_EQ(LiveBitmapCount(), before);
}

// Tests that drawing onto another bitmap's DC is done in memory, honouring the window origin,
// so alpha blending applies exactly.
TEST(BitmapDCTest, DrawOntoBitmapDCBlendsInMemory)
{
    TspBitmap src, dst;
    src.SetSize(2, 2);
    src.Clear(0x80FF0000);
    src.FAlphaBlend = true;
    dst.SetSize(6, 6);
    dst.Clear(0xFF0000FF);
    SetWindowOrgEx(BitmapDC(dst), -1, -1, nullptr);
    Draw(src, BitmapDC(dst), 1, 1);
    SetWindowOrgEx(BitmapDC(dst), 0, 0, nullptr);
    EXPECT_EQ(dst.GetPixel(2, 2), MakePixel(127, 0, 127, 191));
    EXPECT_EQ(dst.GetPixel(1, 1), 0xFF0000FFu);
}

// A memory DC holding a device-dependent bitmap: the platform paths (temporary copy for alpha,
// TransparentBlt for the key, StretchBlt otherwise).
TEST(BitmapDCTest, DrawOntoForeignDC)
{
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, ddb);
    RECT all{0, 0, 8, 8};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(mem, &all, blue);
    DeleteObject(blue);

    TspBitmap src;
    src.SetSize(2, 1);
    src.SetPixel(0, 0, 0x80FF0000);
    src.SetPixel(1, 0, 0xFFFFFFFF);
    src.FAlphaBlend = true;
    Draw(src, mem, 0, 0);
    COLORREF blended = GetPixel(mem, 0, 0);
    EXPECT_NEAR(GetRValue(blended), 127, 1);
    EXPECT_NEAR(GetBValue(blended), 127, 1);
    EXPECT_EQ(GetPixel(mem, 1, 0), RGB(255, 255, 255));

    src.FAlphaBlend = false;
    src.SetPixel(0, 0, TransparentKey);
    src.FTransparent = true;
    Draw(src, mem, 0, 2);
    EXPECT_EQ(GetPixel(mem, 0, 2), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(mem, 1, 2), RGB(255, 255, 255));

    src.FTransparent = false;
    src.SetPixel(0, 0, 0xFF00FF00);
    DrawToDC(src, mem, Rect(0, 4, 4, 6), src.BoundsRect());  // stretched 2x
    EXPECT_EQ(GetPixel(mem, 1, 5), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(mem, 3, 5), RGB(255, 255, 255));

    SelectObject(mem, old);
    DeleteObject(ddb);
    DeleteDC(mem);
}

// Tiling onto a DC whose bitmap is a bottom-up 32-bit section writes the section's bits directly.
TEST(BitmapDCTest, TileWritesBottomUpSectionsDirectly)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 25;
    bi.bmiHeader.biHeight = 3;  // bottom-up
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, section);

    TspBitmap src;
    src.SetSize(10, 1);
    for (int x = 0; x < 10; ++x)
        src.SetPixel(x, 0, MakePixel(0, 0, static_cast<uint8_t>(x + 1), 0x40));
    Tile(src, mem, Rect(0, 0, 25, 1), src.BoundsRect());
    const auto* px = static_cast<const TspColor*>(bits);
    for (int x = 0; x < 25; ++x)
        EXPECT_EQ(px[2 * 25 + x], MakePixel(0, 0, static_cast<uint8_t>(x % 10 + 1), 0x40)) << x;  // top row is memory row 2
    EXPECT_EQ(px[0], 0u);

    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(section);
}

TEST(BitmapDCTest, AssignFromHandles)
{
    TspBitmap a, b;
    a.SetSize(3, 2);
    a.Clear(0x80102030);
    AssignFromHandle(b, BitmapHandle(a));  // a 32-bit section keeps its alpha
    EXPECT_EQ(b.GetPixel(2, 1), 0x80102030u);
    EXPECT_TRUE(b.FAlphaBlend);

    HDC screen = GetDC(nullptr);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 4, 3);
    ReleaseDC(nullptr, screen);
    AssignFromHandle(b, ddb);
    EXPECT_EQ(b.FWidth, 4);
    EXPECT_EQ(PixelA(b.GetPixel(3, 2)), 255);
    DeleteObject(ddb);
    EXPECT_THROW(AssignFromHandle(b, nullptr), EInvalidGraphic);
}

// An effect bitmap from a platform bitmap and back onto a DC: colours survive the trip.
TEST(BitmapDCTest, EffectBitmapRoundTrip)
{
    TspBitmap src;
    src.SetSize(5, 3);
    src.Clear(0xFF102030);
    src.SetPixel(4, 2, 0xFFA0B0C0);
    TspEffectBmp e = EffectBmpFromHandle(BitmapHandle(src));
    ASSERT_EQ(e.Width, 5);
    ASSERT_EQ(e.Height, 3);
    EXPECT_EQ(e.GetPixel(4, 2), 0xA0B0C0u);
    e.Invert();
    TspBitmap dst;
    dst.SetSize(8, 8);
    DrawEffectBmp(e, BitmapDC(dst), 1, 1);
    GdiFlush();
    EXPECT_EQ(dst.GetPixel(5, 3) & 0xFFFFFF, 0x5F4F3Fu);
    EXPECT_EQ(dst.GetPixel(1, 1) & 0xFFFFFF, 0xEFDFCFu);
    StretchEffectBmp(e, BitmapDC(dst), 0, 0, 8, 8);
    GdiFlush();
    EXPECT_EQ(dst.GetPixel(7, 7) & 0xFFFFFF, 0x5F4F3Fu);
    EXPECT_THROW(EffectBmpFromHandle(nullptr), EInvalidGraphic);
}

void MaskFromRows(TspBitmap& m, const std::vector<std::string>& rows)
{
    m.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            m.SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x] == '#' ? 0xFF000000u : 0xFFFFFFFFu);
}

// The platform region made from a mask covers exactly the black pixels.
TEST(BitmapDCTest, MaskRegionsAsHandles)
{
    TspBitmap mask;
    MaskFromRows(mask, {".##.", "####", "####", ".##."});
    HRGN rgn = MaskToRegion(mask);
    ASSERT_NE(rgn, nullptr);
    TRegion expected = RegionUnion(MaskToRegionRects(mask, 0, 0), {});
    EXPECT_EQ(RegionFromHandle(rgn), expected);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(PtInRegion(rgn, x, y) != 0, mask.GetPixel(x, y) == 0xFF000000u) << x << "," << y;
    DeleteObject(rgn);

    TFrameGeometry g{{1, 1}, {3, 1}, {1, 3}, {3, 3}, {1, 1, 3, 3}};
    TFrameGeometry ng = ResizeFrameGeometry(g, 4, 4, 9, 7);
    rgn = BuildFramedRegionHandle(g, ng, mask, 9, 7);
    ASSERT_NE(rgn, nullptr);
    EXPECT_EQ(RegionFromHandle(rgn), *BuildFramedRegion(g, ng, mask, 9, 7));
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_TRUE(PtInRegion(rgn, 1, 0));
    EXPECT_FALSE(PtInRegion(rgn, 8, 6));
    DeleteObject(rgn);
}

} // namespace
} // namespace vt
