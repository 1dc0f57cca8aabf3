// The caption menu button: an image, a caption and a drop-down menu at the left of a skinned
// form's caption, made from the skin's caption-menu-button record. Here are its object, its place
// in the caption (the last step of the caption-button flow), its point test over the active mask
// stretched to its width, and what it draws in each state, as data.
//
//   TspSkinCaptionMenuButton   the object
//   MenuButtonObjectRect       where the button goes for a caption rectangle
//   ArrangeCaptionMenuButton   places the form's button and moves the caption past it
//   TspMenuButtonPaint         the state image, text colour, content box and glyph placement
#pragma once

#include "form/caption_items.h"
#include "form/frame_geometry.h"
#include "form/skin_object_list.h"

#include <memory>

namespace vt {

// What the menu button draws: the state image (composed to the button's width with the record's
// offsets fixed), the caption font in the state colour, and glyph and caption inside Content
// (button coordinates). The image is drawn disabled while the form is inactive.
struct TspMenuButtonPaint {
    TspExtraImage Image = TspExtraImage::Normal;
    TspCaptionFont Font;
    TRect Content;
    TGlyphTextBox Box;
    bool ImageEnabled = true;
};

class TspSkinCaptionMenuButton : public TspSkinButtonObject {
public:
    // Starts invisible: the form shows it when its MenuButtonVisible is set.
    TspSkinCaptionMenuButton(TspSkinObjects* parent, const TspSkinData& skinData,
                             const TspDataSkinCaptionMenuButton& record);

    String FontName;
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, InActiveFontColor = 0;
    // Fixed end widths of its picture when it is stretched.
    int32_t LeftOffset = 0, RightOffset = 0;
    int32_t TopPosition = 0;  // window coordinates
    TRect ClRect;             // content rectangle inside the picture
    // The active mask stretched to the current width (none without an active mask).
    std::unique_ptr<TspBitmap> FActiveMaskBuffer;
    // The record's per-pixel-alpha state images (premultiplied), copied at creation; null where
    // the record has none, and then that state draws nothing.
    std::unique_ptr<TspBitmap> FAlphaNormalImage, FAlphaActiveImage, FAlphaDownImage, FAlphaInActiveImage;

    // Moves the button and stretches the active mask to the new width.
    void SetObjectRect(const TRect& r);
    // Inside the stretched mask's black pixels; every point without an active mask.
    bool PtInObject(int X, int Y) const override;
    // It draws its own alpha images (Paint), never a look of the frame picture, and never morphs.
    TspObjectLook Look(bool) const override { return {}; }
    bool CanMorphing() const override { return false; }

    // ClRect with its right edge moved by the width the button gained over its picture.
    TRect ContentRect() const;
    TspMenuButtonPaint Paint(const TspCaptionExtras& extras, const TspFontRenderer& renderer) const;
};

// The menu button's ObjectRect: from caption.Left + 5, width wide, from topPosition down height;
// a modern skin with the buttons on the right, no system menu and a caption at the window's left
// edge puts it at (topPosition, topPosition), width + 5 wide.
TRect MenuButtonObjectRect(const TspFrameGeometry& g, bool systemMenu, const TRect& caption, int32_t width,
                           int32_t topPosition, int32_t height);

// After the caption buttons' flow (ArrangeFormObjects): the form's menu button takes its place
// and shows when extras say so, and a visible one moves the caption's left edge 5 pixels past it.
// When the flow did not run (a full layered border, no non-client area, no band) or there is no
// caption, the button is hidden.
void ArrangeCaptionMenuButton(const TspFrameGeometry& g, TspSkinObjects& objects, const TspCaptionExtras& extras,
                              bool systemMenu);

} // namespace vt
