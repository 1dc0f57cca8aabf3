// The skinned combo box with real windows: the drop-down list in its pop-up (size, place, never
// active), the press that drags into the list, keys in the open list, closing from outside, capture
// loss during auto-scroll, a close or the control's destruction during the fade-in, and the skin
// look's fixed parts.
#include "controls/combo_box_win.h"
#include "controls/framed_record.h"
#include "framework/win/stdctrls.h"
#include "raster/bitmap_win.h"
#include "raster/compose_win.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"
#include "painted_image.h"
#include "skinned_form_test.h"
#include "support.h"
#include "win/framework/key_button.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::Pump;

class ComboBoxWindow : public test::SkinnedFormTest {
protected:
    void SetUp() override
    {
        SkinnedFormTest::SetUp();
        form_->SetClientWidth(300);
        form_->SetClientHeight(220);
        cb_ = new TspSkinComboBox(form_.get());
        cb_->SetBounds(10, 10, 150, 20);
        cb_->SetParent(form_.get());
        cb_->SetSkinData(sd_);
        other_ = new test::TKeyButton(form_.get());
        other_->SetBounds(200, 150, 60, 30);
        other_->SetParent(form_.get());
        sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        SetItems({L"Left", L"Center", L"Right"});
        cb_->SetItemIndex(0);
        cb_->OnChange = [this](TObject*) { ++changes_; };
        cb_->OnClick = [this](TObject*) { ++clicks_; };
        // A list that opens under the real pointer selects the row there: park the pointer off
        // the form, wherever earlier tests left it; the tests that need it move it themselves.
        RECT fr;
        GetWindowRect(form_->Handle(), &fr);
        SetCursorPos(fr.right + 40, fr.bottom + 40);
        form_->Show();
        SetForegroundWindow(form_->Handle());
        cb_->SetFocus();
        Pump(100);
    }
    void SetItems(std::initializer_list<String> items)
    {
        TStringList list;
        for (const String& s : items)
            list.Add(s);
        cb_->SetItems(list);
    }
    TPoint Screen(TControl& c, TPoint p) const
    {
        POINT sp{p.X, p.Y};
        ClientToScreen(static_cast<TWinControl&>(c).Handle(), &sp);
        return {sp.x, sp.y};
    }
    // The middle of item i of the open list, on the screen.
    TPoint ListItem(int i) const
    {
        const TRect r = cb_->ListBox()->ItemRect(i);
        POINT p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        ClientToScreen(cb_->ListBox()->ListBox()->Handle(), &p);
        return {p.x, p.y};
    }
    static void MoveTo(TPoint p)
    {
        SetCursorPos(p.X, p.Y);
        test::Mouse(MOUSEEVENTF_MOVE);
    }
    TPoint ButtonCentre() const
    {
        return {cb_->Width() - 8, cb_->Height() / 2};
    }
    HWND Popup() const { return cb_->ListBox()->Handle(); }

    TspSkinComboBox* cb_ = nullptr;
    test::TKeyButton* other_ = nullptr;
    int changes_ = 0, clicks_ = 0;
};

