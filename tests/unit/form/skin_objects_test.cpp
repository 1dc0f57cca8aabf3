// The form skin objects: which object each record makes, the border-icon rules, hints, the look
// per state, radio groups, morphing on the shared timer, commands, access by name, the caption's
// text placement and its animation. Expected rectangles come from the default skin's definition
// (skins/zozaziz/skin.ini).
#include "form/caption_menu_button.h"
#include "form/caption_text.h"
#include "form/skin_object_list.h"
#include "skin/resource_strings.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace vt {
namespace {

class TRecordingHost : public ISkinObjectHost {
public:
    void DrawSkinObject(TspActiveSkinObject& o) override { Drawn.push_back(o.IDName); }
    void StartMorphTimer() override { ++TimerStarts; }
    void TrackMenu(TspSkinButtonObject& b, bool systemMenu) override { Menus.push_back({b.IDName, systemMenu}); }
    bool ActivateCustomObject(const String& idName, bool) override { return idName == L"shown"; }
    std::vector<String> Drawn;
    int TimerStarts = 0;
    std::vector<std::pair<String, bool>> Menus;
};

// 7 px per character, 16 px lines; the font height is settable for the odd-height shift.
class TFakeText : public ITextRenderer {
public:
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t) override
    {
        return Rect(r.Left, r.Top, r.Left + 7 * static_cast<int>(text.size()), r.Top + 16);
    }
    int DrawText(TspBitmap&, const std::wstring&, const TRect&, uint32_t, TColor) override { return 16; }
    int FontHeight() const override { return Height; }
    int Height = 14;
};

// The default skin, loaded once per test.
class DefaultSkinObjects : public ::testing::Test {
protected:
    DefaultSkinObjects() : sd(nullptr), objects(&host)
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        objects.CreateObjects(&sd);
    }
    template <class T = TspSkinStdButtonObject> T& Obj(const wchar_t* name)
    {
        T* o = objects.Find<T>(name);
        EXPECT_NE(o, nullptr) << std::string(name, name + wcslen(name));
        return *o;
    }
    TspSkinData sd;
    TRecordingHost host;
    TspSkinObjects objects;
};

// A container built by hand: one 4 x 3 active picture (index 0) and the given records.
struct THandSkin {
    THandSkin() : sd(nullptr)
    {
        sd.Empty = false;
        auto pic = std::make_unique<TPixelImage>();
        pic->Width = 4;
        pic->Height = 3;
        pic->Pixels.assign(12, TPixel{255, 255, 255, 255});
        sd.FActivePictures.push_back(std::move(pic));
    }
    template <class R> R& Add(const wchar_t* name)
    {
        auto r = std::make_unique<R>(String(name));
        r->ActivePictureIndex = 0;
        r->SkinRectInAPicture = true;
        r->SkinRect = Rect(0, 0, 2, 2);
        R& ref = *r;
        sd.ObjectList.push_back(std::move(r));
        return ref;
    }
    TspSkinData sd;
};

enum class Kind { Active, Button, Std, Caption, MenuButton };
Kind KindOf(const TspActiveSkinObject& o)
{
    if (dynamic_cast<const TspSkinCaptionMenuButton*>(&o))
        return Kind::MenuButton;
    if (dynamic_cast<const TspSkinStdButtonObject*>(&o))
        return Kind::Std;
    if (dynamic_cast<const TspSkinButtonObject*>(&o))
        return Kind::Button;
    if (dynamic_cast<const TspSkinCaptionObject*>(&o))
        return Kind::Caption;
    return Kind::Active;
}

// Tests that the default skin makes its caption, four caption buttons and the caption menu button
// (hidden until the extras show it) in record order and skips the records of the menus, tabs and
// menu bar.
TEST_F(DefaultSkinObjects, MakesOneObjectPerUsableRecordInOrder)
{
    const std::vector<std::pair<String, Kind>> expected = {{L"caption", Kind::Caption},
                                                           {L"closebutton", Kind::Std},
                                                           {L"maxbutton", Kind::Std},
                                                           {L"minbutton", Kind::Std},
                                                           {L"sysmenubutton", Kind::Std},
                                                           {L"captionmenubutton", Kind::MenuButton}};
    ASSERT_EQ(objects.ObjectList.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(objects.ObjectList[i]->IDName, expected[i].first);
        EXPECT_EQ(KindOf(*objects.ObjectList[i]), expected[i].second) << i;
    }
    EXPECT_FALSE(objects.ObjectList[5]->Visible);
    const auto& max = Obj(L"maxbutton");
    EXPECT_EQ(max.Command, cmMaximize);
    EXPECT_EQ(max.ObjectRect, Rect(0, 21, 30, 42));
    EXPECT_EQ(max.RestoreRect, Rect(0, 42, 30, 63));
    EXPECT_TRUE(max.FSkinSupport);
    EXPECT_TRUE(max.Enabled && max.Visible);
    EXPECT_EQ(max.FTempHint, L"Maximize");
}

