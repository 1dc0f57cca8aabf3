// The shortcut handler's order: a table of keys through recording steps shows which steps see a
// key, where a taken key stops, and that the caption tabs never take one.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "form/shortcut_order.h"

namespace vt {
namespace {

constexpr uint16_t kVkSpace = 0x20, kVkF4 = 0x73;

TShortCut Key(const wchar_t* text)
{
    const TShortCut key = TextToShortCut(text);
    EXPECT_NE(key, scNone) << "bad key in the table";
    return key;
}

// Steps that log their names and take the key when listed in Takes.
struct TRecordingSteps {
    std::set<std::string> Takes;
    std::string Log;

    bool Step(const char* name)
    {
        if (!Log.empty())
            Log += ' ';
        Log += name;
        return Takes.count(name) > 0;
    }
    TspShortCutSteps Steps()
    {
        TspShortCutSteps s;
        s.OnShortCut = [this](TShortCut) { return Step("OnShortCut"); };
        s.SystemMenu = [this] { Step("SystemMenu"); };
        s.ResetInShortCut = [this] { Step("Reset"); };
        s.MainMenu = [this](TShortCut) { return Step("MainMenu"); };
        s.MenuButton = [this](TShortCut) { return Step("MenuButton"); };
        s.CaptionTabs = [this](TShortCut) { Step("CaptionTabs"); };
        s.UserSystemMenu = [this](TShortCut) { return Step("UserSystemMenu"); };
        return s;
    }
};

// Tests the order of the steps, that the first step taking a key ends the walk, that Alt+Space
// goes to the system menu alone and counts as taken, and that the caption tabs never take a key.
TEST(ShortCutOrder, StepsRunInOrderUntilOneTakesTheKey)
{
    struct Case {
        const wchar_t* Key;
        std::set<std::string> Takes;
        const char* Log;
        bool Handled;
    };
    const char* everyStep = "OnShortCut Reset MainMenu MenuButton CaptionTabs UserSystemMenu";
    const Case cases[] = {
        {L"Ctrl+S", {}, everyStep, false},
        {L"Ctrl+S", {"OnShortCut", "MainMenu"}, "OnShortCut", true},
        {L"Alt+Space", {}, "OnShortCut SystemMenu", true},
        {L"Alt+Space", {"OnShortCut"}, "OnShortCut", true},
        {L"Shift+Alt+Space", {}, "OnShortCut SystemMenu", true},
        {L"Space", {}, everyStep, false},
        {L"Alt+M", {"MainMenu", "MenuButton"}, "OnShortCut Reset MainMenu", true},
        {L"Alt+M", {"MenuButton", "UserSystemMenu"}, "OnShortCut Reset MainMenu MenuButton",
            true},
        {L"Alt+R", {"CaptionTabs"}, everyStep, false},
        {L"Alt+R", {"CaptionTabs", "UserSystemMenu"}, everyStep, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Log) + (c.Handled ? " handled" : ""));
        TRecordingSteps rec;
        rec.Takes = c.Takes;
        EXPECT_EQ(DispatchShortCut(Key(c.Key), rec.Steps()), c.Handled);
        EXPECT_EQ(rec.Log, c.Log);
    }
}

// Tests that missing steps are skipped: Alt+Space still counts as taken, other keys fall through.
TEST(ShortCutOrder, MissingStepsAreSkipped)
{
    const TspShortCutSteps none;
    EXPECT_TRUE(DispatchShortCut(Key(L"Alt+Space"), none));
    EXPECT_FALSE(DispatchShortCut(Key(L"Ctrl+S"), none));
}

// Tests the key helpers: modifiers become shortcut bits, Alt accelerators match the character
// after "&" only with Alt held (F4 shares its code with "s" but types nothing).
TEST(ShortCutOrder, KeyHelpers)
{
    EXPECT_EQ(ShortCutOfKey('S', false, true, false), Key(L"Ctrl+S"));
    EXPECT_EQ(ShortCutOfKey(kVkSpace, true, false, true), Key(L"Shift+Alt+Space"));
    EXPECT_EQ(ShortCutOfKey(kVkF4, false, false, true), Key(L"Alt+F4"));

    EXPECT_TRUE(IsAltAccel(Key(L"Alt+M"), L"E&mlor"));
    EXPECT_TRUE(IsAltAccel(Key(L"Shift+Alt+O"), L"Belvani&os"));
    EXPECT_FALSE(IsAltAccel(Key(L"M"), L"E&mlor"));
    EXPECT_FALSE(IsAltAccel(Key(L"Alt+E"), L"E&mlor"));
    EXPECT_FALSE(IsAltAccel(Key(L"Alt+F4"), L"&select"));
    EXPECT_TRUE(IsAltAccel(Key(L"Alt+S"), L"&select"));

    EXPECT_TRUE(IsAltSpace(Key(L"Ctrl+Alt+Space")));
    EXPECT_FALSE(IsAltSpace(Key(L"Ctrl+Space")));
    EXPECT_FALSE(IsAltSpace(Key(L"Alt+Enter")));
}

} // namespace
} // namespace vt
