// The native edit and memo wrappers through real windows and real input: text and lines that
// keep their blanks and survive recreation, change notification, read-only input, the
// clipboard, creation styles, margins and the formatting rectangle.
#include "framework/win/edits.h"
#include "framework/win/forms.h"
#include "win/framework/clipboard_text.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vt
{
namespace
{

class Edit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Application->Initialize();
        Application->OnException
            = [this](TObject*, const Exception& e) { errors.push_back(e.Message()); };
    }
    void TearDown() override
    {
        Application->OnException = nullptr;
        EXPECT_TRUE(errors.empty()) << WideToUtf8(errors.front());
    }
    template <class T> T* Add(TForm& form, int height = 60)
    {
        auto* edit = new T(&form);
        edit->SetBounds(10, 10, 200, height);
        edit->SetParent(&form);
        return edit;
    }
    static void ShowForm(TForm& form)
    {
        form.SetBounds(100, 100, 320, 240);
        form.Show();
        SetForegroundWindow(form.Handle());
        test::Pump();
    }
    static void SetClipboard(HWND owner, const std::wstring& text)
    {
        ASSERT_TRUE(test::SetClipboardText(owner, text));
    }
    static std::wstring ClipboardText(HWND owner) { return test::ClipboardText(owner); }
    // The native edit's undo key. Sent as a message: the emulated edit under test looks for
    // Alt in bit 13 of the key data (and the real Alt in bit 29), so both are set.
    static void AltBackspace(TWinControl& c)
    {
        SendMessageW(c.Handle(), WM_SYSKEYDOWN, VK_BACK, 0x20002001);
        test::Pump(10);
    }
    static LONG Style(TWinControl& c) { return GetWindowLongW(c.Handle(), GWL_STYLE); }
    std::vector<std::wstring> errors;
};

// Tests that lines with trailing blanks and an empty line in the middle are joined by CR LF with
// no break after the last, and that the text, lines, selection, modified flag and the first
// shown line survive the window being recreated by a WordWrap or ScrollBars change and with the
// form.
TEST_F(Edit, MemoLinesKeepBlanksAndStateAcrossRecreate)
{
    TForm form(nullptr);
    auto* memo = Add<TMemo>(form, 50);
    TStringList lines { L"first line  ", L"", L"  third ", L"last" };
    for (int i = 0; i < 30; ++i)
        lines.Add(L"filler " + std::to_wstring(i) + L" ");
    memo->SetLines(lines);
    EXPECT_EQ(memo->Text().substr(0, 32), L"first line  \r\n\r\n  third \r\nlast\r\n");
    EXPECT_EQ(memo->Text().back(), L' ');
    EXPECT_EQ(memo->Lines().ToStrings().Items(), lines.Items());
    memo->SetSelStart(3);
    memo->SetSelLength(9);
    ShowForm(form);
    ASSERT_EQ(memo->Lines().Count(), 34);
    EXPECT_EQ(memo->SelText(), L"st line  ");
    memo->SetModified(true);
    SendMessageW(memo->Handle(), EM_LINESCROLL, 0, 12);
    const int top = memo->TopLine();
    EXPECT_GT(top, 0);

    const std::vector<std::function<void()>> recreations = {
        [&] { memo->SetWordWrap(false); },
        [&] { memo->SetScrollBars(ssBoth); },
        [&] { form.RecreateWnd(); },
        [&] { memo->SetWordWrap(true); },
    };
    for (size_t i = 0; i < recreations.size(); ++i) {
        HWND before = memo->Handle();
        recreations[i]();
        ASSERT_NE(memo->Handle(), before) << i;
        EXPECT_EQ(memo->Lines().ToStrings().Items(), lines.Items()) << i;
        EXPECT_EQ(memo->Lines().Text(), memo->Text()) << i;
        EXPECT_EQ(memo->SelStart(), 3) << i;
        EXPECT_EQ(memo->SelText(), L"st line  ") << i;
        EXPECT_TRUE(memo->Modified()) << i;
        EXPECT_EQ(memo->TopLine(), top) << i;
    }

    // Line edits through the view.
    memo->Lines().Put(1, L"second ");
    memo->Lines().Delete(0);
    memo->Lines().Insert(2, L"new ");
    EXPECT_EQ(memo->Lines()[0], L"second ");
    EXPECT_EQ(memo->Lines()[2], L"new ");
    EXPECT_EQ(memo->Lines()[3], L"last");
    EXPECT_THROW(memo->Lines().Delete(40), EListError);
    memo->Lines().Clear();
    EXPECT_EQ(memo->Lines().Count(), 0);
    EXPECT_EQ(memo->Lines().Add(L"only "), 0);
    EXPECT_EQ(memo->Text(), L"only ");
}

