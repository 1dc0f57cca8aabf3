// Caption helpers through GDI: text measured and rasterised in a font, alpha-keeping text and
// PNG glyphs on bitmaps, and the small glyphs drawn by GDI matching their portable shapes.
#include <gtest/gtest.h>

#include "framework/win/forms.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/png_list.h"
#include "support.h"

namespace vt {
namespace {

TEST(CaptionGdiTest, MeasureAndShorten)
{
    TspBitmap b;
    b.SetSize(200, 40);
    TCanvas& c = GetCanvas(b);
    int w = MeasureTextWidth(c, L"Hello world");
    EXPECT_GT(w, 20);
    EXPECT_GT(MeasureTextHeight(c, L"Hello"), 5);
    // "&" is a prefix only in the prefixed form.
    EXPECT_LT(MeasureTextWidthPrefixed(c, L"&&&&"), MeasureTextWidth(c, L"&&&&"));
    std::wstring text = L"Hello world";
    ShortenWithEllipsis(c, text, w);
    EXPECT_EQ(text, L"Hello world");
    ShortenWithEllipsis(c, text, w - 1);
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.substr(text.size() - 3), L"...");
    EXPECT_LE(MeasureTextWidth(c, text), w - 1);
}

TEST(CaptionGdiTest, RendererDrawsTextIntoBitmaps)
{
    TspBitmap host;
    host.SetSize(4, 4);
    TGdiTextRenderer r(GetCanvas(host).Font());
    TspBitmap b;
    b.SetSize(60, 20);
    b.Clear(0);
    r.DrawText(b, L"Wx", Rect(0, 0, 60, 20), dt::SingleLine, 0x0000FF);
    int red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            red += PixelR(b.GetPixel(x, y)) > 128;
    EXPECT_GT(red, 10);
    TRect m = r.Measure(L"Wx", Rect(5, 5, 5, 5), 0);
    EXPECT_EQ(m.Left, 5);
    EXPECT_GT(m.Width(), 5);
    // Vertical alignment does not move or shrink what a measure answers.
    for (uint32_t align : {dt::VCenter, dt::Bottom})
        EXPECT_EQ(r.Measure(L"Wx", Rect(5, 5, 5, 5), dt::SingleLine | align), r.Measure(L"Wx", Rect(5, 5, 5, 5), dt::SingleLine));
}

TEST(CaptionGdiTest, KeepAlphaAndGlowOnABitmapCanvas)
{
    TspBitmap b;
    b.SetSize(80, 30);
    b.Clear(MakePixel(0, 0, 0, 0));
    TCanvas& c = GetCanvas(b);
    c.Font().SetColor(clWhite);
    DrawTextKeepAlpha(c, L"MMM", Rect(0, 0, 80, 30), 85);
    // Where no text was drawn the surface keeps alpha 0; under the text (antialiased edges
    // included) alpha follows the text's coverage.
    int covered = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            TspColor p = b.GetPixel(x, y);
            if ((p & 0xFFFFFF) == 0)
                ASSERT_EQ(PixelA(p), 0) << x << "," << y;
            else
                covered += PixelA(p) > 0;
        }
    EXPECT_GT(covered, 20);

    b.Clear(0xFF000000);
    int h = DrawGlowText(c, Rect(20, 8, 70, 24), L"ab", 4, clBlue, 0, dt::SingleLine);
    EXPECT_GT(h, 0);
    EXPECT_GT(PixelB(b.GetPixel(18, 16)), 0) << "glow left of the text";
}

