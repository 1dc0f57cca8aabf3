#include "raster/caption_win.h"

#include "framework/win/controls.h"
#include "framework/win/forms.h"
#include "raster/bitmap_win.h"
#include "raster/compose_win.h"
#include "raster/png_list.h"

namespace vt {

TGdiTextRenderer::TGdiTextRenderer(TFont& font) { font_.Assign(font); }

TRect TGdiTextRenderer::Measure(const std::wstring& text, const TRect& r, uint32_t format)
{
    TDCHandle dc(CreateCompatibleDC(nullptr));
    TRect out = r;
    TCanvas c(dc.get());
    c.Font().Assign(font_);
    // The rectangle starts at r's top-left whatever the vertical alignment: with it, measuring
    // moves the result (Wine halves the height of a vertically centred line).
    c.DrawText(text, out, (format & ~(dt::VCenter | dt::Bottom)) | dt::CalcRect);
    return out;
}

int TGdiTextRenderer::DrawText(TspBitmap& target, const std::wstring& text, const TRect& r, uint32_t format, TColor colour)
{
    if (target.Empty())
        return 0;
    TCanvas& c = GetCanvas(target);
    c.Font().Assign(font_);
    c.Font().SetColor(colour);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect rr = r;
    int h = c.DrawText(text, rr, format);
    GdiFlush();
    return h;
}

struct TGdiTextRenderers::TEntry {
    std::wstring Name;
    int Height = 0;
    TFontStyles Style = 0;
    uint8_t Charset = 0;
    TFont Font;
    std::unique_ptr<TGdiTextRenderer> Text;
};

TGdiTextRenderers::TGdiTextRenderers() = default;
TGdiTextRenderers::~TGdiTextRenderers() = default;

TGdiTextRenderers::TEntry& TGdiTextRenderers::Entry(const std::wstring& name, int height, TFontStyles style,
                                                     uint8_t charset)
{
    for (const auto& e : entries_)
        if (e->Name == name && e->Height == height && e->Style == style && e->Charset == charset)
            return *e;
    auto e = std::make_unique<TEntry>();
    e->Name = name;
    e->Height = height;
    e->Style = style;
    e->Charset = charset;
    if (!name.empty())
        e->Font.SetName(name);
    e->Font.SetHeight(height);
    e->Font.SetStyle(style);
    e->Font.SetCharset(charset);
    e->Text = std::make_unique<TGdiTextRenderer>(e->Font);
    entries_.push_back(std::move(e));
    return *entries_.back();
}

TGdiTextRenderer& TGdiTextRenderers::For(const std::wstring& name, int height, TFontStyles style, uint8_t charset)
{
    return *Entry(name, height, style, charset).Text;
}

TFont& TGdiTextRenderers::FontFor(const std::wstring& name, int height, TFontStyles style, uint8_t charset)
{
    return Entry(name, height, style, charset).Font;
}

int CanvasDrawText(TCanvas& canvas, const std::wstring& text, TRect& r, uint32_t format)
{
    return canvas.DrawText(text, r, format);
}

namespace {
TRect MeasureRect(TCanvas& canvas, const std::wstring& text, bool prefixed)
{
    TRect r;
    CanvasDrawText(canvas, text, r, dt::CalcRect | (prefixed ? 0 : dt::NoPrefix));
    return r;
}
} // namespace

int MeasureTextWidth(TCanvas& canvas, const std::wstring& text) { return MeasureRect(canvas, text, false).Width(); }
int MeasureTextWidthPrefixed(TCanvas& canvas, const std::wstring& text) { return MeasureRect(canvas, text, true).Width(); }
int MeasureTextHeight(TCanvas& canvas, const std::wstring& text) { return MeasureRect(canvas, text, false).Height(); }
int MeasureTextHeightPrefixed(TCanvas& canvas, const std::wstring& text) { return MeasureRect(canvas, text, true).Height(); }

void ShortenWithEllipsis(TCanvas& canvas, std::wstring& text, int maxWidth)
{
    text = ShortenWithEllipsis(text, maxWidth, [&](const std::wstring& s) { return MeasureTextWidth(canvas, s); });
}
void ShortenWithEllipsisPrefixed(TCanvas& canvas, std::wstring& text, int maxWidth)
{
    text = ShortenWithEllipsis(text, maxWidth, [&](const std::wstring& s) { return MeasureTextWidthPrefixed(canvas, s); });
}
void ShortenWithEllipsisTextWidth(TCanvas& canvas, std::wstring& text, int maxWidth)
{
    text = ShortenWithEllipsis(text, maxWidth, [&](const std::wstring& s) { return canvas.TextWidth(s); });
}

void DrawCenteredLine(TCanvas& canvas, const std::wstring& text, const TRect& r)
{
    if (text.empty())
        return;
    TRect rr = r;
    if (canvas.Font().Height() % 2 != 0)
        rr.Top -= 1;
    CanvasDrawText(canvas, text, rr, dt::SingleLine | dt::VCenter);
}

void DrawTextAtLeft(TCanvas& canvas, const std::wstring& text, const TRect& r, int indent)
{
    if (text.empty())
        return;
    int y = r.Top + r.Height() / 2 - canvas.TextHeight(text) / 2;
    if (canvas.Font().Height() % 2 != 0)
        y -= 1;
    canvas.TextRect(r, r.Left + indent + 2, y, text);
}

void WithCanvasPixels(TCanvas& canvas, const TRect& area, const std::function<void(TspBitmap&, TPoint)>& fn)
{
    if (!canvas.Handle() || area.IsEmpty())
        return;
    if (TspBitmap* live = FindLiveBitmap(canvas.Handle())) {
        GdiFlush();
        fn(*live, TPoint{0, 0});
        return;
    }
    TspBitmap copy;
    copy.SetSize(area.Width(), area.Height());
    BitBlt(BitmapDC(copy), 0, 0, copy.FWidth, copy.FHeight, canvas.Handle(), area.Left, area.Top, SRCCOPY);
    GdiFlush();
    fn(copy, TPoint{area.Left, area.Top});
    BitBlt(canvas.Handle(), area.Left, area.Top, copy.FWidth, copy.FHeight, BitmapDC(copy), 0, 0, SRCCOPY);
}

int DrawGlowText(TCanvas& canvas, const TRect& r, const std::wstring& text, int glowSize, TColor glowColour, int offset,
                 uint32_t format)
{
    TGdiTextRenderer renderer(canvas.Font());
    TspBitmap glow;
    BuildGlowPicture(renderer, glow, r, text, glowSize, glowColour, format);
    Draw(glow, canvas.Handle(), r.Left - glowSize + offset, r.Top - glowSize + offset);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect rr = r;
    return canvas.DrawText(text, rr, format);
}

void DrawHaloText(TCanvas& canvas, const TRect& r, const std::wstring& text, TColor haloColour, uint32_t format,
                  int haloSize)
{
    TGdiTextRenderer renderer(canvas.Font());
    TspBitmap halo;
    BuildHaloPicture(renderer, halo, r, text, haloSize, haloColour, format);
    Draw(halo, canvas.Handle(), r.Left - haloSize, r.Top - haloSize);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect rr = r;
    CanvasDrawText(canvas, text, rr, format);
}

void DrawReflectedText(TCanvas& canvas, const TRect& r, const std::wstring& text, TColor reflectionColour,
                       int reflectionOffset, uint32_t format)
{
    TGdiTextRenderer renderer(canvas.Font());
    TspBitmap refl;
    int y = BuildReflectionPicture(renderer, refl, r, text, reflectionColour, reflectionOffset, format);
    Draw(refl, canvas.Handle(), r.Left, y);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect rr = r;
    canvas.DrawText(text, rr, format);
}

void DrawTextKeepAlpha(TCanvas& canvas, const std::wstring& text, const TRect& r, uint32_t format)
{
    TGdiTextRenderer renderer(canvas.Font());
    TColor colour = canvas.Font().Color();
    WithCanvasPixels(canvas, r, [&](TspBitmap& px, TPoint o) {
        DrawTextKeepAlpha(renderer, px, text, r.Offset(-o.X, -o.Y), format, colour);
    });
}

void DrawShapes(TCanvas& canvas, const TGlyphShapes& shapes, TColor colour)
{
    canvas.Pen().SetColor(colour);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    for (const TGlyphShape& s : shapes) {
        switch (s.kind) {
        case TGlyphShape::Line:
        case TGlyphShape::Polyline:
            canvas.Polyline(s.Points.data(), static_cast<int>(s.Points.size()));
            break;
        case TGlyphShape::Rectangle:
            if (s.Filled)
                canvas.Brush().SetColor(colour);
            else
                canvas.Brush().SetStyle(TBrushStyle::bsClear);
            canvas.Rectangle(Rect(s.Points[0].X, s.Points[0].Y, s.Points[1].X, s.Points[1].Y));
            break;
        }
    }
}

void DrawDottedFrame(TCanvas& canvas, const TRect& r)
{
    TColor c = canvas.Font().Color();
    for (const TPoint& p : DottedFramePixels(r))
        canvas.SetPixel(p.X, p.Y, c);
}

void DrawTwoColourFrame(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight)
{
    DrawShapes(canvas, TwoColourFrameTopLeft(r), topLeft);
    DrawShapes(canvas, TwoColourFrameBottomRight(r), bottomRight);
}

namespace {

struct TCaptionBox {
    TGlyphTextPlace place;
    int glyphW = 0, glyphH = 0, textW = 0, textH = 0;
    TRect textRect;
};

TCaptionBox LayoutCaption(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                          const std::wstring& caption, int glyphW, int glyphH, bool down)
{
    TCaptionBox box;
    box.glyphW = glyphW;
    box.glyphH = glyphH;
    if (glyphW == 0 || glyphH == 0)
        spacing = 0;
    if (!caption.empty()) {
        TRect m = Rect(0, 0, r.Width(), r.Height());
        if (layout == blGlyphLeft || layout == blGlyphRight)
            m.Right -= glyphW + spacing;
        else
            m.Bottom -= glyphH + spacing;
        CanvasDrawText(canvas, caption, m, dt::CalcRect | dt::ExpandTabs | dt::WordBreak);
        box.textW = m.Width();
        box.textH = m.Height();
    } else {
        spacing = 0;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    box.place = LayoutGlyphAndText(layout, r, glyphW, glyphH, box.textW, box.textH, margin, spacing);
    if (down) {
        box.place.GlyphX += 1;
        box.place.GlyphY += 1;
        box.place.TextX += 1;
        box.place.TextY += 1;
    }
    box.textRect = Rect(box.place.TextX, box.place.TextY, box.place.TextX + box.textW + 2, box.place.TextY + box.textH);
    if (canvas.Font().Height() % 2 != 0)
        box.textRect.Top -= 1;
    return box;
}

void DrawColourBar(TCanvas& canvas, const TCaptionBox& box, const TRect& r, const std::wstring& caption, bool down,
                   TColor colour)
{
    canvas.Pen().SetColor(colour);
    auto line = [&](int x1, int x2, int y) {
        canvas.MoveTo(x1, y);
        canvas.LineTo(x2, y);
    };
    if (box.glyphW > 0) {
        for (int d = -1; d <= 1; ++d)
            line(box.place.GlyphX, box.place.GlyphX + box.glyphW, box.place.GlyphY + box.glyphH + d);
    } else if (!caption.empty()) {
        for (int d = -1; d <= 1; ++d)
            line(box.textRect.Left, box.textRect.Right, box.textRect.Bottom + d);
    } else {
        canvas.Brush().SetColor(colour);
        canvas.FillRect(down ? Rect(r.Left + 4, r.Top + 5, r.Right - 2, r.Bottom - 3)
                             : Rect(r.Left + 4, r.Top + 4, r.Right - 2, r.Bottom - 4));
    }
}

} // namespace

void DrawListImage(TCanvas& canvas, const TCustomImageList* list, int index, int x, int y, bool enabled)
{
    if (!list || !list->HasImage(index))
        return;
    WithCanvasPixels(canvas, Bounds(x, y, list->Width(), list->Height()), [&](TspBitmap& px, TPoint o) {
        list->Draw(px, x - o.X, y - o.Y, index, enabled);
    });
}

void DrawPngListImage(TCanvas& canvas, const TCustomImageList* list, int index, int x, int y, bool enabled)
{
    if (!list || !list->HasImage(index))
        return;
    WithCanvasPixels(canvas, Bounds(x, y, list->Width(), list->Height()), [&](TspBitmap& px, TPoint o) {
        DrawPngListImage(list, index, px, x - o.X, y - o.Y, enabled);
    });
}

void DrawPngGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                         const std::wstring& caption, int imageIndex, const TCustomImageList* list, bool down,
                         bool enabled, bool showColourBar, TColor colourBarColour)
{
    bool hasGlyph = list && list->HasImage(imageIndex);
    int gw = hasGlyph ? list->Width() : 0, gh = hasGlyph ? list->Height() : 0;
    TCaptionBox box = LayoutCaption(canvas, r, margin, spacing, layout, caption, gw, gh, down);
    if (!caption.empty())
        DrawTextKeepAlpha(canvas, caption, box.textRect, 85);
    if (hasGlyph)
        DrawPngListImage(canvas, list, imageIndex, box.place.GlyphX, box.place.GlyphY, enabled);
    if (showColourBar)
        DrawColourBar(canvas, box, r, caption, down, colourBarColour);
}

void DrawImageListGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                               const std::wstring& caption, int imageIndex, const TCustomImageList* list, bool down,
                               bool enabled, bool showColourBar, TColor colourBarColour, bool drawDirect)
{
    bool hasGlyph = list && list->HasImage(imageIndex);
    DrawImageListGlyphAndText(
        canvas, r, margin, spacing, layout, caption, hasGlyph ? list->Width() : 0, hasGlyph ? list->Height() : 0,
        [&](TCanvas& c, int x, int y) { DrawListImage(c, list, imageIndex, x, y, enabled || drawDirect); }, down,
        showColourBar, colourBarColour);
}

void DrawImageListGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                               const std::wstring& caption, int glyphW, int glyphH,
                               const std::function<void(TCanvas&, int x, int y)>& drawGlyph, bool down,
                               bool showColourBar, TColor colourBarColour)
{
    bool hasGlyph = glyphW > 0 && glyphH > 0 && drawGlyph;
    TCaptionBox box = LayoutCaption(canvas, r, margin, spacing, layout, caption, hasGlyph ? glyphW : 0,
                                    hasGlyph ? glyphH : 0, down);
    if (!caption.empty()) {
        TRect tr = box.textRect;
        canvas.DrawText(caption, tr, dt::ExpandTabs | dt::WordBreak | dt::VCenter | dt::Center);
    }
    if (hasGlyph)
        drawGlyph(canvas, box.place.GlyphX, box.place.GlyphY);
    if (showColourBar)
        DrawColourBar(canvas, box, r, caption, down, colourBarColour);
}

void DrawBitmapGlyphAndText(TCanvas& canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                            const std::wstring& caption, const TspBitmap& glyph, int numGlyphs, int glyphNum, bool down,
                            bool showColourBar, TColor colourBarColour)
{
    bool hasGlyph = !glyph.Empty() && numGlyphs > 0;
    int gw = hasGlyph ? glyph.FWidth / numGlyphs : 0, gh = hasGlyph ? glyph.FHeight : 0;
    TCaptionBox box = LayoutCaption(canvas, r, margin, spacing, layout, caption, gw, gh, down);
    if (!caption.empty()) {
        TRect tr = box.textRect;
        canvas.DrawText(caption, tr, dt::ExpandTabs | dt::WordBreak | dt::VCenter | dt::Center);
    }
    if (hasGlyph)
        DrawGlyphFrame(canvas, box.place.GlyphX, box.place.GlyphY, glyphNum, numGlyphs, glyph);
    if (showColourBar)
        DrawColourBar(canvas, box, r, caption, down, colourBarColour);
}

} // namespace vt

