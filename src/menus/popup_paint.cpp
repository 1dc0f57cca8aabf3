#include "menus/popup_paint.h"

#include "framework/base/menus.h"
#include "menus/popup_level.h"
#include "raster/caption.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "raster/image_list.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "skin/skin_records.h"

#include <algorithm>
#include <string_view>

namespace vt {
namespace {

// Hover colour of the default look.
constexpr TColor kDefaultActiveFill = 0xF3D4C1;

// A rectangle of a picture as a picture of its own, in place.
TPixelView SubView(TPixelView v, TRect r)
{
    r = IntersectRect(r, v.BoundsRect());
    if (r.IsEmpty() || v.Empty())
        return {};
    return { v.Row(r.Top) + r.Left, r.Width(), r.Height(), v.Stride };
}

void Fill(TspBitmap& b, const TRect& r, TColor colour)
{
    b.FillRect(r, ColorToPixel(colour, 255));
}

// Raw copy of a whole picture with its top-left at p (clipped to the target).
void Blit(TspBitmap& dst, TPoint p, const TspBitmap& src)
{
    if (!src.Empty())
        CopyRect(dst, Rect(p.X, p.Y, p.X + src.Width(), p.Y + src.Height()), src.View(),
            src.BoundsRect());
}

// Where the text, images and marks of an item go, in the item's own coordinates.
struct TContentPlace {
    TRect Text;
    int GlyphColumn = 16; // captions start this far right of Text.Left
    int RightMargin = 16; // caption and shortcut end this far left of Text.Right
    int ImageX = 0; // images beside the caption
    int MarkX = 0; // check marks, radio dots and window glyphs
    TRect ImageRect; // skin's image area; empty: beside the caption
};

TGlyphShapes SystemGlyph(std::wstring_view name, int x, int y)
{
    if (name == L"DSF_CLOSE" || name == L"TRAY_DSF_CLOSE")
        return CloseGlyph(x, y);
    if (name == L"DSF_MINITEM")
        return MinimizeGlyph(x, y);
    if (name == L"DSF_MAXITEM")
        return MaximizeGlyph(x, y);
    if (name == L"DSF_RESTORE" || name == L"TRAY_DSF_RESTORE")
        return RestoreGlyph(x, y);
    if (name == L"DSF_ROLLUP")
        return UpTriangle(x, y);
    if (name == L"DSF_MINTOTRAY")
        return FilledSquare(x, y);
    return {};
}

// The filled circle of a checked radio item in the 6 x 6 square at (x, y).
void RadioDot(TspBitmap& b, int x, int y, TColor colour)
{
    const TspColor c = ColorToPixel(colour, 255);
    for (int dy = 0; dy < 6; ++dy)
        for (int dx = 0; dx < 6; ++dx) {
            const double fx = dx - 2.5, fy = dy - 2.5;
            if (fx * fx + fy * fy <= 7.5 && b.BoundsRect().Contains(TPoint { x + dx, y + dy }))
                b.SetPixel(x + dx, y + dy, c);
        }
}

// The submenu mark of an item without an arrow picture: four lines narrowing to the right.
TGlyphShapes SubmenuArrow(int x, int y)
{
    TGlyphShapes s;
    for (int i = 0; i <= 3; ++i)
        s.push_back({ TGlyphShape::Line, { { x + i, y + i }, { x + i, y + 7 - i } }, false });
    return s;
}

class TLevelPainter {
public:
    TLevelPainter(const TspPopupLevel& level, const TMenuPaintSources& sources)
        : level_(level)
        , src_(sources)
    {
        const TspSkinData* sd = sources.Skin;
        if (!sd || sd->Empty)
            return;
        sd_ = sd;
        effects_ = sd->EnableSkinEffects();
        if (sd->PopupWindow) {
            framePic_ = MenuPicture(*sd, sd->PopupWindow->WindowPictureIndex);
            if (framePic_)
                pw_ = sd->PopupWindow.get();
        }
        mi_ = MenuItemRecord(*sd);
        if (mi_)
            itemPic_ = MenuPicture(*sd, mi_->ActivePictureIndex);
        if (sources.Text && sources.Text->FontHeight() % 2 != 0)
            fontShift_ = 1;
    }