TEST(CaptionGdiTest, PngGlyphAndCaptionOnAForeignDC)
{
    TspPngImageList list(nullptr);
    TspPngImage png;
    png.LoadFromFile(test::SourcePath("tests/data/raster/png_rgba.png"));
    list.PngImages().Add()->SetPngImage(png);

    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP ddb = CreateCompatibleBitmap(screen, 100, 24);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, ddb);
    {
        TCanvas c(mem);
        c.Brush().SetColor(RGBColor(0, 0, 200));
        c.FillRect(Rect(0, 0, 100, 24));
        DrawPngGlyphAndText(c, Rect(0, 0, 100, 24), 2, 4, blGlyphLeft, L"", 0, &list, false, true, false, 0);
    }
    // Glyph at (2, 4): opaque red on the left half, the background under the clear part, and
    // green blended at about half over blue under the lower right quarter.
    EXPECT_EQ(GetPixel(mem, 3, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(mem, 12, 5), RGB(0, 0, 200));
    COLORREF half = GetPixel(mem, 12, 15);
    EXPECT_NEAR(GetGValue(half), 127, 2);
    EXPECT_NEAR(GetBValue(half), 100, 2);
    SelectObject(mem, old);
    DeleteObject(ddb);
    DeleteDC(mem);
}

// Tests the shared glyph-and-caption layout: the glyph lands where the layout puts it (moved by
// one pixel when down), the caption beside it, the colour bar under the glyph.
TEST(CaptionGdiTest, ImageListGlyphAndCaptionPlacement)
{
    TspBitmap b;
    b.SetSize(120, 30);
    b.Clear(0xFFFFFFFF);
    TCanvas& c = GetCanvas(b);
    c.Font().SetColor(clBlack);
    std::vector<TPoint> at;
    auto glyph = [&](TCanvas&, int x, int y) { at.push_back({x, y}); };
    DrawImageListGlyphAndText(c, Rect(0, 0, 120, 30), 3, 4, blGlyphLeft, L"Text", 16, 16, glyph, false, true, clRed);
    DrawImageListGlyphAndText(c, Rect(0, 0, 120, 30), 3, 4, blGlyphLeft, L"", 16, 16, glyph, true, false, clRed);
    GdiFlush();
    ASSERT_EQ(at.size(), 2u);
    EXPECT_EQ(at[0], (TPoint{3, 7}));
    EXPECT_EQ(at[1], (TPoint{4, 8}));
    EXPECT_EQ(b.GetPixel(3, 23) & 0xFFFFFF, 0xFF0000u);  // bar row GlyphY + GlyphH
    int ink = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 23; x < 60; ++x)
            ink += (b.GetPixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_GT(ink, 5) << "caption right of the glyph";
}

// Tests the glyph-and-caption form that takes a list through the base: the glyph comes from the
// list in its disabled look when not enabled, and as stored when drawn direct.
TEST(CaptionGdiTest, ImageListGlyphFromTheBase)
{
    TspPngImageList list(nullptr);
    TspPngImage png;
    png.LoadFromFile(test::SourcePath("tests/data/raster/png_rgba.png"));
    list.PngImages().Add()->SetPngImage(png);
    const TCustomImageList* base = &list;
    TspBitmap b;
    b.SetSize(40, 20);
    TCanvas& c = GetCanvas(b);
    struct {
        bool enabled, direct;
        TspColor expected;  // the glyph's opaque red over white
    } cases[] = {
        {true, false, MakePixel(255, 0, 0, 255)},
        {false, false, MakePixel(255, 127, 127, 255)},  // alpha 128 over white
        {false, true, MakePixel(255, 0, 0, 255)},
    };
    for (const auto& k : cases) {
        b.Clear(0xFFFFFFFF);
        DrawImageListGlyphAndText(c, Rect(0, 0, 40, 20), 2, 4, blGlyphLeft, L"", 0, base, false, k.enabled, false, 0,
                                  k.direct);
        GdiFlush();
        EXPECT_EQ(b.GetPixel(3, 3), k.expected) << k.enabled << k.direct;  // glyph at (2, 2)
        EXPECT_EQ(b.GetPixel(1, 3), 0xFFFFFFFFu);
    }
    b.Clear(0xFFFFFFFF);
    DrawImageListGlyphAndText(c, Rect(0, 0, 40, 20), 2, 4, blGlyphLeft, L"", 1, base, false, true, true, clRed, false);
    GdiFlush();
    EXPECT_EQ(b.GetPixel(3, 3), 0xFFFFFFFFu) << "no image 1: no glyph";
}

