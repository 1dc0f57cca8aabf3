// The native list box wrapper, forms built in code (modal, with default and cancel buttons) and
// child forms, through real windows and real input.
#include "framework/win/forms.h"
#include "framework/win/stdctrls.h"
#include "framework/win/timer.h"
#include "win/framework/key_button.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vt {
namespace {

class ListBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        Application->OnException = [this](TObject*, const Exception& e) { errors.push_back(e.Message()); };
    }
    void TearDown() override
    {
        Application->OnException = nullptr;
        EXPECT_TRUE(errors.empty()) << WideToUtf8(errors.front());
    }
    // A list of 100 x 100 (a 96-pixel client: six 16-pixel items) on a shown form.
    TListBox* AddList(TForm& form, int count)
    {
        auto* list = new TListBox(&form);
        list->SetBounds(10, 10, 100, 100);
        list->SetParent(&form);
        for (int i = 0; i < count; ++i)
            list->Items().Add(L"Item " + std::to_wstring(100 + i));
        return list;
    }
    static void ShowForm(TForm& form)
    {
        form.SetBounds(100, 100, 300, 240);
        form.Show();
        SetForegroundWindow(form.Handle());
        test::Pump();
    }
    static void ClickAt(TControl& control, TPoint p, int clicks = 1)
    {
        TPoint s = control.ClientToScreen(p);
        SetCursorPos(s.X, s.Y);
        test::Mouse(MOUSEEVENTF_MOVE);
        for (int i = 0; i < clicks; ++i) {
            test::Mouse(MOUSEEVENTF_LEFTDOWN);
            test::Mouse(MOUSEEVENTF_LEFTUP);
        }
    }
    static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    std::vector<std::wstring> errors;
};

// Tests that items given before the window exists reach the native list with ItemIndex and
// TopIndex, and that the items, ItemIndex, TopIndex and item height survive the window being
// recreated, by itself and with its form.
TEST_F(ListBox, ItemsSurviveRecreateWithIndexAndTop)
{
    TForm form(nullptr);
    TListBox* list = AddList(form, 30);
    list->SetItemHeight(20);
    list->SetItemIndex(17);
    list->SetTopIndex(12);
    EXPECT_FALSE(list->HandleAllocated());
    ShowForm(form);
    const TStringList expected = list->Items().ToStrings();
    ASSERT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 30);
    EXPECT_EQ(expected[29], L"Item 129");

    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(list->ItemIndex(), 17) << round;
        EXPECT_EQ(list->TopIndex(), 12) << round;
        EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 20) << round;
        EXPECT_EQ(list->Items().ToStrings().Items(), expected.Items()) << round;
        HWND before = list->Handle();
        if (round == 0)
            list->RecreateWnd();
        else
            form.RecreateWnd();
        EXPECT_NE(list->Handle(), before);
    }
}

// Tests that a list box read from a form description gets its items, sorting, selection mode
// and item height, and that a malformed item list is reported.
TEST_F(ListBox, ReadFromDescription)
{
    TForm form(nullptr);
    form.LoadFromText("object F: TForm\n  object List: TListBox\n    Left = 5\n    Top = 5\n"
                      "    Width = 120\n    Height = 90\n    Sorted = True\n    ItemHeight = 18\n"
                      "    MultiSelect = True\n    Items.Strings = (\n      'velin'\n      'Carbonel'\n"
                      "      'zozaziz')\n    ItemIndex = 1\n  end\nend");
    auto* list = dynamic_cast<TListBox*>(form.FindComponent(L"List"));
    ASSERT_NE(list, nullptr);
    ShowForm(form);
    EXPECT_EQ(list->Items().ToStrings().Items(), (std::vector<String>{L"Carbonel", L"velin", L"zozaziz"}));
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 18);
    EXPECT_NE(GetWindowLongW(list->Handle(), GWL_STYLE) & LBS_EXTENDEDSEL, 0);

    TForm bad(nullptr);
    EXPECT_THROW(bad.LoadFromText("object F: TForm\n  object List: TListBox\n    Items.Strings = 7\n"
                                  "  end\nend"),
                 EReadError);
}