// Tests the class choice for each record class, a menu-bar button (a standard-button record)
// included, and the six plain buttons without a skin.
TEST(SkinObjectCreation, ChoosesClassByRecordAndMakesPlainButtonsWithoutSkin)
{
    THandSkin hand;
    hand.Add<TspDataSkinButton>(L"plain");
    hand.Add<TspDataSkinStdButton>(L"std").Command = cmRollUp;
    hand.Add<TspDataSkinMainMenuBarButton>(L"barbutton");
    hand.Add<TspDataSkinCaptionTab>(L"tab");
    hand.Add<TspDataSkinCaptionMenuButton>(L"capmenu");
    hand.Add<TspDataSkinMenuItem>(L"item");
    hand.Add<TspDataSkinMainMenuBarItem>(L"baritem");
    hand.Add<TspDataSkinCaption>(L"cap");
    hand.Add<TspDataSkinGauge>(L"gauge");
    TspSkinObjects objects;
    objects.CreateObjects(&hand.sd);
    ASSERT_EQ(objects.ObjectList.size(), 4u);
    EXPECT_EQ(KindOf(*objects.ObjectList[0]), Kind::Button);
    EXPECT_EQ(KindOf(*objects.ObjectList[1]), Kind::Std);
    EXPECT_EQ(KindOf(*objects.ObjectList[2]), Kind::MenuButton);
    EXPECT_EQ(KindOf(*objects.ObjectList[3]), Kind::Caption);
    EXPECT_EQ(objects.ObjectList[1]->IDName, L"std");

    objects.CreateObjects(nullptr);
    const std::pair<const wchar_t*, TStdCommand> plain[] = {
        {L"closebutton", cmClose},     {L"maxbutton", cmMaximize},        {L"minbutton", cmMinimize},
        {L"rollupbutton", cmRollUp}, {L"sysmenubutton", cmSysMenu}, {L"traybutton", cmMinimizeToTray}};
    ASSERT_EQ(objects.ObjectList.size(), std::size(plain));
    for (size_t i = 0; i < std::size(plain); ++i) {
        auto* b = dynamic_cast<TspSkinStdButtonObject*>(objects.ObjectList[i].get());
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->IDName, plain[i].first);
        EXPECT_EQ(b->Command, plain[i].second);
        EXPECT_FALSE(b->FSkinSupport);
        EXPECT_TRUE(b->SkinRectInAPicture);
        EXPECT_EQ(b->SkinRect, Rect(0, 0, 1, 1));
        EXPECT_EQ(b->RestoreRect, Rect(0, 0, 1, 1));
        EXPECT_EQ(b->Look(true).Source, TspLookSource::DefaultLook);
    }
}

// Tests the plain look of the buttons without a skin: fill and frame by state, the glyph by
// command and window state, greyed when disabled, the window icon for the system button.
TEST(SkinObjectCreation, PlainButtonsChooseFillAndGlyph)
{
    TspSkinObjects objects;
    objects.CreateObjects(nullptr);
    const struct {
        const wchar_t* Name;
        bool Active, Down, Enabled, WindowState;  // maximized, minimized or rolled up
        TColor Fill;
        bool Frame;
        TspDefaultGlyph Glyph;
    } cases[] = {
        {L"closebutton", false, false, true, false, clBtnFace, false, TspDefaultGlyph::Close},
        {L"closebutton", true, false, true, false, 15979713, true, TspDefaultGlyph::Close},
        {L"closebutton", true, true, true, false, 14990498, true, TspDefaultGlyph::Close},
        {L"maxbutton", false, false, true, true, clBtnFace, false, TspDefaultGlyph::Restore},
        {L"minbutton", false, false, true, true, clBtnFace, false, TspDefaultGlyph::Restore},
        {L"minbutton", false, false, false, false, clBtnFace, false, TspDefaultGlyph::Minimize},
        {L"rollupbutton", false, false, true, true, clBtnFace, false, TspDefaultGlyph::DownTriangle},
        {L"rollupbutton", false, false, true, false, clBtnFace, false, TspDefaultGlyph::UpTriangle},
        {L"sysmenubutton", false, false, true, false, clBtnFace, false, TspDefaultGlyph::TwoBars},
        {L"traybutton", false, false, true, false, clBtnFace, false, TspDefaultGlyph::FilledSquare},
    };
    for (const auto& c : cases) {
        auto& b = *objects.Find<TspSkinStdButtonObject>(c.Name);
        b.Active = c.Active;
        b.FDown = c.Down;
        b.Enabled = c.Enabled;
        objects.Form.Maximized = objects.Form.Minimized = objects.Form.RolledUp = c.WindowState;
        const TspObjectLook look = b.Look(true);
        EXPECT_EQ(look.DefaultFill, c.Fill);
        EXPECT_EQ(look.DefaultFrame, c.Frame);
        EXPECT_EQ(look.Glyph, c.Glyph);
        EXPECT_EQ(look.GlyphColour, c.Enabled ? clBtnText : clBtnShadow);
    }
    objects.Form.ShowIcon = true;
    EXPECT_EQ(objects.Find<TspSkinStdButtonObject>(L"sysmenubutton")->Look(true).Source, TspLookSource::WindowIcon);
}

