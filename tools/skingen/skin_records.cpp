// The definition of a skin: global sections and every record, in the container's writer form.
#include "definition.h"
#include "layout.h"
#include "skin_builder.h"

#include "framework/base/strings.h"

#include <iterator>
#include <map>
#include <stdexcept>

namespace skingen {

std::vector<SkinPicture> BuildPictures(const Theme& t);

namespace {

Record Obj(const std::string& name, const std::string& type) { return {name, type, {}, {}}; }

Values& Font(Values& v, int height, vt::TColor color, const char* style = "")
{
    return v.Set("fontname", "Tahoma").Set("fontheight", height).Set("fontstyle", style).Set("fontcolor", int(color));
}

std::vector<Record> ObjectRecords(const Theme& t)
{
    std::vector<Record> list;

    Record caption = Obj("caption", "caption");
    caption.values.Set("activepictureindex", kPicCaption)
        .Set("skinrect", Rect(2, 0, 194, 29))
        .Set("defaultcaption", true)
        .Set("textrect", Rect(0, 0, 192, 28));
    Font(caption.values, 14, t.captionTextInactive, "fsbold")
        .Set("activefontcolor", int(t.captionText))
        .Set("stretcheffect", true)
        .Set("gloweffect", t.captionGlow)
        .Set("glowinactiveeffect", t.captionGlow)
        .Set("glowsize", 3)
        .Set("glowcolor", int(t.glowColor))
        .Set("glowactivecolor", int(t.glowColor))
        .Set("dividerrect", kDividerPair)
        .Set("quickbuttonalphamaskpictureindex", kPicQuickButtonMask);
    list.push_back(caption);

    struct StdButton {
        const char* name;
        const char* command;
        const char* hint;
        int row;
    };
    const StdButton buttons[] = {{"closebutton", "cmclose", "Close", kCloseRow},
                                 {"maxbutton", "cmmaximize", "Maximize", kMaxRow},
                                 {"minbutton", "cmminimize", "Minimize", kMinRow},
                                 {"sysmenubutton", "cmsysmenu", "System menu", -1}};
    for (const StdButton& b : buttons) {
        Record r = Obj(b.name, "stdbutton");
        auto cell = [&](int c) { return b.row < 0 ? SysButtonRect(c) : CaptionButtonRect(b.row, c); };
        r.values.Set("hint", b.hint)
            .Set("activepictureindex", kPicCaption)
            .Set("skinrectinapicture", true)
            .Set("skinrect", cell(0))
            .Set("activeskinrect", cell(1))
            .Set("downrect", cell(2))
            .Set("morphing", true)
            .Set("command", b.command);
        if (b.row == kMaxRow)
            r.values.Set("restorerect", CaptionButtonRect(kRestoreRow, 0))
                .Set("restoreactiverect", CaptionButtonRect(kRestoreRow, 1))
                .Set("restoredownrect", CaptionButtonRect(kRestoreRow, 2));
        // The reader fills this in for these two; writing it keeps the text a fixed point.
        if (b.row == kMaxRow || b.row == kMinRow)
            r.values.Set("restorehint", "Restore");
        list.push_back(r);
    }

    Record menuButton = Obj("captionmenubutton", "captionmenubutton");
    menuButton.values.Set("activepictureindex", kPicCaption)
        .Set("skinrectinapicture", true)
        .Set("skinrect", MenuButtonRect(0))
        .Set("activeskinrect", MenuButtonRect(1))
        .Set("downrect", MenuButtonRect(2))
        .Set("inactiveskinrect", MenuButtonRect(3))
        .Set("alphamaskpictureindex", kPicMenuButtonMask)
        .Set("alphamaskactivepictureindex", kPicMenuButtonMask)
        .Set("alphamaskinactivepictureindex", kPicMenuButtonMask);
    Font(menuButton.values, 13, t.text)
        .Set("activefontcolor", int(t.hotText))
        .Set("downfontcolor", int(t.downText))
        .Set("inactivefontcolor", int(t.disabledText))
        .Set("leftoffset", 10)
        .Set("rightoffset", 15)
        .Set("topposition", 1)
        .Set("clientrect", Rect(4, 2, 22, 17));
    list.push_back(menuButton);

    Record tab = Obj("captiontab", "captiontab");
    tab.values.Set("activepictureindex", kPicCaption)
        .Set("skinrectinapicture", true)
        .Set("skinrect", CaptionTabRect(0))
        .Set("activeskinrect", CaptionTabRect(1))
        .Set("downrect", CaptionTabRect(2))
        .Set("alphamaskpictureindex", kPicDownTabMask)
        .Set("alphamaskactivepictureindex", kPicActiveTabMask)
        .Set("alphamaskinactivepictureindex", kPicInactiveTabMask);
    Font(tab.values, 13, t.tabText)
        .Set("activefontcolor", int(t.tabActiveText))
        .Set("downfontcolor", int(t.tabDownText))
        .Set("leftoffset", 10)
        .Set("rightoffset", 10)
        .Set("topposition", "-1")
        .Set("clientrect", Rect(4, 3, 39, 20));
    list.push_back(tab);

    Record item = Obj("menuitem", "menuitem");
    item.values.Set("activepictureindex", kPicMenuItem)
        .Set("skinrect", Rect(0, 20, 55, 40))
        .Set("activeskinrect", Rect(0, 0, 55, 20))
        .Set("morphing", true)
        .Set("morphkind", "mkdefault")
        .Set("itemleftoffset", 5)
        .Set("itemrightoffset", 5)
        .Set("dividerrect", Rect(0, 39, 54, 42))
        .Set("dividerleftoffset", 2)
        .Set("dividerrightoffset", 2)
        .Set("textrect", Rect(2, 0, 53, 20));
    Font(item.values, 13, t.menuText)
        .Set("activefontcolor", int(t.menuHotText))
        .Set("unenabledfontcolor", int(t.menuDisabledText))
        .Set("stretcheffect", true)
        .Set("inactivestretcheffect", true)
        .Set("dividerstretcheffect", true);
    list.push_back(item);

    Record barItem = Obj("mainmenubaritem", "mainmenubaritem");
    barItem.values.Set("activepictureindex", kPicControls)
        .Set("skinrectinapicture", true)
        .Set("skinrect", kMenuBarItemNormal)
        .Set("activeskinrect", kMenuBarItemActive)
        .Set("itemleftoffset", 2)
        .Set("itemrightoffset", 2)
        .Set("downrect", kMenuBarItemDown)
        .Set("textrect", Rect(4, 2, 26, 19));
    Font(barItem.values, 13, t.text)
        .Set("activefontcolor", int(t.hotText))
        .Set("downfontcolor", int(t.downText))
        .Set("unenabledfontcolor", int(t.disabledText))
        .Set("stretcheffect", true);
    list.push_back(barItem);

    const StdButton barButtons[] = {{"mainmenubarclose", "cmclose", "Close", 0},
                                    {"mainmenubarmax", "cmmaximize", "Maximize", 1},
                                    {"mainmenubarmin", "cmminimize", "Minimize", 2},
                                    {"mainmenubarsysmenu", "cmsysmenu", "System menu", 3}};
    for (const StdButton& b : barButtons) {
        Record r = Obj(b.name, "mainmenubarbutton");
        r.values.Set("hint", b.hint)
            .Set("activepictureindex", kPicCaption)
            .Set("skinrectinapicture", true)
            .Set("skinrect", MenuBarButtonRect(b.row, 0))
            .Set("activeskinrect", MenuBarButtonRect(b.row, 1))
            .Set("downrect", MenuBarButtonRect(b.row, 2))
            .Set("command", b.command);
        if (b.row == 1 || b.row == 2)
            r.values.Set("restorehint", "Restore");
        list.push_back(r);
    }
    return list;
}

Values& Frame(Values& v, int picture, TRect skin, vt::TPoint lt, vt::TPoint rt, vt::TPoint lb,
              vt::TPoint rb, TRect client, bool stretch = true)
{
    v.Set("pictureindex", picture).Set("skinrect", skin);
    if (lt.X || lt.Y)
        v.Point("lefttoppoint", lt.X, lt.Y);
    if (rt.X || rt.Y)
        v.Point("righttoppoint", rt.X, rt.Y);
    if (lb.X || lb.Y)
        v.Point("leftbottompoint", lb.X, lb.Y);
    if (rb.X || rb.Y)
        v.Point("rightbottompoint", rb.X, rb.Y);
    v.Set("clientrect", client);
    if (stretch)
        v.Set("leftstretch", true).Set("topstretch", true).Set("rightstretch", true)
            .Set("bottomstretch", true).Set("stretcheffect", true);
    return v;
}

// A frame stretching both ways whose borders are `b` pixels thick.
Values& Box(Values& v, int picture, TRect skin, int b)
{
    int w = skin.Width(), h = skin.Height();
    return Frame(v, picture, skin, {b, b}, {w - b, b}, {b, h - b}, {w - b, h - b}, Rect(b, b, w - b, h - b));
}

Record Control(const std::string& name, const std::string& type) { return {name, type, {}, {}}; }

std::vector<Record> ControlRecords(const Theme& t)
{
    std::map<std::string, Record> r;
    auto add = [&](Record rec) { r[rec.name] = rec; };
    const int text = t.text, hot = t.hotText, down = t.downText, disabled = t.disabledText;

    // Push buttons. Only the right corner point is set: the height stays at the skin's 27 pixels
    // and any width is accepted.
    Record button = Control("button", "button");
    button.values.Set("pictureindex", kPicControls)
        .Set("maskpictureindex", kPicButtonMask)
        .Set("skinrect", kButtonRect)
        .Point("righttoppoint", 80, 0)
        .Set("clientrect", Rect(4, 4, 81, 22))
        .Set("stretcheffect", true);
    Font(button.values, 13, text)
        .Set("activefontcolor", hot)
        .Set("disabledfontcolor", disabled)
        .Set("downfontcolor", down)
        .Set("morphing", true)
        .Set("activeskinrect", kButtonActiveRect)
        .Set("downskinrect", kButtonDownRect)
        .Set("disabledskinrect", kButtonDisabledRect)
        .Set("animateinterval", 20);
    add(button);
    auto smallButton = [&](const std::string& name, TRect (*cell)(int), bool morph) {
        Record b = Control(name, "button");
        Box(b.values, kPicControls, cell(0), 4);
        Font(b.values, 13, text)
            .Set("activefontcolor", hot)
            .Set("disabledfontcolor", disabled)
            .Set("downfontcolor", down)
            .Set("morphing", morph)
            .Set("activeskinrect", cell(1))
            .Set("downskinrect", cell(2));
        return b;
    };
    add(smallButton("toolbutton", ToolButtonRect, true));
    add(smallButton("resizebutton", ResizeButtonRect, true));
    add(smallButton("resizetoolbutton", ResizeToolButtonRect, false));
    Record menuButton = button;
    menuButton.name = "menubutton";
    menuButton.type = "menubutton";
    menuButton.values.Set("trackbuttonrect", Rect(66, 0, 86, 27));
    add(menuButton);
    Record toolMenuButton = smallButton("toolmenubutton", ToolButtonRect, true);
    toolMenuButton.type = "menubutton";
    toolMenuButton.values.Set("trackbuttonrect", Rect(14, 0, 24, 22));
    add(toolMenuButton);

    // Check and radio boxes: the flat look draws only the images and the caption.
    for (int radio = 0; radio < 2; ++radio) {
        Record c = Control(radio ? "radiobox" : "checkbox", "checkradio");
        Frame(c.values, kPicControls, kCheckFrameRect, {3, 0}, {77, 0}, {}, {}, Rect(0, 0, 80, 20), false);
        Font(c.values, 13, text)
            .Set("activefontcolor", text)
            .Set("unenabledfontcolor", disabled)
            .Set("framefontcolor", text)
            .Set("morphing", true)
            .Set("checkimagearea", Rect(3, 3, 16, 16))
            .Set("textarea", Rect(20, 0, 78, 20))
            .Set("checkimagerect", CheckCell(0, radio))
            .Set("uncheckimagerect", CheckCell(1, radio))
            .Set("activecheckimagerect", CheckCell(2, radio))
            .Set("activeuncheckimagerect", CheckCell(3, radio))
            .Set("unenabledcheckimagerect", CheckCell(4, radio))
            .Set("unenableduncheckimagerect", CheckCell(5, radio));
        if (!radio)
            c.values.Set("grayedcheckimagerect", CheckCell(6, false))
                .Set("activegrayedcheckimagerect", CheckCell(7, false));
        add(c);
    }

    // Labels; "label" also draws the headers of popup menus.
    Record label = Control("label", "label");
    Frame(label.values, kPicControls, kLabelRect, {6, 0}, {94, 0}, {}, {}, Rect(6, 0, 94, 18), false)
        .Set("stretcheffect", true);
    Font(label.values, 13, t.headerText, "fsbold");
    add(label);
    Record stdLabel = Control("stdlabel", "stdlabel");
    Font(stdLabel.values, 13, text).Set("activefontcolor", int(ToTColor(t.accent)));
    add(stdLabel);
    Record bitLabel = Control("bitlabel", "bitlabel");
    add(bitLabel);

    // Text fields.
    Record edit = Control("edit", "edit");
    Box(edit.values, kPicControls, kEditRect, 3).Set("activeskinrect", kEditActiveRect);
    Font(edit.values, 13, t.windowText)
        .Set("disabledfontcolor", disabled)
        .Set("activefontcolor", int(t.windowText));
    add(edit);
    Record memo = Control("memo", "memo");
    Box(memo.values, kPicControls, kMemoRect, 3).Set("activeskinrect", kMemoActiveRect);
    Font(memo.values, 13, t.windowText)
        .Set("disabledfontcolor", disabled)
        .Set("activefontcolor", int(t.windowText))
        .Set("bgcolor", int(ToTColor(t.window)))
        .Set("activebgcolor", int(ToTColor(t.window)));
    add(memo);
    Record spin = Control("spinedit", "spinedit");
    Frame(spin.values, kPicScrollBars, kSpinRect, {3, 0}, {35, 0}, {}, {}, Rect(3, 3, 35, 18))
        .Set("activeskinrect", kSpinActiveRect);
    Font(spin.values, 13, t.windowText)
        .Set("activefontcolor", int(t.windowText))
        .Set("disabledfontcolor", disabled)
        .Set("upbuttonrect", kSpinUp)
        .Set("activeupbuttonrect", kSpinUpActive)
        .Set("downupbuttonrect", kSpinUpDown)
        .Set("downbuttonrect", kSpinDown)
        .Set("activedownbuttonrect", kSpinDownActive)
        .Set("downdownbuttonrect", kSpinDownDown);
    add(spin);

    // Combo box and lists.
    Record combo = Control("combobox", "combobox");
    Frame(combo.values, kPicControls, kComboRect, {4, 0}, {41, 0}, {}, {}, Rect(4, 3, 41, 18))
        .Set("activeskinrect", kComboActiveRect)
        .Set("itemrect", kComboItem)
        .Set("activeitemrect", kComboItemActive)
        .Set("focusitemrect", kComboItemFocus)
        .Set("itemleftoffset", 2)
        .Set("itemrightoffset", 2)
        .Set("itemtextrect", Rect(3, 0, 27, 15));
    Font(combo.values, 13, t.windowText)
        .Set("focusfontcolor", int(t.selectionText))
        .Set("activefontcolor", int(t.windowText))
        .Set("listboxname", "listbox")
        .Set("buttonrect", kComboButton)
        .Set("activebuttonrect", kComboButtonActive)
        .Set("downbuttonrect", kComboButtonDown)
        .Set("unenabledbuttonrect", kComboButtonDisabled)
        .Set("itemstretcheffect", true)
        .Set("focusitemstretcheffect", true);
    add(combo);
    Record list = Control("listbox", "listbox");
    Box(list.values, kPicControls, kListBoxRect, 3)
        .Set("clientrect", Rect(2, 2, 58, 58))
        .Set("itemrect", kListItem)
        .Set("activeitemrect", kListItemActive)
        .Set("focusitemrect", kListItemFocus)
        .Set("itemleftoffset", 3)
        .Set("itemrightoffset", 3)
        .Set("itemtextrect", Rect(4, 0, 36, 18));
    Font(list.values, 13, t.windowText)
        .Set("activefontcolor", int(t.selectionText))
        .Set("focusfontcolor", int(t.selectionText));
    add(list);
    Record checkList = list;
    checkList.name = "checklistbox";
    checkList.type = "checklistbox";
    checkList.values.Set("checkimagerect", CheckCell(0, false))
        .Set("uncheckimagerect", CheckCell(1, false))
        .Set("itemcheckrect", Rect(3, 2, 16, 15));
    add(checkList);

    // Scroll bars: "up" is the right or bottom button.
    Record hs = Control("hscrollbar", "scrollbar");
    Frame(hs.values, kPicScrollBars, kHScrollRect, {17, 0}, {62, 0}, {}, {}, Rect(17, 0, 63, 17), false)
        .Set("stretcheffect", true)
        .Set("trackarea", Rect(17, 0, 63, 17))
        .Set("upbuttonrect", Rect(63, 0, 80, 17))
        .Set("activeupbuttonrect", kHUpActive)
        .Set("downupbuttonrect", kHUpDown)
        .Set("downbuttonrect", Rect(0, 0, 17, 17))
        .Set("activedownbuttonrect", kHDownActive)
        .Set("downdownbuttonrect", kHDownDown)
        .Set("thumbrect", kHThumb)
        .Set("activethumbrect", kHThumbActive)
        .Set("downthumbrect", kHThumbDown)
        .Set("thumboffset1", 6)
        .Set("thumboffset2", 6)
        .Set("thumbstretcheffect", true);
    add(hs);
    Record both = hs;
    both.name = "bothhscrollbar";
    add(both);
    Record vs = Control("vscrollbar", "scrollbar");
    Frame(vs.values, kPicScrollBars, kVScrollRect, {0, 17}, {}, {0, 52}, {}, Rect(0, 17, 17, 53), false)
        .Set("stretcheffect", true)
        .Set("trackarea", Rect(0, 17, 17, 53))
        .Set("upbuttonrect", Rect(0, 53, 17, 70))
        .Set("activeupbuttonrect", kVUpActive)
        .Set("downupbuttonrect", kVUpDown)
        .Set("downbuttonrect", Rect(0, 0, 17, 17))
        .Set("activedownbuttonrect", kVDownActive)
        .Set("downdownbuttonrect", kVDownDown)
        .Set("thumbrect", kVThumb)
        .Set("activethumbrect", kVThumbActive)
        .Set("downthumbrect", kVThumbDown)
        .Set("thumboffset1", 6)
        .Set("thumboffset2", 6)
        .Set("thumbstretcheffect", true);
    add(vs);

    // Up-down pairs.
    Record hud = Control("hupdown", "updown");
    hud.values.Set("pictureindex", kPicScrollBars)
        .Set("skinrect", kHUpDownRect)
        .Set("upbuttonrect", Rect(16, 0, 32, 16))
        .Set("activeupbuttonrect", kHUDUpActive)
        .Set("downupbuttonrect", kHUDUpDown)
        .Set("downbuttonrect", Rect(0, 0, 16, 16))
        .Set("activedownbuttonrect", kHUDDownActive)
        .Set("downdownbuttonrect", kHUDDownDown);
    add(hud);
    Record vud = Control("vupdown", "updown");
    vud.values.Set("pictureindex", kPicScrollBars)
        .Set("skinrect", kVUpDownRect)
        .Set("upbuttonrect", Rect(0, 0, 16, 16))
        .Set("activeupbuttonrect", kVUDUpActive)
        .Set("downupbuttonrect", kVUDUpDown)
        .Set("downbuttonrect", Rect(0, 16, 16, 32))
        .Set("activedownbuttonrect", kVUDDownActive)
        .Set("downdownbuttonrect", kVUDDownDown);
    add(vud);

    // Page control. Its section carries no rightstretch key.
    Record tabs = Control("tab", "tab");
    tabs.values.Set("pictureindex", kPicControls)
        .Set("skinrect", kPageFrameRect)
        .Set("tabrect", kPageTab)
        .Set("activetabrect", kPageTabActive)
        .Set("focustabrect", kPageTabFocus)
        .Set("mouseintabrect", kPageTabHot)
        .Set("clientrect", Rect(1, 1, 59, 49))
        .Point("lefttoppoint", 1, 1)
        .Point("righttoppoint", 59, 1)
        .Point("leftbottompoint", 1, 49)
        .Point("rightbottompoint", 59, 49)
        .Set("tableftoffset", 5)
        .Set("tabrightoffset", 5)
        .Set("tabstretcheffect", true)
        .Set("leftstretch", true)
        .Set("topstretch", true)
        .Set("bottomstretch", true)
        .Set("stretcheffect", true);
    Font(tabs.values, 13, t.mutedText)
        .Set("activefontcolor", text)
        .Set("focusfontcolor", text)
        .Set("mouseinfontcolor", text)
        .Set("updown", "hupdown");
    tabs.omit = {"rightstretch"};
    add(tabs);

    // Panels.
    auto panel = [&](const std::string& name, TRect skin, int border) {
        Record p = Control(name, "panel");
        Box(p.values, kPicControls, skin, border);
        Font(p.values, 13, text);
        return p;
    };
    add(panel("panel", kPanelRect, 1));
    add(panel("groupbox", kGroupBoxRect, 4));
    add(panel("toolpanel", kToolPanelRect, 2));
    add(panel("statusbar", kStatusBarRect, 2));
    add(panel("statuspanel", kStatusBarRect, 2));
    Record scrollBox = Control("scrollbox", "scrollbox");
    Box(scrollBox.values, kPicControls, kPanelRect, 1);
    add(scrollBox);
    Record ex = Control("expanel", "expanel");
    Frame(ex.values, kPicExtras, kExPanelRect, {4, 19}, {56, 19}, {4, 44}, {56, 44}, Rect(1, 18, 59, 47))
        .Set("captionrect", Rect(4, 0, 44, 18))
        .Set("closebuttonrect", kExPanelClose)
        .Set("closebuttonactiverect", kExPanelCloseActive)
        .Set("closebuttondownrect", kExPanelCloseDown);
    Font(ex.values, 13, t.headerText, "fsbold");
    add(ex);
    Record bar = Control("controlbar", "controlbar");
    Box(bar.values, kPicExtras, kControlBarRect, 2)
        .Set("itemrect", kControlBarItem)
        .Set("hgriprect", kControlBarGrip)
        .Set("gripoffset1", 2)
        .Set("gripoffset2", 2)
        .Set("itemstretcheffect", true);
    add(bar);

    // Gauges, track bars, splitter and the frame-strip controls.
    Record gauge = Control("gauge", "gauge");
    Frame(gauge.values, kPicExtras, kGaugeRect, {3, 0}, {57, 0}, {}, {}, Rect(2, 2, 58, 12))
        .Set("progressarea", Rect(2, 2, 58, 12))
        .Set("progressrect", kGaugeProgress)
        .Set("progressstretch", true);
    Font(gauge.values, 13, text);
    add(gauge);
    Record vgauge = Control("vgauge", "gauge");
    Frame(vgauge.values, kPicExtras, kVGaugeRect, {0, 3}, {}, {0, 57}, {}, Rect(2, 2, 12, 58))
        .Set("progressarea", Rect(2, 2, 12, 58))
        .Set("progressrect", kVGaugeProgress)
        .Set("progressstretch", true)
        .Set("vertical", true);
    Font(vgauge.values, 13, text);
    add(vgauge);
    Record track = Control("trackbar", "trackbar");
    Frame(track.values, kPicExtras, kTrackBarRect, {6, 0}, {74, 0}, {}, {}, Rect(6, 0, 74, 20))
        .Set("trackarea", Rect(6, 0, 74, 20))
        .Set("buttonrect", kTrackThumb)
        .Set("activebuttonrect", kTrackThumbActive);
    add(track);
    Record vtrack = Control("vtrackbar", "trackbar");
    Frame(vtrack.values, kPicExtras, kVTrackBarRect, {0, 6}, {}, {0, 74}, {}, Rect(0, 6, 20, 74))
        .Set("trackarea", Rect(0, 6, 20, 74))
        .Set("buttonrect", kVTrackThumb)
        .Set("activebuttonrect", kVTrackThumbActive)
        .Set("vertical", true);
    add(vtrack);
    Record splitter = Control("splitter", "splitter");
    Frame(splitter.values, kPicExtras, kSplitterRect, {0, 2}, {}, {0, 38}, {}, Rect(0, 2, 8, 38))
        .Set("gripperrect", kSplitterGrip);
    add(splitter);
    Record bevel = Control("bevel", "bevel");
    bevel.values.Set("lightcolor", int(ToTColor(t.window))).Set("darkcolor", int(ToTColor(t.windowBorder)));
    add(bevel);
    Record slider = Control("slider", "slider");
    slider.values.Set("pictureindex", kPicExtras)
        .Set("bgcolor", int(ToTColor(t.client)))
        .Set("hrulerrect", kSliderHRuler)
        .Set("hthumbrect", kSliderHThumb)
        .Set("vrulerrect", kSliderVRuler)
        .Set("vthumbrect", kSliderVThumb)
        .Set("edgesize", 2)
        .Set("pointscolor", int(ToTColor(t.windowBorder)));
    add(slider);
    auto frames = [&](const std::string& name, const std::string& type, TRect skin, int count) {
        Record f = Control(name, type);
        f.values.Set("pictureindex", kPicExtras).Set("skinrect", skin).Set("framescount", count);
        return f;
    };
    add(frames("switch", "switch", kSwitchRect, 2));
    add(frames("animate", "animate", kAnimateRect, 4));
    add(frames("framegauge", "framegauge", kFrameGaugeRect, 5));
    add(frames("frameregulator", "frameregulator", kRegulatorRect, 5));

    // Views without a frame of their own.
    Record grid = Control("grid", "grid");
    grid.values.Set("pictureindex", kPicExtras)
        .Set("fixedcellrect", kGridFixedCell)
        .Set("selectcellrect", kGridSelectCell)
        .Set("focuscellrect", kGridFocusCell)
        .Set("fixedcellleftoffset", 2)
        .Set("fixedcellrightoffset", 2)
        .Set("fixedcelltextrect", Rect(3, 0, 27, 18))
        .Set("cellleftoffset", 2)
        .Set("cellrightoffset", 2)
        .Set("celltextrect", Rect(3, 0, 27, 18))
        .Set("linescolor", int(ToTColor(t.separator)))
        .Set("bgcolor", int(ToTColor(t.window)));
    Font(grid.values, 13, t.windowText)
        .Set("selectfontcolor", int(t.selectionText))
        .Set("focusfontcolor", int(t.selectionText))
        .Set("fixedfontname", "Tahoma")
        .Set("fixedfontheight", 13)
        .Set("fixedfontcolor", text)
        .Set("cellstretcheffect", true)
        .Set("fixedcellstretcheffect", true);
    add(grid);
    Record tree = Control("treeview", "treeview");
    tree.values.Set("pictureindex", kPicExtras);
    Font(tree.values, 13, t.windowText)
        .Set("bgcolor", int(ToTColor(t.window)))
        .Set("expandimagerect", kTreeExpand)
        .Set("noexpandimagerect", kTreeNoExpand);
    add(tree);
    for (const char* name : {"listview", "richedit"}) {
        Record v = Control(name, name);
        Font(v.values, 13, t.windowText).Set("bgcolor", int(ToTColor(t.window)));
        add(v);
    }

    Record menuBar = Control("mainmenubar", "mainmenubar");
    menuBar.values.Set("pictureindex", kPicControls)
        .Set("skinrect", kMenuBarRect)
        .Set("itemsrect", Rect(2, 0, 46, 19))
        .Set("menubaritem", "mainmenubaritem")
        .Set("closebutton", "mainmenubarclose")
        .Set("minbutton", "mainmenubarmin")
        .Set("maxbutton", "mainmenubarmax")
        .Set("sysmenubutton", "mainmenubarsysmenu")
        .Set("trackmarkcolor", 8421504)
        .Set("trackmarkactivecolor", 0)
        .Set("stretcheffect", true);
    add(menuBar);

    // Further names for the same looks, so applications can tell their controls apart.
    auto alias = [&](const std::string& name, const std::string& of) {
        Record a = r.at(of);
        a.name = name;
        add(a);
    };
    alias("progressbar", "gauge");
    alias("vprogressbar", "vgauge");
    alias("hsplitter", "splitter");
    alias("vsplitter", "splitter");
    alias("buttonedit", "edit");
    alias("dateedit", "edit");
    alias("passwordedit", "edit");
    alias("numericedit", "spinedit");
    alias("fontcombobox", "combobox");
    alias("colorcombobox", "combobox");
    alias("filelistbox", "listbox");
    alias("dirtreeview", "treeview");
    alias("filelistview", "listview");
    alias("captionpanel", "toolpanel");
    alias("toolbar", "toolpanel");
    alias("dialogpanel", "panel");
    alias("tabsheet", "panel");
    alias("bevelpanel", "groupbox");
    alias("smallbutton", "resizebutton");
    alias("checkbutton", "resizebutton");
    alias("helpbutton", "button");
    alias("toolcheckbox", "checkbox");
    alias("rollpanel", "expanel");

    // The order is part of the skin: "button" first, "hupdown" at 27.
    static const char* const order[] = {
        "button",      "checkbox",      "radiobox",     "label",        "stdlabel",
        "toolbutton",  "resizebutton",  "resizetoolbutton", "menubutton", "toolmenubutton",
        "edit",        "memo",          "spinedit",     "combobox",     "listbox",
        "checklistbox", "hscrollbar",   "vscrollbar",   "bothhscrollbar", "tab",
        "panel",       "groupbox",      "toolpanel",    "statusbar",    "statuspanel",
        "scrollbox",   "vupdown",       "hupdown",      "gauge",        "vgauge",
        "trackbar",    "vtrackbar",     "splitter",     "bevel",        "slider",
        "switch",      "animate",       "framegauge",   "frameregulator", "expanel",
        "controlbar",  "grid",          "treeview",     "listview",     "richedit",
        "bitlabel",    "mainmenubar",   "progressbar",  "vprogressbar", "hsplitter",
        "vsplitter",   "buttonedit",    "dateedit",     "passwordedit", "numericedit",
        "fontcombobox", "colorcombobox", "filelistbox", "dirtreeview",  "filelistview",
        "captionpanel", "toolbar",      "dialogpanel",  "tabsheet",     "bevelpanel",
        "smallbutton", "checkbutton",   "helpbutton",   "toolcheckbox", "rollpanel"};
    std::vector<Record> out;
    for (const char* name : order)
        out.push_back(r.at(name));
    if (out.size() != r.size())
        throw std::runtime_error("control records missing from the order");
    return out;
}

std::string DefinitionText(const Theme& t)
{
    Definition d;
    vt::TspSkinData& skin = d.Skin();
    skin.SkinName = vt::Utf8ToWide(t.name);
    skin.SkinAuthor = L"Vantrel";
    skin.SkinComments = vt::Utf8ToWide(t.comments);
    skin.FPictureName = L"frame.bmp";
    skin.FMaskName = L"framemask.bmp";
    for (int i = 0; i < kActiveCount; ++i)
        skin.FActivePicturesNames.Add(vt::Utf8ToWide(kActiveNames[i]));
    skin.StartCursorIndex = 1;

    Values form;
    form.Point("lefttoppoint", 12, 40)
        .Point("righttoppoint", 184, 40)
        .Point("leftbottompoint", 12, 134)
        .Point("rightbottompoint", 184, 134)
        .Set("clientrect", kClRect)
        .Set("maskrectarea", kClRect)
        .Set("leftstretch", true)
        .Set("rightstretch", true)
        .Set("topstretch", true)
        .Set("bottomstretch", true)
        .Set("captionrect", Rect(4, kCaptionButtonTop, 190, kCaptionButtonTop + 21))
        .Set("buttonsoffset", 2)
        .Point("hittestlefttoppoint", 5, 6)
        .Point("hittestrighttoppoint", kPicW - 5, 6)
        .Point("hittestleftbottompoint", 5, kPicH - 5)
        .Point("hittestrightbottompoint", kPicW - 5, kPicH - 5)
        .Set("borderwidth", 2)
        .Set("autorenderinginactiveimage", true)
        .Set("inactiveeffect", "iegrayscale");
    d.SetSection("FORMINFO", form);

    Values popup;
    popup.Set("windowpictureindex", kPicPopup)
        .Point("lefttoppoint", 1, 1)
        .Point("righttoppoint", 99, 1)
        .Point("leftbottompoint", 1, 99)
        .Point("rightbottompoint", 99, 99)
        .Set("itemsrect", Rect(1, 1, 99, 99))
        .Set("scrollmarkercolor", int(t.mutedText))
        .Set("scrollmarkeractivecolor", int(ToTColor(t.accent)))
        .Set("leftstretch", true)
        .Set("rightstretch", true)
        .Set("topstretch", true)
        .Set("bottomstretch", true);
    d.SetSection("POPUPWINDOW", popup);

    Values layer;
    layer.Set("pictureindex", kPicShadow)
        .Set("maskpictureindex", kPicShadowMask)
        .Point("lefttoppoint", 26, 29)
        .Point("righttoppoint", 142, 29)
        .Point("leftbottompoint", 28, 114)
        .Point("rightbottompoint", 141, 114)
        .Set("clientrect", kShadowClient)
        .Set("fullstretch", true);
    d.SetSection("LAYERFRAME", layer);

    Values hint;
    hint.Set("windowpictureindex", kPicHint)
        .Point("lefttoppoint", 3, 3)
        .Point("righttoppoint", kHintW - 3, 3)
        .Point("leftbottompoint", 3, kHintH - 3)
        .Point("rightbottompoint", kHintW - 3, kHintH - 3)
        .Set("clientrect", Rect(3, 3, kHintW - 3, kHintH - 3));
    Font(hint, 13, t.hintText)
        .Set("leftstretch", true)
        .Set("rightstretch", true)
        .Set("topstretch", true)
        .Set("bottomstretch", true)
        .Set("stretcheffect", true);
    d.SetSection("HINTWINDOW", hint);

    d.AddRecordList("SKINOBJECTS", vt::TspRecordList::rlObjects, ObjectRecords(t));
    d.AddRecordList("SKINCONTROLS", vt::TspRecordList::rlControls, ControlRecords(t));
    d.Load();

    vt::TspSkinColors& c = *skin.FSkinColors;
    vt::TColor* colours[] = {&c.cBtnFace,      &c.cBtnText,   &c.cWindow,     &c.cWindowText, &c.cHighLight,
                             &c.cHighLightText, &c.cBtnHighLight, &c.cBtnShadow, &c.c3DLight,    &c.c3DDkShadow};
    for (size_t i = 0; i < std::size(colours); ++i)
        *colours[i] = t.skinColors[i];
    return d.Text();
}

} // namespace

BuiltSkin BuildSkin(const Theme& theme)
{
    BuiltSkin s;
    s.pictures = BuildPictures(theme);
    s.definitionFile = "skin.ini";
    s.definition = DefinitionText(theme);
    return s;
}

} // namespace skingen