    void Paint(TspBitmap& out)
    {
        PaintFrame(out);
        for (int i = 0; i < level_.Count(); ++i) {
            const TspSkinMenuItem& item = level_.Item(i);
            if (!item.Visible || !item.MenuItem || item.ObjectRect.IsEmpty())
                continue;
            TspBitmap b;
            if (mi_)
                DrawSkinItem(item, b);
            else
                DrawDefaultItem(item, b);
            Blit(out, { item.ObjectRect.Left, item.ObjectRect.Top }, b);
        }
        if (level_.Scroll)
            PaintMarkers(out);
    }

private:
    // --- frame ---------------------------------------------------------------------------------
    void PaintFrame(TspBitmap& out)
    {
        const int32_t W = level_.Width, H = level_.Height;
        if (pw_) {
            const TMenuLevelLook& look = level_.Look();
            const TFrameGeometry& g = look.Frame;
            const TFrameGeometry ng
                = ResizeFrameGeometry(g, look.FrameWidth, look.FrameHeight, W, H);
            const TFrameStretch s { pw_->LeftStretch, pw_->TopStretch, pw_->RightStretch,
                pw_->BottomStretch, pw_->StretchEffect, pw_->StretchType };
            // The items cover the client area unless scroll markers leave gaps.
            ComposeFramedPicture(g, ng, out, framePic_->View(), framePic_->View().BoundsRect(), W,
                H, level_.Scroll, s);
            // Items that show the frame through their normal look take it from a full picture.
            if (mi_ && mi_->InActiveTransparent)
                ComposeFramedPicture(g, ng, buffer_, framePic_->View(),
                    framePic_->View().BoundsRect(), W, H, true, s);
            return;
        }
        out.SetSize(W, H);
        Fill(out, Rect(0, 0, W, H), clWindow);
        DrawShapes(out, { { TGlyphShape::Rectangle, { { 0, 0 }, { W, H } }, false } }, clBtnShadow);
    }

    // --- skinned items -------------------------------------------------------------------------
    bool Animated() const { return effects_ && !mi_->AnimateSkinRect.IsEmpty(); }

    // Frame k (1-based) of the animation strip: stacked when taller than an item, else in a row.
    TRect AnimationFrame(int k) const
    {
        const TRect& a = mi_->AnimateSkinRect;
        const int n = mi_->FrameCount;
        if (a.Height() > mi_->SkinRect.Height()) {
            const int fh = a.Height() / n;
            return Rect(a.Left, a.Top + (k - 1) * fh, a.Right, a.Top + k * fh);
        }
        const int fw = a.Width() / n;
        return Rect(a.Left + (k - 1) * fw, a.Top, a.Left + k * fw, a.Bottom);
    }

    // The item background at width w (the source's height; the item's height when resized).
    // at: the item's top-left in the level.
    void Background(TspBitmap& b, bool active, int frame, int w, int h, TPoint at) const
    {
        TRect r = active ? mi_->ActiveSkinRect : mi_->SkinRect;
        bool stretch = active ? mi_->StretchEffect : mi_->InActiveStretchEffect;
        const bool animating = Animated() && frame > 0 && frame <= mi_->FrameCount;
        if (animating) {
            r = AnimationFrame(frame);
            stretch = mi_->StretchEffect;
        }
        if (!active && !animating && !buffer_.Empty()) {
            b.SetSize(w, h);
            CopyRect(b, Rect(0, 0, w, h), buffer_.View(), Rect(at.X, at.Y, at.X + w, at.Y + h));
        } else if (!itemPic_ || r.IsEmpty()) {
            b.SetSize(w, h);
            b.Clear(0);
        } else if (!level_.Look().UseSkinSize) {
            b.SetSize(w, h);
            b.Clear(0);
            const int sw = r.Width(), sh = r.Height();
            ComposeFramedPictureFromClient(b, itemPic_->View(), r,
                Rect(mi_->ItemLO, sh / 4, sw - mi_->ItemRO, sh - sh / 4), true);
        } else {
            ComposeHorzBand(mi_->ItemLO, mi_->ItemRO, b, itemPic_->View(), r, w, stretch);
        }
    }

    // The record's text rectangle for an item of w x h.
    TRect TextRect(int w, int h) const
    {
        TRect r = mi_->TextRct;
        r.Right = w + mi_->TextRct.Right - mi_->SkinRect.Width();
        if (!level_.Look().UseSkinSize)
            r.Bottom = h + mi_->TextRct.Bottom - mi_->SkinRect.Height();
        return r;
    }

    // An item whose menu item draws itself gets its background only.
    bool OwnerDrawn(const TspSkinMenuItem& item, TspBitmap& b, const TRect& textRect, bool active) const
    {
        if (!src_.DrawItem || !item.MenuItem->OnDrawItem)
            return false;
        src_.DrawItem(*item.MenuItem, b, textRect, active);
        return true;
    }