// Tests that a memo and an edit read from a form description get their lines (blanks kept),
// styles and read-only flag, and that bad values are reported.
TEST_F(Edit, ReadFromDescription)
{
    TForm form(nullptr);
    form.LoadFromText(
        "object F: TForm\n  object M: TMemo\n    Left = 4\n    Top = 4\n"
        "    Width = 200\n    Height = 80\n    ScrollBars = ssBoth\n    WordWrap = False\n"
        "    ReadOnly = True\n    Lines.Strings = (\n      'Since  '\n      ''\n"
        "      'then ')\n  end\n  object E: TEdit\n    PasswordChar = '#'\n"
        "    CharCase = ecUpperCase\n    MaxLength = 8\n    Text = 'abc'\n  end\nend");
    auto* memo = dynamic_cast<TMemo*>(form.FindComponent(L"M"));
    auto* edit = dynamic_cast<TEdit*>(form.FindComponent(L"E"));
    ASSERT_TRUE(memo && edit);
    ShowForm(form);
    EXPECT_EQ(memo->Text(), L"Since  \r\n\r\nthen ");
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(Style(*memo) & (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL),
        WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL);
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'#');
    EXPECT_EQ(edit->Text(), L"ABC");
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 8);

    for (const char* bad : { "ScrollBars = ssDiagonal", "Lines.Strings = 7", "PasswordChar = 'ab'",
             "CharCase = ecTitle" }) {
        TForm f(nullptr);
        const std::string text
            = std::string("object F: TForm\n  object M: TMemo\n    ") + bad + "\n  end\nend";
        EXPECT_THROW(f.LoadFromText(text), EReadError) << bad;
    }
}

// Tests that OnChange fires once per typed character and once per text change by code (with or
// without a window, through Text, SelText and Lines), and never for a set that changes nothing.
TEST_F(Edit, OnChangeOncePerChange)
{
    for (bool multiLine : { false, true }) {
        SCOPED_TRACE(multiLine ? "memo" : "edit");
        TForm form(nullptr);
        TCustomEdit* edit
            = multiLine ? static_cast<TCustomEdit*>(Add<TMemo>(form)) : Add<TEdit>(form);
        int changes = 0;
        edit->OnChange = [&](TObject* sender) {
            EXPECT_EQ(sender, edit);
            ++changes;
        };
        edit->SetText(L"before ");
        edit->SetText(L"before ");
        EXPECT_EQ(changes, 1);
        ShowForm(form);
        EXPECT_EQ(changes, 1) << "creating the window is no change";
        edit->SetFocus();
        edit->SetSelStart(7);
        test::Keys({ 'A', 'B', VK_BACK });
        EXPECT_EQ(edit->Text(), L"before a");
        EXPECT_EQ(changes, 4);
        edit->SetText(L"code");
        edit->SetText(L"code");
        EXPECT_EQ(changes, 5);
        edit->SetSelStart(4);
        edit->SetSelText(L" more");
        edit->SetSelText(L"");
        EXPECT_EQ(edit->Text(), L"code more");
        EXPECT_EQ(changes, 6);
        if (auto* memo = dynamic_cast<TMemo*>(edit)) {
            memo->Lines().Add(L"line ");
            EXPECT_EQ(memo->Text(), L"code more\r\nline ");
            memo->Lines().Put(1, L"line ");
            EXPECT_EQ(changes, 7);
        }
    }
}

