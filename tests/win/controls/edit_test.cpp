// The skinned single-line edits with real windows: window styles and margins, Enter and Escape
// handed to the form after OnKeyPress, read-only input, the numeric filter and clicks, the
// built-in skinned context menu, and the transparent mode's composed image.
#include "controls/edit_win.h"
#include "menus/form_menus_win.h"
#include "menus/popup_level.h"
#include "menus/skin_menu.h"
#include "painted_image.h"
#include "skin/skin_data.h"
#include "skinned_form_test.h"
#include "support.h"
#include "win/framework/key_button.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

using test::Pump;

uint32_t Green(TspColor c) { return (c >> 8) & 0xFF; }

class EditWindow : public test::SkinnedFormTest {
protected:
    void SetUp() override
    {
        SkinnedFormTest::SetUp();
        form_->SetBounds(120, 120, 320, 220);
        edit_ = Make<TspCustomEdit>(10, 10);
        form_->Show();
        SetForegroundWindow(form_->Handle());
        edit_->SetFocus();
        Pump();
    }
    template <class E> E* Make(int x, int y)
    {
        auto* e = new E(form_.get());
        e->SetBounds(x, y, 150, 21);
        e->SetParent(form_.get());
        return e;
    }
    LONG_PTR Style(TWinControl* c) const { return GetWindowLongPtrW(c->Handle(), GWL_STYLE); }
    static void Type(const std::wstring& s)
    {
        for (wchar_t c : s) {
            const SHORT vk = VkKeyScanW(c);
            if (HIBYTE(vk) & 1)
                test::Chord({VK_SHIFT, LOBYTE(vk)});
            else
                test::Keys({static_cast<WORD>(LOBYTE(vk))});
        }
    }
    static void SetClipboard(const std::wstring& s)
    {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, (s.size() + 1) * sizeof(wchar_t));
        memcpy(GlobalLock(g), s.c_str(), (s.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(g);
        SetClipboardData(CF_UNICODETEXT, g);
        CloseClipboard();
    }
    static std::wstring ClipboardText()
    {
        std::wstring s;
        if (!OpenClipboard(nullptr))
            return s;
        if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
            s = static_cast<const wchar_t*>(GlobalLock(h));
            GlobalUnlock(h);
        }
        CloseClipboard();
        return s;
    }

    TspCustomEdit* edit_ = nullptr;
};