// Tests that a sorted list orders its items ignoring case whether they were added before the
// window existed or after, that Insert in a sorted list goes to the sorted place, and that
// turning Sorted on over unsorted items sorts them with ItemIndex following its item.
TEST_F(ListBox, SortedInsertionIgnoresCase)
{
    const std::vector<String> words = {L"zozaziz", L"Carbonel", L"velin", L"alpha", L"Beta"};
    const std::vector<String> sorted = {L"alpha", L"Beta", L"Carbonel", L"m", L"velin", L"zozaziz"};
    for (bool windowFirst : {false, true}) {
        TForm form(nullptr);
        TListBox* list = AddList(form, 0);
        list->SetSorted(true);
        if (windowFirst)
            ShowForm(form);
        for (const String& w : words)
            list->Items().Add(w);
        list->Items().Insert(0, L"m");
        EXPECT_EQ(list->Items().ToStrings().Items(), sorted) << windowFirst;
        ShowForm(form);
        EXPECT_EQ(list->Items().ToStrings().Items(), sorted) << windowFirst;
    }

    TForm form(nullptr);
    TListBox* list = AddList(form, 0);
    for (const String& w : words)
        list->Items().Add(w);
    ShowForm(form);
    list->SetItemIndex(0);  // "zozaziz"
    list->SetSorted(true);
    EXPECT_EQ(list->Items().ToStrings().Items(),
              (std::vector<String>{L"alpha", L"Beta", L"Carbonel", L"velin", L"zozaziz"}));
    EXPECT_EQ(list->ItemIndex(), 4);
    EXPECT_NE(GetWindowLongW(list->Handle(), GWL_STYLE) & LBS_SORT, 0);
}

// Tests the selection counts of single, multiple and extended selection, that a multiple
// selection survives the window being recreated (also by a change of ExtendedSelect), and that
// each mode gives the native list its style.
TEST_F(ListBox, SelectionCountsInEachMode)
{
    TForm form(nullptr);
    TListBox* list = AddList(form, 8);
    ShowForm(form);
    EXPECT_EQ(list->SelCount(), 0);
    list->SetSelected(3, true);
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_EQ(list->ItemIndex(), 3);
    list->SetSelected(5, true);
    EXPECT_EQ(list->ItemIndex(), 5);
    EXPECT_FALSE(list->Selected(3));
    list->SetSelected(5, false);
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(list->ItemIndex(), -1);

    list->SetItemIndex(2);
    list->SetMultiSelect(true);  // the single selection carries over
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_TRUE(list->Selected(2));
    for (int i : {1, 4, 6})
        list->SetSelected(i, true);
    const auto selection = [&] {
        std::vector<int> s;
        for (int i = 0; i < list->Items().Count(); ++i)
            if (list->Selected(i))
                s.push_back(i);
        return s;
    };
    const std::vector<int> expected = {1, 2, 4, 6};
    EXPECT_EQ(list->SelCount(), 4);
    struct Step {
        const char* what;
        void (*change)(TListBox&);
        DWORD style;
    };
    const Step steps[] = {
        {"extended", [](TListBox&) {}, LBS_EXTENDEDSEL},
        {"recreated", [](TListBox& l) { l.RecreateWnd(); }, LBS_EXTENDEDSEL},
        {"multiple", [](TListBox& l) { l.SetExtendedSelect(false); }, LBS_MULTIPLESEL},
    };
    for (const Step& s : steps) {
        s.change(*list);
        EXPECT_EQ(selection(), expected) << s.what;
        EXPECT_EQ(list->SelCount(), 4) << s.what;
        const auto style = static_cast<DWORD>(GetWindowLongW(list->Handle(), GWL_STYLE));
        EXPECT_EQ(style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL), s.style) << s.what;
    }
    list->SetItemIndex(6);  // one item alone
    EXPECT_EQ(selection(), std::vector<int>{6});
    list->Items().Delete(6);
    EXPECT_EQ(list->SelCount(), 0);
}

