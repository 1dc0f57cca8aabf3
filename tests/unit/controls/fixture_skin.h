// A small skin made in code for the control tests and the gallery: what the shipped skins lack
// (resize modes 0, 1 and 3, a mask for a mode-2 record, glow pictures, animation frames, a
// focused look, morph kinds other than the default, a record of a non-custom kind).
#pragma once

#include "framework/base/types.h"

#include <string>

namespace vt {
class TspSkinData;
}

namespace vt::test {

// Record names and the colours their pictures are painted in (0xRRGGBB).
struct FixtureSkin {
    static constexpr const wchar_t* kButton = L"button";         // mode 2, masked, glow, frames
    static constexpr const wchar_t* kPushButton = L"pushbutton"; // mode 2, push morph
    static constexpr const wchar_t* kSlideButton = L"slidebutton";
    static constexpr const wchar_t* kPanel = L"panel";           // mode 1
    static constexpr const wchar_t* kFixed = L"fixed";           // mode 0, masked
    static constexpr const wchar_t* kVertical = L"vertical";     // mode 3
    static constexpr const wchar_t* kNotCustom = L"notcustom";   // a bevel record
    static constexpr const wchar_t* kMenuButton = L"toolmenubutton"; // mode 2, track part at the right
    static constexpr TRect kButtonRect{0, 0, 40, 20};
    static constexpr TRect kPanelRect{0, 60, 40, 100};
    static constexpr TRect kFixedRect{40, 60, 70, 85};
    static constexpr TRect kVerticalRect{70, 60, 90, 90};
    static constexpr uint32_t kButtonEdge = 0xC00000, kButtonMiddle = 0x00A000;
    static constexpr uint32_t kPanelFrame = 0x0000C0, kPanelClient = 0xE0E000;
    static constexpr uint32_t kFixedColour = 0xC000C0;
    static constexpr uint32_t kVerticalEnd = 0x00C0C0, kVerticalMiddle = 0x808080;
    // The page control's record (close pictures, an active tab 4 pixels taller) and its scroller.
    static constexpr const wchar_t* kTab = L"fixturetab";
    static constexpr const wchar_t* kTabUpDown = L"fixtureupdown";
    static constexpr uint32_t kTabFrame = 0x3060C0, kTabClient = 0xF0F0F0, kTabNormal = 0x80A0E0,
                              kTabActive = 0xE0F0FF, kTabHot = 0xA0C0F0, kTabsBG = 0xC0C0C0,
                              kCloseNormal = 0x808080, kCloseHot = 0xC04040, kCloseDown = 0x802020,
                              kUpDownFace = 0x406080, kUpDownHot = 0x60A0E0;
    // A framed check box with a hot look of its own and no grayed picture (mode 2, 40 x 20).
    static constexpr const wchar_t* kCheckBox = L"framedcheck";
    static constexpr TRect kCheckRect{120, 0, 160, 20}, kCheckActiveRect{120, 20, 160, 40};
    static constexpr TRect kCheckImage{120, 40, 133, 53}, kUnCheckImage{133, 40, 146, 53};
    static constexpr uint32_t kCheckNormal = 0x306090, kCheckHot = 0x90C030, kCheckMark = 0x00FF00;
    // Scroll bars under their usual names, in a picture of their own: the horizontal record
    // (80 x 17: down button, track, up button; stretching between 17 and 62), the vertical one
    // (17 x 70, stretching between 17 and 52) and a horizontal one with its own track colour for
    // a bar beside a vertical one. Thumbs have 4-pixel ends of their own colour.
    static constexpr const wchar_t* kHScrollBar = L"hscrollbar";
    static constexpr const wchar_t* kVScrollBar = L"vscrollbar";
    static constexpr const wchar_t* kBothHScrollBar = L"bothhscrollbar";
    static constexpr uint32_t kBarDownButton = 0x2040A0, kBarUpButton = 0xA04020, kBarTrack = 0xD0D0D0,
                              kBarBothTrack = 0xB0E0B0, kBarHot = 0xF0C060, kBarPressed = 0x806000,
                              kThumbEnd = 0x202020, kThumbMiddle = 0x6080C0, kThumbHot = 0x80C0F0,
                              kThumbDown = 0x304060;
};

// Fills sd with the fixture (as a load would, but without messages); sd is left not Empty.
void BuildFixtureSkin(TspSkinData& sd);
// Writes the fixture as a folder skin; returns the path of its definition file.
std::wstring WriteFixtureSkin(const std::wstring& folder);

} // namespace vt::test
