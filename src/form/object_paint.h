// Composing a form object's picture: the look it chose (copied and stretched from a skin
// picture, morphed between two looks, or the plain no-skin button), and for captions the
// background kept in its corner segments when stretched, and the text with its backdrop, light,
// shadow and effect. Portable: pictures are read in place from the container during the call,
// text goes through ITextRenderer.
#pragma once

#include "form/caption_text.h"
#include "form/skin_objects.h"
#include "raster/bitmap.h"

namespace vt {

class ITextRenderer;
class TspSkinData;

struct TObjectPaintSources {
    // The container the objects were made from; null or empty: nothing skinned is drawn.
    const TspSkinData* Skin = nullptr;
    bool FormActive = true;
    // The frame may stretch (caption backgrounds keep their corner segments when stretched).
    bool CanStretchFrame = false;
};

// The picture a look copies from, or null.
const TPixelImage* LookPicture(const TspObjectLook& look, const TspActiveSkinObject& object,
                               const TspSkinData* skin);

// Renders look at width x height into out (sized to it). False when the look draws nothing (no
// look, a missing picture, or the window icon, which the platform draws).
bool RenderLook(const TspObjectLook& look, const TspActiveSkinObject& object, const TspSkinData* skin,
                int32_t width, int32_t height, TspBitmap& out);

// A caption's background at its ObjectRect size: the look (the animation frame, the active or
// the normal look, morphed), its corner segments kept when the caption was stretched and the
// frame can stretch. False when the caption draws no background of its own.
bool RenderCaptionBackground(const TspSkinCaptionObject& caption, bool update, const TObjectPaintSources& src,
                             TspBitmap& out);

// Draws a planned caption text onto target (the plan's coordinates are target's): the backdrop
// from the caption's active picture, the light and shadow copies, then the text with its
// effect. text must use the plan's font.
void DrawCaptionText(const TspSkinCaptionObject& caption, const TspCaptionTextPlan& plan, const TspSkinData* skin,
                     ITextRenderer& text, TspBitmap& target);

} // namespace vt
