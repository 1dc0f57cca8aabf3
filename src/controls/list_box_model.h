// The skinned list box's portable half: what it copies from its record, where the native list and
// the skinned bars go, the height that shows a given number of items, when each bar is needed and
// with which range, the tab stops of item text, the state and look of every item the list paints
// itself. The window class feeds it sizes and the native list's answers and carries out the
// decisions.
//
//   TListBoxLook / CopyListBoxLook            the record copy with its fall-backs
//   ListBoxItemHeight / BarSkinOf             the item height and the bars' skins after a change
//   ListBoxClientRect / LayoutListBox         the list and bar rectangles
//   CalcListBoxHeight                         the height showing n items
//   DecideVertBar / DecideColumnBar / DecideHorzBar   the scroll-bar synchronisation
//   ListBoxTabStops / TabbedTextOrigin        tabbed item text
//   VisibleItems / ListItemState              the list's own paint
//   ChooseSkinItemLook / ChooseDefaultItemLook / ItemImageIndex   an item's look
//   WheelStep                                 the wheel's extra step
#pragma once

#include "framework/base/strings.h"
#include "framework/base/types.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vt {

class TspDataSkinListBox;

// Owner-draw state bits as the platform reports them.
inline constexpr uint32_t kItemSelected = 1;
inline constexpr uint32_t kItemFocused = 16;

// What the list box copies from its record at every skin change.
struct TListBoxLook {
    TRect SkinRect, ClRect;
    bool StretchEffect = false;
    TRect SItemRect, ActiveItemRect, FocusItemRect;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    String FontName;
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0;
    TRect CaptionRect;
    String CaptionFontName;
    TFontStyles CaptionFontStyle = 0;
    int32_t CaptionFontHeight = 0;
    TColor CaptionFontColor = 0;
    // Caption buttons 0 up, 1 down, 2 check: normal, hover and pressed pictures.
    struct TButtonLook {
        TRect Normal, Active, Down;
    };
    TButtonLook Buttons[3];
    String VScrollBarName, HScrollBarName, BothScrollBarName;
    bool ShowFocus = false;
    TRect DisabledButtonsRect, ButtonsArea;
};

// Empty active and focus item rectangles fall back to the normal one, an empty pressed caption
// button to its hover picture.
TListBoxLook CopyListBoxLook(const TspDataSkinListBox& r);

// The native list's item height: the record's item rectangle when there is one and the skin's
// height is wanted, else the default.
int32_t ListBoxItemHeight(const TListBoxLook* look, bool useSkinItemHeight, int32_t defaultItemHeight);

// The skin a bar takes: the record's bar name, or without a record none; a horizontal bar beside
// a vertical one without a record draws its own corner marker.
struct TBarSkin {
    String SkinDataName;
    bool Both = false;
    int32_t BothMarkerWidth = 0;
    friend bool operator==(const TBarSkin&, const TBarSkin&) = default;
};
enum class TListBar : uint8_t { Vertical, HorizontalAlone, HorizontalBesideVertical };
TBarSkin BarSkinOf(const TListBoxLook* look, TListBar bar);

// The record's client rectangle at the control's size.
TRect ListBoxClientRect(const TListBoxLook& look, int32_t width, int32_t height);

struct TListBoxLayoutInput {
    int32_t Width = 0, Height = 0;
    const TListBoxLook* Look = nullptr;   // null: no record
    bool CaptionMode = false;
    int32_t DefaultCaptionHeight = 20;
    bool Columns = false;
    // The bars that exist and are visible, with their own sizes (a skinned bar keeps its record's
    // thickness).
    bool HorzBar = false;
    int32_t HorzBarHeight = 0;
    // The vertical bar, or with columns the bar along the bottom.
    bool VertBar = false;
    int32_t VertBarWidth = 0;
    int32_t ColumnBarHeight = 0;
};
struct TListBoxLayout {
    int32_t CaptionHeight = 0;
    TRect ClientRect;                 // NewClRect; with a record only
    std::optional<TRect> HorzBar;
    std::optional<TRect> VertBar;     // with columns: the bottom bar
    TRect List;
};
TListBoxLayout LayoutListBox(const TListBoxLayoutInput& in);

struct TListBoxHeightInput {
    int32_t Count = 0, ItemHeight = 0;
    const TListBoxLook* Look = nullptr;
    bool CaptionMode = false;
    int32_t DefaultCaptionHeight = 20;
    bool HorzBar = false;              // a horizontal bar exists
    int32_t HorzBarHeight = 0;
};
// v clamped to the 32-bit range: sums of sizes saturate instead of overflowing.
int32_t Saturated(int64_t v);

