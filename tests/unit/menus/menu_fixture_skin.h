// A small skin made in code for the menu tests and screenshots: what the shipped skins lack (a
// masked popup frame with cut corners, items that show the frame through their normal look, a
// gradient morph, animation frames, check, radio and arrow pictures, a header record).
#pragma once

#include "framework/base/types.h"

#include <string>

namespace vt {
class TspSkinData;
}

namespace vt::test {

// Picture indexes, rectangles and colours. Picture colours are 0xRRGGBB; the font colours are
// TColor values (0x00BBGGRR), as the records hold them.
struct MenuFixtureSkin {
    static constexpr int kFramePicture = 0, kFrameMask = 1, kItemPicture = 2;
    static constexpr const wchar_t* kHeader = L"menuheader";

    // Popup frame (60 x 60): a border around the items' area; the mask cuts each corner with a
    // three-pixel step, so the window's region is not a rectangle.
    static constexpr int kFrameSize = 60, kCornerCut = 3;
    static constexpr TRect kItemsRect{4, 4, 56, 56};
    static constexpr uint32_t kFrameBorder = 0x3050A0, kFrameClient = 0xE8E0C8;
    static constexpr TColor kScrollMarkerColor = 0x808080, kScrollMarkerActiveColor = 0x0000FF;

    // Item picture: looks in the first column, animation frames stacked in the second, the
    // small pictures (normal, then active beside it) in the third.
    static constexpr TRect kSkinRect{0, 0, 60, 20}, kActiveSkinRect{0, 20, 60, 40};
    static constexpr TRect kDividerRect{0, 40, 60, 44}, kHeaderRect{0, 44, 60, 64};
    static constexpr TRect kAnimateSkinRect{60, 0, 120, 60};
    static constexpr int kFrameCount = 3, kAnimateInterval = 40;
    static constexpr TRect kCheckImageRect{120, 0, 130, 10}, kActiveCheckImageRect{130, 0, 140, 10};
    static constexpr TRect kRadioImageRect{120, 10, 130, 20}, kActiveRadioImageRect{130, 10, 140, 20};
    static constexpr TRect kArrowImageRect{120, 20, 126, 30}, kActiveArrowImageRect{130, 20, 136, 30};
    static constexpr TRect kTextRct{4, 0, 56, 20};
    static constexpr int kItemOffset = 4, kDividerOffset = 2;

    static constexpr uint32_t kItemNormal = 0xF0F0F0, kItemActive = 0x4080E0, kDivider = 0x808080;
    static constexpr uint32_t kAnimation[kFrameCount] = {0xE0A0A0, 0xA0E0A0, 0xA0A0E0};
    static constexpr uint32_t kHeaderColour = 0x604080;
    // The small pictures' background: each one's bottom-left pixel, drawn transparent.
    static constexpr uint32_t kImageKey = 0xFF00FF;
    static constexpr uint32_t kCheck = 0x008000, kActiveCheck = 0xFFFF00;
    static constexpr uint32_t kRadio = 0x800000, kActiveRadio = 0xFF8000;
    static constexpr uint32_t kArrow = 0x000080, kActiveArrow = 0x00FFFF;

    static constexpr TColor kFontColor = 0x400000, kActiveFontColor = 0xFFFFFF;
    static constexpr TColor kUnEnabledFontColor = 0x909090, kHeaderFontColor = 0x00FFFF;
};

// Fills sd with the fixture (as a load would, but without messages) and turns skin effects on,
// so morphing and animation apply; sd is left not Empty.
void BuildMenuFixtureSkin(TspSkinData& sd);
// Writes the fixture as a folder skin; returns the path of its definition file.
std::wstring WriteMenuFixtureSkin(const std::wstring& folder);

} // namespace vt::test