    void DrawSkinItem(const TspSkinMenuItem& item, TspBitmap& b) const
    {
        const int w = item.ObjectRect.Width(), h = item.ObjectRect.Height();
        const TPoint at { item.ObjectRect.Left, item.ObjectRect.Top };
        if (item.Kind == TMenuItemKind::mikSeparator) {
            if (itemPic_ && !mi_->DividerRect.IsEmpty())
                ComposeHorzBand(mi_->DividerLO, mi_->DividerRO, b, itemPic_->View(),
                    mi_->DividerRect, w, mi_->DividerStretchEffect);
            return;
        }
        const bool active = item.Active || item.Down;
        const double kf = item.MorphKf;
        const bool settled = active ? kf >= 1 : kf <= 0;
        bool morphed = false;
        if (pw_ && mi_->Morphing && effects_ && !settled) {
            TspBitmap normal, hot;
            Background(normal, false, item.CurrentFrame, w, h, at);
            Background(hot, true, item.CurrentFrame, w, h, at);
            if (!normal.Empty() && normal.Width() == hot.Width()
                && normal.Height() == hot.Height()) {
                TspEffectBmp e(normal.View());
                e.MorphByKind(static_cast<uint8_t>(mi_->MorphKind), TspEffectBmp(hot.View()), kf);
                e.ToBitmap(b);
                morphed = true;
            }
        }
        if (!morphed)
            Background(b, active, item.CurrentFrame, w, h, at);
        if (b.Empty())
            return;
        const TRect textRect = TextRect(w, h);
        if (OwnerDrawn(item, b, textRect, active))
            return;

        if (item.Kind == TMenuItemKind::mikHeader) {
            DrawHeader(item, b);
            return;
        }
        TContentPlace p;
        p.Text = textRect;
        p.ImageRect = mi_->ImageRct;
        p.GlyphColumn = !p.ImageRect.IsEmpty() ? 0 : src_.Images ? level_.GlyphWidth : 16;
        p.ImageX = p.MarkX = p.Text.Left + 2;
        const TColor colour = active ? mi_->ActiveFontColor
            : item.Enabled()         ? mi_->FontColor
                                     : mi_->UnEnabledFontColor;
        TColor glyphColour = colour;
        if (mi_->UseImageColor)
            glyphColour = active ? mi_->ActiveImageColor : mi_->ImageColor;
        DrawContent(item, b, p, colour, glyphColour, active);
    }

    // The header record's band, centred in the item, with the caption between the dashes.
    void DrawHeader(const TspSkinMenuItem& item, TspBitmap& b) const
    {
        const TspDataSkinCustomControl* rec = MenuHeaderRecord(*sd_);
        const TPixelImage* pic = rec ? MenuPicture(*sd_, rec->PictureIndex) : nullptr;
        if (!pic || rec->SkinRect.IsEmpty())
            return; // an empty item background
        const int w = b.Width();
        TspBitmap band;
        ComposeHorzBand(rec->LTPoint.X, rec->SkinRect.Width() - rec->RTPoint.X, band, pic->View(),
            rec->SkinRect, w, rec->StretchEffect);
        const String& c = item.MenuItem->Caption;
        ITextRenderer* text = src_.HeaderText ? src_.HeaderText : src_.Text;
        if (text && c.size() >= 2) {
            const auto* label = dynamic_cast<const TspDataSkinLabelControl*>(rec);
            TRect r = Rect(0, rec->ClRect.Top, w, band.Height()).Offset(0, -(text->FontHeight() % 2 != 0));
            text->DrawText(band, c.substr(1, c.size() - 2), r,
                dt::Center | dt::VCenter | dt::SingleLine, label ? label->FontColor : clBtnText);
        }
        Blit(b, { 0, (b.Height() - band.Height()) / 2 }, band);
    }

