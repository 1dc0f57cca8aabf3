#include "form/caption_extras_paint.h"

#include "form/object_paint.h"
#include "raster/caption.h"
#include "raster/compose.h"
#include "raster/png_list.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"

namespace vt {

namespace {

// How buttons draw a caption beside their image: centred, word-wrapped, "&" marking the letter.
constexpr uint32_t kButtonTextFormat = dt::Center | dt::VCenter | dt::WordBreak | dt::ExpandTabs;
constexpr uint32_t kLineFormat = dt::SingleLine | dt::VCenter;

bool HasSkin(const TspExtrasPaintSources& src) { return src.Skin && !src.Skin->Empty && src.Extras; }

// The menu button's and the records' prepared state images go by the same names.
template <class T> const TspBitmap* StateImage(const T& from, TspExtraImage which)
{
    const std::unique_ptr<TspBitmap>* image = nullptr;
    switch (which) {
    case TspExtraImage::Normal: image = &from.FAlphaNormalImage; break;
    case TspExtraImage::Active: image = &from.FAlphaActiveImage; break;
    case TspExtraImage::Down: image = &from.FAlphaDownImage; break;
    case TspExtraImage::InActive: image = &from.FAlphaInActiveImage; break;
    }
    return image && *image && !(*image)->Empty() ? image->get() : nullptr;
}

// A state image stretched to width with its end columns kept, then the image and caption placed
// in it, keeping the picture's alpha.
bool RenderStatePicture(const TspBitmap* image, int32_t leftFixed, int32_t rightFixed, int32_t width,
                        const TspFontRenderer& renderer, const TspCaptionFont& font, const TGlyphTextBox& box,
                        const std::wstring& caption, const TCustomImageList* list, int imageIndex, bool enabled,
                        TspBitmap& out)
{
    if (!image || width <= 0)
        return false;
    ComposeHorzBand(leftFixed, rightFixed, out, image->View(), image->BoundsRect(), width, true);
    if (out.Empty())
        return false;
    // Without a renderer nothing was measured, so neither image nor caption has a place.
    ITextRenderer* text = renderer ? renderer(font) : nullptr;
    if (!text)
        return true;
    if (!caption.empty())
        DrawTextKeepAlpha(*text, out, caption, box.TextRect, kButtonTextFormat, font.Colour);
    DrawPngListImage(list, imageIndex, out, box.Place.GlyphX, box.Place.GlyphY, enabled);
    return true;
}

// --- quick buttons -------------------------------------------------------------------------------

// The hot or down look composed to size x, corners from the record's client rectangle; with a mask
// the mask is composed the same way and gives the look its (premultiplied) alpha, else it is opaque.
bool RenderQuickButtonBackground(const TspQuickButtonPaint& p, TPoint size, const TPixelImage* mask,
                                 const TspExtrasPaintSources& src, TspBitmap& out)
{
    const TspQuickButtonSkin& q = src.ExtrasSkin->Quick;
    if (p.Background == TspItemBackground::None || !q.Background)
        return false;
    const TPixelImage* look = SkinActivePicture(*src.Skin, q.Picture);
    const TRect rect = p.Background == TspItemBackground::Down ? q.DownSkinRect : q.ActiveSkinRect;
    if (!look || rect.IsEmpty() || !BitmapSizeAllowed(size.X, size.Y))
        return false;
    out.SetSize(size.X, size.Y);
    ComposeFramedPictureFromClient(out, look->View(), rect, q.ClRect, true);
    out.SetAlpha(255);
    if (mask) {
        TRect cl = q.ClRect;
        cl.Right += mask->Width - rect.Width();
        cl.Bottom += mask->Height - rect.Height();
        TspBitmap m;
        m.SetSize(size.X, size.Y);
        ComposeFramedPictureFromClient(m, mask->View(), mask->View().BoundsRect(), cl, true);
        AlphaFromMaskPremultiplied(out, m.View());
    }
    return true;
}

// The drop arrow of the alpha variant: a 5 x 3 triangle pointing down with soft corners.
void DrawAlphaArrow(TspBitmap& target, TPoint at, TColor colour)
{
    static constexpr uint8_t kAlpha[3][5] = {{255, 255, 255, 255, 255}, {40, 255, 255, 255, 40}, {0, 40, 255, 40, 0}};
    TspBitmap arrow;
    arrow.SetSize(5, 3);
    const TspColor c = ColorToPixel(colour, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            arrow.SetPixel(x, y, c | (TspColor(kAlpha[y][x]) << 24));
    arrow.CheckRGBA2();
    BlendPremultiplied(target, at, arrow.View());
}

void DrawQuickButton(const TspQuickButtonItem& item, const TspSkinCaptionObject& caption,
                     const TspExtrasPaintSources& src, TspBitmap& target, TPoint shift)
{
    const TspQuickButtonPaint p = QuickButtonPaint(item, caption, *src.Extras, *src.ExtrasSkin, src.Facts);
    if (!p.Draw)
        return;
    const TRect r = item.ItemRect.Offset(shift.X, shift.Y);
    const TCustomImageList* images = src.Extras->QuickImageList();
    const TPoint image = {p.Image.X + shift.X, p.Image.Y + shift.Y};
    const TPixelImage* mask =
        p.Alpha ? SkinActivePicture(*src.Skin, caption.QuickButtonAlphaMaskPictureIndex) : nullptr;

    TspBitmap background;
    if (RenderQuickButtonBackground(p, {r.Width(), r.Height()}, mask, src, background))
        BlendPremultiplied(target, {r.Left, r.Top}, background.View());
    if (!p.Alpha)
        images->Draw(target, image.X, image.Y, item.ImageIndex(), item.Enabled());
    if (p.Arrow) {
        const TRect a = p.ArrowRect.Offset(shift.X, shift.Y);
        if (p.Alpha)
            DrawAlphaArrow(target, {a.Left, a.Top}, p.Colour);
        else
            DrawShapes(target, SmallArrow(a, 4), p.Colour);
    }
    TspCaptionFont font = src.ExtrasSkin->Quick.Font;
    font.Colour = p.Colour;
    ITextRenderer* text = !p.CaptionRect.IsEmpty() && src.Facts.Renderer ? src.Facts.Renderer(font) : nullptr;
    if (text) {
        const TRect c = p.CaptionRect.Offset(shift.X, shift.Y);
        if (p.Alpha) {
            // Centred on its measured height, one pixel higher, and opaque on the blended look.
            const int th = text->Measure(item.Caption(), TRect{}, kLineFormat | dt::CalcRect).Height();
            const int y = c.Top + c.Height() / 2 - th / 2 - 1;
            DrawTextKeepAlpha(*text, target, item.Caption(), Rect(c.Left, y, c.Right, y + th), kLineFormat, p.Colour);
        } else {
            // An odd-height font sits a pixel low in a centred line: move the box up.
            const TRect line = text->FontHeight() % 2 != 0 ? Rect(c.Left, c.Top - 1, c.Right, c.Bottom) : c;
            text->DrawText(target, item.Caption(), line, kLineFormat, p.Colour);
        }
    }
    if (p.Alpha)
        DrawPngListImage(images, item.ImageIndex(), target, image.X, image.Y, item.Enabled());
}

// The divider from the caption's active picture, its transparent colour left out when it has one.
void DrawDivider(const TspSkinCaptionObject& caption, const TspCaptionLayout& layout,
                 const TspExtrasPaintSources& src, TspBitmap& target, TPoint shift)
{
    const TPixelImage* pic = SkinActivePicture(*src.Skin, caption.ActivePictureIndex);
    const TRect s = layout.DividerSource;
    if (!pic || s.IsEmpty())
        return;
    TspBitmap piece;
    piece.SetSize(s.Width(), s.Height());
    CopyRect(piece, piece.BoundsRect(), pic->View(), s);
    piece.SetAlpha(255);
    if (caption.DividerTransparent) {
        const TspColor key = ColorToPixel(caption.DividerTransparentColor, 255);
        for (int y = 0; y < piece.Height(); ++y)
            for (int x = 0; x < piece.Width(); ++x)
                if (piece.GetPixel(x, y) == key)
                    piece.SetPixel(x, y, 0);
    }
    BlendPremultiplied(target, {layout.DividerAt.X + shift.X, layout.DividerAt.Y + shift.Y}, piece.View());
}

} // namespace

bool RenderCaptionMenuButton(const TspSkinCaptionMenuButton& button, const TspExtrasPaintSources& src,
                             TspBitmap& out)
{
    if (!HasSkin(src))
        return false;
    const TspCaptionExtras& e = *src.Extras;
    const TspMenuButtonPaint p = button.Paint(e, src.Facts.Renderer);
    return RenderStatePicture(StateImage(button, p.Image), button.LeftOffset, button.RightOffset,
                              button.ObjectRect.Width(), src.Facts.Renderer, p.Font, p.Box, e.MenuButtonCaption(),
                              e.MenuButtonImageList(), e.MenuButtonImageIndex(), p.ImageEnabled, out);
}

bool RenderCaptionTab(int index, const TspExtrasPaintSources& src, TspBitmap& out)
{
    if (!HasSkin(src) || !src.ExtrasSkin || index < 0 || index >= src.Extras->CaptionTabs.Count())
        return false;
    const TspCaptionTabRecord& r = src.ExtrasSkin->Tab;
    if (r.Index < 0 || static_cast<size_t>(r.Index) >= src.Skin->ObjectList.size())
        return false;
    const auto* record =
        dynamic_cast<const TspDataSkinCaptionTab*>(src.Skin->ObjectList[static_cast<size_t>(r.Index)].get());
    if (!record)
        return false;
    const TspCaptionTab& tab = *src.Extras->CaptionTabs.Items(index);
    const TspCaptionTabPaint p = CaptionTabPaint(index, *src.Extras, *src.ExtrasSkin, src.Facts.Renderer);
    return RenderStatePicture(StateImage(*record, p.Image), r.LeftOffset, r.RightOffset, tab.ItemRect.Width(),
                              src.Facts.Renderer, p.Font, p.Box, tab.Caption(), src.Extras->CaptionTabsImageList(),
                              tab.ImageIndex(), true, out);
}

void DrawCaptionExtras(const TspSkinCaptionObject& caption, const TspCaptionLayout& layout,
                       const TspExtrasPaintSources& src, TspBitmap& target, TPoint origin)
{
    if (!HasSkin(src) || !src.ExtrasSkin || target.Empty())
        return;
    const TspCaptionExtras& e = *src.Extras;
    const TPoint shift = {origin.X - caption.ObjectRect.Left, origin.Y - caption.ObjectRect.Top};
    if (src.Facts.NCArea && QuickButtonsUsable(e)) {
        for (int i = 0; i < e.QuickButtons.Count(); ++i)
            DrawQuickButton(*e.QuickButtons.Items(i), caption, src, target, shift);
        if (layout.Divider)
            DrawDivider(caption, layout, src, target, shift);
    }
    if (!CaptionTabsUsable(caption, e))
        return;
    for (int i = 0; i < e.CaptionTabs.Count(); ++i) {
        const TspCaptionTab& tab = *e.CaptionTabs.Items(i);
        TspBitmap picture;
        if (tab.Visible() && !tab.ItemRect.IsEmpty() && RenderCaptionTab(i, src, picture))
            BlendPremultiplied(target, {tab.ItemRect.Left + shift.X, tab.ItemRect.Top + shift.Y}, picture.View());
    }
}

} // namespace vt