// Tests that a record naming a picture that does not exist gives an object without an active look
// while the record keeps its rectangle for a later save.
TEST(SkinObjectCreation, BadActivePictureEmptiesOnlyTheObjectsActiveLook)
{
    THandSkin hand;
    auto& rec = hand.Add<TspDataSkinStdButton>(L"b");
    rec.ActivePictureIndex = 1;  // only picture 0 exists
    rec.ActiveSkinRect = Rect(2, 0, 4, 2);
    rec.Morphing = true;
    TspSkinObjects objects;
    objects.CreateObjects(&hand.sd);
    auto& b = *objects.Find<TspSkinStdButtonObject>(L"b");
    EXPECT_EQ(rec.ActiveSkinRect, Rect(2, 0, 4, 2));
    EXPECT_TRUE(b.ActiveSkinRect.IsEmpty());
    EXPECT_EQ(b.ActivePictureIndex, -1);
    EXPECT_FALSE(b.EnableMorphing());
    b.MouseEnter();
    EXPECT_EQ(b.Look(true), TspObjectLook{});
}

// Tests the point test against a 4 x 3 mask: black pixels are in, the rest out, and the points at
// x = width or y = height lie outside (nothing is read past the mask).
TEST(SkinObjectPointTest, ReadsOnlyInsideTheMask)
{
    THandSkin hand;
    auto mask = std::make_unique<TPixelImage>();
    mask->Width = 4;
    mask->Height = 3;
    mask->Pixels.assign(12, TPixel{0, 0, 0, 255});
    mask->At(1, 1) = TPixel{255, 255, 255, 255};
    hand.sd.FActivePictures.push_back(std::move(mask));
    hand.Add<TspDataSkinButton>(L"masked").ActiveMaskPictureIndex = 1;
    hand.Add<TspDataSkinButton>(L"unmasked");
    TspSkinObjects objects;
    objects.CreateObjects(&hand.sd);
    const auto& masked = *objects.ObjectList[0];
    const struct {
        int X, Y;
        bool In;
    } cases[] = {{0, 0, true}, {3, 2, true}, {1, 1, false}, {4, 0, false}, {0, 3, false},
                 {4, 3, false}, {-1, 0, false}, {0, -1, false}};
    for (const auto& c : cases)
        EXPECT_EQ(masked.PtInObject(c.X, c.Y), c.In) << c.X << "," << c.Y;
    EXPECT_TRUE(objects.ObjectList[1]->PtInObject(40, 40));
    objects.Form.SkinLoaded = false;
    EXPECT_TRUE(masked.PtInObject(1, 1));
}

struct TVisibility {
    bool Enabled, Visible;
    friend bool operator==(const TVisibility&, const TVisibility&) = default;
};

// Tests the border-icon rules over the default skin's buttons, whose looks are separate images.
TEST_F(DefaultSkinObjects, CheckObjectsFollowsBorderIconsAndFlags)
{
    const TspBorderIcons usual;  // system menu, minimize, maximize
    TspBorderIcons app;          // the application's: no system menu
    app.SystemMenu = false;
    app.RollUp = true;
    const TVisibility on{true, true}, off{false, false}, greyed{false, true};
    const struct {
        const char* Name;
        TspBorderIcons Icons;
        bool HideButtons, DisableSysMenu, HideClose;
        TVisibility Close, Max, Min, Sys;
    } cases[] = {
        {"usual icons", usual, false, false, false, on, on, on, on},
        {"application", app, false, false, false, on, on, on, off},
        {"caption buttons hidden", usual, true, false, false, off, off, off, off},
        {"system menu disabled", usual, false, true, false, on, on, on, greyed},
        {"close hidden without system menu", app, false, false, true, off, on, on, off},
        {"close kept with system menu", usual, false, false, true, on, on, on, on},
    };
    for (const auto& c : cases) {
        TspObjectSettings settings;
        settings.BorderIcons = c.Icons;
        settings.HideCaptionButtons = c.HideButtons;
        settings.DisableSystemMenu = c.DisableSysMenu;
        settings.HideCloseButton = c.HideClose;
        objects.CheckObjects(settings, &sd);
        const auto state = [&](const wchar_t* n) { return TVisibility{Obj(n).Enabled, Obj(n).Visible}; };
        EXPECT_EQ(state(L"closebutton"), c.Close) << c.Name;
        EXPECT_EQ(state(L"maxbutton"), c.Max) << c.Name;
        EXPECT_EQ(state(L"minbutton"), c.Min) << c.Name;
        EXPECT_EQ(state(L"sysmenubutton"), c.Sys) << c.Name;
    }
    // The cases run in sequence, so the close button hidden above came back for the last one.
}

