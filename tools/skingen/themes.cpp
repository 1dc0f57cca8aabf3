#include "theme.h"

namespace skingen {

namespace {

vt::TColor C(uint32_t rgb) { return ToTColor(Hex(rgb)); }

// The default skin: a light, cool-grey frame with a soft shadow.
Theme Zozaziz()
{
    Theme t;
    t.folder = "zozaziz";
    t.name = "Zozaziz";
    t.comments = "Light frame with rounded top corners, soft shadow and caption tabs";
    t.frameBorder = Hex(0x8C96A3);
    t.captionTop = Hex(0xFCFDFE);
    t.captionBottom = Hex(0xE6EAEF);
    t.captionHighlight = Hex(0xFFFFFF);
    t.captionLine = Hex(0xC3CAD4);
    t.sideInner = Hex(0xE6EAEF);
    t.client = Hex(0xF5F6F7);
    t.frameRadius = 6;
    t.captionText = 4408131;
    t.captionTextInactive = 9671571;
    t.captionGlow = true;
    t.glowColor = 16777215;
    t.glyph = Hex(0x434343);
    t.btnHot = Hex(0xDCE3EC);
    t.btnHotBorder = Hex(0xC2CCD8);
    t.btnDown = Hex(0xC5D0DD);
    t.closeHot = Hex(0xE5484D);
    t.closeDown = Hex(0xC23B40);
    t.closeGlyph = Hex(0xFFFFFF);
    t.faceTop = Hex(0xFEFEFE);
    t.faceBottom = Hex(0xE9ECF0);
    t.faceBorder = Hex(0xA8B2BE);
    t.faceLight = Hex(0xFFFFFF);
    t.hotTop = Hex(0xF6F9FD);
    t.hotBottom = Hex(0xDDE8F5);
    t.hotBorder = Hex(0x7FA2CC);
    t.downTop = Hex(0xCFDCEC);
    t.downBottom = Hex(0xDCE6F2);
    t.downBorder = Hex(0x6D8EB8);
    t.disabledFace = Hex(0xF3F4F5);
    t.disabledBorder = Hex(0xCDD2D8);
    t.ctrlRadius = 3;
    t.text = 0;
    t.hotText = 0;
    t.downText = 0;
    t.disabledText = 12500670;
    t.mutedText = C(0x5A6270);
    t.window = Hex(0xFFFFFF);
    t.windowBorder = Hex(0xA8B2BE);
    t.focusBorder = Hex(0x6A9AD3);
    t.selection = Hex(0xB8C5D5);
    t.selectionBorder = Hex(0x9DB0C7);
    t.windowText = 0;
    t.selectionText = 0;
    t.menuBg = Hex(0xFFFFFF);
    t.menuBorder = Hex(0xA8B2BE);
    t.menuHot = Hex(0xDCE5F0);
    t.menuHotBorder = Hex(0xB8C5D5);
    t.separator = Hex(0xD5DAE0);
    t.headerTop = Hex(0xF4F6F8);
    t.headerBottom = Hex(0xE6EAEF);
    t.menuText = 0;
    t.menuHotText = 0;
    t.menuDisabledText = 12500670;
    t.headerText = C(0x4A5260);
    t.hintBg = Hex(0xFFFFF4);
    t.hintBorder = Hex(0x8C96A3);
    t.hintText = 0;
    t.tabTop = Hex(0xFFFFFF);
    t.tabBottom = Hex(0xF5F6F7);
    t.tabBorder = Hex(0xA3ADBA);
    t.tabHotTop = Hex(0xFFFFFF);
    t.tabHotBottom = Hex(0xEEF3F9);
    t.tabSeparator = Hex(0xB9C1CC);
    t.tabText = C(0x4A5260);
    t.tabActiveText = 0;
    t.tabDownText = 0;
    t.track = Hex(0xEEF0F2);
    t.thumb = Hex(0xC9CFD7);
    t.thumbHot = Hex(0xAEB7C3);
    t.thumbDown = Hex(0x95A0AE);
    t.arrow = Hex(0x5A6270);
    t.accent = Hex(0x4A7DBA);
    t.shadow = Hex(0x101820);
    t.shadowOpacity = 0.32;
    t.shadowSpread = 8;
    const vt::TColor colours[10] = {15132390, 0, 16777215, 0, 14009784, 0, 16448249, 12500670, 0, 0};
    std::copy(std::begin(colours), std::end(colours), t.skinColors);
    return t;
}

// A dark skin: charcoal frame, light text, blue accent.
Theme Carbonel()
{
    Theme t;
    t.folder = "carbonel";
    t.name = "Carbonel";
    t.comments = "Dark charcoal frame with a blue accent";
    t.frameBorder = Hex(0x0E0F11);
    t.captionTop = Hex(0x34373D);
    t.captionBottom = Hex(0x2A2D32);
    t.captionHighlight = Hex(0x45494F);
    t.captionLine = Hex(0x18191C);
    t.sideInner = Hex(0x2A2D32);
    t.client = Hex(0x232529);
    t.frameRadius = 6;
    t.captionText = C(0xE8EAED);
    t.captionTextInactive = C(0x8C9199);
    t.captionGlow = false;
    t.glowColor = 0;
    t.glyph = Hex(0xD5D8DD);
    t.btnHot = Hex(0x454950);
    t.btnHotBorder = Hex(0x52575F);
    t.btnDown = Hex(0x1E2024);
    t.closeHot = Hex(0xD9363E);
    t.closeDown = Hex(0xA8272E);
    t.closeGlyph = Hex(0xFFFFFF);
    t.faceTop = Hex(0x43474E);
    t.faceBottom = Hex(0x383B41);
    t.faceBorder = Hex(0x17181B);
    t.faceLight = Hex(0x54585F);
    t.hotTop = Hex(0x4B5058);
    t.hotBottom = Hex(0x40444B);
    t.hotBorder = Hex(0x3D7BD9);
    t.downTop = Hex(0x2A4D7E);
    t.downBottom = Hex(0x2F5A94);
    t.downBorder = Hex(0x3D7BD9);
    t.disabledFace = Hex(0x303236);
    t.disabledBorder = Hex(0x26282B);
    t.ctrlRadius = 3;
    t.text = C(0xE8EAED);
    t.hotText = C(0xFFFFFF);
    t.downText = C(0xFFFFFF);
    t.disabledText = C(0x6E737B);
    t.mutedText = C(0xA3A8B0);
    t.window = Hex(0x1B1D20);
    t.windowBorder = Hex(0x101113);
    t.focusBorder = Hex(0x3D7BD9);
    t.selection = Hex(0x2F5A94);
    t.selectionBorder = Hex(0x3D7BD9);
    t.windowText = C(0xE8EAED);
    t.selectionText = C(0xFFFFFF);
    t.menuBg = Hex(0x2B2E33);
    t.menuBorder = Hex(0x121315);
    t.menuHot = Hex(0x2F5A94);
    t.menuHotBorder = Hex(0x3D7BD9);
    t.separator = Hex(0x3E4248);
    t.headerTop = Hex(0x36393F);
    t.headerBottom = Hex(0x303338);
    t.menuText = C(0xE8EAED);
    t.menuHotText = C(0xFFFFFF);
    t.menuDisabledText = C(0x6E737B);
    t.headerText = C(0x9FB8DC);
    t.hintBg = Hex(0x383B41);
    t.hintBorder = Hex(0x121315);
    t.hintText = C(0xE8EAED);
    t.tabTop = Hex(0x2A2D32);
    t.tabBottom = Hex(0x232529);
    t.tabBorder = Hex(0x121315);
    t.tabHotTop = Hex(0x40444B);
    t.tabHotBottom = Hex(0x383B41);
    t.tabSeparator = Hex(0x4A4E55);
    t.tabHotOpacity = 200;
    t.tabText = C(0xA3A8B0);
    t.tabActiveText = C(0xFFFFFF);
    t.tabDownText = C(0xFFFFFF);
    t.track = Hex(0x26282C);
    t.thumb = Hex(0x4E535B);
    t.thumbHot = Hex(0x60656E);
    t.thumbDown = Hex(0x3D7BD9);
    t.arrow = Hex(0xB9BDC4);
    t.accent = Hex(0x3D7BD9);
    t.shadow = Hex(0x000000);
    t.shadowOpacity = 0.55;
    t.shadowSpread = 9;
    const vt::TColor colours[10] = {C(0x383B41), C(0xE8EAED), C(0x1B1D20), C(0xE8EAED),
                                    C(0x2F5A94), C(0xFFFFFF), C(0x4B5058), C(0x17181B),
                                    C(0x43474E), C(0x0E0F11)};
    std::copy(std::begin(colours), std::end(colours), t.skinColors);
    return t;
}

// A flat light skin: no gradients, square corners, one teal accent.
Theme Velin()
{
    Theme t;
    t.folder = "velin";
    t.name = "Velin";
    t.comments = "Flat white frame with square corners and a teal accent";
    t.frameBorder = Hex(0xC9CED6);
    t.captionTop = Hex(0xFFFFFF);
    t.captionBottom = Hex(0xFFFFFF);
    t.captionHighlight = Hex(0xFFFFFF, 0);
    t.captionLine = Hex(0xE1E5EA);
    t.sideInner = Hex(0xFFFFFF);
    t.client = Hex(0xFFFFFF);
    t.frameRadius = 0;
    t.captionText = C(0x1F2328);
    t.captionTextInactive = C(0x9AA1AB);
    t.captionGlow = false;
    t.glowColor = 0;
    t.glyph = Hex(0x1F2328);
    t.btnHot = Hex(0xEEF1F4);
    t.btnHotBorder = Hex(0xEEF1F4);
    t.btnDown = Hex(0xDDE2E8);
    t.closeHot = Hex(0xE81123);
    t.closeDown = Hex(0xB50E1C);
    t.closeGlyph = Hex(0xFFFFFF);
    t.btnRadius = 0;
    t.faceTop = Hex(0xF3F4F6);
    t.faceBottom = Hex(0xF3F4F6);
    t.faceBorder = Hex(0xD0D5DB);
    t.hotTop = Hex(0xE3F4F3);
    t.hotBottom = Hex(0xE3F4F3);
    t.hotBorder = Hex(0x0F8B8D);
    t.downTop = Hex(0xC7E8E7);
    t.downBottom = Hex(0xC7E8E7);
    t.downBorder = Hex(0x0B6E70);
    t.disabledFace = Hex(0xF7F8F9);
    t.disabledBorder = Hex(0xE3E6EA);
    t.ctrlRadius = 0;
    t.pillRadius = 0;
    t.text = C(0x1F2328);
    t.hotText = C(0x0B6E70);
    t.downText = C(0x084E50);
    t.disabledText = C(0xA9AFB8);
    t.mutedText = C(0x6A7280);
    t.window = Hex(0xFFFFFF);
    t.windowBorder = Hex(0xD0D5DB);
    t.focusBorder = Hex(0x0F8B8D);
    t.selection = Hex(0xCDEBEA);
    t.selectionBorder = Hex(0xCDEBEA);
    t.windowText = C(0x1F2328);
    t.selectionText = C(0x084E50);
    t.menuBg = Hex(0xFFFFFF);
    t.menuBorder = Hex(0xD0D5DB);
    t.menuHot = Hex(0xE3F4F3);
    t.menuHotBorder = Hex(0xE3F4F3);
    t.separator = Hex(0xE6E9ED);
    t.headerTop = Hex(0xF3F4F6);
    t.headerBottom = Hex(0xF3F4F6);
    t.menuText = C(0x1F2328);
    t.menuHotText = C(0x084E50);
    t.menuDisabledText = C(0xA9AFB8);
    t.headerText = C(0x0F8B8D);
    t.hintBg = Hex(0x1F2328);
    t.hintBorder = Hex(0x1F2328);
    t.hintText = C(0xFFFFFF);
    t.tabTop = Hex(0xFFFFFF);
    t.tabBottom = Hex(0xFFFFFF);
    t.tabBorder = Hex(0xE1E5EA);
    t.tabHotTop = Hex(0xF3F4F6);
    t.tabHotBottom = Hex(0xF3F4F6);
    t.tabSeparator = Hex(0xE1E5EA);
    t.tabHotOpacity = 255;
    t.tabText = C(0x6A7280);
    t.tabActiveText = C(0x1F2328);
    t.tabDownText = C(0x0B6E70);
    t.track = Hex(0xF3F4F6);
    t.thumb = Hex(0xC9CED6);
    t.thumbHot = Hex(0xA9AFB8);
    t.thumbDown = Hex(0x0F8B8D);
    t.arrow = Hex(0x6A7280);
    t.accent = Hex(0x0F8B8D);
    t.shadow = Hex(0x1F2328);
    t.shadowOpacity = 0.16;
    t.shadowSpread = 6;
    const vt::TColor colours[10] = {C(0xF3F4F6), C(0x1F2328), C(0xFFFFFF), C(0x1F2328),
                                    C(0xCDEBEA), C(0x084E50), C(0xFFFFFF), C(0xC9CED6),
                                    C(0xF3F4F6), C(0x6A7280)};
    std::copy(std::begin(colours), std::end(colours), t.skinColors);
    return t;
}

} // namespace

const std::vector<Theme>& Themes()
{
    static const std::vector<Theme> themes = {Zozaziz(), Carbonel(), Velin()};
    return themes;
}

} // namespace skingen
