// The look of one skin: colours and shape parameters. All skins share one geometry and one set
// of record names; a theme only changes how the pictures are painted and the colour keys.
#pragma once

#include "draw.h"

#include <string>
#include <vector>

namespace skingen {

struct Theme {
    std::string folder;  // folder under skins/
    std::string name;    // [VERSION] skinname
    std::string comments;

    // Window frame
    Rgba frameBorder, captionTop, captionBottom, captionHighlight, captionLine, sideInner, client;
    double frameRadius = 6;

    // Caption text
    vt::TColor captionText = 0, captionTextInactive = 0;
    bool captionGlow = false;
    vt::TColor glowColor = 0;

    // Caption buttons
    Rgba glyph, btnHot, btnHotBorder, btnDown, closeHot, closeDown, closeGlyph;
    double btnRadius = 3;

    // Control faces: normal, hot, pressed, disabled
    Rgba faceTop, faceBottom, faceBorder;
    Rgba hotTop, hotBottom, hotBorder;
    Rgba downTop, downBottom, downBorder;
    Rgba disabledFace, disabledBorder;
    Rgba faceLight{0, 0, 0, 0};  // highlight line under the top border
    double ctrlRadius = 3;
    double pillRadius = 4;  // menu button, caption tabs, quick-button backgrounds
    vt::TColor text = 0, hotText = 0, downText = 0, disabledText = 0, mutedText = 0;

    // Text fields, lists and selection
    Rgba window, windowBorder, focusBorder, selection, selectionBorder;
    vt::TColor windowText = 0, selectionText = 0;

    // Menus and hints
    Rgba menuBg, menuBorder, menuHot, menuHotBorder, separator, headerTop, headerBottom;
    vt::TColor menuText = 0, menuHotText = 0, menuDisabledText = 0, headerText = 0;
    Rgba hintBg, hintBorder;
    vt::TColor hintText = 0;

    // Caption tabs and page frame
    Rgba tabTop, tabBottom, tabBorder, tabHotTop, tabHotBottom, tabSeparator;
    uint8_t tabHotOpacity = 170;
    vt::TColor tabText = 0, tabActiveText = 0, tabDownText = 0;

    // Scroll bars, check marks, accents
    Rgba track, thumb, thumbHot, thumbDown, arrow, accent;

    // Drop shadow around the window
    Rgba shadow;
    double shadowOpacity = 0.3, shadowSpread = 8;

    // [SKINCOLORS]: cbtnface, cbtntext, cwindow, cwindowtext, chighlight, chighlighttext,
    // cbtnhighlight, cbtnshadow, c3dlight, c3ddkshadow
    vt::TColor skinColors[10] = {};
};

const std::vector<Theme>& Themes();

} // namespace skingen