// Tests that ItemAtPos and ItemRect agree for the items shown, after scrolling as well, and
// what ItemAtPos answers where there is no item.
TEST_F(ListBox, ItemAtPosAndItemRectAgree)
{
    TForm form(nullptr);
    TListBox* list = AddList(form, 20);
    TListBox* few = AddList(form, 2);
    few->SetLeft(150);
    ShowForm(form);
    for (int top : {0, 7}) {
        list->SetTopIndex(top);
        ASSERT_EQ(list->TopIndex(), top);
        EXPECT_EQ(list->ItemRect(top).Top, 0);
        for (int i = top; i < top + 6; ++i) {
            const TRect r = list->ItemRect(i);
            EXPECT_EQ(r.Height(), 16) << i;
            EXPECT_EQ(list->ItemAtPos(Centre(r), true), i) << i;
            EXPECT_EQ(list->ItemAtPos({r.Left, r.Bottom - 1}, true), i) << i;
        }
    }
    EXPECT_TRUE(list->ItemRect(20).IsEmpty());
    EXPECT_TRUE(list->ItemRect(-1).IsEmpty());
    const TPoint below{10, 50};  // the short list ends at 32
    EXPECT_EQ(few->ItemAtPos(below, true), -1);
    EXPECT_EQ(few->ItemAtPos(below, false), 2);
    EXPECT_EQ(few->ItemAtPos({-5, 5}, true), -1);
    EXPECT_EQ(few->ItemAtPos({10, 20}, true), 1);
}

// Tests that a user's selection changes raise OnClick once each, by a click, by an arrow key and
// by typing an item's first letter, a double click raises OnDblClick, and a change made by code
// raises neither.
TEST_F(ListBox, UserSelectionChangesRaiseClickAndDoubleClick)
{
    TForm form(nullptr);
    TListBox* list = AddList(form, 0);
    for (const wchar_t* w : {L"Alpha", L"Beta", L"Carbonel", L"Delta", L"Velin"})
        list->Items().Add(w);
    int clicks = 0, doubles = 0;
    list->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, list);
        ++clicks;
    };
    list->OnDblClick = [&](TObject*) { ++doubles; };
    ShowForm(form);

    list->SetItemIndex(0);
    EXPECT_EQ(clicks, 0);
    ClickAt(*list, Centre(list->ItemRect(2)));
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 0);
    EXPECT_TRUE(list->Focused());

    test::Keys({VK_DOWN});
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_EQ(clicks, 2);
    test::Keys({'V'});  // the native prefix search
    EXPECT_EQ(list->ItemIndex(), 4);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(list->FindPrefix(L"car"), 2);
    EXPECT_EQ(list->FindPrefix(L"x"), -1);

    Sleep(GetDoubleClickTime());  // the next click must not pair with the last
    ClickAt(*list, Centre(list->ItemRect(1)), 2);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(doubles, 1);
}