// Tests that a frame-drawn button stays visible but disabled, that a dialog's close button
// replaces the others and that every close button comes back when the icons change back.
TEST(SkinObjectCheck, FrameDrawnButtonsStayAndCloseButtonsAreSetAfresh)
{
    THandSkin hand;
    hand.Add<TspDataSkinStdButton>(L"closebutton").Command = cmClose;
    hand.Add<TspDataSkinStdButton>(L"dialogclosebutton").Command = cmClose;
    auto& framed = hand.Add<TspDataSkinStdButton>(L"maxbutton");
    framed.Command = cmMaximize;
    framed.SkinRectInAPicture = false;
    hand.Add<TspDataSkinStdButton>(L"shown").Command = cmDefault;
    hand.Add<TspDataSkinStdButton>(L"custom").Command = cmDefault;
    TRecordingHost host;
    TspSkinObjects objects(&host);
    objects.CreateObjects(&hand.sd);
    const auto state = [&](const wchar_t* n) {
        auto* o = objects.Find<TspActiveSkinObject>(n);
        return TVisibility{o->Enabled, o->Visible};
    };

    TspObjectSettings dialog;
    dialog.BorderIcons = {true, false, false, false, false};
    objects.CheckObjects(dialog, nullptr);
    EXPECT_EQ(state(L"closebutton"), (TVisibility{false, false}));
    EXPECT_EQ(state(L"dialogclosebutton"), (TVisibility{true, true}));
    EXPECT_EQ(state(L"maxbutton"), (TVisibility{false, true}));
    EXPECT_TRUE(state(L"shown").Visible);
    EXPECT_FALSE(state(L"custom").Visible);

    objects.CheckObjects(TspObjectSettings{}, nullptr);
    EXPECT_EQ(state(L"closebutton"), (TVisibility{true, true}));
    EXPECT_EQ(state(L"dialogclosebutton"), (TVisibility{false, false}));
    EXPECT_EQ(state(L"maxbutton"), (TVisibility{true, true}));

    TspObjectSettings hidden;
    hidden.BorderIcons.SystemMenu = false;
    hidden.HideCloseButton = true;
    objects.CheckObjects(hidden, nullptr);
    EXPECT_EQ(state(L"closebutton"), (TVisibility{false, false}));
    objects.CheckObjects(TspObjectSettings{}, nullptr);
    EXPECT_EQ(state(L"closebutton"), (TVisibility{true, true}));
}

// Tests that hints come from the skin's resource strings, fall back to the built-in English text,
// and that the restore hint shows while the command is in effect.
TEST_F(DefaultSkinObjects, HintsFromResourceStringsWithEnglishFallback)
{
    TspObjectSettings settings;
    settings.Caption = L"Vantrel";
    objects.CheckObjects(settings, &sd);
    EXPECT_EQ(Obj(L"sysmenubutton").Hint, L"System menu");
    EXPECT_EQ(Obj(L"closebutton").RestoreHint, L"Restore");
    EXPECT_EQ(Obj<TspSkinCaptionObject>(L"caption").FTextValue, L"Vantrel");

    TspResourceStrData strings(nullptr);
    TStringList lines;
    lines.Add(L"CLOSEBUTTON_HINT=Fermer");
    lines.Add(L"MAXBUTTON_HINT=");
    strings.SetResStrings(lines);
    sd.SetResourceStrData(&strings);
    objects.CheckObjects(settings, &sd);
    sd.SetResourceStrData(nullptr);
    EXPECT_EQ(Obj(L"closebutton").Hint, L"Fermer");
    EXPECT_EQ(Obj(L"maxbutton").Hint, L"Maximize");
    EXPECT_EQ(Obj(L"minbutton").Hint, L"Minimize");

    auto& max = Obj(L"maxbutton");
    objects.Form.Maximized = true;
    max.MouseEnter();
    EXPECT_EQ(max.Hint, L"Restore");
    max.MouseLeave();
    objects.Form.Maximized = false;
    max.MouseEnter();
    EXPECT_EQ(max.Hint, L"Maximize");
}

TspObjectLook Plain(TspLookSource source, TRect r)
{
    TspObjectLook look;
    look.Source = source;
    look.Rect = r;
    return look;
}