// Tests that GDI draws each small glyph on exactly the pixels of its portable shape.
TEST(CaptionGdiTest, GlyphsMatchTheirShapes)
{
    std::vector<TGlyphShapes> glyphs = {CloseGlyph(2, 2),   TwoBarsGlyph(2, 2), MinimizeGlyph(2, 2),
                                        MaximizeGlyph(2, 2), RestoreGlyph(2, 2), DownTriangle(2, 2),
                                        UpTriangle(2, 2),    FilledSquare(2, 2), SquareDot(2, 2),
                                        CheckMark(2, 2),     DropArrow(Rect(0, 0, 16, 16)),
                                        Arrow(Rect(0, 0, 16, 16), 1), Arrow(Rect(0, 0, 16, 16), 2),
                                        Arrow(Rect(0, 0, 16, 16), 3), SmallArrow(Rect(0, 0, 16, 16), 4),
                                        Arrow(Rect(0, 0, 16, 16), 5), TwoColourFrameTopLeft(Rect(1, 1, 14, 12)),
                                        TwoColourFrameBottomRight(Rect(1, 1, 14, 12))};
    for (size_t i = 0; i < glyphs.size(); ++i) {
        TspBitmap gdi, portable;
        gdi.SetSize(18, 18);
        gdi.Clear(0xFFFFFFFF);
        portable.SetSize(18, 18);
        portable.Clear(0xFFFFFFFF);
        DrawShapes(GetCanvas(gdi), glyphs[i], clBlack);
        GdiFlush();
        DrawShapes(portable, glyphs[i], clBlack);
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                ASSERT_EQ(gdi.GetPixel(x, y) & 0xFFFFFF, portable.GetPixel(x, y) & 0xFFFFFF)
                    << "glyph " << i << " at " << x << "," << y;
    }
}

TEST(CaptionGdiTest, DottedFrameUsesTheFontColour)
{
    TspBitmap b;
    b.SetSize(8, 8);
    b.Clear(0xFFFFFFFF);
    TCanvas& c = GetCanvas(b);
    c.Font().SetColor(clBlack);
    DrawDottedFrame(c, Rect(0, 0, 5, 3));
    GdiFlush();
    for (const TPoint& p : DottedFramePixels(Rect(0, 0, 5, 3)))
        EXPECT_EQ(b.GetPixel(p.X, p.Y) & 0xFFFFFF, 0u);
    EXPECT_EQ(b.GetPixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

} // namespace
} // namespace vt

namespace vt {
namespace {

class TSquare : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(RGBColor(0, 0, 255));
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
    }
};

// Tests that a control's background is its parent's colour with the earlier overlapping
// window-less sibling drawn over it, in the control's own coordinates.
TEST(CaptionGdiTest, PaintParentBackgroundShowsParentAndEarlierSiblings)
{
    Application->Initialize();
    TForm form(nullptr);
    form.SetColor(RGBColor(255, 0, 0));
    form.SetClientWidth(100);
    form.SetClientHeight(80);
    auto* sibling = new TSquare(&form);
    sibling->SetBounds(10, 10, 30, 30);
    sibling->SetParent(&form);
    auto* control = new TSquare(&form);
    control->SetBounds(20, 20, 40, 40);
    control->SetParent(&form);
    form.Handle();

    TspBitmap b;
    b.SetSize(40, 40);
    PaintParentBackground(*control, GetCanvas(b));
    GdiFlush();
    EXPECT_EQ(b.GetPixel(0, 0) & 0xFFFFFF, 0x0000FFu);    // the sibling (parent 20..40)
    EXPECT_EQ(b.GetPixel(19, 19) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(b.GetPixel(20, 20) & 0xFFFFFF, 0xFF0000u);  // the parent's colour
    EXPECT_EQ(b.GetPixel(39, 5) & 0xFFFFFF, 0xFF0000u);
}

} // namespace
} // namespace vt
