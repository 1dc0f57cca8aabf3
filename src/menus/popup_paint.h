// Painting one popup menu level into pixels: the frame, every visible item in its current state
// (morph factor and animation frame as the level holds them) and the scroll markers. The popup
// window blits the result; the routine itself is portable.
#pragma once

#include "raster/bitmap.h"

#include <functional>

namespace vt {

class ITextRenderer;
class TCustomImageList;
class TMenuItem;
class TspPopupLevel;
class TspSkinData;

struct TMenuPaintSources {
    // Null or empty: the default look. Its pictures are read in place during the call only.
    const TspSkinData* Skin = nullptr;
    // Null: nothing is written (the level still paints its pictures and glyphs).
    ITextRenderer* Text = nullptr;
    // The header items' font; null: Text.
    ITextRenderer* HeaderText = nullptr;
    // Draws an item whose menu item has an OnDrawItem handler, over its background, in place of
    // everything else (the item's picture, the text rectangle in it, whether it is active).
    // Null: such items are drawn as any other.
    std::function<void(const TMenuItem&, TspBitmap&, const TRect&, bool)> DrawItem;
    // The menu's image list, for items without a bitmap of their own.
    const TCustomImageList* Images = nullptr;
};

// Paints the whole level into out, sized to the level's Width x Height.
void PaintPopupLevel(const TspPopupLevel& level, const TMenuPaintSources& sources, TspBitmap& out);

} // namespace vt
