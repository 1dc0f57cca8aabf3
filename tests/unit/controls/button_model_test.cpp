// The skinned button's decisions and state machine, driven by scripts on a fake clock: looks,
// glyph and font colour, animation frames, the glow composition, clicks, Down, groups, the
// repeat schedule, fades and keys.
#include "controls/button_model.h"
#include "raster/bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vt {
namespace {

using L = TButtonLook;

// Tests the look order disabled > down > focused > hot > idle, the fade between idle and hot,
// and the held-and-dragged-off button showing the focused look.
TEST(ButtonModel, LookFollowsThePriorityOrder)
{
    struct Case {
        const char* what;
        TButtonLookInput in;
        L look;
    } cases[] = {
        {"idle", {}, L::blNormal},
        {"hot", {.MouseIn = true}, L::blHot},
        {"fading", {.MorphOn = true, .MorphKf = 0.4}, L::blFade},
        {"fade done", {.MorphOn = true, .MorphKf = 1}, L::blHot},
        {"fade off", {.MorphOn = false, .MorphKf = 0.4}, L::blNormal},
        {"disabled", {.Enabled = false, .MouseIn = true, .HasDisabledRect = true}, L::blDisabled},
        {"disabled without its picture", {.Enabled = false, .HasDisabledRect = false}, L::blNormal},
        {"disabled no fade", {.Enabled = false, .HasDisabledRect = true, .MorphOn = true, .MorphKf = 0.4},
         L::blDisabled},
        {"down under the mouse", {.Down = true, .MouseIn = true}, L::blDown},
        {"down grouped, mouse away", {.Down = true, .Grouped = true}, L::blDown},
        {"down by space", {.Down = true, .Focused = true}, L::blDown},
        {"held and dragged off", {.Down = true, .Focused = true, .LeftHeld = true, .HasFocusedRect = true},
         L::blFocused},
        {"held off, no focus picture", {.Down = true, .Focused = true, .LeftHeld = true}, L::blHot},
        {"down, mouse away, unfocused", {.Down = true}, L::blNormal},
        {"focused", {.Focused = true, .HasFocusedRect = true}, L::blFocused},
        {"focused while animating", {.Focused = true, .HasFocusedRect = true, .Animating = true}, L::blHot},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseButtonLook(c.in), c.look) << c.what;
    EXPECT_TRUE(LookIsActive(L::blDown) && LookIsDown(L::blDown));
    EXPECT_TRUE(LookIsActive(L::blFocused) && !LookIsDown(L::blFocused));
    EXPECT_FALSE(LookIsActive(L::blNormal) || LookIsActive(L::blDisabled) || LookIsActive(L::blFade));
}

// Tests the glyph choice and the caption colour of every look.
TEST(ButtonModel, GlyphIndexAndFontColour)
{
    struct GlyphCase {
        bool down, active, enabled;
        int num, want;
    } glyphs[] = {
        {true, true, true, 3, 3},  {true, true, true, 2, 1},  {true, false, true, 4, 1},
        {false, true, true, 4, 4}, {false, true, true, 3, 1}, {false, false, false, 2, 2},
        {false, false, false, 1, 1}, {true, true, false, 4, 3}, {false, true, false, 3, 2},
    };
    for (const GlyphCase& g : glyphs)
        EXPECT_EQ(ButtonGlyphIndex(g.down, g.active, g.enabled, g.num), g.want)
            << g.down << g.active << g.enabled << " " << g.num;

    TButtonSkin s;
    s.FontColor = 0x01;
    s.ActiveFontColor = 0x02;
    s.DownFontColor = 0x03;
    s.DisabledFontColor = 0x04;
    struct ColourCase {
        TButtonColourInput in;
        TColor want;
    } colours[] = {
        {{.UseSkinFontColor = false, .Active = true, .DefaultFontColor = 0x99}, 0x99},
        {{.UseSkinFontColor = false, .Enabled = false, .DefaultFontColor = 0x99}, 0x04},
        {{.Enabled = false, .Active = true}, 0x04},
        {{.Active = true, .Down = true}, 0x03},
        {{.Active = true}, 0x02},
        {{.Down = true}, 0x01},
        {{.Transparent = true, .ButtonTextColor = 0x55}, 0x55},
        {{.Active = true, .Transparent = true, .ButtonTextColor = 0x55}, 0x02},
        {{}, 0x01},
    };
    for (const ColourCase& c : colours)
        EXPECT_EQ(ButtonFontColour(s, c.in), c.want);
}

// Tests the record completion: empty hot and down rectangles fall back, a disabled colour equal
// to the normal one turns grey.
TEST(ButtonModel, RecordCopyFillsEmptyRectangles)
{
    TspDataSkinButtonControl r(L"b");
    r.SkinRect = {0, 0, 40, 20};
    r.FontColor = r.DisabledFontColor = 0x123456;
    TButtonSkin s = ReadButtonSkin(r);
    EXPECT_EQ(s.ActiveSkinRect, r.SkinRect);
    EXPECT_EQ(s.DownSkinRect, r.SkinRect);
    EXPECT_EQ(s.DisabledFontColor, TColor(0x808080));
    r.ActiveSkinRect = {0, 20, 40, 40};
    r.DisabledFontColor = 0x111111;
    s = ReadButtonSkin(r);
    EXPECT_EQ(s.DownSkinRect, r.ActiveSkinRect) << "the completed hot rectangle";
    EXPECT_EQ(s.DisabledFontColor, TColor(0x111111));
    EXPECT_EQ(LookRect(s, L::blDown), r.ActiveSkinRect);
    EXPECT_EQ(LookRect(s, L::blFade), r.SkinRect);
}

// Tests the frame rectangles of a horizontal and a vertical strip, and that a FrameCount below 1
// or a frame out of range gives none (no division by zero).
TEST(ButtonModel, AnimationFramesSplitTheStrip)
{
    TButtonSkin s;
    s.SkinRect = {0, 0, 40, 20};
    s.AnimateSkinRect = {0, 40, 120, 60};
    s.FrameCount = 3;
    EXPECT_EQ(AnimationFrameRect(s, 1), (TRect{0, 40, 40, 60}));
    EXPECT_EQ(AnimationFrameRect(s, 3), (TRect{80, 40, 120, 60}));
    EXPECT_TRUE(AnimationFrameRect(s, 4).IsEmpty());
    EXPECT_TRUE(AnimationFrameRect(s, 0).IsEmpty());
    s.AnimateSkinRect = {0, 40, 40, 100};
    EXPECT_EQ(AnimationFrameRect(s, 2), (TRect{0, 60, 40, 80}));
    for (int count : {0, -2}) {
        s.FrameCount = count;
        EXPECT_TRUE(AnimationFrameRect(s, 1).IsEmpty()) << count;
    }
    s.FrameCount = 100;  // more frames than pixels
    EXPECT_TRUE(AnimationFrameRect(s, 1).IsEmpty());

    EXPECT_TRUE(RectInsidePicture({0, 0, 10, 10}, 10, 10));
    EXPECT_FALSE(RectInsidePicture({0, 0, 11, 10}, 10, 10));
    EXPECT_FALSE(RectInsidePicture({-1, 0, 5, 5}, 10, 10));
    EXPECT_FALSE(RectInsidePicture({}, 10, 10));
}

// Tests the glow picture: mode 0 as it is, mode 2 widened with fixed ends (only with
// UseSkinSize), mode 1 grown inside the offsets, other modes nothing.
TEST(ButtonModel, GlowImageGrowsWithTheButton)
{
    EXPECT_EQ(ChooseGlow(rmFixed, false), TGlowCompose::gcAsIs);
    EXPECT_EQ(ChooseGlow(rmHorizontal, true), TGlowCompose::gcHorzBand);
    EXPECT_EQ(ChooseGlow(rmHorizontal, false), TGlowCompose::gcNone);
    EXPECT_EQ(ChooseGlow(rmBoth, false), TGlowCompose::gcFramed);
    EXPECT_EQ(ChooseGlow(rmVertical, true), TGlowCompose::gcNone);
    EXPECT_EQ(ChooseGlow(rmNone, true), TGlowCompose::gcNone);

    TspBitmap glow;
    glow.SetSize(20, 10);
    glow.Clear(0xFF0000FF);
    for (int y = 0; y < 10; ++y)
        for (int x = 4; x < 16; ++x)
            glow.SetPixel(x, y, 0xFF00FF00);
    TButtonSkin s;
    s.GlowLayerOffsetLeft = s.GlowLayerOffsetRight = 4;
    s.GlowLayerOffsetTop = s.GlowLayerOffsetBottom = 2;
    TspBitmap out;
    ASSERT_TRUE(ComposeGlowImage(out, glow.View(), TGlowCompose::gcHorzBand, s, 30, 0));
    EXPECT_EQ(out.Width(), 50);
    EXPECT_EQ(out.Height(), 10);
    EXPECT_EQ(out.GetPixel(3, 5) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(out.GetPixel(46, 5) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(out.GetPixel(25, 5) & 0xFFFFFF, 0x00FF00u);
    ASSERT_TRUE(ComposeGlowImage(out, glow.View(), TGlowCompose::gcFramed, s, 10, 6));
    EXPECT_EQ(out.Width(), 30);
    EXPECT_EQ(out.Height(), 16);
    ASSERT_TRUE(ComposeGlowImage(out, glow.View(), TGlowCompose::gcAsIs, s, 10, 6));
    EXPECT_EQ(out.Width(), 20);
    EXPECT_FALSE(ComposeGlowImage(out, glow.View(), TGlowCompose::gcHorzBand, s, -25, 0));
    EXPECT_FALSE(ComposeGlowImage(out, TPixelView{}, TGlowCompose::gcAsIs, s, 0, 0));
    s.GlowLayerOffsetLeft = 30;  // offsets beyond the picture
    EXPECT_FALSE(ComposeGlowImage(out, glow.View(), TGlowCompose::gcFramed, s, 10, 6));
}

// --- Scripts on a fake clock ------------------------------------------------------------------

// A window stand-in: timers on a millisecond clock, clicks with their times, and the group of
// buttons it belongs to.
class FakeButton final : public IButtonHost {
public:
    FakeButton() : model(*this) {}

    void ButtonClick() override
    {
        clicks.push_back(now);
        if (onClick)
            onClick();
    }
    void Repaint() override { ++repaints; }
    void StartTimer(TButtonTimer t, int ms) override { timers[t] = {ms, now + ms}; }
    void StopTimer(TButtonTimer t) override { timers.erase(t); }
    void RaiseGroupSiblings() override
    {
        for (FakeButton* b : *group)
            if (b != this && b->model.Options.GroupIndex == model.Options.GroupIndex && b->model.Down())
                b->model.SetDown(false);
    }
    void PostGlow(bool show) override { glow = show; }

    void Advance(int ms)
    {
        for (int end = now + ms; now < end;) {
            ++now;
            for (TButtonTimer t : {TButtonTimer::btMorph, TButtonTimer::btAnimate, TButtonTimer::btRepeat}) {
                auto it = timers.find(t);
                if (it == timers.end() || it->second.due > now)
                    continue;
                it->second.due = now + it->second.interval;
                model.TimerTick(t);
            }
        }
    }
    bool Running(TButtonTimer t) const { return timers.count(t) != 0; }

    // Steps: P press, R release over, r release outside, E enter, L leave, C capture lost,
    // F focus in, f focus out, S/s space down/up, +N wait N ms.
    void Run(const std::string& script)
    {
        std::istringstream in(script);
        std::string step;
        while (in >> step) {
            switch (step[0]) {
            case 'P': model.Press(); break;
            case 'R': model.Release(true); break;
            case 'r': model.Release(false); break;
            case 'E': model.MouseEnter(); break;
            case 'L': model.MouseLeave(); break;
            case 'C': model.CaptureLost(); break;
            case 'F': model.FocusEnter(); break;
            case 'f': model.FocusExit(); break;
            case 'S': model.KeyDown(dkOther, true); break;
            case 's': model.KeyUp(true); break;
            case '+': Advance(std::stoi(step.substr(1))); break;
            default: FAIL() << "bad step " << step;
            }
        }
    }

    struct Timer {
        int interval, due;
    };
    TButtonModel model;
    std::vector<FakeButton*>* group = nullptr;
    std::function<void()> onClick;
    std::map<TButtonTimer, Timer> timers;
    std::vector<int> clicks;
    int now = 0;
    int repaints = 0;
    bool glow = false;
};

// Tests scripts of presses, drags, keys, focus and capture loss: the clicks with their times and
// the Down state at the end.
TEST(ButtonModel, ScriptsGiveClicksAndDown)
{
    struct Case {
        const char* what;
        TButtonOptions options;
        const char* script;
        std::vector<int> clicks;
        bool down;
    } cases[] = {
        {"click", {}, "E P +10 R", {10}, false},
        {"drag out and release", {}, "E P L r", {}, false},
        {"drag out and back", {}, "E P +5 L E +5 R", {10}, false},
        {"repeat: none at the press, 500 + interval, one more on release",
         {.RepeatMode = true}, "E P +820 R", {600, 700, 800, 820}, false},
        {"repeat stops when the capture is lost", {.RepeatMode = true}, "E P +650 C +500 R", {600}, false},
        {"repeat: leaving stops, returning restarts at 500",
         {.RepeatMode = true}, "E P +550 L +300 E +650 R", {1450, 1500}, false},
        {"repeat released outside", {.RepeatMode = true}, "E P +650 L r", {600}, false},
        {"checked: down and one click at the press", {.CheckedMode = true, .GroupIndex = -1}, "E P +5 R", {0}, true},
        {"checked: up and a click at the second release",
         {.CheckedMode = true, .GroupIndex = -1}, "E P R +5 P +5 R", {0, 10}, false},
        {"grouped clicks at the press", {.GroupIndex = 1}, "E P +5 R", {0}, true},
        {"grouped down stays down", {.GroupIndex = 1}, "E P R +5 P R", {0}, true},
        {"grouped AllowAllUp raises on click", {.AllowAllUp = true, .GroupIndex = 1}, "E P R +5 P +5 R", {0, 10},
         false},
        {"space", {}, "F S +5 s", {5}, false},
        {"space in repeat mode clicks at the key-down", {.RepeatMode = true}, "F S +5 s", {0, 5}, false},
        {"losing the focus raises a space-down button, no click", {}, "F S f s", {}, false},
        {"release after a capture loss does nothing", {}, "E P C R", {}, false},
        {"space without space support", {.SpaceSupport = false}, "F S s", {}, false},
    };
    for (const Case& c : cases) {
        FakeButton b;
        std::vector<FakeButton*> group{&b};
        b.group = &group;
        b.model.Options = c.options;
        b.Run(c.script);
        EXPECT_EQ(b.clicks, c.clicks) << c.what;
        EXPECT_EQ(b.model.Down(), c.down) << c.what;
        EXPECT_FALSE(b.Running(TButtonTimer::btRepeat)) << c.what;
    }
}

// Tests that a click handler may free the button at each kind of click the state machine makes,
// the script's last step clicking (the sanitizer build catches a touch after the free).
TEST(ButtonModel, ClickHandlerMayFreeTheButton)
{
    struct Case {
        TButtonOptions options;
        const char* script;
        int freeAtClick;
    } cases[] = {
        {{}, "E P R", 1},
        {{.CheckedMode = true, .GroupIndex = -1}, "E P", 1},
        {{.CheckedMode = true, .GroupIndex = -1}, "E P R P R", 2},
        {{.GroupIndex = 1}, "E P", 1},
        {{.AllowAllUp = true, .GroupIndex = 1}, "E P R P R", 2},
        {{}, "F S s", 1},
    };
    for (const Case& c : cases) {
        auto* b = new FakeButton;
        b->model.Options = c.options;
        std::vector<FakeButton*> group{b};
        b->group = &group;
        int clicks = 0;
        bool freed = false;
        b->onClick = [&, b] {
            if (++clicks == c.freeAtClick) {
                freed = true;
                delete b;
            }
        };
        b->Run(c.script);
        EXPECT_TRUE(freed) << c.script;
        if (!freed)
            delete b;
    }
}

// Tests three buttons of group 1: a press raises the others; with AllowAllUp the first stays
// down when another is pressed, and a down button rises only when clicked.
TEST(ButtonModel, GroupRaisesSiblingsUnlessAllowAllUp)
{
    for (bool allowAllUp : {false, true}) {
        SCOPED_TRACE(allowAllUp ? "AllowAllUp" : "exclusive");
        FakeButton b[3];
        std::vector<FakeButton*> group{&b[0], &b[1], &b[2]};
        for (FakeButton& x : b) {
            x.group = &group;
            x.model.Options.GroupIndex = 1;
            x.model.Options.AllowAllUp = allowAllUp;
        }
        b[0].Run("E P R L");
        b[1].Run("E P R L");
        EXPECT_EQ(b[0].model.Down(), allowAllUp);
        EXPECT_TRUE(b[1].model.Down());
        EXPECT_FALSE(b[2].model.Down());
        b[1].Run("E P R");
        EXPECT_EQ(b[1].model.Down(), !allowAllUp);
        EXPECT_EQ(b[1].clicks.size(), allowAllUp ? 2u : 1u);
    }
}

// Tests the fade: 0.2 per 20 ms tick towards hot while the mouse is in, back from wherever it is
// when it leaves (never jumping or overshooting), ending at exactly 1 or 0 with the timer stopped
// after five or six ticks; a down button and a plain skin take no steps.
TEST(ButtonModel, FadeStepsAndEnds)
{
    FakeButton b;
    b.model.Skin = {.HasRecord = true, .MorphOn = true};
    // Ticks until the fade's timer stops, each factor seen lying in 0..1.
    auto ticksToEnd = [&b] {
        int ticks = 0;
        while (b.Running(TButtonTimer::btMorph) && ticks < 20) {
            b.Advance(kMorphInterval);
            ++ticks;
            EXPECT_GE(b.model.MorphKf(), 0.0);
            EXPECT_LE(b.model.MorphKf(), 1.0);
        }
        return ticks;
    };
    b.Run("E +60");
    EXPECT_NEAR(b.model.MorphKf(), 0.6, 1e-9);
    b.Run("L +20");
    EXPECT_NEAR(b.model.MorphKf(), 0.4, 1e-9);
    b.Run("+20");
    EXPECT_NEAR(b.model.MorphKf(), 0.2, 1e-9);
    EXPECT_LE(ticksToEnd(), 2) << "the way back is as long as the way there";
    EXPECT_EQ(b.model.MorphKf(), 0.0);
    EXPECT_FALSE(b.Running(TButtonTimer::btMorph));

    b.Run("E");
    const int ticks = ticksToEnd();
    EXPECT_GE(ticks, 5);
    EXPECT_LE(ticks, 6);
    EXPECT_EQ(b.model.MorphKf(), 1.0);

    b.Run("P");
    EXPECT_EQ(b.model.MorphKf(), 1.0) << "down shows the hot image outright";
    EXPECT_FALSE(b.Running(TButtonTimer::btMorph));

    FakeButton plain;
    plain.model.Skin = {.HasRecord = true, .MorphOn = false};
    plain.Run("E");
    EXPECT_FALSE(plain.Running(TButtonTimer::btMorph));
    EXPECT_GT(plain.repaints, 0);
    EXPECT_TRUE(plain.glow) << "entering asks for the glow frame";
    plain.Run("L");
    EXPECT_FALSE(plain.glow);
}

// Tests the frame animation: forward through every frame then stopped; backward from the last;
// a press stops it; a FrameCount below 1 starts nothing.
TEST(ButtonModel, FrameAnimationRunsAndStops)
{
    FakeButton b;
    b.model.Skin = {.HasRecord = true, .AnimationOn = true, .FrameCount = 3, .AnimateInterval = 40};
    b.Run("E");
    EXPECT_EQ(b.model.CurrentFrame(), 1);
    EXPECT_TRUE(b.model.AnimatingForward());
    b.Run("+80");
    EXPECT_EQ(b.model.CurrentFrame(), 3);
    b.Run("+200");
    EXPECT_EQ(b.model.CurrentFrame(), 0);
    EXPECT_FALSE(b.Running(TButtonTimer::btAnimate));
    b.Run("L");
    EXPECT_EQ(b.model.CurrentFrame(), 3);
    EXPECT_FALSE(b.model.AnimatingForward());
    b.Run("+40");
    EXPECT_EQ(b.model.CurrentFrame(), 2);
    b.Run("E P");
    EXPECT_EQ(b.model.CurrentFrame(), 0) << "a press stops it";
    EXPECT_FALSE(b.Running(TButtonTimer::btAnimate));

    for (int count : {0, -1}) {
        FakeButton none;
        none.model.Skin = {.HasRecord = true, .AnimationOn = true, .FrameCount = count, .AnimateInterval = 40};
        none.Run("E +100 L +100");
        EXPECT_EQ(none.model.CurrentFrame(), 0) << count;
        EXPECT_FALSE(none.Running(TButtonTimer::btAnimate)) << count;
    }
}

// Tests the dialog keys: Enter on the active, focusable, enabled button with no modifier; Escape
// on the Cancel button; neither otherwise.
TEST(ButtonModel, DialogKeysClickDefaultAndCancel)
{
    struct Case {
        const char* what;
        TButtonOptions options;
        bool active;
        TDialogKey key;
        bool enabled, canFocus, modifiers;
        bool taken;
    } cases[] = {
        {"Enter on the active button", {}, true, dkEnter, true, true, false, true},
        {"Enter, not active", {}, false, dkEnter, true, true, false, false},
        {"Enter with a modifier", {}, true, dkEnter, true, true, true, false},
        {"Enter, disabled", {}, true, dkEnter, false, true, false, false},
        {"Enter, cannot take the focus", {}, true, dkEnter, true, false, false, false},
        {"Enter, CanFocused off", {.CanFocused = false}, true, dkEnter, true, true, false, false},
        {"Escape on Cancel", {.Cancel = true}, false, dkEscape, true, true, false, true},
        {"Escape without Cancel", {}, true, dkEscape, true, true, false, false},
        {"Escape with Shift", {.Cancel = true}, false, dkEscape, true, true, true, false},
        {"another key", {.Cancel = true}, true, dkOther, true, true, false, false},
    };
    for (const Case& c : cases) {
        FakeButton b;
        b.model.Options = c.options;
        b.model.SetActive(c.active);
        EXPECT_EQ(b.model.DialogKey(c.key, c.enabled, c.canFocus, c.modifiers), c.taken) << c.what;
        EXPECT_EQ(b.clicks.size(), c.taken ? 1u : 0u) << c.what;
    }
}

// Tests the default button following the form's focus: hot and active while a control that is
// not a button has the focus, neither while another button has it; and that it keeps its hot
// look when the mouse leaves it meanwhile.
TEST(ButtonModel, DefaultButtonFollowsTheFocus)
{
    FakeButton b;
    b.model.Options.Default = true;
    b.model.FocusChanged(false, false);
    EXPECT_TRUE(b.model.Active());
    EXPECT_TRUE(b.model.MouseIn());
    b.Run("E L");
    EXPECT_TRUE(b.model.MouseIn()) << "the default button stays hot";
    b.model.FocusChanged(true, false);
    EXPECT_FALSE(b.model.Active());
    EXPECT_FALSE(b.model.MouseIn());
    b.model.FocusChanged(true, true);
    EXPECT_TRUE(b.model.Active());

    FakeButton other;
    other.model.FocusChanged(false, false);
    EXPECT_FALSE(other.model.Active());
    EXPECT_FALSE(other.model.MouseIn());
}

} // namespace
} // namespace vt