    // --- default look -------------------------------------------------------------------------
    void DrawDefaultItem(const TspSkinMenuItem& item, TspBitmap& b) const
    {
        const int w = item.ObjectRect.Width(), h = item.ObjectRect.Height();
        b.SetSize(w, h);
        if (b.Empty())
            return;
        const bool active = (item.Active || item.Down) && item.Kind != TMenuItemKind::mikSeparator;
        Fill(b, b.BoundsRect(), active ? kDefaultActiveFill : clWindow);
        if (item.Kind == TMenuItemKind::mikSeparator) {
            Fill(b, Rect(0, h / 2, w, h / 2 + 1), clBtnShadow);
            return;
        }
        const TColor colour = active || item.Enabled() ? clWindowText : clBtnShadow;
        const TRect inner = Rect(2, 2, w - 2, h - 2);
        if (OwnerDrawn(item, b, inner, active))
            return;
        if (item.Kind == TMenuItemKind::mikHeader) {
            const String& c = item.MenuItem->Caption;
            if (src_.Text && c.size() >= 2)
                src_.Text->DrawText(b, c.substr(1, c.size() - 2), inner.Offset(0, -fontShift_),
                    dt::Center | dt::VCenter | dt::SingleLine, colour);
            return;
        }
        TContentPlace p;
        p.Text = inner;
        p.GlyphColumn = src_.Images ? level_.GlyphWidth : 19;
        p.RightMargin = 19;
        p.ImageX = inner.Left + 2;
        p.MarkX = inner.Left + 5;
        DrawContent(item, b, p, colour, colour, active);
    }

    // --- text, images and marks ---------------------------------------------------------------
    // A skin picture rectangle centred in area (never left of or above it), its bottom-left
    // pixel's colour transparent.
    void DrawPicturePart(TspBitmap& b, const TRect& r, const TRect& area) const
    {
        const TPixelView v = itemPic_ ? SubView(itemPic_->View(), r) : TPixelView {};
        if (v.Empty())
            return;
        const int x = std::max(area.Left, area.Left + (area.Width() - v.Width) / 2);
        const int y = std::max(area.Top, area.Top + (area.Height() - v.Height) / 2);
        DrawGlyphFrame(b, x, y, 1, 1, v);
    }

    void DrawContent(const TspSkinMenuItem& item, TspBitmap& b, const TContentPlace& p,
        TColor colour, TColor glyphColour, bool active) const
    {
        const TMenuItem& mi = *item.MenuItem;
        const TRect& tr = p.Text;
        const int centreY = tr.Top + tr.Height() / 2;
        if (ITextRenderer* text = src_.Text) {
            TRect cr = text->Measure(mi.Caption,
                Rect(tr.Left + p.GlyphColumn, 0, tr.Right - p.RightMargin, 0),
                dt::CalcRect | dt::SingleLine);
            const int th = cr.Height();
            cr = Rect(cr.Left, centreY - th / 2, cr.Right + 2, centreY - th / 2 + th)
                     .Offset(0, -fontShift_);
            text->DrawText(b, mi.Caption, cr, dt::Center | dt::VCenter | dt::SingleLine, colour);
            if (mi.ShortCut != scNone) {
                const String s = ShortCutToText(mi.ShortCut);
                const int sw = text->Measure(s, TRect {}, dt::CalcRect | dt::SingleLine).Width();
                const int right = tr.Right - p.RightMargin;
                text->DrawText(b, s, Rect(right - sw, cr.Top, right, cr.Bottom),
                    dt::Right | dt::VCenter | dt::SingleLine, colour);
            }
        }
        if (item.HasChildren()) {
            const TRect arrow
                = mi_ ? (active ? mi_->ActiveArrowImageRect : mi_->ArrowImageRect) : TRect {};
            if (arrow.IsEmpty())
                DrawShapes(b, SubmenuArrow(tr.Right - 7, centreY - 4), colour);
            else
                DrawPicturePart(
                    b, arrow, Rect(tr.Right - arrow.Width() - 5, tr.Top, tr.Right, tr.Bottom));
        }

        const TRect& ir = p.ImageRect;
        const TRect imageArea = !ir.IsEmpty()
            ? ir
            : Rect(tr.Left, tr.Top, tr.Left + std::max(p.GlyphColumn, 16), tr.Bottom);
        int iw = 0, ih = 0;
        const bool ownImage = !mi.Bitmap.Empty();
        if (ownImage) {
            iw = mi.Bitmap.Width;
            ih = mi.Bitmap.Height;
        } else if (src_.Images && src_.Images->HasImage(mi.ImageIndex)) {
            iw = src_.Images->Width();
            ih = src_.Images->Height();
        }
        if (iw > 0 && ih > 0) {
            const int x = ir.IsEmpty() ? p.ImageX : ir.Left + (ir.Width() - iw) / 2;
            const int y
                = ir.IsEmpty() ? tr.Top + (tr.Height() - ih) / 2 : ir.Top + (ir.Height() - ih) / 2;
            if (ownImage) {
                TspBitmap image;
                image.Assign(mi.Bitmap);
                image.Draw(b, x, y);
            } else {
                src_.Images->Draw(b, x, y, mi.ImageIndex, mi.Enabled);
            }
            if (mi.Checked)
                DrawShapes(b,
                    { { TGlyphShape::Rectangle, { { x - 1, y - 1 }, { x + iw + 1, y + ih + 1 } },
                        false } },
                    glyphColour);
            return;
        }
        const int x = ir.IsEmpty() ? p.MarkX : ir.Left + ir.Width() / 2 - 4;
        const int y = (ir.IsEmpty() ? centreY : ir.Top + ir.Height() / 2) - 4;
        if (TGlyphShapes g = SystemGlyph(mi.Name(), x, y); !g.empty()) {
            DrawShapes(b, g, glyphColour);
            return;
        }
        if (!mi.Checked)
            return;
        if (mi.RadioItem) {
            const TRect r
                = mi_ ? (active ? mi_->ActiveRadioImageRect : mi_->RadioImageRect) : TRect {};
            if (r.IsEmpty())
                RadioDot(b, x, y + 1, glyphColour);
            else
                DrawPicturePart(b, r, imageArea);
        } else {
            const TRect r
                = mi_ ? (active ? mi_->ActiveCheckImageRect : mi_->CheckImageRect) : TRect {};
            if (r.IsEmpty())
                DrawShapes(b, CheckMark(x, y), glyphColour);
            else
                DrawPicturePart(b, r, imageArea);
        }
    }

