// The skinned memo with real windows: no non-client area, one line per wheel notch, linked bars
// kept in step with the native scroll state, read-only input, the description's lines, and the
// composed painting (record or plain look with the native text over it).
#include "controls/memo_win.h"
#include "controls/scroll_bar_win.h"
#include "menus/form_menus_win.h"
#include "framework/base/form_loader.h"
#include "raster/bitmap_win.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"
#include "painted_image.h"
#include "skin_menu_probe.h"
#include "skinned_form_test.h"
#include "support.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::Pump;

class MemoWindow : public test::SkinnedFormTest {
protected:
    void SetUp() override
    {
        SkinnedFormTest::SetUp();
        memo_ = new TspSkinMemo(form_.get());
        memo_->SetBounds(10, 10, 200, 60);
        memo_->SetParent(form_.get());
        memo_->SetSkinData(sd_);
        // The hover look depends on the real pointer, which earlier tests leave anywhere: park it
        // off the form so only focus decides the look.
        RECT fr;
        GetWindowRect(form_->Handle(), &fr);
        SetCursorPos(fr.right + 40, fr.bottom + 40);
        form_->Show();
        Pump();
    }
    void Fill(int n)
    {
        TStringList lines;
        for (int i = 0; i < n; ++i)
            lines.Add(L"Line " + std::to_wstring(i));
        memo_->SetLines(lines);
        Pump();
    }
    void Wheel(int delta)
    {
        SendMessageW(memo_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
    }
    TspSkinMemo* memo_ = nullptr;
};

// Tests that the memo has no non-client area even with ScrollBars both (so no native bar shows),
// answers every hit test as client, and scrolls exactly one line per wheel message, either way.
TEST_F(MemoWindow, NoNonClientAreaAndOneLinePerWheelStep)
{
    Fill(30);
    ASSERT_EQ(memo_->ScrollBars(), ssBoth);
    HWND h = memo_->Handle();
    RECT wr, cr;
    GetWindowRect(h, &wr);
    GetClientRect(h, &cr);
    EXPECT_EQ(wr.right - wr.left, cr.right);
    EXPECT_EQ(wr.bottom - wr.top, cr.bottom);
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT));
    EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(wr.left + 1, wr.top + 1)), HTCLIENT);

    struct Step {
        int delta, top;
    };
    // A big delta is still one line; zero counts as down.
    for (const Step s : {Step{-120, 1}, Step{-480, 2}, Step{0, 3}, Step{120, 2}, Step{360, 1}}) {
        Wheel(s.delta);
        EXPECT_EQ(memo_->TopLine(), s.top) << "delta " << s.delta;
    }
}

// Tests that a linked vertical bar takes the native range and page, scrolls the memo when it
// moves, follows the wheel, disables with range 0..0 once the text fits, and is unlinked when
// freed.
TEST_F(MemoWindow, LinkedBarFollowsTheTextAndDisablesWhenItFits)
{
    auto* bar = new TspSkinScrollBar(form_.get());
    bar->SetKind(sbVertical);
    bar->SetBounds(212, 10, 16, 60);
    bar->SetParent(form_.get());
    Fill(9);
    memo_->SetVScrollBar(bar);
    Pump();
    EXPECT_TRUE(bar->Enabled());
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 8);
    const int page = bar->PageSize();
    EXPECT_GT(page, 0);
    EXPECT_LT(page, 9);

    bar->SetPosition(2);
    EXPECT_EQ(memo_->TopLine(), 2) << "the bar scrolls the memo";
    Wheel(-120);
    EXPECT_EQ(memo_->TopLine(), 3);
    EXPECT_EQ(bar->Position(), 3) << "the bar follows the wheel";

    // Text set by code raises no native change notice; the bar must still follow.
    memo_->SetText(L"one\r\ntwo");
    Pump();
    EXPECT_FALSE(bar->Enabled());
    EXPECT_EQ(bar->Max(), 0);
    EXPECT_EQ(bar->PageSize(), 0);

    delete bar;
    EXPECT_EQ(memo_->VScrollBar(), nullptr);
    Wheel(-120);   // nothing left to update
}

String ClipboardText(HWND owner)
{
    String out;
    if (!OpenClipboard(owner))
        return out;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            out = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return out;
}