// Tests the look of the maximize button in each state, with and without its command in effect.
TEST_F(DefaultSkinObjects, LookPerState)
{
    objects.Form.EnableSkinEffects = false;  // plain copies; the morph has its own test
    auto& max = Obj(L"maxbutton");
    const auto pic = TspLookSource::ActivePicture;
    const struct {
        const char* Name;
        bool Maximized, Active, MouseIn, Down, Enabled, FormActive;
        TRect Expected;
    } cases[] = {
        {"normal", false, false, false, false, true, true, Rect(0, 21, 30, 42)},
        {"hot", false, true, true, false, true, true, Rect(30, 21, 60, 42)},
        {"pressed", false, true, true, true, true, true, Rect(60, 21, 90, 42)},
        {"pressed, mouse away", false, false, false, true, true, true, Rect(0, 21, 30, 42)},
        {"disabled without a disabled look", false, false, false, false, false, true, Rect(0, 21, 30, 42)},
        {"inactive form without an inactive look", false, false, false, false, true, false, Rect(0, 21, 30, 42)},
        {"maximized", true, false, false, false, true, true, Rect(0, 42, 30, 63)},
        {"maximized hot", true, true, true, false, true, true, Rect(30, 42, 60, 63)},
        {"maximized pressed", true, true, true, true, true, true, Rect(60, 42, 90, 63)},
    };
    for (const auto& c : cases) {
        objects.Form.Maximized = c.Maximized;
        objects.Form.FormActive = c.FormActive;
        max.Active = c.Active;
        max.FMouseIn = c.MouseIn;
        max.FDown = c.Down;
        max.Enabled = c.Enabled;
        EXPECT_EQ(max.Look(true), Plain(pic, c.Expected)) << c.Name;
    }

    // Minimize is never in effect for the application's main form.
    objects.Form.Minimized = true;
    EXPECT_TRUE(Obj(L"minbutton").CommandInEffect());
    objects.Form.IsMainForm = true;
    EXPECT_FALSE(Obj(L"minbutton").CommandInEffect());

    // The caption is part of the frame picture: on the frame image only its text is drawn.
    auto& caption = Obj<TspSkinCaptionObject>(L"caption");
    EXPECT_EQ(caption.Look(false), TspObjectLook{});
    EXPECT_EQ(caption.Look(true), Plain(TspLookSource::FramePicture, Rect(2, 0, 194, 29)));

    // The system button that shows the window icon draws it and is hit everywhere.
    objects.Form.ShowIcon = true;
    auto& sys = Obj(L"sysmenubutton");
    EXPECT_EQ(sys.Look(true).Source, TspLookSource::WindowIcon);
    EXPECT_TRUE(sys.IsIconSysButton());
    EXPECT_FALSE(sys.CanMorphing());
}

// Tests that hovering starts the shared timer, that five ticks reach the hot look exactly, that
// the sixth stops the timer, and that leaving mid-way turns back from where the factor was.
TEST_F(DefaultSkinObjects, MorphsInFifthsOnTheSharedTimer)
{
    auto& close = Obj(L"closebutton");
    ASSERT_TRUE(close.EnableMorphing());
    close.MouseEnter();
    EXPECT_EQ(host.TimerStarts, 1);
    EXPECT_TRUE(objects.MorphTimerRunning());
    EXPECT_EQ(close.MorphKf(), 0.0);  // the first change comes with the first tick
    for (int tick = 1; tick <= 5; ++tick) {
        EXPECT_TRUE(objects.MorphTick());
        EXPECT_EQ(close.MorphStep(), tick);
        const TspObjectLook look = close.Look(true);
        EXPECT_EQ(look.Morph, tick < 5) << tick;
    }
    EXPECT_EQ(close.MorphKf(), 1.0);
    EXPECT_EQ(close.Look(true), Plain(TspLookSource::ActivePicture, Rect(30, 0, 60, 21)));
    EXPECT_FALSE(objects.MorphTick());
    EXPECT_FALSE(objects.MorphTimerRunning());

    // Back out after three ticks of the way out.
    close.MouseLeave();
    EXPECT_EQ(host.TimerStarts, 2);
    for (int tick = 1; tick <= 3; ++tick)
        objects.MorphTick();
    EXPECT_EQ(close.MorphStep(), 2);
    close.MouseEnter();
    objects.MorphTick();
    EXPECT_EQ(close.MorphStep(), 3);
    const TspObjectLook mid = close.Look(true);
    EXPECT_TRUE(mid.Morph);
    EXPECT_EQ(mid.MorphKf, 0.6);
    EXPECT_EQ(mid.MorphFrom, Rect(0, 0, 30, 21));
    EXPECT_EQ(mid.MorphTo, Rect(30, 0, 60, 21));
    close.MouseLeave();
    for (int tick = 1; tick <= 3; ++tick)
        EXPECT_TRUE(objects.MorphTick());
    EXPECT_EQ(close.MorphKf(), 0.0);
    EXPECT_FALSE(objects.MorphTick());
    EXPECT_FALSE(objects.MorphTimerRunning());

    close.SetMorphKf(7);
    EXPECT_EQ(close.MorphKf(), 1.0);
    close.SetMorphKf(-1);
    EXPECT_EQ(close.MorphKf(), 0.0);
}

