// Where everything lies in the pictures, shared by the painters and the definition. Rectangles
// are in picture coordinates unless noted as relative to their element.
#pragma once

#include "framework/base/types.h"

namespace skingen {

using vt::Bounds;
using vt::Rect;
using vt::TRect;

// Main picture and its client rectangle: 2-pixel sides and bottom, a 29-pixel caption band.
constexpr int kPicW = 196, kPicH = 146;
constexpr TRect kClRect = Rect(2, 29, 194, 144);

// Active pictures by index.
enum ActivePicture {
    kPicCaption = 0,
    kPicDownTabMask = 1,
    kPicPopup = 2,
    kPicMenuItem = 3,
    kPicControls = 4,
    kPicButtonMask = 5,
    kPicActiveTabMask = 6,
    kPicShadow = 7,
    kPicShadowMask = 8,
    kPicMenuButtonMask = 9,
    kPicInactiveTabMask = 10,
    kPicHint = 11,
    kPicExtras = 12,
    kPicScrollBars = 13,
    kPicQuickButtonMask = 14,
    kActiveCount = 15
};
inline const char* const kActiveNames[kActiveCount] = {
    "caption.bmp",       "downtabmask.bmp",   "popup.bmp",        "menuitem.bmp",
    "controls.bmp",      "buttonmask.bmp",    "activetabmask.bmp", "shadow.bmp",
    "shadowmask.bmp",    "menubuttonmask.bmp", "inactivetabmask.bmp", "hint.bmp",
    "extras.bmp",        "scrollbars.bmp",    "quickbuttonmask.bmp"};

// Caption picture (0): caption buttons in rows (normal, hot, pressed in columns), the menu
// button's four looks, the caption tab's three looks, the divider, the menu bar's buttons.
constexpr int kCaptionPicW = 192, kCaptionPicH = 120;
constexpr int kCaptionButtonTop = 3;  // their top in the window, = captionrect top
enum { kCloseRow = 0, kMaxRow = 1, kRestoreRow = 2, kMinRow = 3 };
constexpr TRect CaptionButtonRect(int row, int column) { return Bounds(column * 30, row * 21, 30, 21); }
constexpr TRect SysButtonRect(int column) { return Bounds(column * 30, 84, 20, 21); }
constexpr TRect MenuButtonRect(int state) { return Bounds(90, state * 21, 35, 21); }  // normal, hot, down, inactive
constexpr TRect CaptionTabRect(int state) { return Bounds(125, state * 22, 44, 22); }  // normal, hot, selected
constexpr TRect kDividerRect = Bounds(169, 0, 1, 18);
constexpr TRect kDividerPair = Bounds(169, 0, 2, 18);
constexpr TRect MenuBarButtonRect(int button, int state) { return Bounds(button * 48 + state * 16, 105, 16, 14); }

// Controls picture (4).
constexpr int kControlsW = 330, kControlsH = 412;
constexpr TRect CheckCell(int i, bool radio) { return Bounds(i * 13, radio ? 14 : 0, 13, 13); }
constexpr TRect kCheckFrameRect = Bounds(110, 0, 80, 20);
constexpr TRect kLabelRect = Bounds(40, 30, 100, 18);
constexpr TRect kMenuBarRect = Rect(62, 190, 110, 211);
constexpr TRect kMenuBarItemNormal = Rect(1, 55, 33, 74);
constexpr TRect kMenuBarItemActive = Rect(1, 74, 33, 93);
constexpr TRect kMenuBarItemDown = Rect(1, 93, 33, 112);
constexpr TRect kEditRect = Bounds(40, 55, 40, 21);
constexpr TRect kEditActiveRect = Bounds(82, 55, 40, 21);
constexpr TRect kMemoRect = Bounds(124, 55, 40, 40);
constexpr TRect kMemoActiveRect = Bounds(166, 55, 40, 40);
constexpr TRect kComboRect = Bounds(36, 100, 60, 21);
constexpr TRect kComboActiveRect = Bounds(98, 100, 60, 21);
constexpr TRect kComboButton = Rect(42, 1, 59, 20);  // relative
constexpr TRect kComboButtonActive = Bounds(160, 101, 17, 19);
constexpr TRect kComboButtonDown = Bounds(179, 101, 17, 19);
constexpr TRect kComboButtonDisabled = Bounds(198, 101, 17, 19);
constexpr TRect kComboItem = Bounds(36, 124, 30, 15);
constexpr TRect kComboItemActive = Bounds(68, 124, 30, 15);
constexpr TRect kComboItemFocus = Bounds(100, 124, 30, 15);
constexpr TRect kListBoxRect = Bounds(266, 100, 60, 60);
constexpr TRect kListItem = Bounds(36, 142, 40, 18);
constexpr TRect kListItemActive = Bounds(78, 142, 40, 18);
constexpr TRect kListItemFocus = Bounds(120, 142, 40, 18);
constexpr TRect ToolButtonRect(int state) { return Bounds(36 + state * 24, 162, 24, 22); }
constexpr TRect ResizeToolButtonRect(int state) { return Bounds(108 + state * 24, 162, 24, 22); }
constexpr TRect ResizeButtonRect(int state) { return Bounds(180 + state * 24, 162, 24, 22); }
constexpr int kQuickButtonW = 24, kQuickButtonH = 22;  // = the resizetoolbutton look
constexpr TRect kPageFrameRect = Bounds(120, 300, 60, 50);
constexpr TRect kPageTab = Bounds(180, 300, 40, 22);
constexpr TRect kPageTabActive = Bounds(220, 300, 40, 22);
constexpr TRect kPageTabFocus = Bounds(180, 324, 40, 22);
constexpr TRect kPageTabHot = Bounds(220, 324, 40, 22);
constexpr TRect kButtonRect = Rect(3, 352, 89, 379);
constexpr TRect kButtonActiveRect = Bounds(92, 352, 86, 27);
constexpr TRect kButtonDownRect = Bounds(3, 382, 86, 27);
constexpr TRect kButtonDisabledRect = Bounds(92, 382, 86, 27);
constexpr TRect kPanelRect = Bounds(180, 352, 40, 40);
constexpr TRect kGroupBoxRect = Bounds(222, 352, 40, 40);
constexpr TRect kToolPanelRect = Bounds(264, 352, 40, 20);
constexpr TRect kStatusBarRect = Bounds(264, 374, 40, 20);

// Scroll bar picture (13): scroll bars, up-down buttons, spin edit.
constexpr int kScrollW = 260, kScrollH = 90;
constexpr TRect kHScrollRect = Bounds(0, 0, 80, 17);
constexpr TRect kHUpActive = Bounds(82, 0, 17, 17);
constexpr TRect kHUpDown = Bounds(99, 0, 17, 17);
constexpr TRect kHDownActive = Bounds(116, 0, 17, 17);
constexpr TRect kHDownDown = Bounds(133, 0, 17, 17);
constexpr TRect kHThumb = Bounds(150, 0, 30, 17);
constexpr TRect kHThumbActive = Bounds(180, 0, 30, 17);
constexpr TRect kHThumbDown = Bounds(210, 0, 30, 17);
constexpr TRect kVScrollRect = Bounds(0, 20, 17, 70);
constexpr TRect kVUpActive = Bounds(20, 20, 17, 17);
constexpr TRect kVUpDown = Bounds(37, 20, 17, 17);
constexpr TRect kVDownActive = Bounds(54, 20, 17, 17);
constexpr TRect kVDownDown = Bounds(71, 20, 17, 17);
constexpr TRect kVThumb = Bounds(20, 40, 17, 30);
constexpr TRect kVThumbActive = Bounds(37, 40, 17, 30);
constexpr TRect kVThumbDown = Bounds(54, 40, 17, 30);
constexpr TRect kHUpDownRect = Bounds(90, 20, 32, 16);
constexpr TRect kHUDUpActive = Bounds(124, 20, 16, 16);
constexpr TRect kHUDUpDown = Bounds(140, 20, 16, 16);
constexpr TRect kHUDDownActive = Bounds(156, 20, 16, 16);
constexpr TRect kHUDDownDown = Bounds(172, 20, 16, 16);
constexpr TRect kVUpDownRect = Bounds(90, 40, 16, 32);
constexpr TRect kVUDUpActive = Bounds(108, 40, 16, 16);
constexpr TRect kVUDUpDown = Bounds(124, 40, 16, 16);
constexpr TRect kVUDDownActive = Bounds(140, 40, 16, 16);
constexpr TRect kVUDDownDown = Bounds(156, 40, 16, 16);
constexpr TRect kSpinRect = Bounds(190, 20, 50, 21);
constexpr TRect kSpinActiveRect = Bounds(190, 43, 50, 21);
constexpr TRect kSpinUp = Rect(36, 1, 49, 10);    // relative
constexpr TRect kSpinDown = Rect(36, 10, 49, 20);  // relative
constexpr TRect kSpinUpActive = Bounds(190, 66, 13, 9);
constexpr TRect kSpinUpDown = Bounds(204, 66, 13, 9);
constexpr TRect kSpinDownActive = Bounds(218, 66, 13, 10);
constexpr TRect kSpinDownDown = Bounds(232, 66, 13, 10);

// Extras picture (12): the controls the application does not use.
constexpr int kExtrasW = 240, kExtrasH = 240;
constexpr TRect kGaugeRect = Bounds(0, 0, 60, 14);
constexpr TRect kGaugeProgress = Bounds(0, 16, 20, 10);
constexpr TRect kVGaugeRect = Bounds(62, 0, 14, 60);
constexpr TRect kVGaugeProgress = Bounds(78, 0, 10, 20);
constexpr TRect kTrackBarRect = Bounds(0, 30, 80, 20);
constexpr TRect kTrackThumb = Bounds(90, 30, 11, 20);
constexpr TRect kTrackThumbActive = Bounds(102, 30, 11, 20);
constexpr TRect kVTrackBarRect = Bounds(0, 52, 20, 80);
constexpr TRect kVTrackThumb = Bounds(22, 52, 20, 11);
constexpr TRect kVTrackThumbActive = Bounds(44, 52, 20, 11);
constexpr TRect kSplitterRect = Bounds(70, 52, 8, 40);
constexpr TRect kSplitterGrip = Bounds(80, 52, 6, 18);
constexpr TRect kSwitchRect = Bounds(90, 52, 80, 18);
constexpr TRect kAnimateRect = Bounds(90, 72, 64, 16);
constexpr TRect kFrameGaugeRect = Bounds(90, 90, 60, 12);
constexpr TRect kRegulatorRect = Bounds(90, 104, 100, 20);
constexpr TRect kExPanelRect = Bounds(130, 0, 60, 48);
constexpr TRect kExPanelClose = Bounds(192, 0, 14, 14);
constexpr TRect kExPanelCloseActive = Bounds(206, 0, 14, 14);
constexpr TRect kExPanelCloseDown = Bounds(220, 0, 14, 14);
constexpr TRect kControlBarRect = Bounds(0, 140, 60, 30);
constexpr TRect kControlBarItem = Bounds(62, 140, 40, 24);
constexpr TRect kControlBarGrip = Bounds(104, 140, 4, 24);
constexpr TRect kGridFixedCell = Bounds(0, 176, 30, 18);
constexpr TRect kGridSelectCell = Bounds(32, 176, 30, 18);
constexpr TRect kGridFocusCell = Bounds(64, 176, 30, 18);
constexpr TRect kTreeExpand = Bounds(96, 176, 9, 9);
constexpr TRect kTreeNoExpand = Bounds(106, 176, 9, 9);
constexpr TRect kSliderHRuler = Bounds(0, 200, 60, 6);
constexpr TRect kSliderHThumb = Bounds(62, 196, 10, 14);
constexpr TRect kSliderVRuler = Bounds(80, 196, 6, 40);
constexpr TRect kSliderVThumb = Bounds(88, 196, 14, 10);

// Hint window (11) and the layered shadow (7, mask 8).
constexpr int kHintW = 40, kHintH = 28;
constexpr int kShadowW = 178, kShadowH = 153;
constexpr TRect kShadowClient = Rect(21, 21, 150, 126);

} // namespace skingen