namespace vt {

namespace {

// The parent's own background, without its children, into dc (parent client coordinates).
void PaintParentSurface(TWinControl& parent, HDC dc)
{
    auto* form = dynamic_cast<TCustomForm*>(&parent);
    if (form && form->ClientHandle()) {
        SendMessageW(form->ClientHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        return;
    }
    if (auto* tab = dynamic_cast<ISkinTabBackground*>(&parent)) {
        tab->PaintTabBackground(dc);
        return;
    }
    parent.PaintBackgroundCopy(dc, !form);
}

} // namespace

void PaintParentBackground(TControl& control, TCanvas& canvas)
{
    TWinControl* parent = control.Parent();
    HDC dc = canvas.Handle();
    if (!parent || !dc)
        return;
    POINT org{0, 0};
    GetViewportOrgEx(dc, &org);
    {
        TSavedDC saved(dc);
        SetViewportOrgEx(dc, org.x - control.Left(), org.y - control.Top(), nullptr);
        TRect client = parent->ClientRect();
        IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
        PaintParentSurface(*parent, dc);
    }

    const TRect bounds = control.BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == &control)
            break;
        auto* graphic = dynamic_cast<TGraphicControl*>(sibling);
        if (!graphic || !sibling->Visible() || IntersectRect(sibling->BoundsRect(), bounds).IsEmpty())
            continue;
        TSavedDC saved(dc);
        SetViewportOrgEx(dc, org.x + sibling->Left() - control.Left(), org.y + sibling->Top() - control.Top(), nullptr);
        IntersectClipRect(dc, 0, 0, sibling->Width(), sibling->Height());
        graphic->PaintTo(dc);
    }
}

} // namespace vt