// Tests that a pressed plain button dragged off turns back to its normal look, not its hot one,
// and shows its down look again once back over it.
TEST_F(DefaultSkinObjects, PressedButtonDraggedOffShowsItsNormalLook)
{
    auto& close = Obj(L"closebutton");
    close.MouseEnter();
    while (objects.MorphTick()) {
    }
    close.MouseDown(0, 0, TspMouseButton::Left);
    EXPECT_EQ(close.Look(true), Plain(TspLookSource::ActivePicture, Rect(60, 0, 90, 21)));
    close.MouseLeave();
    EXPECT_TRUE(objects.MorphTimerRunning());  // the way back from the hot look starts
    while (objects.MorphTick()) {
    }
    EXPECT_EQ(close.Look(true), Plain(TspLookSource::ActivePicture, Rect(0, 0, 30, 21)));
    close.MouseEnter();
    EXPECT_EQ(close.Look(true), Plain(TspLookSource::ActivePicture, Rect(60, 0, 90, 21)));
}

// Tests radio groups: pressing one button raises the pressed one of its group only; pressing the
// pressed one again changes nothing; a plain button comes up on release.
TEST(SkinObjectButtons, GroupsActLikeRadioButtons)
{
    THandSkin hand;
    for (const wchar_t* n : {L"a", L"b", L"c", L"plain"}) {
        auto& r = hand.Add<TspDataSkinButton>(n);
        r.DownRect = Rect(2, 0, 4, 2);
        r.GroupIndex = n[0] == L'c' ? 2 : (n[0] == L'p' ? -1 : 1);
    }
    TRecordingHost host;
    TspSkinObjects objects(&host);
    objects.CreateObjects(&hand.sd);
    const auto down = [&] {
        std::wstring s;
        for (auto& o : objects.ObjectList)
            s += static_cast<TspSkinButtonObject&>(*o).FDown ? L'1' : L'0';
        return s;
    };
    const auto press = [&](int i) {
        objects.ObjectList[static_cast<size_t>(i)]->MouseDown(0, 0, TspMouseButton::Left);
    };
    press(0);
    press(2);
    EXPECT_EQ(down(), L"1010");
    press(1);
    EXPECT_EQ(down(), L"0110");
    host.Drawn.clear();
    press(1);
    EXPECT_EQ(down(), L"0110");
    EXPECT_TRUE(host.Drawn.empty());
    objects.ObjectList[1]->MouseUp(0, 0, TspMouseButton::Left);  // grouped: stays down
    press(3);
    objects.ObjectList[3]->MouseUp(0, 0, TspMouseButton::Left);
    EXPECT_EQ(down(), L"0110");
    EXPECT_TRUE(objects.ButtonGetDown(L"b"));
    objects.ButtonSetDown(L"a", true);
    EXPECT_EQ(down(), L"1010");
}

// Tests which command a release runs and when the button comes up: close releases first, the
// others after the command; a release outside the button or with another button runs nothing.
// A button whose command moved the window is no longer hot afterwards.
TEST_F(DefaultSkinObjects, CommandsRunOnlyOnLeftReleaseOverTheButton)
{
    const struct {
        const wchar_t* Name;
        bool LeaveFirst;
        TspMouseButton Button;
        TspFormCommand Expected;
        bool DownWhileRunning;
        bool HotAfter;
    } cases[] = {
        {L"closebutton", false, TspMouseButton::Left, TspFormCommand::Close, false, true},
        {L"maxbutton", false, TspMouseButton::Left, TspFormCommand::Maximize, true, false},
        {L"minbutton", false, TspMouseButton::Left, TspFormCommand::Minimize, true, false},
        {L"maxbutton", true, TspMouseButton::Left, TspFormCommand::None, false, false},
        {L"closebutton", false, TspMouseButton::Right, TspFormCommand::None, false, true},
        {L"sysmenubutton", false, TspMouseButton::Left, TspFormCommand::None, false, true},
    };
    for (const auto& c : cases) {
        const int index = objects.GetIndex(c.Name);
        auto& b = Obj(c.Name);
        objects.ActiveObject = index;
        b.MouseEnter();
        b.MouseDown(0, 0, c.Button);
        if (c.LeaveFirst)
            b.MouseLeave();
        TspFormCommand ran = TspFormCommand::None;
        bool downWhileRunning = false;
        objects.RouteMouseUp(index, 0, 0, c.Button, [&](TspFormCommand cmd) {
            ran = cmd;
            downWhileRunning = b.FDown;
        });
        EXPECT_EQ(ran, c.Expected) << index;
        EXPECT_EQ(downWhileRunning, c.DownWhileRunning) << index;
        EXPECT_FALSE(b.FDown) << index;
        EXPECT_EQ(objects.ActiveObject, c.Expected == TspFormCommand::None ? index : -1) << index;
        EXPECT_EQ(b.Active, c.HotAfter) << index;
        b.MouseLeave();
    }
    // The system button opens the system menu on press and closes the form on a double click.
    ASSERT_EQ(host.Menus.size(), 1u);
    EXPECT_EQ(host.Menus[0], (std::pair<String, bool>{L"sysmenubutton", true}));
    EXPECT_EQ(Obj(L"sysmenubutton").DblClick().Command, TspFormCommand::Close);
}

