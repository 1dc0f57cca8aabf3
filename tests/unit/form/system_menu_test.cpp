// The system menu's contents: which commands a state offers and in what order, what each item
// runs, its caption and shortcut, and the merge into a menu of the user. The oracle strings are
// written by hand: "NAME:Command" per item, "-" for the separator.
#include <gtest/gtest.h>

#include "form/system_menu.h"
#include "framework/base/string_list.h"
#include "skin/resource_strings.h"
#include "skin/skin_data.h"

namespace vt {
namespace {

using WS = TspWindowState;

constexpr uint16_t kVkF4 = 0x73;

// The app's icons: no system button, no tray.
const TspBorderIcons kAppIcons{false, true, true, true, false};
const TspBorderIcons kNoIcons{false, false, false, false, false};
const TspBorderIcons kAllIcons{true, true, true, true, true};

const wchar_t* CommandName(TspSysCommand c)
{
    static const wchar_t* const names[] = {L"Minimize", L"Maximize", L"Restore", L"RollUp",
        L"RollDown", L"MinimizeToTray", L"Close"};
    return names[static_cast<size_t>(c)];
}

// Clicks every item and lists it with the command it ran.
struct TRecorder {
    std::vector<TspSysCommand> Ran;
    TspSysCommandHandler Handler()
    {
        return [this](TspSysCommand c) { Ran.push_back(c); };
    }
    std::wstring Describe(TPopupMenu& menu)
    {
        std::wstring out;
        TMenuItem& root = *menu.Items();
        for (int i = 0; i < root.Count(); ++i) {
            TMenuItem* item = root.Items(i);
            if (!out.empty())
                out += L' ';
            if (item->IsSeparator()) {
                out += L'-';
                continue;
            }
            Ran.clear();
            item->Click();
            out += item->Name();
            for (TspSysCommand c : Ran)
                out += std::wstring(L":") + CommandName(c);
        }
        return out;
    }
};

TspSysMenuFacts Facts(TspBorderIcons icons, WS state, bool rolledUp = false,
                      bool maxRolledUp = false)
{
    TspSysMenuFacts f;
    f.BorderIcons = icons;
    f.WindowState = state;
    f.RollUpState = rolledUp;
    f.MaxRollUpState = maxRolledUp;
    return f;
}

// Tests that the default menu offers, in its fixed order, exactly the commands the icons and the
// state allow, a separator only after an item, and that Restore rolls a window down when it is
// rolled up in the state it is in.
TEST(SystemMenu, DefaultContentsFollowIconsAndState)
{
    struct Case {
        const char* Name;
        TspSysMenuFacts Facts;
        const wchar_t* Expected;
    };
    TspSysMenuFacts mdiMax = Facts(kAppIcons, WS::Maximized);
    mdiMax.MDIChild = true;
    TspSysMenuFacts toTray = Facts(kAllIcons, WS::Normal);
    toTray.AlwaysMinimizeToTray = true;
    const Case cases[] = {
        {"normal", Facts(kAppIcons, WS::Normal),
            L"DSF_MINITEM:Minimize DSF_MAXITEM:Maximize DSF_ROLLUP:RollUp - DSF_CLOSE:Close"},
        {"maximized", Facts(kAppIcons, WS::Maximized),
            L"DSF_MINITEM:Minimize DSF_RESTORE:Restore DSF_ROLLUP:RollUp - DSF_CLOSE:Close"},
        {"rolled up", Facts(kAppIcons, WS::Normal, true),
            L"DSF_MINITEM:Minimize DSF_MAXITEM:Maximize DSF_RESTORE:RollDown - DSF_CLOSE:Close"},
        {"rolled up while maximized", Facts(kAppIcons, WS::Maximized, true, true),
            L"DSF_MINITEM:Minimize DSF_RESTORE:RollDown - DSF_CLOSE:Close"},
        {"rolled up before maximizing", Facts(kAppIcons, WS::Maximized, true, false),
            L"DSF_MINITEM:Minimize DSF_RESTORE:Restore - DSF_CLOSE:Close"},
        {"minimized", Facts(kAppIcons, WS::Minimized),
            L"DSF_MAXITEM:Maximize DSF_RESTORE:Restore - DSF_CLOSE:Close"},
        {"maximized MDI child", mdiMax,
            L"DSF_MINITEM:Minimize DSF_RESTORE:Restore - DSF_CLOSE:Close"},
        {"no icons", Facts(kNoIcons, WS::Normal), L"DSF_CLOSE:Close"},
        {"no icons, maximized", Facts(kNoIcons, WS::Maximized),
            L"DSF_RESTORE:Restore - DSF_CLOSE:Close"},
        {"every icon, always to the tray", toTray,
            L"DSF_MINITEM:MinimizeToTray DSF_MAXITEM:Maximize DSF_ROLLUP:RollUp "
            L"DSF_MINTOTRAY:MinimizeToTray - DSF_CLOSE:Close"},
    };
    TRecorder rec;
    TPopupMenu menu(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        BuildDefaultSystemMenu(menu, c.Facts, rec.Handler());
        EXPECT_EQ(rec.Describe(menu), c.Expected);
    }
    // Each build replaced the previous one rather than adding to it.
    BuildDefaultSystemMenu(menu, Facts(kAppIcons, WS::Normal), rec.Handler());
    BuildDefaultSystemMenu(menu, Facts(kAppIcons, WS::Normal), rec.Handler());
    EXPECT_EQ(menu.Items()->Count(), 5);
}

// Tests the captions (the skin's resource strings, the built-in text where the skin has none or
// an empty one) and Close's shortcut, Alt+F4 or Ctrl+F4 for an MDI child, and that items built
// without a handler click harmlessly.
TEST(SystemMenu, CaptionsAndCloseShortcut)
{
    TPopupMenu menu(nullptr);
    TspSysMenuFacts f = Facts(kAllIcons, WS::Maximized, true, true);
    BuildDefaultSystemMenu(menu, f, nullptr);
    const auto captions = [&] {
        std::vector<String> out;
        for (int i = 0; i < menu.Items()->Count(); ++i)
            out.push_back(menu.Items()->Items(i)->Caption);
        return out;
    };
    EXPECT_EQ(captions(), (std::vector<String>{L"Mi&nimize", L"&Restore", L"Minimize to &Tray",
                              L"-", L"&Close"}));
    TMenuItem* close = menu.Items()->Items(4);
    EXPECT_EQ(close->ShortCut, scAlt | kVkF4);
    EXPECT_NO_THROW(close->Click());

    TspSkinData sd(nullptr);
    TspResourceStrData strings(nullptr);
    TStringList lines;
    lines.Add(L"MI_CLOSECAPTION=&Fermer");
    lines.Add(L"MI_RESTORECAPTION=&Restaurer");
    lines.Add(L"MI_MINCAPTION=");
    strings.SetResStrings(lines);
    sd.SetResourceStrData(&strings);
    f.SkinData = &sd;
    f.MDIChild = true;
    BuildDefaultSystemMenu(menu, f, nullptr);
    sd.SetResourceStrData(nullptr);
    EXPECT_EQ(captions(), (std::vector<String>{L"Mi&nimize", L"&Restaurer", L"Minimize to &Tray",
                              L"-", L"&Fermer"}));
    EXPECT_EQ(menu.Items()->Items(4)->ShortCut, scCtrl | kVkF4);

    f.WindowState = WS::Normal;
    f.RollUpState = f.MaxRollUpState = false;
    f.SkinData = nullptr;
    BuildDefaultSystemMenu(menu, f, nullptr);
    EXPECT_EQ(captions(), (std::vector<String>{L"Mi&nimize", L"Ma&ximize", L"Ro&llUp",
                              L"Minimize to &Tray", L"-", L"&Close"}));
}

// Tests that the commands merge into a user's menu around the user's own items (Minimize,
// Restore, Maximize, RollUp, Minimize to Tray at the top, Close last, no separator), that a
// second merge replaces the first, and that turning UseDefaultSysMenu off gives the user's menu
// back as the user made it.
TEST(SystemMenu, MergesIntoTheUsersMenu)
{
    TPopupMenu user(nullptr);
    for (const wchar_t* name : {L"UserOpen", L"UserSave"}) {
        auto* item = new TMenuItem(nullptr);
        item->SetName(name);
        user.Items()->Add(item);
    }
    TMenuItem* open = user.Items()->Items(0);
    TRecorder rec;
    TPopupMenu def(nullptr);

    TspSysMenuFacts f = Facts(kAllIcons, WS::Minimized);
    f.SystemMenu = &user;
    EXPECT_EQ(PrepareSystemMenu(def, f, rec.Handler()), &user);
    EXPECT_EQ(rec.Describe(user),
        L"DSF_RESTORE:Restore DSF_MAXITEM:Maximize DSF_MINTOTRAY:MinimizeToTray UserOpen "
        L"UserSave DSF_CLOSE:Close");

    f = Facts(kAllIcons, WS::Normal, true);
    f.SystemMenu = &user;
    PrepareSystemMenu(def, f, rec.Handler());
    EXPECT_EQ(rec.Describe(user),
        L"DSF_MINITEM:Minimize DSF_RESTORE:RollDown DSF_MAXITEM:Maximize "
        L"DSF_MINTOTRAY:MinimizeToTray UserOpen UserSave DSF_CLOSE:Close");
    EXPECT_EQ(user.Items()->Items(4), open);
    EXPECT_EQ(def.Items()->Count(), 0);  // the default menu is not built for it

    f.UseDefaultSysMenu = false;
    EXPECT_EQ(PrepareSystemMenu(def, f, rec.Handler()), &user);
    EXPECT_EQ(rec.Describe(user), L"UserOpen UserSave");
}

// Tests which menu a request opens: the rebuilt default menu, or none when the form uses neither
// its own nor the default one.
TEST(SystemMenu, DefaultMenuOnlyWhenTheFormUsesIt)
{
    TPopupMenu def(nullptr);
    TRecorder rec;
    TspSysMenuFacts f = Facts(kAppIcons, WS::Normal);
    EXPECT_EQ(PrepareSystemMenu(def, f, rec.Handler()), &def);
    EXPECT_EQ(rec.Describe(def),
        L"DSF_MINITEM:Minimize DSF_MAXITEM:Maximize DSF_ROLLUP:RollUp - DSF_CLOSE:Close");
    f.UseDefaultSysMenu = false;
    EXPECT_EQ(PrepareSystemMenu(def, f, rec.Handler()), nullptr);
}

} // namespace
} // namespace vt