// Tests that a read-only memo copies its selection with Ctrl+C yet drops typing, Delete, cut,
// paste, clear, undo (also by Alt+Backspace) and input-method text.
TEST_F(MemoWindow, ReadOnlyCopiesButDropsTyping)
{
    memo_->SetText(L"hell");
    HWND h = memo_->Handle();
    SendMessageW(h, EM_SETSEL, 4, 4);
    SendMessageW(h, WM_CHAR, 'o', 0);  // something to undo
    ASSERT_EQ(memo_->Text(), L"hello");
    memo_->SetReadOnly(true);
    SendMessageW(h, EM_SETSEL, 0, 5);
    SendMessageW(h, WM_CHAR, 0x03, 0);
    EXPECT_EQ(ClipboardText(h), L"hello");
    SendMessageW(h, EM_SETSEL, 0, 2);
    struct Input {
        UINT Msg;
        WPARAM W;
        LPARAM L;
    };
    // Typing, Delete, cut, paste, clear, undo by request and by Alt+Backspace, input-method text.
    for (const Input in : {Input{WM_CHAR, 'x', 0}, Input{WM_KEYDOWN, VK_DELETE, 0}, Input{WM_CUT, 0, 0},
                           Input{WM_PASTE, 0, 0}, Input{WM_CLEAR, 0, 0}, Input{WM_UNDO, 0, 0},
                           Input{EM_UNDO, 0, 0}, Input{WM_SYSKEYDOWN, VK_BACK, 0x20002001},
                           Input{WM_IME_CHAR, L'i', 1}}) {
        SendMessageW(h, in.Msg, in.W, in.L);
        EXPECT_EQ(memo_->Text(), L"hello") << "message " << in.Msg;
    }
    memo_->SetReadOnly(false);
    SendMessageW(h, WM_CHAR, 'x', 0);
    EXPECT_EQ(memo_->Text(), L"xllo");
}