// The control height that shows Count items; saturates instead of overflowing.
int32_t CalcListBoxHeight(const TListBoxHeightInput& in);

// A bar's range as SetRange takes it, and LargeChange when the decision sets it (0: left alone).
struct TBarSetting {
    int32_t Min = 0, Max = 0, Page = 0, Position = 0;
    int32_t SmallChange = 0, LargeChange = 0;
    friend bool operator==(const TBarSetting&, const TBarSetting&) = default;
};
// Shown: the bar is made when missing and set; otherwise a visible one is freed. Kept: nothing
// changes (the update is suspended).
enum class TBarAction : uint8_t { Show, Hide, Keep };
struct TBarDecision {
    TBarAction Action = TBarAction::Hide;
    TBarSetting Setting;
};

// The native list's scroll state along one direction.
struct TNativeScroll {
    int32_t Min = 0, Max = 0, Position = 0;
};

struct TVertBarInput {
    TNativeScroll Native;
    int32_t RowCount = 0, ItemCount = 0;
    int32_t ListHeight = 0, ItemHeight = 0;
};
TBarDecision DecideVertBar(const TVertBarInput& in);

struct TColumnBarInput {
    TNativeScroll Native;   // the horizontal one
    int32_t Columns = 0, ItemCount = 0;
    int32_t ListHeight = 0, ItemHeight = 0;
};
TBarDecision DecideColumnBar(const TColumnBarInput& in);

struct THorzBarInput {
    bool HorizontalExtent = false;
    bool Suspended = false;
    int32_t WidestText = 0;      // AMax
    int32_t ListWidth = 0;
    const TListBoxLook* Look = nullptr;
    int32_t ImageWidth = -1;     // -1: no images
    int32_t Position = 0;        // the bar's current position
    int32_t DigitWidth = 0;      // the width of "0": the bar's steps
};
TBarDecision DecideHorzBar(const THorzBarInput& in);

// Tab stop positions from the first 10 entries: digits-only entries as numbers (saturating at the
// largest 32-bit value), any other entry 0.
std::vector<int32_t> ListBoxTabStops(const std::vector<String>& tabWidths);
// Where tabbed text starts in r: 2 + offset in, vertically centred, one pixel higher for an odd
// font height.
TPoint TabbedTextOrigin(const TRect& r, int32_t offset, int32_t textHeight, int32_t fontHeight);

// The items the list paints itself, [First, Last), from TopIndex down to the last one that shows
// in clientHeight; Bottom is where the painted items end.
struct TVisibleItems {
    int32_t First = 0, Last = 0, Bottom = 0;
};
TVisibleItems VisibleItems(int32_t topIndex, int32_t count, int32_t clientHeight, int32_t itemHeight);

struct TItemStateInput {
    int32_t Index = 0, ItemIndex = -1;
    bool ListFocused = false;
    int32_t SelCount = 0;
    bool Selected = false;
};
// The owner-draw state the list's own paint gives an item.
uint32_t ListItemState(const TItemStateInput& in);

// A skinned item's background picture, stretch, text colour and frames.
struct TSkinItemLook {
    TRect Source;
    bool Stretch = false;
    TColor TextColor = 0;
    bool FocusFrame = false;       // part of the background: focused and not selected
    bool ShowFocusFrame = false;   // the record asks for a focus frame on every focused item
    TRect TextRect;
};
// itemWidth is the item's width; drawItemAssigned: OnDrawItem replaces the frame of ShowFocus.
TSkinItemLook ChooseSkinItemLook(const TListBoxLook& look, uint32_t state, int32_t itemWidth,
                                 bool drawItemAssigned);
// The inner rectangle of an item stretched both ways (no skin item height).
TRect SkinItemInnerRect(const TListBoxLook& look);

struct TDefaultItemLook {
    TColor Brush = 0, TextColor = 0;
    TRect TextRect;
    bool FocusFrame = false;
};
TDefaultItemLook ChooseDefaultItemLook(uint32_t state, const TRect& item, TColor fontColor);

// The image an item draws: imageIndex for every item, or the item's own number when it is below
// 0; -1 when the list has no such image.
int32_t ItemImageIndex(int32_t imageIndex, int32_t item, int32_t imageCount);

// The wheel after the native list has scrolled: one more line step with a vertical bar, else the
// horizontal bar's position moved by its SmallChange.
enum class TWheelStep : uint8_t { None, LineUp, LineDown, HorzLeft, HorzRight };
TWheelStep WheelStep(bool vertBar, bool horzBar, int32_t delta);

} // namespace vt
