// Where the quick buttons and caption tabs go in a caption, laid out on every frame paint before
// the caption's text: the quick buttons' left and right groups, the divider, the tab group and how
// they narrow the text rectangle; what each item draws in its state; and the item rectangles the
// hit test keeps out of the caption's drag zone. Answers are rectangles and choices; the pictures
// are the records' (read in place while painting).
//
//   TspCaptionExtrasSkin   what the extras copy from the skin on every skin change
//   TspCaptionExtrasFacts  what the layout reads of the form
//   LayoutCaptionExtras    the item rectangles and the narrowed text rectangle
//   QuickButtonPaint, CaptionTabPaint   one item's look, colour and content places
//   CaptionItemRects       the rectangles that answer as objects, not as the caption
#pragma once

#include "form/caption_items.h"

#include <vector>

namespace vt {

class TspSkinData;

// The skin's "captiontab" object record (an index of -1: the skin has none, so the tabs are neither
// drawn nor clickable).
struct TspCaptionTabRecord {
    int32_t Index = -1;  // in the skin's object list: the caption's FTabDataIndex
    TRect SkinRect, ClRect;
    int32_t LeftOffset = 0, RightOffset = 0;
    int32_t TopPosition = 0;  // -1: the tabs stand on the client's top edge
    TspCaptionFont Font;      // colour unused: the state colours follow
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0;
};

// The quick buttons' looks: hot and down backgrounds from "officequickbutton", else
// "resizetoolbutton"; caption font and colours from "resizetoolbutton" only.
struct TspQuickButtonSkin {
    bool Background = false;  // a record with a picture
    int32_t Picture = -1;     // active picture index
    TRect ActiveSkinRect, DownSkinRect;
    TRect ClRect;             // corners of the composed background
    bool Captions = false;    // "resizetoolbutton" exists: captions are measured and drawn
    TspCaptionFont Font;
    TColor ActiveFontColor = 0, DownFontColor = 0;
};

struct TspCaptionExtrasSkin {
    TspCaptionTabRecord Tab;
    TspQuickButtonSkin Quick;
    // Everything empty for no container or an empty one.
    static TspCaptionExtrasSkin From(const TspSkinData* skinData);
};

struct TspCaptionExtrasFacts {
    bool NCArea = true;        // the form has a non-client area
    bool ShowIcon = false;
    bool SystemMenu = true;    // biSystemMenu in BorderIcons
    bool ModernSkin = false;   // IsModernSkin
    bool FormActive = true;
    bool FullLayeredBorder = false;
    // Where tabs of TopPosition -1 stand, and what other TopPositions count from (window
    // coordinates): the client's top edge and 0, or the layered border's.
    int32_t ClientTop = 0;
    int32_t TopOrigin = 0;
    TspFontRenderer Renderer;  // measures the quick-button and tab captions
};

// The caption's text rectangle after the extras, and the divider between them and the text.
struct TspCaptionLayout {
    TRect TextRect;         // object coordinates
    bool DrawText = true;   // false: centred tabs hide the caption's text
    bool Divider = false;
    TRect DividerSource;    // in the caption's active picture
    TPoint DividerAt;       // window coordinates
};

// Lays the quick buttons and tabs out in caption (its ObjectRect) and narrows textRect (object
// coordinates) for them: every item gets its ItemRect, empty when it is not shown, does not fit or
// cannot be used, and the caption its FTabDataIndex.
TspCaptionLayout LayoutCaptionExtras(TspSkinCaptionObject& caption, TRect textRect, TspCaptionExtras& extras,
                                     const TspCaptionExtrasSkin& skin, const TspCaptionExtrasFacts& facts);

// A quick button as drawn: the alpha variant (per-pixel alpha, its order background, arrow, caption,
// image) or the plain one (background, image, arrow, caption); the background look; the colour of
// the caption and the arrow; the image's top-left; the arrow's rectangle (plain: the small arrow's
// box; alpha: the 5 x 3 triangle's top-left in Left/Top); the caption's rectangle (empty: none).
enum class TspItemBackground : uint8_t { None, Active, Down };
struct TspQuickButtonPaint {
    bool Draw = false;  // visible, laid out, with an image
    bool Alpha = false;
    TspItemBackground Background = TspItemBackground::None;
    TColor Colour = 0;
    TPoint Image;
    bool Arrow = false;
    TRect ArrowRect;
    TRect CaptionRect;
};
TspQuickButtonPaint QuickButtonPaint(const TspQuickButtonItem& item, const TspSkinCaptionObject& caption,
                                     const TspCaptionExtras& extras, const TspCaptionExtrasSkin& skin,
                                     const TspCaptionExtrasFacts& facts);

// A caption tab as drawn: the record's state image composed to the tab's width, the record's font
// in the state colour, image and caption centred as a group in Content (tab coordinates).
struct TspCaptionTabPaint {
    TspExtraImage Image = TspExtraImage::Normal;
    TspCaptionFont Font;
    TRect Content;
    TGlyphTextBox Box;
};
TspCaptionTabPaint CaptionTabPaint(int index, const TspCaptionExtras& extras, const TspCaptionExtrasSkin& skin,
                                   const TspFontRenderer& renderer);

// Tabs are laid out, drawn and hit only with the skin's "captiontab" record (FTabDataIndex, set by
// the layout); quick buttons only with an image list.
bool CaptionTabsUsable(const TspSkinCaptionObject& caption, const TspCaptionExtras& extras);
bool QuickButtonsUsable(const TspCaptionExtras& extras);

// The ItemRects of the visible, usable tabs and quick buttons: the hit test answers them as
// objects, so the caption does not drag there.
std::vector<TRect> CaptionItemRects(const TspSkinCaptionObject& caption, const TspCaptionExtras& extras);

} // namespace vt