// Tests access by name: exact, case-sensitive, and class-checked.
TEST_F(DefaultSkinObjects, AccessByNameIsExactAndClassChecked)
{
    EXPECT_EQ(objects.GetIndex(L"maxbutton"), 2);
    EXPECT_EQ(objects.GetIndex(L"MaxButton"), -1);
    EXPECT_EQ(objects.GetIndex(L"maxbutto"), -1);
    objects.ButtonSetDown(L"caption", true);  // not a button: nothing
    EXPECT_FALSE(objects.ButtonGetDown(L"caption"));
    objects.CaptionSetText(L"closebutton", L"x");  // not a caption: nothing
    objects.CaptionSetText(L"caption", L"Title");
    EXPECT_EQ(Obj<TspSkinCaptionObject>(L"caption").FTextValue, L"Title");
    objects.SetEnabled(L"minbutton", false);
    EXPECT_FALSE(Obj(L"minbutton").Enabled);
    objects.SetEnabled(L"nothing", false);

    Obj<TspSkinCaptionObject>(L"caption").Active = true;
    Obj(L"closebutton").MouseEnter();
    objects.MorphTick();
    objects.ResetObjectStates();
    EXPECT_FALSE(Obj(L"closebutton").Active);
    EXPECT_EQ(Obj(L"closebutton").MorphKf(), 0.0);
    EXPECT_TRUE(Obj<TspSkinCaptionObject>(L"caption").Active);
}

// Tests the caption text placement: the rectangle grows with the object, the alignments, centring
// with quick buttons, the odd-height shift, shortening, and the backdrop.
TEST_F(DefaultSkinObjects, PlacesCaptionText)
{
    auto& c = Obj<TspSkinCaptionObject>(L"caption");
    c.ObjectRect = Bounds(10, 0, 300, 29);  // 108 wider than the skin's 192
    const TRect tr = CaptionTextRect(c);
    EXPECT_EQ(tr, Rect(0, 0, 300, 28));
    TFakeText text;
    TspCaptionTextInput in;
    in.Text = L"Vantrel";  // 49 x 16
    const struct {
        const char* Name;
        TAlignment Align;
        bool Quick;
        int FontHeight;
        TPoint Origin;
        TPoint At;
    } cases[] = {
        {"centred", taCenter, false, 14, {}, {150 - 24, 14 - 8}},
        {"odd font height", taCenter, false, 13, {}, {126, 5}},
        {"left", taLeftJustify, false, 14, {}, {0, 6}},
        {"right", taRightJustify, false, 14, {}, {300 - 49, 6}},
        {"right with quick buttons", taRightJustify, true, 14, {}, {126, 6}},
        {"onto the frame image", taLeftJustify, false, 14, {10, 0}, {10, 6}},
    };
    for (const auto& k : cases) {
        c.Alignment = k.Align;
        in.QuickButtons = k.Quick;
        in.Origin = k.Origin;
        text.Height = k.FontHeight;
        const TspCaptionTextPlan plan = PlanCaptionText(c, tr, in, text);
        ASSERT_TRUE(plan.Draw) << k.Name;
        EXPECT_EQ(plan.TextRect, Bounds(k.At.X, k.At.Y, 49, 16)) << k.Name;
    }

    // The skin's font and its active colour; white glow of size 3 in both states.
    in.Origin = {};
    in.QuickButtons = false;
    c.Alignment = taCenter;
    text.Height = 14;
    TspCaptionTextPlan plan = PlanCaptionText(c, tr, in, text);
    EXPECT_EQ(plan.Font, (TspCaptionFont{L"Tahoma", 14, fsBold, 4408131}));
    EXPECT_EQ(plan.Effect, TspCaptionEffect::Glow);
    EXPECT_EQ(plan.EffectColour, 16777215);
    EXPECT_EQ(plan.GlowSize, 3);
    EXPECT_FALSE(plan.Backdrop);

    // The form's caption, with the maximized MDI child's; the object's own text only for a form
    // without a non-client area and a caption that is not the default one.
    c.FTextValue = L"own";
    EXPECT_EQ(CaptionText(c, L"Form", true, L"Child"), L"Form - [Child]");
    EXPECT_EQ(CaptionText(c, L"Form", false), L"Form");
    c.DefaultCaption = false;
    EXPECT_EQ(CaptionText(c, L"Form", false), L"own");
    EXPECT_EQ(CaptionText(c, L"Form", true), L"Form");

    in.Text = L"A rather long window title";
    plan = PlanCaptionText(c, Rect(0, 0, 60, 28), in, text);
    EXPECT_EQ(plan.Text, L"A rat...");  // eight characters of 7 px fit in 60
    in.Text.clear();
    EXPECT_FALSE(PlanCaptionText(c, tr, in, text).Draw);

    // A backdrop 40 wide whose text area is (5, 3, 35, 17).
    in.Text = L"Vantrel";
    c.FrameRect = Rect(0, 40, 40, 60);
    c.FrameTextRect = Rect(5, 3, 35, 17);
    const TRect framed = CaptionTextRect(c);
    EXPECT_EQ(framed, Rect(5, 3, 295, 28));
    plan = PlanCaptionText(c, framed, in, text);
    const int x = 5 + 290 / 2 - 24, y = 3 + 25 / 2 - 8;
    EXPECT_EQ(plan.TextRect, Bounds(x, y, 49, 16));
    EXPECT_TRUE(plan.Backdrop);
    EXPECT_EQ(plan.BackdropSource, c.FrameRect);
    EXPECT_EQ(plan.BackdropDest, Bounds(x - 5, y - 3, 49 + 40 - 30, 20));
    c.FullFrame = true;
    in.ButtonsOffset = objects.ButtonsOffset;  // the skin's 2
    plan = PlanCaptionText(c, framed, in, text);
    EXPECT_EQ(plan.BackdropDest, Bounds(2, y - 3, 300 - 2 * 2, 20));
}

