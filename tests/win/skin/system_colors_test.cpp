// The system colour redirection in a real process: callers that know nothing of the skin (a
// function pointer from GetProcAddress, a pen, a brush, a list box drawn by the platform) get the
// skin's colours while a container redirects, and the platform's again afterwards.
#include "skin/skin_data.h"
#include "skin/system_colors.h"
#include "support.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace vt::test {
namespace {

using GetSysColorFn = DWORD(WINAPI*)(int);
using GetSysColorBrushFn = HBRUSH(WINAPI*)(int);
using CreatePenFn = HPEN(WINAPI*)(int, int, COLORREF);

// Looked up by name, as a caller outside our code would.
GetSysColorFn ForeignGetSysColor()
{
    return reinterpret_cast<GetSysColorFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSysColor")));
}
GetSysColorBrushFn ForeignGetSysColorBrush()
{
    return reinterpret_cast<GetSysColorBrushFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSysColorBrush")));
}
CreatePenFn ForeignCreatePen()
{
    return reinterpret_cast<CreatePenFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"gdi32.dll"), "CreatePen")));
}

COLORREF BrushColor(HBRUSH b)
{
    LOGBRUSH lb{};
    GetObjectW(b, sizeof lb, &lb);
    return lb.lbColor;
}

COLORREF PenColor(HPEN p)
{
    LOGPEN lp{};
    GetObjectW(p, sizeof lp, &lp);
    return lp.lopnColor;
}

constexpr COLORREF kSkinHighlight = RGB(184, 197, 213);
constexpr COLORREF kOtherHighlight = RGB(10, 120, 30);

class SystemColors : public testing::Test {
protected:
    void SetUp() override
    {
        systemHighlight_ = GetSysColor(COLOR_HIGHLIGHT);
        systemWindow_ = GetSysColor(COLOR_WINDOW);
        ASSERT_NE(systemHighlight_, kSkinHighlight);
        ASSERT_NE(systemHighlight_, kOtherHighlight);
    }

    // A loaded container whose highlight colour is the given one.
    std::unique_ptr<TspSkinData> Loaded(const char* name, COLORREF highlight)
    {
        dirs_.push_back(std::make_unique<ScratchDir>(name));
        TStringList lines;
        lines.SetText(
            L"[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n"
            L"[SKINCOLORS]\r\ncwindow=16777215\r\nchighlight=" +
            IntToStr(static_cast<int64_t>(highlight)) + L"\r\nchighlighttext=0\r\n");
        lines.SaveToFile(dirs_.back()->File("skin.ini"));
        auto d = std::make_unique<TspSkinData>(nullptr);
        d->BuildMode = true;
        d->LoadFromFile(dirs_.back()->File("skin.ini"));
        return d;
    }

    COLORREF systemHighlight_ = 0, systemWindow_ = 0;
    std::vector<std::unique_ptr<ScratchDir>> dirs_;
};

// Tests that the colour, brush and pen queries answer with the skin's highlight colours while a
// loaded container redirects, leave other colours alone, and answer the platform's after a clear.
TEST_F(SystemColors, RedirectsHighlightUntilClear)
{
    auto d = Loaded("wincolors-clear", kSkinHighlight);
    SwitchSystemColors(*d, true);
    ASSERT_EQ(RedirectingSkinData(), d.get());
    ASSERT_TRUE(SystemColorRedirector().IsRedirected(TSysColorFunction::fnGetSysColor));

    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), kSkinHighlight);
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHTTEXT), 0u);
    EXPECT_EQ(ForeignGetSysColor()(COLOR_WINDOW), systemWindow_);  // its pair is not hooked
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), kSkinHighlight);
    HBRUSH brush = ForeignGetSysColorBrush()(COLOR_HIGHLIGHT);
    EXPECT_EQ(BrushColor(brush), kSkinHighlight);
    EXPECT_EQ(ForeignGetSysColorBrush()(COLOR_HIGHLIGHT), brush);  // one brush per colour
    HPEN pen = ForeignCreatePen()(PS_SOLID, 1, 13);
    EXPECT_EQ(PenColor(pen), kSkinHighlight);
    DeleteObject(pen);
    pen = ForeignCreatePen()(PS_SOLID, 1, 12);
    EXPECT_EQ(PenColor(pen), 12u);
    DeleteObject(pen);

    d->SetSystemColorHooks(spschWindow);
    EXPECT_EQ(ForeignGetSysColor()(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), systemHighlight_);
    d->SetSystemColorHooks(spschHighLight);

    d->ClearSkin();
    EXPECT_EQ(RedirectingSkinData(), nullptr);
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), systemHighlight_);
    EXPECT_EQ(BrushColor(ForeignGetSysColorBrush()(COLOR_HIGHLIGHT)), systemHighlight_);
    pen = ForeignCreatePen()(PS_SOLID, 1, 13);
    EXPECT_EQ(PenColor(pen), 13u);
    DeleteObject(pen);
}

