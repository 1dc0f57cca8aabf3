// Caption, glyph and text helpers: glyph/text layout, ellipsis shortening, the glow, halo and
// reflection text effects composed from a rasterised text mask, the small default glyphs as
// shape lists, the dotted frame walk and the colour arithmetic of the default looks. Text is
// measured and rasterised through ITextRenderer (GDI on Windows: caption_win.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/types.h"
#include "raster/bitmap.h"

namespace vt {

// DrawText format bits (the platform's values).
namespace dt {
inline constexpr uint32_t Center = 0x1, Right = 0x2, VCenter = 0x4, Bottom = 0x8, WordBreak = 0x10,
                          SingleLine = 0x20, ExpandTabs = 0x40, NoClip = 0x100, CalcRect = 0x400,
                          NoPrefix = 0x800;
} // namespace dt

class ITextRenderer {
public:
    virtual ~ITextRenderer() = default;
    // DrawText with CalcRect: the rectangle the text needs, starting at r's top-left.
    virtual TRect Measure(const std::wstring& text, const TRect& r, uint32_t format) = 0;
    // Draws text into the bitmap's pixels in colour with a clear background; returns the text
    // height as DrawText does.
    virtual int DrawText(TspBitmap& target, const std::wstring& text, const TRect& r, uint32_t format, TColor colour) = 0;
    // The font's lfHeight (its oddness shifts single lines by one pixel).
    virtual int FontHeight() const = 0;
};

enum TspButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TGlyphTextPlace {
    int GlyphX = 0, GlyphY = 0, TextX = 0, TextY = 0;
    friend bool operator==(const TGlyphTextPlace&, const TGlyphTextPlace&) = default;
};
TGlyphTextPlace LayoutGlyphAndText(TspButtonLayout Layout, const TRect& R, int GlyphW, int GlyphH, int TextW,
                                   int TextH, int Margin, int Spacing);

// Where the glyph helpers put a glyph of GlyphW x GlyphH and a caption inside R: the caption is
// measured word-wrapped (with prefix processing) in R less the glyph and the spacing, both are
// laid out, and moved by (1, 1) when Down. TextRect is where the caption is drawn: two pixels
// wider than measured, one pixel higher for a font of odd height.
struct TGlyphTextBox {
    TGlyphTextPlace Place;
    TRect TextRect;
};
TGlyphTextBox PlaceGlyphAndText(ITextRenderer& r, TspButtonLayout Layout, const TRect& R, int GlyphW, int GlyphH,
                                const std::wstring& Caption, int Margin, int Spacing, bool Down);

// Removes one character at a time from the end until text + "..." fits (or text is empty), then
// appends "..." once; a text that already fits is returned unchanged.
template <class Measure> std::wstring ShortenWithEllipsis(std::wstring text, int maxWidth, Measure measureWidth)
{
    if (measureWidth(text) <= maxWidth)
        return text;
    while (!text.empty()) {
        text.pop_back();
        if (measureWidth(text + L"...") <= maxWidth)
            break;
    }
    return text + L"...";
}

// The text effects build the picture drawn behind the text (the text itself is then drawn in
// rect with the caller's colour).
// Glow: (w + 2s) x (h + 2s), the text in red inset by s, blurred with radius s, alpha from red.
void BuildGlowPicture(ITextRenderer& r, TspBitmap& out, const TRect& rect, const std::wstring& text, int glowSize,
                      TColor glowColour, uint32_t format);
// Halo of size 12 or 10: a red plate, the text nine times, two blurs of radius s div 2.
void BuildHaloPicture(ITextRenderer& r, TspBitmap& out, const TRect& rect, const std::wstring& text, int haloSize,
                      TColor haloColour, uint32_t format);
// Reflection: the text's rows fading from alpha 0.7 of red, flipped; returns the y to draw it at.
int BuildReflectionPicture(ITextRenderer& r, TspBitmap& out, const TRect& rect, const std::wstring& text,
                           TColor reflectionColour, int reflectionOffset, uint32_t format, bool minimumAlpha = true);
// Composes an effect onto a surface and the text over it.
void DrawGlowText(ITextRenderer& r, TspBitmap& surface, const TRect& rect, const std::wstring& text, int glowSize,
                  TColor glowColour, int offset, uint32_t format, TColor textColour);
void DrawHaloText(ITextRenderer& r, TspBitmap& surface, const TRect& rect, const std::wstring& text, TColor haloColour,
                  uint32_t format, TColor textColour, int haloSize = 12);
void DrawReflectedText(ITextRenderer& r, TspBitmap& surface, const TRect& rect, const std::wstring& text,
                       TColor reflectionColour, int reflectionOffset, uint32_t format, TColor textColour);
// Text on a surface that carries alpha: opaque under the text, the previous alpha elsewhere.
void DrawTextKeepAlpha(ITextRenderer& r, TspBitmap& surface, const std::wstring& text, const TRect& rect,
                       uint32_t format, TColor textColour);

// Small glyphs as shapes: lines exclude their end point; rectangles are outlined with the pen
// (filled too when Filled), as the platform's Rectangle draws them.
struct TGlyphShape {
    enum Kind : uint8_t { Line, Polyline, Rectangle } kind = Line;
    std::vector<TPoint> Points;  // two for a line or a rectangle's corners
    bool Filled = false;
    friend bool operator==(const TGlyphShape&, const TGlyphShape&) = default;
};
using TGlyphShapes = std::vector<TGlyphShape>;
TGlyphShapes CloseGlyph(int X, int Y);
TGlyphShapes TwoBarsGlyph(int X, int Y);
TGlyphShapes MinimizeGlyph(int X, int Y);
TGlyphShapes MaximizeGlyph(int X, int Y);
TGlyphShapes RestoreGlyph(int X, int Y);
TGlyphShapes DownTriangle(int X, int Y);
TGlyphShapes UpTriangle(int X, int Y);
TGlyphShapes FilledSquare(int X, int Y);
TGlyphShapes SquareDot(int X, int Y);
TGlyphShapes CheckMark(int X, int Y);
TGlyphShapes DropArrow(const TRect& R);
// The arrow kinds of SmallArrow and Arrow.
constexpr int kArrowLeft = 1, kArrowRight = 2, kArrowUp = 3, kArrowDown = 4;
TGlyphShapes SmallArrow(const TRect& R, int Kind);
TGlyphShapes Arrow(const TRect& R, int Kind);
TGlyphShapes TwoColourFrameTopLeft(const TRect& R);
TGlyphShapes TwoColourFrameBottomRight(const TRect& R);
// Rasterises shapes onto a bitmap in one colour (opaque).
void DrawShapes(TspBitmap& target, const TGlyphShapes& shapes, TColor colour);
// The pixels of the dotted frame, in drawing order.
std::vector<TPoint> DottedFramePixels(const TRect& R);

// Colour arithmetic on resolved RGB colours.
struct THsb {
    int Brightness = 0, Saturation = 0, Hue = 0;
};
THsb RgbToHsb(uint8_t R, uint8_t G, uint8_t B);
TColor HsbToRgb(int brightness, int saturation, int hue);
TColor LightenColour(TColor colour, int percent);
TColor DarkenColour(TColor colour, int percent);
TColor ContrastingColour(TColor colour);
TColor MixColours(TColor a, TColor b);

} // namespace vt
