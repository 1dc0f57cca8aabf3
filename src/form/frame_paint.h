// The frame of a skinned form composed off-screen: the four border pictures for the window's
// size, every object of the current state drawn onto the top or bottom one, the inactive effect
// applied after the objects so the buttons grey too. The window half blits the four pictures
// around the client; everything here is portable.
#pragma once

#include "form/caption_text.h"
#include "form/frame_geometry.h"
#include "form/skin_object_list.h"
#include "raster/bitmap.h"

#include <functional>

namespace vt {

class ITextRenderer;
class TspSkinData;

// Copies the objects into the geometry's arrange items, lays them out for the current size and
// copies the rectangles back.
std::vector<TArrangeItem> ArrangeItemsOf(const TspSkinObjects& objects);
void ArrangeFormObjects(TspFrameGeometry& geometry, TspSkinObjects& objects);
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