// Tests that the native list asks for exactly the items it shows, from TopIndex on, with the
// selected item's state, that the handler draws on the item's DC, and that without a handler
// the selected item is drawn in the highlight colour.
TEST_F(ListBox, DrawItemForTheItemsShown)
{
    TForm form(nullptr);
    TListBox* list = AddList(form, 30);
    std::vector<std::pair<int, bool>> drawn;
    list->OnDrawItem = [&](TObject* sender, int index, TRect rect, TOwnerDrawState state) {
        EXPECT_EQ(sender, list);
        drawn.emplace_back(index, (state & ODS_SELECTED) != 0);
        list->Canvas().Brush().SetColor(index == 11 ? clRed : clWhite);
        list->Canvas().FillRect(rect);
    };
    ShowForm(form);
    list->SetTopIndex(10);
    list->SetItemIndex(11);
    drawn.clear();
    RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The focused item may be drawn once more for its focus frame.
    std::vector<std::pair<int, bool>> once;
    for (const auto& d : drawn)
        if (std::find(once.begin(), once.end(), d) == once.end())
            once.push_back(d);
    EXPECT_EQ(once, (std::vector<std::pair<int, bool>>{
                        {10, false}, {11, true}, {12, false}, {13, false}, {14, false}, {15, false}}));

    // Painted into a memory DC so the pixels can be read back.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, list->ClientWidth(), list->ClientHeight());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const TPoint selected = Centre(list->ItemRect(11));
    const TPoint other = Centre(list->ItemRect(13));
    auto paint = [&] {
        list->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        return std::pair{GetPixel(dc, selected.X, selected.Y), GetPixel(dc, other.X, other.Y)};
    };
    EXPECT_EQ(paint(), (std::pair{RGB(255, 0, 0), RGB(255, 255, 255)}));
    list->OnDrawItem = nullptr;
    EXPECT_EQ(paint().first, GetSysColor(COLOR_HIGHLIGHT));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// Tests that a form built in code, with a list and OK and Cancel buttons, runs modally and ends
// with mrOk on Enter and mrCancel on Esc pressed in the focused list.
TEST_F(ListBox, FormBuiltInCodeRunsModallyWithDefaultAndCancel)
{
    for (auto [key, expected] : {std::pair{VK_RETURN, mrOk}, std::pair{VK_ESCAPE, mrCancel}}) {
        auto dialog = std::make_unique<TForm>(Application);
        dialog->SetBorderStyle(bsSingle);
        dialog->SetClientWidth(300);
        dialog->SetClientHeight(200);
        TListBox* list = AddList(*dialog, 5);
        auto* ok = new test::TKeyButton(dialog.get());
        ok->SetBounds(150, 150, 60, 25);
        ok->SetParent(dialog.get());
        ok->Default = true;
        ok->Result = mrOk;
        auto* cancel = new test::TKeyButton(dialog.get());
        cancel->SetBounds(220, 150, 60, 25);
        cancel->SetParent(dialog.get());
        cancel->Cancel = true;
        cancel->Result = mrCancel;
        dialog->SetActiveControl(list);
        bool listFocused = false;
        // Pressed once the dialog is up, as a user would.
        TTimer press(nullptr);
        press.SetInterval(100);
        press.SetOnTimer([&](TObject*) {
            press.SetEnabled(false);
            listFocused = list->Focused();
            test::Chord({static_cast<WORD>(key)});
        });
        TTimer watchdog(nullptr);
        watchdog.SetInterval(3000);
        watchdog.SetOnTimer([&](TObject*) { dialog->SetModalResult(mrAbort); });
        EXPECT_EQ(dialog->ShowModal(), expected) << key;
        EXPECT_TRUE(listFocused) << key;
        EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    }
}

// Tests that a form whose parent is another form's control is a child window inside it: shown
// in its place without taking the activation or the focus, with no task-bar button, and still
// on the screen's list of forms; it becomes a top-level window again without a parent.
TEST_F(ListBox, ChildFormSitsInsideItsParentWithoutActivation)
{
    TForm main(nullptr);
    TListBox* list = AddList(main, 3);
    auto* host = new TCustomControl(&main);
    host->SetBounds(120, 10, 160, 150);
    host->SetParent(&main);
    ShowForm(main);
    list->SetFocus();

    auto* child = new TForm(&main);
    child->SetBorderStyle(bsSingle);
    child->SetBounds(10, 20, 120, 100);
    child->SetParent(host);
    child->SetEnabled(false);
    child->Show();
    test::Pump();

    HWND wnd = child->Handle();
    EXPECT_EQ(GetParent(wnd), host->Handle());
    const auto style = static_cast<DWORD>(GetWindowLongW(wnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(wnd, GWL_EXSTYLE));
    EXPECT_NE(style & WS_CHILD, 0u);
    EXPECT_EQ(style & WS_POPUP, 0u);
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0u);
    EXPECT_TRUE(IsWindowVisible(wnd));
    RECT r;
    GetWindowRect(wnd, &r);
    const TPoint at = host->ClientToScreen({10, 20});
    EXPECT_EQ(r.left, at.X);
    EXPECT_EQ(r.top, at.Y);
    EXPECT_EQ(GetActiveWindow(), main.Handle());
    EXPECT_EQ(Screen->ActiveForm(), &main);
    EXPECT_TRUE(list->Focused());

    // A click on the disabled child goes nowhere; the main form stays active.
    ClickAt(*child, {50, 50});
    EXPECT_EQ(GetActiveWindow(), main.Handle());
    bool listed = false;
    for (int i = 0; i < Screen->FormCount(); ++i)
        listed = listed || Screen->Forms(i) == child;
    EXPECT_TRUE(listed);

    child->SetParent(nullptr);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(GetWindowLongW(child->Handle(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(GetParent(child->Handle()), nullptr);
}

} // namespace
} // namespace vt