// Tests that a read-only edit and memo drop typing, Delete, Backspace, Alt+Backspace (undo),
// cut, paste and input method characters, yet keep the caret, keyboard selection and Ctrl+C,
// and that code still changes the text.
TEST_F(Edit, ReadOnlyDropsEditingButKeepsSelectionAndCopy)
{
    for (bool multiLine : { false, true }) {
        SCOPED_TRACE(multiLine ? "memo" : "edit");
        TForm form(nullptr);
        TCustomEdit* edit
            = multiLine ? static_cast<TCustomEdit*>(Add<TMemo>(form)) : Add<TEdit>(form);
        edit->SetText(L"hello world");
        ShowForm(form);
        edit->SetFocus();
        edit->SetSelStart(11);
        test::Keys({ 'X' }); // something to undo
        ASSERT_EQ(edit->Text(), L"hello worldx");
        ASSERT_TRUE(edit->CanUndo());
        SetClipboard(form.Handle(), L"pasted");

        int changes = 0;
        edit->OnChange = [&](TObject*) { ++changes; };
        edit->SetReadOnly(true);
        EXPECT_EQ(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_READONLY, 0)
            << "the window stays editable";
        edit->SetSelStart(5);
        test::Keys({ 'Q', VK_DELETE, VK_BACK, VK_RETURN });
        AltBackspace(*edit);
        test::Chord({ VK_CONTROL, 'V' });
        test::Chord({ VK_SHIFT, VK_INSERT });
        test::Chord({ VK_SHIFT, VK_DELETE });
        SendMessageW(edit->Handle(), WM_IME_CHAR, L'i', 1);
        edit->PasteFromClipboard();
        edit->Undo();
        EXPECT_EQ(edit->Text(), L"hello worldx");
        EXPECT_EQ(changes, 0);

        test::Chord({ VK_SHIFT, VK_LEFT });
        test::Chord({ VK_SHIFT, VK_LEFT });
        EXPECT_EQ(edit->SelText(), L"lo");
        test::Chord({ VK_CONTROL, 'C' });
        EXPECT_EQ(ClipboardText(form.Handle()), L"lo");
        test::Chord({ VK_CONTROL, 'X' });
        EXPECT_EQ(edit->Text(), L"hello worldx");

        edit->SetText(L"by code");
        EXPECT_EQ(changes, 1);
        // The same input changes the text once read-only is off.
        edit->SetReadOnly(false);
        edit->SetSelStart(7);
        SendMessageW(edit->Handle(), WM_IME_CHAR, L'i', 1);
        test::Keys({ 'Q' });
        EXPECT_EQ(edit->Text(), L"by codeiq");
        AltBackspace(*edit);
        EXPECT_EQ(edit->Text(), L"by code");
    }
}

// Tests that cut, paste and undo go through the clipboard, each raising one OnChange, and that
// ClipboardHasText follows the clipboard.
TEST_F(Edit, CutPasteUndoThroughTheClipboard)
{
    TForm form(nullptr);
    auto* edit = Add<TEdit>(form);
    ShowForm(form);
    SetClipboard(form.Handle(), L"");
    EXPECT_FALSE(ClipboardHasText());
    edit->SetText(L"alpha beta ");
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };

    edit->SetSelStart(6);
    edit->SetSelLength(5);
    edit->CopyToClipboard();
    EXPECT_TRUE(ClipboardHasText());
    EXPECT_EQ(ClipboardText(form.Handle()), L"beta ");
    EXPECT_EQ(changes, 0);
    edit->CutToClipboard();
    EXPECT_EQ(edit->Text(), L"alpha ");
    EXPECT_EQ(changes, 1);
    edit->PasteFromClipboard();
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), L"alpha beta beta ");
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(edit->CanUndo());
    edit->Undo();
    EXPECT_EQ(edit->Text(), L"alpha beta ");
    EXPECT_EQ(changes, 4);
    edit->ClearUndo();
    EXPECT_FALSE(edit->CanUndo());
    edit->SelectAll();
    edit->ClearSelection();
    EXPECT_EQ(edit->Text(), L"");
    EXPECT_EQ(changes, 5);
}