// Tests the opened three-item list: as high as three rows of the "listbox" record, below the
// control, a tool pop-up that answers presses with MA_NOACTIVATE; opening and closing leave the
// foreground window and the focus where they were.
TEST_F(ComboBoxWindow, DropDownIsSizedAndNeverActivates)
{
    ASSERT_EQ(cb_->ListBox()->SkinDataName(), L"listbox");
    ASSERT_TRUE(cb_->ListBox()->HasRecord());
    const HWND foreground = GetForegroundWindow(), focus = GetFocus();
    ASSERT_EQ(focus, cb_->Handle());
    cb_->DropDown();
    Pump();
    ASSERT_TRUE(cb_->IsPopupVisible());
    EXPECT_TRUE(IsWindowVisible(Popup()));
    RECT wr, cr;
    GetWindowRect(Popup(), &wr);
    GetWindowRect(cb_->Handle(), &cr);
    EXPECT_EQ(wr.bottom - wr.top, cb_->ListBox()->CalcHeight(3));
    // The default skin's list: rows of its item picture (18) and its frame above and below the
    // client part (2 and 60 - 58).
    EXPECT_EQ(wr.bottom - wr.top, 3 * 18 + 2 + 2);
    EXPECT_EQ(wr.right - wr.left, cb_->Width());
    EXPECT_EQ(wr.top, cr.bottom);
    EXPECT_EQ(cb_->ListBox()->ItemIndex(), 0);
    const LONG_PTR style = GetWindowLongPtrW(Popup(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_TRUE(GetWindowLongPtrW(Popup(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetClassLongPtrW(Popup(), GCL_STYLE) & CS_SAVEBITS);
    EXPECT_EQ(SendMessageW(Popup(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form_->Handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    EXPECT_EQ(SendMessageW(cb_->ListBox()->ListBox()->Handle(), WM_MOUSEACTIVATE,
                           reinterpret_cast<WPARAM>(form_->Handle()), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    // Hovering and a press inside the list change neither.
    MoveTo(ListItem(2));
    EXPECT_EQ(cb_->ListBox()->ItemIndex(), 2) << "hover selects";
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GetForegroundWindow(), foreground);
    EXPECT_EQ(GetFocus(), focus);
    test::Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(cb_->IsPopupVisible());
    EXPECT_EQ(cb_->Text(), L"Right");
    EXPECT_EQ(GetForegroundWindow(), foreground);
    EXPECT_EQ(GetFocus(), focus);
}

// Tests the press that starts on the button and drags into the list: released over "Center" it
// selects it and closes; released away from the list it closes and keeps the old selection.
TEST_F(ComboBoxWindow, PressOnButtonDragAndRelease)
{
    struct Case {
        const char* name;
        bool overList;
        const wchar_t* text;
        int changes;
    };
    for (const Case& c : {Case{"over Center", true, L"Center", 1}, Case{"outside", false, L"Left", 0}}) {
        SCOPED_TRACE(c.name);
        changes_ = 0;
        MoveTo(Screen(*cb_, ButtonCentre()));
        test::Mouse(MOUSEEVENTF_LEFTDOWN);
        ASSERT_TRUE(cb_->IsPopupVisible());
        EXPECT_TRUE(cb_->Model().Pressing());
        MoveTo(ListItem(1));
        EXPECT_EQ(cb_->ListBox()->ItemIndex(), 1);
        EXPECT_TRUE(cb_->Model().WasInList());
        if (!c.overList) {
            RECT wr;
            GetWindowRect(Popup(), &wr);
            MoveTo({wr.right + 30, wr.top + 5});
        }
        test::Mouse(MOUSEEVENTF_LEFTUP);
        EXPECT_FALSE(cb_->IsPopupVisible());
        EXPECT_FALSE(cb_->Model().Pressing());
        EXPECT_EQ(cb_->Text(), c.text);
        EXPECT_EQ(changes_, c.changes);
        cb_->SetItemIndex(0);
    }
}

// Tests keys in the open list: Down moves the selection through ItemIndex (OnClick and OnChange
// each time); Enter closes, keeping it, with one more OnClick and no OnChange. Then a press on
// another control closes an open list without accepting.
TEST_F(ComboBoxWindow, KeysInTheOpenListAndPressElsewhere)
{
    cb_->DropDown();
    Pump();
    clicks_ = changes_ = 0;
    test::Keys({VK_DOWN});
    EXPECT_EQ(cb_->Text(), L"Center");
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(changes_, 1);
    EXPECT_TRUE(cb_->IsPopupVisible());
    test::Keys({VK_RETURN});
    EXPECT_FALSE(cb_->IsPopupVisible());
    EXPECT_EQ(cb_->Text(), L"Center");
    EXPECT_EQ(clicks_, 2);
    EXPECT_EQ(changes_, 1);

    cb_->DropDown();
    Pump();
    MoveTo(ListItem(2));
    ASSERT_EQ(cb_->ListBox()->ItemIndex(), 2);
    MoveTo(Screen(*other_, {10, 10}));
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    test::Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(cb_->IsPopupVisible());
    EXPECT_EQ(cb_->Text(), L"Center");
    EXPECT_EQ(cb_->ItemIndex(), 1) << "hover moved only the list";
}

// Tests typing and the wheel on the closed control: "c" selects "Center", "r" within 500 ms
// searches "cr" and changes nothing, "r" after a pause selects "Right"; the wheel towards the user
// steps forward and away from the user back, each through ItemIndex.
TEST_F(ComboBoxWindow, TypedSearchAndWheel)
{
    test::Keys({'C', 'R'});
    EXPECT_EQ(cb_->Text(), L"Center");
    Pump(600);
    test::Keys({'R'});
    EXPECT_EQ(cb_->Text(), L"Right");

    clicks_ = changes_ = 0;
    MoveTo(Screen(*cb_, {20, 10}));  // the wheel goes where the pointer is
    test::Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(WHEEL_DELTA));
    EXPECT_EQ(cb_->ItemIndex(), 1);
    test::Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    EXPECT_EQ(cb_->ItemIndex(), 2);
    EXPECT_EQ(clicks_, 2);
    EXPECT_EQ(changes_, 2);
    EXPECT_FALSE(cb_->IsPopupVisible());
}

// Tests that a window taking the capture in the middle of a press that auto-scrolls the list ends
// the press and stops the scroll.
TEST_F(ComboBoxWindow, CaptureLossStopsTheAutoScroll)
{
    TStringList many;
    for (int i = 0; i < 20; ++i)
        many.Add(L"Item " + std::to_wstring(i));
    cb_->SetItems(many);
    cb_->SetItemIndex(0);
    MoveTo(Screen(*cb_, ButtonCentre()));
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(cb_->IsPopupVisible());
    ASSERT_NE(cb_->ListBox()->VertScrollBar(), nullptr);
    MoveTo(ListItem(3));
    RECT wr;
    GetWindowRect(Popup(), &wr);
    MoveTo({(wr.left + wr.right) / 2, wr.bottom + 20});
    ASSERT_EQ(cb_->Model().TimerMode(), 2);
    ASSERT_TRUE(test::PumpUntil([&] { return cb_->ListBox()->ItemIndex() > 4; }));

    SetCapture(other_->Handle());
    Pump();
    EXPECT_EQ(cb_->Model().TimerMode(), 0);
    EXPECT_FALSE(cb_->Model().Pressing());
    const int stopped = cb_->ListBox()->ItemIndex();
    Pump(150);
    EXPECT_EQ(cb_->ListBox()->ItemIndex(), stopped) << "no scroll after the capture went";
    ReleaseCapture();
    test::Mouse(MOUSEEVENTF_LEFTUP);
}

// What the timer during the fade does and saw.
struct TFadeProbe {
    TspSkinComboBox* Target = nullptr;
    bool Destroy = false, Fired = false, VisibleAtFire = false;
    BYTE AlphaAtFire = 0;
};
TFadeProbe gFade;

void CALLBACK FadeTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (gFade.Fired)
        return;
    gFade.Fired = true;
    HWND popup = gFade.Target->ListBox()->Handle();
    gFade.VisibleAtFire = IsWindowVisible(popup);
    GetLayeredWindowAttributes(popup, nullptr, &gFade.AlphaAtFire, nullptr);
    if (gFade.Destroy)
        delete gFade.Target;
    else
        gFade.Target->CloseUp(false);
}

// Tests a close and the control's destruction from a timer during the fade-in.
TEST_F(ComboBoxWindow, CloseOrDestroyDuringTheFade)
{
    for (bool d : {false, true}) {
        SCOPED_TRACE(d ? "destroy" : "close");
        gFade = TFadeProbe{cb_, d};
        cb_->SetListBoxAlphaBlend(true);
        cb_->SetListBoxAlphaBlendAnimation(true);
        cb_->SetListBoxAlphaBlendValue(200);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, FadeTimer);
        ASSERT_NE(timer, 0u);
        cb_->DropDown();
        EXPECT_TRUE(gFade.Fired);
        EXPECT_TRUE(gFade.VisibleAtFire);
        EXPECT_LT(gFade.AlphaAtFire, 200) << "the timer came during the fade";
        if (d) {
            cb_ = nullptr;
            Pump();
            break;
        }
        EXPECT_FALSE(cb_->IsPopupVisible());
        EXPECT_FALSE(IsWindowVisible(Popup()));
        EXPECT_FALSE(cb_->Model().IsDropDown());
        EXPECT_EQ(cb_->Text(), L"Left");
        // The list opens again and finishes its fade.
        cb_->DropDown();
        BYTE alpha = 0;
        GetLayeredWindowAttributes(Popup(), nullptr, &alpha, nullptr);
        EXPECT_EQ(alpha, 200);
        cb_->CloseUp(false);
    }
}

// Tests that a control near the bottom of the work area opens its list above itself.
TEST_F(ComboBoxWindow, OpensAboveNearTheWorkAreaBottom)
{
    TRect work;
    ASSERT_TRUE(GetMonitorAreaOfWindow(form_->Handle(), true, work));
    RECT fr, cr;
    GetWindowRect(form_->Handle(), &fr);
    GetWindowRect(cb_->Handle(), &cr);
    // The control's bottom 10 pixels above the work area's.
    SetWindowPos(form_->Handle(), nullptr, fr.left, fr.top + (work.Bottom - 10 - cr.bottom), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    GetWindowRect(cb_->Handle(), &cr);
    ASSERT_EQ(cr.bottom, work.Bottom - 10);
    cb_->DropDown();
    RECT wr;
    GetWindowRect(Popup(), &wr);
    EXPECT_EQ(wr.bottom, cr.top);
    EXPECT_EQ(wr.bottom - wr.top, cb_->ListBox()->CalcHeight(3));
    cb_->CloseUp(false);
}

// Tests that the default skin's combo paints its record's left and right fixed parts outside the
// item, at any width (the button moves with the right edge), and that its idle button is the body's.
TEST_F(ComboBoxWindow, SkinLookPaintsTheRecordsFixedParts)
{
    TRecordLookup found = FindControlRecord<TspDataSkinComboBox>(sd_, L"combobox");
    ASSERT_TRUE(found);
    const auto& r = static_cast<const TspDataSkinComboBox&>(*found.Record);
    const TPixelView picture = RecordPicture(*sd_, r.PictureIndex);
    ASSERT_GT(picture.Width, 0);
    other_->SetFocus();
    MoveTo(Screen(*other_, {5, 5}));
    for (int width : {150, 220}) {
        SCOPED_TRACE(width);
        cb_->SetBounds(10, 10, width, 20);
        Pump();
        ASSERT_EQ(cb_->Height(), r.SkinRect.Height());
        TspBitmap image;
        test::PaintControlImage(*cb_, image);
        const int right = r.SkinRect.Width() - r.RTPoint.X;
        int checked = 0, differ = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                const bool leftPart = x < r.LTPoint.X, rightPart = x >= width - right;
                if (!(leftPart || rightPart))
                    continue;
                const int sx = leftPart ? x : x - (width - r.SkinRect.Width());
                const TRect item = {r.ClRect.Left, r.ClRect.Top, r.ClRect.Right + width - r.SkinRect.Width(),
                                    r.ClRect.Bottom};
                if (item.Contains({x, y}))
                    continue;
                ++checked;
                if ((image.View().Row(y)[x] & 0xFFFFFF) !=
                    (picture.Row(r.SkinRect.Top + y)[r.SkinRect.Left + sx] & 0xFFFFFF))
                    ++differ;
            }
        EXPECT_GT(checked, 0);
        EXPECT_EQ(differ, 0);
    }
}

// Tests the edit style: the edit takes the focus and the item area; a typed character completes to
// the first item it begins, the rest selected; Down steps to the next item, selected whole; F4
// opens and Escape closes without moving the focus; the fixed style drops the edit again.
TEST_F(ComboBoxWindow, EditStyleCompletesStepsAndSwitchesBack)
{
    cb_->SetStyle(spcbEditStyle);
    Pump();
    TspCustomEdit* edit = cb_->Edit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_EQ(edit->Text(), L"Left");
    EXPECT_GE(edit->Left(), 0);
    EXPECT_LT(edit->Left() + edit->Width(), cb_->Width());
    EXPECT_LE(edit->Height(), cb_->Height());

    edit->SelectAll();
    changes_ = clicks_ = 0;
    test::Keys({'C'});
    EXPECT_EQ(cb_->Text(), L"Center");
    EXPECT_EQ(edit->Text(), L"Center");
    EXPECT_EQ(cb_->ItemIndex(), 1);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 5);
    EXPECT_GE(changes_, 1);

    test::Keys({VK_DOWN});
    EXPECT_EQ(edit->Text(), L"Right");
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 5);

    test::Keys({VK_F4});
    EXPECT_TRUE(cb_->IsPopupVisible());
    EXPECT_EQ(GetFocus(), edit->Handle());
    test::Keys({VK_ESCAPE});
    EXPECT_FALSE(cb_->IsPopupVisible());
    EXPECT_EQ(cb_->Text(), L"Right");

    cb_->SetStyle(spcbFixedStyle);
    Pump();
    EXPECT_EQ(cb_->Edit(), nullptr);
    EXPECT_EQ(cb_->Text(), L"Right");
    EXPECT_EQ(GetFocus(), cb_->Handle());
}

// Tests the description of the main window's hidden combo: every property it uses loads, the
// selection and text come through and the list takes its settings; an unknown style and an alpha
// value out of range are load errors naming the property.
TEST_F(ComboBoxWindow, DescriptionLoadsTheHiddenCombo)
{
    RegisterComboBoxClasses();
    TForm form(nullptr);
    form.LoadFromText("object F: TForm\n"
                      " object C: TspSkinComboBox\n"
                      "  Left = 98\n  Top = 18\n  Width = 80\n  Height = 20\n  Visible = False\n"
                      "  SkinDataName = 'combobox'\n  Style = spcbFixedStyle\n"
                      "  Items.Strings = (\n   'Left'\n   'Center'\n   'Right')\n"
                      "  ItemIndex = 0\n  Text = 'Left'\n  DropDownCount = 8\n  AutoComplete = True\n"
                      "  ListBoxWidth = 0\n  ListBoxUseSkinItemHeight = True\n  ListBoxUseSkinFont = True\n"
                      "  ListBoxDefaultItemHeight = 20\n  ListBoxDefaultFont.Name = 'Arial'\n"
                      "  ListBoxDefaultFont.Height = 14\n  ListBoxAlphaBlend = False\n"
                      "  Sorted = False\n  HorizontalExtent = False\n  ListBoxCaptionAlignment = taCenter\n"
                      "  DefaultFont.Name = 'Tahoma'\n  DefaultFont.Height = 13\n  UseSkinFont = True\n"
                      " end\n"
                      "end");
    auto* c = dynamic_cast<TspSkinComboBox*>(form.FindComponent(L"C"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ItemIndex(), 0);
    EXPECT_EQ(c->Text(), L"Left");
    EXPECT_EQ(c->Items().Count(), 3);
    EXPECT_EQ(c->DropDownCount(), 8);
    EXPECT_EQ(c->ListBoxDefaultItemHeight(), 20);
    EXPECT_EQ(c->ListBoxDefaultFont().Name(), L"Arial");
    EXPECT_EQ(c->ListBoxDefaultFont().Height(), 14);
    EXPECT_FALSE(c->Visible());
    EXPECT_EQ(c->Style(), spcbFixedStyle);
    EXPECT_EQ(c->ListBoxCaptionAlignment(), taCenter);

    auto loadError = [](const char* props) -> std::wstring {
        TForm f(nullptr);
        try {
            f.LoadFromText(std::string("object F: TForm\n object C: TspSkinComboBox\n") + props + "\n end\nend");
        } catch (const Exception& e) {
            return e.Message();
        }
        return L"";
    };
    EXPECT_NE(loadError("  Style = spcbOther").find(L"C.Style"), std::wstring::npos);
    EXPECT_NE(loadError("  ListBoxAlphaBlendValue = 300").find(L"C.ListBoxAlphaBlendValue"), std::wstring::npos);
}

} // namespace
} // namespace vt
