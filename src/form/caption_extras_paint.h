// Drawing the caption extras from the skin: the menu button's state picture with its image and
// caption, the quick buttons in their plain or per-pixel-alpha variant, the divider and the
// caption tabs, at the places the layout gave them. Pictures and records are read in place from
// the container during the call; text goes through ITextRenderer.
//
//   TspExtrasPaintSources      what the drawing reads
//   RenderCaptionMenuButton    the menu button's premultiplied picture at its width
//   RenderCaptionTab           one tab's premultiplied picture at its width
//   DrawCaptionExtras          quick buttons, divider and tabs onto the caption's surface
#pragma once

#include "form/caption_extras_layout.h"
#include "form/caption_menu_button.h"
#include "raster/bitmap.h"

namespace vt {

class TspSkinData;

struct TspExtrasPaintSources {
    const TspSkinData* Skin = nullptr;  // null or empty: nothing skinned is drawn
    const TspCaptionExtras* Extras = nullptr;
    const TspCaptionExtrasSkin* ExtrasSkin = nullptr;
    TspCaptionExtrasFacts Facts;  // its Renderer draws the captions
};

// The menu button's state image composed to its ObjectRect width (the record's end columns kept),
// with its image and caption: a premultiplied picture to blend at ObjectRect. False when it draws
// nothing (no width, no extras, or no image for the state).
bool RenderCaptionMenuButton(const TspSkinCaptionMenuButton& button, const TspExtrasPaintSources& src,
                             TspBitmap& out);

// Tab index of the extras as laid out, the same way from the "captiontab" record's state images.
bool RenderCaptionTab(int index, const TspExtrasPaintSources& src, TspBitmap& out);

// Draws what LayoutCaptionExtras laid out onto target, where origin is the caption's top-left:
// the quick buttons (each in its variant's order), the divider, then the tabs.
void DrawCaptionExtras(const TspSkinCaptionObject& caption, const TspCaptionLayout& layout,
                       const TspExtrasPaintSources& src, TspBitmap& target, TPoint origin);

} // namespace vt