// Tests that the creation styles follow the properties: scroll bars, word wrap and alignment of
// the memo, password, case, selection hiding and border of both.
TEST_F(Edit, CreationStylesFollowProperties)
{
    struct Case {
        const char* name;
        std::function<void(TMemo&)> set;
        LONG mask;
        LONG expected;
    };
    const LONG bars = WS_VSCROLL | WS_HSCROLL;
    const Case cases[] = {
        { "default", [](TMemo&) {},
            bars | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
            ES_MULTILINE | ES_AUTOVSCROLL },
        { "vertical", [](TMemo& m) { m.SetScrollBars(ssVertical); }, bars, WS_VSCROLL },
        { "horizontal", [](TMemo& m) { m.SetScrollBars(ssHorizontal); }, bars, WS_HSCROLL },
        { "both", [](TMemo& m) { m.SetScrollBars(ssBoth); }, bars, bars },
        { "no wrap", [](TMemo& m) { m.SetWordWrap(false); }, ES_AUTOHSCROLL, ES_AUTOHSCROLL },
        { "right", [](TMemo& m) { m.SetAlignment(taRightJustify); }, ES_RIGHT | ES_CENTER,
            ES_RIGHT },
        { "centre", [](TMemo& m) { m.SetAlignment(taCenter); }, ES_RIGHT | ES_CENTER, ES_CENTER },
        { "keep selection", [](TMemo& m) { m.SetHideSelection(false); }, ES_NOHIDESEL,
            ES_NOHIDESEL },
        { "upper", [](TMemo& m) { m.SetCharCase(ecUpperCase); }, ES_UPPERCASE | ES_LOWERCASE,
            ES_UPPERCASE },
        { "lower", [](TMemo& m) { m.SetCharCase(ecLowerCase); }, ES_UPPERCASE | ES_LOWERCASE,
            ES_LOWERCASE },
    };
    for (const Case& c : cases) {
        for (bool before : { true, false }) {
            TForm form(nullptr);
            auto* memo = Add<TMemo>(form);
            if (before)
                c.set(*memo);
            ShowForm(form);
            if (!before)
                c.set(*memo);
            EXPECT_EQ(Style(*memo) & c.mask, c.expected)
                << c.name << (before ? " before" : " after");
        }
    }

    TForm form(nullptr);
    auto* edit = Add<TEdit>(form, 21);
    edit->SetBorderStyle(bsNone);
    ShowForm(form);
    EXPECT_EQ(Style(*edit) & (ES_MULTILINE | ES_AUTOHSCROLL), ES_AUTOHSCROLL);
    EXPECT_EQ(GetWindowLongW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    edit->SetBorderStyle(bsSingle);
    EXPECT_NE(GetWindowLongW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

// Tests that PasswordChar and CharCase act on the native window: the password character shows
// instead of the text and survives recreation, the case converts the text there and what is typed.
TEST_F(Edit, PasswordAndCharCaseActOnTheWindow)
{
    TForm form(nullptr);
    auto* edit = Add<TEdit>(form, 21);
    edit->SetText(L"Mixed");
    ShowForm(form);
    edit->SetPasswordChar(L'*');
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    edit->SetHideSelection(false); // recreates
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_EQ(edit->Text(), L"Mixed");
    edit->SetPasswordChar(0);
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);

    struct Case {
        TEditCharCase charCase;
        std::initializer_list<WORD> chord;
        const wchar_t* expected;
    };
    for (const Case& c : { Case { ecUpperCase, { 'Q' }, L"MIXEDQ" },
             Case { ecLowerCase, { VK_SHIFT, 'Q' }, L"mixedq" } }) {
        edit->SetText(L"Mixed");
        edit->SetCharCase(c.charCase);
        edit->SetFocus();
        edit->SetSelStart(5);
        test::Chord(c.chord);
        EXPECT_EQ(edit->Text(), c.expected);
        edit->SetCharCase(ecNormal);
    }
}

// Tests that the margins and the memo's formatting rectangle reach the native edit and stay
// through a font change, a size change and recreation, each of which resets them natively.
TEST_F(Edit, MarginsAndFormatRectStick)
{
    TForm form(nullptr);
    auto* memo = Add<TMemo>(form, 120);
    memo->SetBorderStyle(bsNone);
    // Without margins the native edit takes the rectangle as given.
    memo->SetMargins(0, 0);
    ShowForm(form);
    const TRect original = memo->FormatRect();
    const TRect wanted = Rect(12, 9, 150, 100);
    memo->SetFormatRect(wanted);
    auto check = [&](const char* step) {
        const TRect r = memo->FormatRect();
        EXPECT_EQ(r.Left, wanted.Left) << step;
        EXPECT_EQ(r.Top, wanted.Top) << step;
        EXPECT_EQ(r.Right, wanted.Right) << step;
        EXPECT_LE(r.Bottom, wanted.Bottom) << step;
        EXPECT_GT(r.Bottom, wanted.Top) << step;
    };
    ASSERT_NE(original.Left, wanted.Left);
    check("set");
    memo->Font().SetSize(14);
    check("font");
    memo->SetWidth(230);
    check("size");
    memo->SetScrollBars(ssVertical);
    check("recreate");

    auto* edit = Add<TEdit>(form, 21);
    edit->SetMargins(5, 7);
    edit->HandleNeeded();
    for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(edit->LeftMargin(), 5) << step;
        EXPECT_EQ(edit->RightMargin(), 7) << step;
        if (step == 0)
            edit->Font().SetSize(16);
        else
            edit->RecreateWnd();
    }
}

// Tests that the decimal separator is the one the user locale formats numbers with, also when the
// user has changed it (the setting is put back afterwards).
TEST_F(Edit, DecimalSeparatorIsTheUsers)
{
    wchar_t saved[8] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8), 0);
    for (const wchar_t* separator :
        { static_cast<const wchar_t*>(L";"), static_cast<const wchar_t*>(saved) }) {
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator));
        wchar_t formatted[32] = {};
        ASSERT_GT(GetNumberFormatW(LOCALE_USER_DEFAULT, 0, L"1.5", nullptr, formatted, 32), 0);
        const std::wstring text = formatted;
        const size_t five = text.find(L'5');
        ASSERT_TRUE(five != std::wstring::npos && five > 1) << WideToUtf8(text);
        EXPECT_EQ(LocaleDecimalSeparator(), text[five - 1]) << WideToUtf8(text);
        EXPECT_EQ(LocaleDecimalSeparator(), separator[0]);
    }
}

} // namespace
} // namespace vt
