// The skinned page control's geometry and decisions, apart from any window: the corrections it
// applies to the tab control's own display and item rectangles, the offset of a centred or
// shifted tab row, the room reserved in every tab for an image and a close button, the close
// button's place and picture, the tab scroller's decision and place, and the wheel.
//
//   FrameMarginsOf / CorrectDisplayRect / PageAreaOf / PageFrameOf   the page area
//   CorrectItemRect / TabsStartOf                                    the tab rectangles
//   TabReserveOf / CloseSizeOf / CompleteCloseLooks / ChooseCloseLook / PlaceCloseButton
//   DecideScroller / PlaceScroller                                   the overflow scroller
//   WheelTarget
#pragma once

#include "framework/base/tab_types.h"
#include "framework/base/types.h"

#include <optional>
#include <vector>

namespace vt {

// The skin frame's margins around the pages: ClRect's left and top, and what SkinRect keeps
// right of and below ClRect.
struct TFrameMargins {
    int32_t L = 0, T = 0, R = 0, B = 0;
    friend bool operator==(const TFrameMargins&, const TFrameMargins&) = default;
};
TFrameMargins FrameMarginsOf(const TRect& skinRect, const TRect& clRect);

struct TDisplayRectInput {
    TRect Platform;          // the tab control's own answer
    TTabPosition Position = tpTop;
    bool HasRecord = false;
    bool HideTabs = false;
    bool HideBorder = false;
    TFrameMargins Margins;
    int32_t ClientWidth = 0, ClientHeight = 0;
    int32_t Width = 0, Height = 0;
};
// The display rectangle after the skin's corrections.
TRect CorrectDisplayRect(const TDisplayRectInput& in);
// The pages' rectangle: the corrected display rectangle, 2 lower at the top for top tabs.
TRect PageAreaOf(const TRect& corrected, TTabPosition position);
// The page area grown by the frame margins.
TRect PageFrameOf(const TRect& pageArea, const TFrameMargins& m);

// The left offset of the tab row: TabsOffset when positive, else the row centred for fixed-width
// tabs, never below 0.
int32_t TabsStartOf(int32_t tabsOffset, int32_t tabWidth, int32_t controlWidth, int32_t visibleTabs);
// True when the row is shifted, so mouse messages move left by TabsStart.
constexpr bool ShiftsTabRow(bool tabsInCenter, int32_t tabsOffset) { return tabsInCenter || tabsOffset > 0; }

struct TItemRectInput {
    TRect Platform;
    TTabPosition Position = tpTop;
    bool MultiLine = false;
    TTabStyle Style = tsTabs;
    int32_t TabsStart = 0;
    bool Shifted = false;
};
TRect CorrectItemRect(const TItemRectInput& in);

// The size of the image list handed to the tab control: every tab widens (side tabs heighten) by
// it beyond 1, which keeps room for the skinned image and close button. Worked out from the
// current state each time, so no change of lists, positions or close buttons can drift it.
struct TTabReserve {
    int32_t Width = 1, Height = 1;
    friend bool operator==(const TTabReserve&, const TTabReserve&) = default;
};
struct TTabReserveInput {
    bool HasImages = false;
    int32_t ImagesWidth = 0, ImagesHeight = 0;
    bool ShowCloseButtons = false;
    int32_t CloseSize = 14;
    TTabPosition Position = tpTop;
};
TTabReserve TabReserveOf(const TTabReserveInput& in);

// A tab's close-button width: the record's CloseButtonRect, 14 without one or when it is empty.
int32_t CloseSizeOf(bool hasRecord, const TRect& closeButtonRect);

// The close button's three pictures, empty active and down ones filled from their fallbacks.
struct TCloseLooks {
    TRect Normal, Active, Down;
};
TCloseLooks CompleteCloseLooks(const TRect& normal, const TRect& active, const TRect& down);
enum class TCloseLook : uint8_t { Normal, Active, Down };
TCloseLook ChooseCloseLook(bool mouseIn, bool mouseDown);

// The close button in a tab image of width x height (the work size, before side tabs are
// turned): buttonWidth x buttonHeight at the left of the room at the right, centred vertically.
TRect PlaceCloseButton(int32_t width, int32_t height, int32_t closeSize, int32_t buttonWidth,
                       int32_t buttonHeight);
// The button's rectangle in the tab's own coordinates once a side tab's image is turned; w and h
// are the work image's size.
TRect TurnTabRect(const TRect& r, TTabPosition position, bool textInHorizontal, int32_t w, int32_t h);

// The tab scroller: shown while single-line tabs overflow.
enum class TScrollerAction : uint8_t { Keep, Create, Destroy };
struct TScrollerInput {
    std::vector<int32_t> RightEdges;   // of the visible tabs, in order
    int32_t Limit = 0;                 // width - 1, or width - scroller width when it counts
    bool MultiLine = false;
    bool TabsHidden = false;
    bool Exists = false;
};
struct TScrollerDecision {
    TScrollerAction Action = TScrollerAction::Keep;
    int32_t Hidden = 0;      // the scroller's Max
    int32_t Position = 0;    // tabs scrolled off to the left
};
TScrollerDecision DecideScroller(const TScrollerInput& in);
int32_t ScrolledOffTabs(const std::vector<int32_t>& rightEdges);

struct TScrollerPlaceInput {
    TTabPosition Position = tpTop;
    bool HasRecord = false;
    TRect PageArea;
    TFrameMargins Margins;
    int32_t Width = 0, Height = 0;
    int32_t ScrollerWidth = 0, ScrollerHeight = 0;
};
TPoint PlaceScroller(const TScrollerPlaceInput& in);

// The page the wheel selects from active (negative delta: towards the user, the next one), or
// nullopt at either end, without an active page or without another visible tab.
std::optional<int> WheelTarget(int active, const std::vector<bool>& tabVisible, int delta);

// Which record rectangle a skinned tab's background comes from.
enum class TTabLook : uint8_t { Normal, Active, Focus, MouseIn };
TTabLook ChooseTabLook(bool selected, bool focused, bool mouseIn, bool hasMouseInRect);

} // namespace vt