// Tests that the description's memo keeps its nine lines exactly, trailing blanks, empty lines
// and quotes included, with its look properties accepted.
TEST(MemoDescription, NineLinesRoundTrip)
{
    Application->Initialize();
    RegisterMemoClasses();
    const wchar_t* lines[] = {
        L"Since version 12.50 you can use extended skins with special button in ",
        L"caption to call popup menu and tabs.",
        L"See TspDynamicSkinForm.MenuButton... and TspDynamicSkinForm.CaptionTabs...",
        L"properties (see help for more info). ",
        L"",
        L"You can see demo with menu button, tabs, quick buttons in form's caption + ",
        L"TspSkinPageControl.",
        L"",
        L"Now you can create really unusual and modern applications!",
    };
    std::string text = "object F: TForm\n  object M: TspSkinMemo\n    Left = 24\n    Top = 48\n"
                       "    Width = 417\n    Height = 161\n    SkinDataName = 'memo'\n"
                       "    ScrollBars = ssBoth\n    BitMapBG = True\n    UseSkinFont = True\n"
                       "    UseSkinFontColor = True\n    DefaultFont.Name = 'Tahoma'\n"
                       "    DefaultFont.Height = 14\n    DefaultFont.Color = clNavy\n"
                       "    Font.Name = 'Tahoma'\n    Font.Height = 13\n    Lines.Strings = (";
    for (const wchar_t* line : lines) {
        text += "\n      '";
        for (const wchar_t* c = line; *c; ++c)
            text += *c == L'\'' ? std::string("''") : std::string(1, static_cast<char>(*c));
        text += "'";
    }
    text += ")\n  end\nend";
    TForm form(nullptr);
    form.LoadFromText(text);
    auto* memo = dynamic_cast<TspSkinMemo*>(form.FindComponent(L"M"));
    ASSERT_NE(memo, nullptr);
    form.Show();
    Pump();
    ASSERT_EQ(memo->Lines().Count(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(memo->Lines()[i], lines[i]) << "line " << i;
    EXPECT_EQ(memo->SkinDataName(), L"memo");
    EXPECT_TRUE(memo->BitMapBG());
    EXPECT_EQ(memo->ScrollBars(), ssBoth);
    EXPECT_EQ(memo->DefaultFont().Height(), 14);
    EXPECT_EQ(memo->Font().Color(), clNavy) << "no record: the default font's colour";
}

// Tests the composed painting: the plain look's two frame lines and window-coloured inside, the
// native text drawn over that background, and with the default skin the record's fixed corners
// (normal and, with focus, active).
TEST_F(MemoWindow, PaintsItsLookWithTheNativeTextOverIt)
{
    auto rgb = [](TspColor p) { return p & 0xFFFFFF; };
    auto darkInTextArea = [&](const TspBitmap& img) {
        const TRect a = memo_->TextArea();
        int dark = 0;
        for (int y = a.Top; y < a.Bottom; ++y)
            for (int x = a.Left; x < a.Right; ++x)
                dark += rgb(img.View().Row(y)[x]) == 0;
        return dark;
    };
    TspBitmap image;
    test::PaintControlImage(*memo_, image);
    EXPECT_EQ(rgb(image.View().Row(0)[0]), rgb(ColorToPixel(clBtnShadow, 255)));
    EXPECT_EQ(rgb(image.View().Row(1)[1]), rgb(ColorToPixel(clBtnFace, 255)));
    EXPECT_EQ(rgb(image.View().Row(30)[100]), rgb(ColorToPixel(clWindow, 255)));
    EXPECT_EQ(darkInTextArea(image), 0);

    memo_->SetText(L"WWWW MMMM");
    Pump();
    test::PaintControlImage(*memo_, image);
    EXPECT_GT(darkInTextArea(image), 10) << "the native text lands on the composed background";
    EXPECT_EQ(rgb(image.View().Row(0)[0]), rgb(ColorToPixel(clBtnShadow, 255)));

    sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    Pump();
    ASSERT_GE(memo_->SkinIndex(), 0);
    const auto& r = dynamic_cast<const TspDataSkinMemoControl&>(
        *sd_->CtrlList[static_cast<size_t>(memo_->SkinIndex())]);
    TPixelView picture = sd_->FActivePictures[static_cast<size_t>(r.PictureIndex)]->View();
    ASSERT_NE(r.ActiveSkinRect, r.SkinRect);
    const int w = memo_->Width(), h = memo_->Height();
    auto cornersFrom = [&](const TRect& src) {
        // Each corner up to the record's corner points, away from the stretched parts.
        for (int y = 0; y < r.LTPoint.Y; ++y)
            for (int x = 0; x < r.LTPoint.X; ++x) {
                if (rgb(image.View().Row(y)[x]) != rgb(picture.Row(src.Top + y)[src.Left + x]))
                    return false;
                if (rgb(image.View().Row(h - 1 - y)[w - 1 - x]) !=
                    rgb(picture.Row(src.Bottom - 1 - y)[src.Right - 1 - x]))
                    return false;
            }
        return true;
    };
    memo_->SetFocus();
    Pump();
    test::PaintControlImage(*memo_, image);
    EXPECT_TRUE(cornersFrom(r.ActiveSkinRect)) << "focused: the active picture";
    EXPECT_GT(darkInTextArea(image), 10);

    auto* other = new TEdit(form_.get());
    other->SetBounds(10, 120, 80, 20);
    other->SetParent(form_.get());
    other->SetFocus();
    Pump();
    ASSERT_FALSE(memo_->Focused());
    test::PaintControlImage(*memo_, image);
    EXPECT_TRUE(cornersFrom(r.SkinRect)) << "focus gone: the normal picture";
}

// Tests the looks that do not come from the record: a disabled memo drawing its own grey text, a
// wallpaper tiled and stretched, and the parent's image blended in or, at 255, replacing the
// background inside the frame.
TEST_F(MemoWindow, DisabledTextWallpaperAndBlendedParent)
{
    auto rgb = [](TspColor p) { return p & 0xFFFFFF; };
    auto count = [&](const TspBitmap& img, TColor c) {
        const TspColor want = rgb(ColorToPixel(c, 255));
        int n = 0;
        for (int y = 0; y < img.Height(); ++y)
            for (int x = 0; x < img.Width(); ++x)
                n += rgb(img.View().Row(y)[x]) == want;
        return n;
    };
    TspBitmap image;
    memo_->SetText(L"WWWW MMMM");
    memo_->SetEnabled(false);
    Pump();
    test::PaintControlImage(*memo_, image);
    EXPECT_GT(count(image, clGrayText), 10) << "the disabled memo draws its text grey itself";
    EXPECT_EQ(count(image, clBlack), 0);
    memo_->SetEnabled(true);
    Pump();
    test::PaintControlImage(*memo_, image);
    EXPECT_GT(count(image, clBlack), 10);

    memo_->SetText(L"");
    TspBitmap paper;
    paper.SetSize(8, 8);
    paper.Clear(ColorToPixel(clRed, 255));
    paper.FillRect({0, 0, 4, 8}, ColorToPixel(clBlue, 255));
    memo_->SetWallpaper(paper);
    EXPECT_TRUE(memo_->Transparent()) << "a picture turns transparency on";
    test::PaintControlImage(*memo_, image);
    const int w = memo_->Width(), h = memo_->Height();
    EXPECT_EQ(rgb(image.View().Row(0)[0]), rgb(ColorToPixel(clBlue, 255))) << "tiled, no frame";
    EXPECT_EQ(rgb(image.View().Row(0)[8]), rgb(ColorToPixel(clBlue, 255)));
    EXPECT_EQ(rgb(image.View().Row(h - 1)[12]), rgb(ColorToPixel(clRed, 255)));
    memo_->SetWallpaperStretch(true);
    test::PaintControlImage(*memo_, image);
    EXPECT_EQ(rgb(image.View().Row(5)[w / 4]), rgb(ColorToPixel(clBlue, 255))) << "stretched: left half";
    EXPECT_EQ(rgb(image.View().Row(5)[w * 3 / 4]), rgb(ColorToPixel(clRed, 255)));

    memo_->SetTransparent(false);
    form_->SetColor(static_cast<TColor>(0x00208020));
    memo_->SetAlphaBlend(true);
    memo_->SetAlphaBlendValue(255);
    test::PaintControlImage(*memo_, image);
    EXPECT_EQ(rgb(image.View().Row(0)[0]), rgb(ColorToPixel(clBtnShadow, 255))) << "the frame stays";
    EXPECT_EQ(rgb(image.View().Row(h / 2)[w / 2]), rgb(ColorToPixel(static_cast<TColor>(0x00208020), 255)));
    memo_->SetAlphaBlendValue(128);
    test::PaintControlImage(*memo_, image);
    const TspColor mixed = rgb(image.View().Row(h / 2)[w / 2]);
    const int red = static_cast<int>((mixed >> 16) & 0xFF);
    EXPECT_GT(red, 0x40) << "half the window colour, half the parent";
    EXPECT_LT(red, 0xE0);
}

// Tests the memo's built-in menu with a skin: a right click opens it with the items a writable
// memo with a selection and text on the clipboard enables (all but Undo), Delete clears the
// selection, and the menu is freed once its command ran.
TEST_F(MemoWindow, ContextMenuDeletesTheSelectionAndIsFreed)
{
    auto* menus = new TspFormMenus(*form_);
    menus->Attach();
    menus->SetSkinData(sd_);
    sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    SetForegroundWindow(form_->Handle());
    memo_->SetFocus();
    memo_->SetText(L"one two three");
    memo_->SetSelStart(4);
    memo_->SetSelLength(4);
    memo_->ClearUndo();
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t));
        memcpy(GlobalLock(g), L"abc", 4 * sizeof(wchar_t));
        GlobalUnlock(g);
        SetClipboardData(CF_UNICODETEXT, g);
        CloseClipboard();
    }
    Pump();
    test::RightClickAt(memo_->ClientToScreen({60, 30}));
    ASSERT_NE(memo_->SysPopupMenu(), nullptr);
    TspSkinMenu& menu = *menus->SkinMenu();
    ASSERT_EQ(menu.LevelCount(), 1);
    EXPECT_EQ(test::OpenMenuItems(menu),
              (test::TMenuItemStates{{L"Undo", false}, {L"-", true}, {L"Cut", true}, {L"Copy", true},
                                     {L"Paste", true}, {L"Delete", true}, {L"-", true}, {L"Select All", true}}));
    test::ChooseOpenMenuItem(menu, L"Delete");
    EXPECT_EQ(menu.LevelCount(), 0);
    EXPECT_EQ(memo_->Text(), L"one three");
    EXPECT_EQ(memo_->SysPopupMenu(), nullptr) << "freed after its command";
}

} // namespace
} // namespace vt
