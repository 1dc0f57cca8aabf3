// The GDI side of the caption helpers: text measured and drawn with DrawTextW in a canvas's
// font, the text effects and small glyphs on a canvas, and glyph-and-caption drawing.
#pragma once

#include "framework/win/canvas.h"
#include "raster/caption.h"
#include "raster/image_list.h"

#include <memory>
#include <vector>

namespace vt {

// Renders text in a copy of a font, into bitmaps through their canvases.
class TGdiTextRenderer final : public ITextRenderer {
public:
    explicit TGdiTextRenderer(TFont& font);
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t format) override;
    int DrawText(TspBitmap& target, const std::wstring& text, const TRect& r, uint32_t format, TColor colour) override;
    int FontHeight() const override { return font_.Height(); }

private:
    TFont font_;
};

// Text renderers made once per font and kept for the owner's life (menus and frames ask for the
// same few fonts on every paint).
class TGdiTextRenderers {
public:
    TGdiTextRenderers();
    ~TGdiTextRenderers();
    TGdiTextRenderers(const TGdiTextRenderers&) = delete;
    TGdiTextRenderers& operator=(const TGdiTextRenderers&) = delete;
    // An empty name is the default face.
    TGdiTextRenderer& For(const std::wstring& name, int height, TFontStyles style, uint8_t charset);
    // The font behind that renderer, for drawing on a canvas in it.
    TFont& FontFor(const std::wstring& name, int height, TFontStyles style, uint8_t charset);

private:
    struct TEntry;
    TEntry& Entry(const std::wstring& name, int height, TFontStyles style, uint8_t charset);
    std::vector<std::unique_ptr<TEntry>> entries_;
};

int CanvasDrawText(TCanvas& canvas, const std::wstring& text, TRect& r, uint32_t format);
int MeasureTextWidth(TCanvas& canvas, const std::wstring& text);
int MeasureTextWidthPrefixed(TCanvas& canvas, const std::wstring& text);
int MeasureTextHeight(TCanvas& canvas, const std::wstring& text);
int MeasureTextHeightPrefixed(TCanvas& canvas, const std::wstring& text);
void ShortenWithEllipsis(TCanvas& canvas, std::wstring& text, int maxWidth);
void ShortenWithEllipsisPrefixed(TCanvas& canvas, std::wstring& text, int maxWidth);
void ShortenWithEllipsisTextWidth(TCanvas& canvas, std::wstring& text, int maxWidth);
void DrawCenteredLine(TCanvas& canvas, const std::wstring& text, const TRect& r);
void DrawTextAtLeft(TCanvas& canvas, const std::wstring& text, const TRect& r, int indent = 0);

int DrawGlowText(TCanvas& canvas, const TRect& r, const std::wstring& text, int glowSize, TColor glowColour, int offset,
                 uint32_t format);
void DrawReflectedText(TCanvas& canvas, const TRect& r, const std::wstring& text, TColor reflectionColour,
                       int reflectionOffset, uint32_t format);
void DrawHaloText(TCanvas& canvas, const TRect& r, const std::wstring& text, TColor haloColour, uint32_t format,
                  int haloSize = 12);
void DrawTextKeepAlpha(TCanvas& canvas, const std::wstring& text, const TRect& r, uint32_t format);

void DrawShapes(TCanvas& canvas, const TGlyphShapes& shapes, TColor colour);
void DrawDottedFrame(TCanvas& canvas, const TRect& r);
void DrawTwoColourFrame(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight);

// An image of a list drawn onto a canvas: the list's own draw (enabled or in its disabled look),
// or the alpha-keeping DrawPngListImage.
void DrawListImage(TCanvas& canvas, const TCustomImageList* list, int index, int x, int y, bool enabled);
void DrawPngListImage(TCanvas& canvas, const TCustomImageList* list, int index, int x, int y, bool enabled);

// Glyph and caption inside r (layout, Down shift, colour bar) with the glyph from an image list,
// drawn keeping alpha (the PNG form, its caption too) or by the list's own draw (drawDirect: as
// stored, whatever enabled says), or from a strip of NumGlyphs frames.
void DrawPngGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                         const std::wstring& caption, int imageIndex, const TCustomImageList* list, bool down,
                         bool enabled, bool showColourBar, TColor colourBarColour);
void DrawImageListGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                               const std::wstring& caption, int imageIndex, const TCustomImageList* list, bool down,
                               bool enabled, bool showColourBar, TColor colourBarColour, bool drawDirect);
void DrawBitmapGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                            const std::wstring& caption, const TspBitmap& glyph, int numGlyphs, int glyphNum, bool down,
                            bool showColourBar, TColor colourBarColour);

// The same for a glyph of any source: glyphW x glyphH (0 x 0 without a glyph), drawGlyph paints
// it at the given position.
void DrawImageListGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                               const std::wstring& caption, int glyphW, int glyphH,
                               const std::function<void(TCanvas&, int x, int y)>& drawGlyph, bool down,
                               bool showColourBar, TColor colourBarColour);

// Runs fn on the canvas's pixels inside area: the bitmap itself when the canvas belongs to a
// TspBitmap, otherwise a copy that is put back in one blit.
void WithCanvasPixels(TCanvas& canvas, const TRect& area, const std::function<void(TspBitmap&, TPoint origin)>& fn);

} // namespace vt

namespace vt {

class TControl;

// Implemented by the skinned tab control: behind its children it paints its skin background with
// its own routine, not through its erase and paint messages.
class ISkinTabBackground {
public:
    virtual void PaintTabBackground(HDC dc) = 0;

protected:
    ~ISkinTabBackground() = default;
};

// Paints what the parent shows under control into canvas (in control's coordinates), with the
// parent marked as painting a copy: the parent's background without its children (an MDI
// frame's client window background, a skinned tab control's skin background, otherwise the
// parent's erase and, unless it is a form, its own painting), then the visible window-less
// siblings that precede control and overlap it.
void PaintParentBackground(TControl& control, TCanvas& canvas);

} // namespace vt
