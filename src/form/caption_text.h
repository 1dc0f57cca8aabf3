// Where and how a caption object's text goes: the font, the text rectangle, the shortened text
// and its position, the backdrop behind it and the light, shadow and effect copies, as data the
// frame painter draws. Text is measured through ITextRenderer (the caller selects the font the
// plan names).
#pragma once

#include "form/skin_objects.h"
#include "raster/caption.h"

#include <string>

namespace vt {

struct TspCaptionFont {
    String Name;
    int32_t Height = 0;
    TFontStyles Style = 0;
    TColor Colour = 0;
    friend bool operator==(const TspCaptionFont&, const TspCaptionFont&) = default;
};

// Which of the text effects applies: reflection, else halo, else glow, else plain.
enum class TspCaptionEffect : uint8_t { Plain, Reflection, Halo, Glow };

struct TspCaptionTextInput {
    std::wstring Text;           // from CaptionText
    bool FormActive = true;
    bool UseSkinFont = true;     // the form's UseSkinFontInCaption
    TspCaptionFont DefaultFont;  // the form's DefCaptionFont (its colour is not used)
    bool QuickButtons = false;   // quick buttons shown with a non-client area: always centred
    TPoint Origin;               // the object's top-left on the frame image, else (0, 0)
    int32_t ButtonsOffset = 0;   // the skin's, for a full-width backdrop
};

struct TspCaptionTextPlan {
    bool Draw = false;           // false: no text and no backdrop
    TspCaptionFont Font;
    std::wstring Text;           // shortened to the rectangle's width
    TRect TextRect;              // where the measured text sits (x, y, x + width, y + height)
    bool Backdrop = false;
    TRect BackdropSource;        // ActiveFrameRect or FrameRect
    TRect BackdropDest;          // the backdrop stretched horizontally, ends kept
    bool Light = false, Shadow = false;
    TColor LightColour = 0, ShadowColour = 0;  // drawn one pixel up-left and down-right
    TspCaptionEffect Effect = TspCaptionEffect::Plain;
    TColor EffectColour = 0;
    int32_t GlowSize = 0, EffectOffset = 0;
};

// The text the caption shows: the form's caption (with " - [child]" for an MDI parent with a
// maximized child), or the object's own text without a non-client area unless it is the default
// caption.
std::wstring CaptionText(const TspSkinCaptionObject& caption, const std::wstring& formCaption, bool nonClientArea,
                         const std::wstring& maximizedChildCaption = {});
TspCaptionFont CaptionFont(const TspSkinCaptionObject& caption, const TspCaptionTextInput& in);
// The text rectangle in object coordinates: TextRct grown with the object, then moved into the
// backdrop. Callers narrow it for quick buttons, the divider and tabs before planning.
TRect CaptionTextRect(const TspSkinCaptionObject& caption);
TspCaptionTextPlan PlanCaptionText(const TspSkinCaptionObject& caption, const TRect& textRect,
                                   const TspCaptionTextInput& in, ITextRenderer& renderer);

} // namespace vt