// Tests the window: no frame of its own, a multi-line native edit unless a password character
// makes it a password edit (a change of kind recreates it, the text kept), and margins of 2 and 0
// that a font change does not reset.
TEST_F(EditWindow, StylesFollowThePasswordAndMarginsSurviveAFontChange)
{
    edit_->SetText(L"secret");
    EXPECT_FALSE(Style(edit_) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrW(edit_->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(Style(edit_) & ES_MULTILINE);
    EXPECT_FALSE(Style(edit_) & ES_PASSWORD);

    edit_->SetPasswordChar(L'*');
    EXPECT_TRUE(Style(edit_) & ES_PASSWORD);
    EXPECT_FALSE(Style(edit_) & ES_MULTILINE);
    EXPECT_EQ(SendMessageW(edit_->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_EQ(edit_->Text(), L"secret");
    edit_->SetPasswordChar(0);
    EXPECT_TRUE(Style(edit_) & ES_MULTILINE);

    edit_->Font().SetHeight(-20);
    Pump();
    EXPECT_EQ(edit_->LeftMargin(), 2);
    EXPECT_EQ(edit_->RightMargin(), 0);
}

// Tests Enter and Escape typed into the edit: each reaches OnKeyPress, never the native edit
// (no line break), and then the form's default or cancel button acts on it. A key that
// OnKeyPress clears goes no further.
TEST_F(EditWindow, EnterAndEscapeReachKeyPressThenTheFormsButtons)
{
    auto* ok = new test::TKeyButton(form_.get());
    ok->SetBounds(10, 100, 60, 24);
    ok->SetParent(form_.get());
    ok->Default = true;
    ok->Result = mrOk;
    auto* cancel = new test::TKeyButton(form_.get());
    cancel->SetBounds(80, 100, 60, 24);
    cancel->SetParent(form_.get());
    cancel->Cancel = true;
    cancel->Result = mrCancel;
    std::vector<wchar_t> pressed;
    bool swallow = false;
    edit_->OnKeyPress = [&](TObject*, wchar_t& key) {
        pressed.push_back(key);
        if (swallow)
            key = 0;
    };
    edit_->SetText(L"ab");
    Pump();

    test::Keys({VK_RETURN});
    EXPECT_EQ(form_->ModalResult(), mrOk);
    EXPECT_EQ(edit_->Text(), L"ab") << "no line break";
    form_->SetModalResult(mrNone);
    test::Keys({VK_ESCAPE});
    EXPECT_EQ(form_->ModalResult(), mrCancel);
    EXPECT_EQ(pressed, (std::vector<wchar_t>{L'\r', L'\x1b'}));

    form_->SetModalResult(mrNone);
    swallow = true;
    test::Keys({VK_RETURN});
    EXPECT_EQ(form_->ModalResult(), mrNone);
    EXPECT_EQ(pressed.size(), 3u);
    EXPECT_EQ(edit_->Text(), L"ab");
}

// Tests the read-only edit: typing and pasting are dropped, copying works; focus selects all.
TEST_F(EditWindow, ReadOnlyDropsTypingAndPasteButCopies)
{
    edit_->SetText(L"fixed");
    edit_->SetReadOnly(true);
    auto* other = Make<TspCustomEdit>(10, 50);
    other->SetFocus();
    Pump();
    edit_->SetFocus();
    Pump();
    EXPECT_EQ(edit_->SelLength(), 5) << "AutoSelect";
    test::Chord({VK_CONTROL, 'C'});
    EXPECT_EQ(ClipboardText(), L"fixed");
    Type(L"xy");
    SetClipboard(L"pasted");
    test::Chord({VK_CONTROL, 'V'});
    test::Keys({VK_DELETE});
    EXPECT_EQ(edit_->Text(), L"fixed");
}

// Tests a paste of several lines: the edit keeps the first line only (the caret after it), as a
// single-line edit does; a password edit pastes natively.
TEST_F(EditWindow, PasteKeepsTheFirstLine)
{
    edit_->SetText(L"<>");
    edit_->SetSelStart(1);
    SetClipboard(L"one\r\ntwo");
    test::Chord({VK_CONTROL, 'V'});
    EXPECT_EQ(edit_->Text(), L"<one>");
    EXPECT_EQ(edit_->SelStart(), 4);
    edit_->PasteFromClipboard();
    EXPECT_EQ(edit_->Text(), L"<oneone>");
}

// Tests that a press on another control of the form reports that control to OnEditCancelMode,
// and that the press in the edit and its release raise OnDown and OnUp.
TEST_F(EditWindow, PressesReportCancelModeDownAndUp)
{
    auto* other = Make<TspCustomEdit>(10, 50);
    std::vector<std::string> log;
    TControl* pressed = nullptr;
    edit_->OnEditCancelMode = [&](TControl* c) { pressed = c; log.push_back("cancel"); };
    edit_->OnDown = [&](TObject*) { log.push_back("down"); };
    edit_->OnUp = [&](TObject*) { log.push_back("up"); };
    auto click = [](TControl* c) {
        const TPoint p = c->ClientToScreen({20, 10});
        SetCursorPos(p.X, p.Y);
        test::Mouse(MOUSEEVENTF_MOVE);
        test::Mouse(MOUSEEVENTF_LEFTDOWN);
        test::Mouse(MOUSEEVENTF_LEFTUP);
    };
    click(edit_);
    EXPECT_FALSE(edit_->Down());
    click(other);
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up", "cancel"}));
    EXPECT_EQ(pressed, other);
}

// Tests the description: both classes load by name with their own properties.
TEST_F(EditWindow, DescriptionSetsTheEditProperties)
{
    RegisterEditClasses();
    TForm form(nullptr);
    form.LoadFromText("object F: TForm\n"
                      " object E: TspCustomEdit\n  EditTransparent = True\n  AutoSelect = False\n"
                      "  PasswordChar = '*'\n end\n"
                      " object N: TspSkinNumEdit\n  Float = True\n  EditorEnabled = False\n end\n"
                      "end");
    auto* e = dynamic_cast<TspCustomEdit*>(form.FindComponent(L"E"));
    auto* n = dynamic_cast<TspSkinNumEdit*>(form.FindComponent(L"N"));
    ASSERT_NE(e, nullptr);
    ASSERT_NE(n, nullptr);
    EXPECT_TRUE(e->EditTransparent());
    EXPECT_FALSE(e->AutoSelect());
    EXPECT_EQ(e->PasswordChar(), L'*');
    EXPECT_TRUE(n->Float());
    EXPECT_FALSE(n->EditorEnabled());
}

// Tests the numeric filter with typed keys: digits, one separator with Float only, "-" only at
// the start, a refused character leaving the text as it was.
TEST_F(EditWindow, NumEditFiltersTypedText)
{
    const std::wstring sep(1, LocaleDecimalSeparator());
    struct Case {
        const char* name;
        bool Float;
        bool EditorEnabled;
        std::wstring typed, expected;
    } cases[] = {
        {"digits", false, true, L"12a3", L"123"},
        {"float one separator", true, true, L"1" + sep + L"5" + sep + L"2", L"1" + sep + L"52"},
        {"no separator without Float", false, true, L"1" + sep + L"5", L"15"},
        {"minus first only", false, true, L"-1-2", L"-12"},
        {"editor disabled", false, false, L"12", L""},
    };
    auto* num = Make<TspSkinNumEdit>(10, 50);
    for (const Case& c : cases) {
        num->SetText(L"");
        num->SetFloat(c.Float);
        num->SetEditorEnabled(c.EditorEnabled);
        num->SetFocus();
        Pump();
        Type(c.typed);
        EXPECT_EQ(num->Text(), c.expected) << c.name;
    }
}

// Tests that Up and Down keys and the wheel raise the click events and leave the text alone.
TEST_F(EditWindow, NumEditUpDownAndWheelClick)
{
    auto* num = Make<TspSkinNumEdit>(10, 50);
    num->SetText(L"5");
    std::vector<std::string> log;
    num->OnUpClick = [&](TObject*) { log.push_back("up"); };
    num->OnDownClick = [&](TObject*) { log.push_back("down"); };
    num->SetFocus();
    Pump();
    test::Keys({VK_UP, VK_DOWN});
    SendMessageW(num->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    SendMessageW(num->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"up", "down", "up", "down"}));
    EXPECT_EQ(num->Text(), L"5");
}

// Tests the transparent edit: the parent's colour shows around the text instead of the window
// colour, and the text is drawn over it.
TEST_F(EditWindow, TransparentEditShowsTheParentBehindItsText)
{
    form_->SetColor(0x00208040);
    edit_->SetText(L"WWW");
    edit_->SetEditTransparent(true);
    Pump();
    TspBitmap image;
    test::PaintControlImage(*edit_, image);
    const TspColor bg = image.GetPixel(140, 10);
    EXPECT_EQ(bg & 0xFFFFFFu, 0x408020u) << "the form's colour, as red, green, blue";
    bool text = false;
    for (int x = 2; x < 40 && !text; ++x)
        for (int y = 2; y < 19 && !text; ++y)
            text = Green(image.GetPixel(x, y)) < 0x40;
    EXPECT_TRUE(text) << "the black text lies over the parent's colour";

    edit_->SetEditTransparent(false);
    Pump();
    test::PaintControlImage(*edit_, image);
    EXPECT_NE(Green(image.GetPixel(140, 10)), 0x80u) << "opaque: the native background";
}

class EditMenu : public EditWindow {
protected:
    void SetUp() override
    {
        EditWindow::SetUp();
        menus_ = new TspFormMenus(*form_);
        menus_->Attach();
        menus_->SetSkinData(sd_);
        BuildFixtureSkinIfEmpty();
    }
    void BuildFixtureSkinIfEmpty()
    {
        sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        Pump();
    }
    TspSkinMenu& Menu() { return *menus_->SkinMenu(); }
    // Caption and enabled state of each item of the open menu.
    std::vector<std::pair<std::wstring, bool>> Items()
    {
        std::vector<std::pair<std::wstring, bool>> out;
        TspPopupLevel& l = Menu().Level(0);
        for (int i = 0; i < l.Count(); ++i)
            out.emplace_back(l.Item(i).MenuItem->Caption, l.Item(i).MenuItem->Enabled);
        return out;
    }
    TPoint ItemCentre(const std::wstring& caption)
    {
        TspPopupLevel& l = Menu().Level(0);
        for (int i = 0; i < l.Count(); ++i)
            if (l.Item(i).MenuItem->Caption == caption) {
                const TRect r = l.ScreenRect(i);
                return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
            }
        ADD_FAILURE() << "no item";
        return {};
    }
    void RightClick(TPoint p)
    {
        SetCursorPos(p.X, p.Y);
        test::Mouse(MOUSEEVENTF_MOVE);
        test::Mouse(MOUSEEVENTF_RIGHTDOWN);
        test::Mouse(MOUSEEVENTF_RIGHTUP);
        Pump(100);
    }

    TspFormMenus* menus_ = nullptr;
};

// Tests a right click over a read-only edit with a selection: the skinned menu opens at the
// pointer with Copy and Select All enabled only; Select All selects the whole text and the menu
// is freed once its command ran.
TEST_F(EditMenu, RightClickOpensTheSkinnedMenuAndSelectAllFreesIt)
{
    edit_->SetText(L"hello world");
    edit_->SetReadOnly(true);
    edit_->SetSelStart(0);
    edit_->SetSelLength(5);
    SetClipboard(L"text");
    const TPoint at = edit_->ClientToScreen({40, 10});
    RightClick(at);
    ASSERT_NE(edit_->SysPopupMenu(), nullptr);
    ASSERT_EQ(Menu().LevelCount(), 1);
    using Items = std::vector<std::pair<std::wstring, bool>>;
    EXPECT_EQ(this->Items(), (Items{{L"Undo", false}, {L"-", true}, {L"Cut", false},
                                    {L"Copy", true}, {L"Paste", false}, {L"Delete", false},
                                    {L"-", true}, {L"Select All", true}}));
    const TPoint selectAll = ItemCentre(L"Select All");
    SetCursorPos(selectAll.X, selectAll.Y);
    test::Mouse(MOUSEEVENTF_MOVE);
    Pump(150);
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    test::Mouse(MOUSEEVENTF_LEFTUP);
    Pump(100);
    EXPECT_EQ(Menu().LevelCount(), 0);
    EXPECT_EQ(edit_->SelLength(), 11);
    EXPECT_EQ(edit_->SysPopupMenu(), nullptr) << "freed after its command";
}

// Tests a keyboard request (-1, -1): the menu opens at the edit's centre on the screen; a
// writable edit with a selection and text on the clipboard enables everything but Undo.
TEST_F(EditMenu, KeyboardRequestOpensAtTheCentre)
{
    edit_->SetText(L"hello");
    edit_->SetSelStart(1);
    edit_->SetSelLength(2);
    SetClipboard(L"text");
    SendMessageW(edit_->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit_->Handle()),
                 MAKELPARAM(-1, -1));
    Pump();
    ASSERT_EQ(Menu().LevelCount(), 1);
    const TPoint centre = edit_->ClientToScreen({75, 10});
    EXPECT_EQ(Menu().Level(0).Position.X, centre.X);
    EXPECT_EQ(Menu().Level(0).Position.Y, centre.Y);
    for (const auto& [caption, enabled] : Items())
        EXPECT_EQ(enabled, caption != L"Undo") << std::string(caption.begin(), caption.end());
    test::Keys({VK_ESCAPE});
    EXPECT_EQ(Menu().LevelCount(), 0);
}

// Tests the request without a loaded skin: no skinned menu opens and the slot says so, so the
// edit passes the request on to the native edit's own menu.
TEST_F(EditWindow, NoSkinOpensNoSkinnedMenu)
{
    auto* menus = new TspFormMenus(*form_);
    menus->Attach();
    menus->SetSkinData(sd_);
    TEditMenuSlot slot;
    EXPECT_FALSE(slot.Popup(*edit_, *edit_, nullptr, {200, 200}));
    EXPECT_EQ(slot.Menu(), nullptr);
    EXPECT_FALSE(menus->SkinMenu()->Visible());
}

} // namespace
} // namespace vt