// Tests which text effect applies: reflection first, then halo, then glow, the last two only while
// active or with their inactive flag.
TEST_F(DefaultSkinObjects, ChoosesCaptionEffect)
{
    auto& c = Obj<TspSkinCaptionObject>(L"caption");
    TFakeText text;
    TspCaptionTextInput in;
    in.Text = L"x";
    const struct {
        bool Reflection, Halo, HaloInactive, Glow, GlowInactive, Active;
        TspCaptionEffect Expected;
    } cases[] = {
        {true, true, true, true, true, true, TspCaptionEffect::Reflection},
        {false, true, false, true, false, true, TspCaptionEffect::Halo},
        {false, true, false, true, true, false, TspCaptionEffect::Glow},
        {false, true, true, true, true, false, TspCaptionEffect::Halo},
        {false, false, false, true, false, false, TspCaptionEffect::Plain},
    };
    for (const auto& k : cases) {
        c.ReflectionEffect = k.Reflection;
        c.VistaGlowEffect = k.Halo;
        c.VistaGlowInActiveEffect = k.HaloInactive;
        c.GlowEffect = k.Glow;
        c.GlowInActiveEffect = k.GlowInactive;
        in.FormActive = k.Active;
        EXPECT_EQ(PlanCaptionText(c, CaptionTextRect(c), in, text).Effect, k.Expected);
    }
}

// Tests the caption animation: frames cut from the strip, stepped every interval, the static
// caption after the last frame, the way back while inactive, and no animation without frames.
TEST_F(DefaultSkinObjects, AnimatesCaptionFrames)
{
    auto& c = Obj<TspSkinCaptionObject>(L"caption");
    c.AnimateSkinRect = Rect(0, 30, 200, 59);  // as tall as the caption: frames side by side
    c.AnimateInterval = 50;
    for (const int bad : {0, -3}) {
        c.FrameCount = bad;
        EXPECT_FALSE(c.EnableAnimation());
        EXPECT_FALSE(objects.StartCaptionAnimation(true));
        EXPECT_FALSE(objects.AnimationTick(true));
        EXPECT_TRUE(c.AnimationFrameRect().IsEmpty());
    }
    c.FrameCount = 4;
    ASSERT_TRUE(objects.StartCaptionAnimation(true));
    std::vector<TRect> frames{c.AnimationFrameRect()};
    int ticks = 0;
    while (objects.AnimationTick(true)) {
        ++ticks;
        if (c.AnimationFrameRect() != frames.back())
            frames.push_back(c.AnimationFrameRect());
    }
    ++ticks;
    EXPECT_EQ(ticks, 8);  // each frame lasts two 25 ms ticks
    const std::vector<TRect> expected = {Rect(0, 30, 50, 59), Rect(50, 30, 100, 59), Rect(100, 30, 150, 59),
                                         Rect(150, 30, 200, 59)};
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(c.CurrentFrame, 5);
    EXPECT_EQ(c.Look(false).Source, TspLookSource::None);

    c.InActiveAnimation = true;
    c.AnimateSkinRect = Rect(0, 30, 40, 150);  // taller: frames stacked, 30 high
    ASSERT_TRUE(objects.StartCaptionAnimation(false));
    EXPECT_EQ(c.AnimationFrameRect(), Rect(0, 120, 40, 150));
    EXPECT_EQ(c.Look(false), Plain(TspLookSource::ActivePicture, Rect(0, 120, 40, 150)));
    while (objects.AnimationTick(false)) {
    }
    EXPECT_EQ(c.CurrentFrame, 0);
    c.InActiveAnimation = false;
    EXPECT_FALSE(objects.StartCaptionAnimation(false));
}

} // namespace
} // namespace vt