// Tests that destroying the redirecting container restores the platform's colours, and that the
// patched code is restored byte for byte.
TEST_F(SystemColors, DestructionRestoresTheFunctions)
{
    auto* code = reinterpret_cast<const uint8_t*>(ForeignGetSysColor());
    uint8_t before[16];
    std::memcpy(before, code, sizeof before);
    {
        auto d = Loaded("wincolors-destroy", kSkinHighlight);
        SwitchSystemColors(*d, true);
        EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), kSkinHighlight);
    }
    EXPECT_EQ(RedirectingSkinData(), nullptr);
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), systemHighlight_);
    EXPECT_EQ(std::memcmp(before, code, sizeof before), 0);
}

// Tests that a second container cannot take over while the first redirects, and takes over
// cleanly once the first lets go.
TEST_F(SystemColors, HandOverBetweenContainers)
{
    auto a = Loaded("wincolors-a", kSkinHighlight);
    auto b = Loaded("wincolors-b", kOtherHighlight);
    SwitchSystemColors(*a, true);
    SwitchSystemColors(*b, true);
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), kSkinHighlight);
    SwitchSystemColors(*a, false);
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), systemHighlight_);
    SwitchSystemColors(*b, true);
    EXPECT_EQ(RedirectingSkinData(), b.get());
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), kOtherHighlight);
    HPEN pen = ForeignCreatePen()(PS_SOLID, 1, 13);
    EXPECT_EQ(PenColor(pen), kOtherHighlight);
    DeleteObject(pen);
    a.reset();  // not the redirecting one: changes nothing
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), kOtherHighlight);
    b.reset();
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), systemHighlight_);
}

// Tests that a query during a load (container empty) answers the platform's colour and takes the
// redirection out, and that the end of the load puts it back.
TEST_F(SystemColors, LoadTakesTheRedirectionOutAndBack)
{
    auto d = Loaded("wincolors-load", kSkinHighlight);
    SwitchSystemColors(*d, true);
    d->Empty = true;  // as between the start and the end of a load
    const COLORREF duringLoad = ForeignGetSysColor()(COLOR_HIGHLIGHT);
    EXPECT_EQ(duringLoad, systemHighlight_);
    EXPECT_FALSE(SystemColorRedirector().IsRedirected(TSysColorFunction::fnGetSysColor));
    d->Empty = false;
    SwitchSystemColors(*d, d->ChangeSystemColors());  // what the end of a load does
    EXPECT_EQ(ForeignGetSysColor()(COLOR_HIGHLIGHT), kSkinHighlight);
    d->ClearSkin();
}

// The colour a platform list box paints its selected item with.
COLORREF ListBoxSelectionColour()
{
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, 0,
                                0, 120, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!list)
        return CLR_INVALID;
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"  "));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    HDC screen = GetDC(list);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 120, 80);
    HGDIOBJ old = SelectObject(mem, bmp);
    SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
    const COLORREF pixel = GetPixel(mem, item.right - 3, (item.top + item.bottom) / 2);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(list, screen);
    DestroyWindow(list);
    return pixel;
}

// Tests that a list box drawn by the platform paints its selection in the skin's highlight colour
// while the redirection is on, and in the system's before and after.
TEST_F(SystemColors, PlatformListBoxSelectionUsesTheSkinColour)
{
    EXPECT_EQ(ListBoxSelectionColour(), systemHighlight_);
    auto d = Loaded("wincolors-listbox", kSkinHighlight);
    SwitchSystemColors(*d, true);
    EXPECT_EQ(ListBoxSelectionColour(), kSkinHighlight);
    d->ClearSkin();
    EXPECT_EQ(ListBoxSelectionColour(), systemHighlight_);
}

} // namespace
} // namespace vt::test
