// The frame of a skinned form composed off-screen: the four border pictures for the window's
// size, every object of the current state drawn onto the top or bottom one, the inactive effect
// applied after the objects so the buttons grey too. The window half blits the four pictures
// around the client; everything here is portable.
#pragma once

#include "form/caption_extras_layout.h"
#include "form/caption_text.h"
#include "form/frame_geometry.h"
#include "form/skin_object_list.h"
#include "raster/bitmap.h"

#include <functional>

namespace vt {

class ITextRenderer;
class TspSkinData;

// What the caption menu button's place and visibility read besides the frame: the form's caption
// extras (null: the form has none, and the button stays hidden) and whether it has a system menu.
struct TArrangeExtras {
    const TspCaptionExtras* Extras = nullptr;
    bool SystemMenu = true;
};

// Copies the objects into the geometry's arrange items, lays them out for the current size and
// copies the rectangles back; then the menu button takes its place after the caption buttons and
// shows when the extras' MenuButtonVisible says so.
std::vector<TArrangeItem> ArrangeItemsOf(const TspSkinObjects& objects);
void ArrangeFormObjects(TspFrameGeometry& geometry, TspSkinObjects& objects, const TArrangeExtras& extras = {});
TArrangeItem ArrangeItemOf(const TspActiveSkinObject& object);

// What the caption's text needs besides the objects.
struct TCaptionTextSources {
    std::wstring FormCaption;
    std::wstring MaximizedChildCaption;  // an MDI parent's maximized child, else empty
    TspCaptionFont DefaultFont;          // the engine's DefCaptionFont
    bool UseSkinFont = true;             // UseSkinFontInCaption
    // A renderer in font, or null (no text is drawn).
    std::function<ITextRenderer*(const TspCaptionFont&)> Renderer;
    // OnCaptionPaint: when set, it draws in place of the text (target, the caption's rectangle
    // on it, whether the form is active).
    std::function<void(TspBitmap&, const TRect&, bool)> CaptionPaint;
};

struct TFramePaintSources {
    const TspSkinData* Skin = nullptr;
    bool FormActive = true;
    TCaptionTextSources Caption;
    // The caption extras: null for a form without them (no menu button, quick buttons or tabs).
    // They are laid out on every paint, so their item rectangles follow the last frame. A null
    // ExtrasSkin counts as a skin without the extras' records. Of ExtrasFacts the form gives
    // ShowIcon and SystemMenu; the frame fills in the rest from itself (activity, non-client area,
    // modern skin, layered border, the client's top) and draws with Caption.Renderer when Renderer
    // is empty.
    TspCaptionExtras* Extras = nullptr;
    const TspCaptionExtrasSkin* ExtrasSkin = nullptr;
    TspCaptionExtrasFacts ExtrasFacts;
    // Draws the window icon into a small-icon rectangle (the icon-showing system button).
    std::function<void(TspBitmap&, const TRect&)> DrawIcon;
};

// The four pictures around the client: Top (full width, down to the client's top), Left and
// Right (beside the client), Bottom (full width, below the client).
struct TFramePictures {
    TspBitmap Top, Left, Right, Bottom;
};

// Composes the frame at the geometry's size (CalcRects and the object layout run first). False
// when nothing is to be painted: no skin frame, or a window below the minimum size. bare, when
// given, receives the pictures before any object was drawn on them (what a single object's
// redraw puts under it).
bool ComposeFrame(TspFrameGeometry& geometry, TspSkinObjects& objects, const TFramePaintSources& src,
                  TFramePictures& out, TFramePictures* bare = nullptr);

// The skin's inactive effect over a picture, and whether an inactive frame gets it.
void ApplyInactiveEffect(TspBitmap& picture, TspInActiveEffect effect);
bool GreysWhenInactive(const TFramePaintSources& src);

// Draws one object onto target with its top-left at origin, as on the frame image (update
// false: a look that is part of the frame picture is already there) or alone (update true).
void DrawObject(TspActiveSkinObject& object, const TspFrameGeometry& geometry, const TFramePaintSources& src,
                bool update, TspBitmap& target, TPoint origin);

} // namespace vt
