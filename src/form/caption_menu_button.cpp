#include "form/caption_menu_button.h"

#include "form/frame_paint.h"
#include "raster/caption.h"
#include "raster/compose.h"

#include <algorithm>

namespace vt {

TspSkinCaptionMenuButton::TspSkinCaptionMenuButton(TspSkinObjects* parent, const TspSkinData& skinData,
                                                   const TspDataSkinCaptionMenuButton& record)
    : TspSkinButtonObject(parent, skinData, record), FontName(record.FontName), FontStyle(record.FontStyle),
      FontHeight(record.FontHeight), FontColor(record.FontColor), ActiveFontColor(record.ActiveFontColor),
      DownFontColor(record.DownFontColor), InActiveFontColor(record.InActiveFontColor),
      LeftOffset(record.LeftOffset), RightOffset(record.RightOffset), TopPosition(record.TopPosition),
      ClRect(record.ClRect)
{
    auto copy = [](const std::unique_ptr<TspBitmap>& from) {
        std::unique_ptr<TspBitmap> to;
        if (from && !from->Empty()) {
            to = std::make_unique<TspBitmap>();
            to->Assign(*from);
        }
        return to;
    };
    FAlphaNormalImage = copy(record.FAlphaNormalImage);
    FAlphaActiveImage = copy(record.FAlphaActiveImage);
    FAlphaDownImage = copy(record.FAlphaDownImage);
    FAlphaInActiveImage = copy(record.FAlphaInActiveImage);
    Visible = false;
    SetObjectRect(ObjectRect);
}

void TspSkinCaptionMenuButton::SetObjectRect(const TRect& r)
{
    ObjectRect = r;
    FActiveMaskBuffer.reset();
    const TPixelView mask = ActiveMaskPicture ? ActiveMaskPicture->View() : TPixelView{};
    if (mask.Empty() || !BitmapSizeAllowed(r.Width(), mask.Height))
        return;
    FActiveMaskBuffer = std::make_unique<TspBitmap>();
    ComposeHorzBand(LeftOffset, RightOffset, *FActiveMaskBuffer, mask, mask.BoundsRect(), r.Width(), true);
}

bool TspSkinCaptionMenuButton::PtInObject(int X, int Y) const
{
    if (!HasSkin() || !ActiveMaskPicture)
        return true;
    if (!FActiveMaskBuffer)
        return false;
    const TspBitmap& m = *FActiveMaskBuffer;
    if (m.Empty() || X < 0 || Y < 0 || X >= m.Width() || Y >= m.Height())
        return false;
    return (m.GetPixel(X, Y) & 0x00FFFFFF) == 0;
}

TRect TspSkinCaptionMenuButton::ContentRect() const
{
    TRect r = ClRect;
    r.Right += ObjectRect.Width() - SkinRect.Width();
    return r;
}

TspMenuButtonPaint TspSkinCaptionMenuButton::Paint(const TspCaptionExtras& extras,
                                                   const TspFontRenderer& renderer) const
{
    TspMenuButtonPaint p;
    p.ImageEnabled = FormActive();
    TColor colour = InActiveFontColor;
    p.Image = TspExtraImage::InActive;
    if (FDown) {
        p.Image = TspExtraImage::Down;
        colour = DownFontColor;
    } else if (FMouseIn) {
        p.Image = TspExtraImage::Active;
        colour = ActiveFontColor;
    } else if (FormActive()) {
        p.Image = TspExtraImage::Normal;
        colour = FontColor;
    }
    p.Font = {FontName, FontHeight, FontStyle, colour};
    p.Content = ContentRect();
    const TCustomImageList* list = extras.MenuButtonImageList();
    const bool glyph = list && list->HasImage(extras.MenuButtonImageIndex());
    if (ITextRenderer* text = renderer ? renderer(p.Font) : nullptr)
        p.Box = PlaceGlyphAndText(*text, blGlyphLeft, p.Content, glyph ? list->Width() : 0,
                                  glyph ? list->Height() : 0, extras.MenuButtonCaption(), extras.MenuButtonMargin(),
                                  extras.MenuButtonSpacing(), false);
    return p;
}

TRect MenuButtonObjectRect(const TspFrameGeometry& g, bool systemMenu, const TRect& caption, int32_t width,
                           int32_t topPosition, int32_t height)
{
    // A width past any picture's size is cut to the largest a button can be drawn at.
    width = std::clamp(width, 0, MaxBitmapSide);
    const int32_t t = topPosition;
    if (!g.NewButtonsInLeft && g.IsModernSkin() && !systemMenu && caption.Left <= 2)
        return Rect(t, t, t + width + 5, t + height);
    return Rect(caption.Left + 5, t, caption.Left + width + 5, t + height);
}

void ArrangeCaptionMenuButton(const TspFrameGeometry& g, TspSkinObjects& objects, const TspCaptionExtras& extras,
                              bool systemMenu)
{
    TspSkinCaptionMenuButton* button = nullptr;
    TspActiveSkinObject* caption = nullptr;
    for (const auto& o : objects.ObjectList) {
        if (!button)
            button = dynamic_cast<TspSkinCaptionMenuButton*>(o.get());
        if (!caption && dynamic_cast<TspSkinCaptionObject*>(o.get()) && o->Visible &&
            g.IsObjectForState(ArrangeItemOf(*o)))
            caption = o.get();
    }
    if (!button)
        return;
    // Without the flow or a caption the button has no place, so it is not shown.
    const bool flow = !g.Form.FullLayeredBorder && g.Form.SupportNCArea &&
                      !(g.NewButtonsRect.IsEmpty() && g.NewCaptionRect.IsEmpty());
    if (!flow || !caption) {
        button->Visible = false;
        return;
    }
    button->Visible = extras.MenuButtonVisible();
    button->SetObjectRect(MenuButtonObjectRect(g, systemMenu, caption->ObjectRect, extras.MenuButtonWidth(),
                                               button->TopPosition, button->SkinRect.Height()));
    if (button->Visible)
        caption->ObjectRect.Left = button->ObjectRect.Right + 5;
}

} // namespace vt