    // --- scroll markers -----------------------------------------------------------------------
    // Fills r with the normal item background, repeated downwards (the default look's window
    // colour without an item record).
    void FillItemBackground(TspBitmap& out, const TRect& r) const
    {
        if (r.IsEmpty())
            return;
        if (!buffer_.Empty()) {
            CopyRect(out, r, buffer_.View(), r);
            return;
        }
        TspBitmap band;
        if (mi_ && itemPic_ && !mi_->SkinRect.IsEmpty())
            ComposeHorzBand(mi_->ItemLO, mi_->ItemRO, band, itemPic_->View(), mi_->SkinRect,
                r.Width(), mi_->StretchEffect);
        if (band.Empty()) {
            Fill(out, r, clWindow);
            return;
        }
        for (int y = r.Top; y < r.Bottom; y += band.Height()) {
            const int h = std::min(band.Height(), r.Bottom - y);
            CopyRect(out, Rect(r.Left, y, r.Right, y + h), band.View(), Rect(0, 0, r.Width(), h));
        }
    }

    void PaintMarkers(TspBitmap& out) const
    {
        const int W = level_.Width, H = level_.Height;
        const TRect up = pw_ ? level_.UpMarkerRect() : Rect(3, 3, W - 3, 13);
        const TRect down = pw_ ? level_.DownMarkerRect() : Rect(3, H - 10, W - 3, H - 3);
        const TColor hot = pw_ ? pw_->ScrollMarkerActiveColor : clBtnText;
        const TColor idle = pw_ ? pw_->ScrollMarkerColor : clBtnShadow;
        FillItemBackground(out, up);
        FillItemBackground(out, down);
        int lastBottom = up.Bottom;
        for (int i = 0; i < level_.Count(); ++i)
            if (level_.Item(i).Visible)
                lastBottom = std::max(lastBottom, level_.Item(i).ObjectRect.Bottom);
        FillItemBackground(out, Rect(up.Left, lastBottom, up.Right, down.Top));
        DrawShapes(out, Arrow(up, 3), level_.ScrollCode == 1 ? hot : idle);
        DrawShapes(out, Arrow(down, 4), level_.ScrollCode == 2 ? hot : idle);
    }

    const TspPopupLevel& level_;
    const TMenuPaintSources& src_;
    const TspSkinData* sd_ = nullptr;
    const TspDataSkinPopupWindow* pw_ = nullptr;
    const TPixelImage* framePic_ = nullptr;
    const TspDataSkinMenuItem* mi_ = nullptr;
    const TPixelImage* itemPic_ = nullptr;
    TspBitmap buffer_; // the frame with its client area, for InActiveTransparent items
    bool effects_ = false;
    int fontShift_ = 0; // odd font heights draw single lines one pixel higher
};

} // namespace

void PaintPopupLevel(const TspPopupLevel& level, const TMenuPaintSources& sources, TspBitmap& out)
{
    if (level.Width <= 0 || level.Height <= 0)
        return;
    TLevelPainter(level, sources).Paint(out);
}

} // namespace vt
