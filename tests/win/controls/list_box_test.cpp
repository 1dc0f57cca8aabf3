// The skinned list box with real windows: the native list without a non-client area, the skinned
// bars made, kept in step with the list (wheel, keys, the bar's own arrows) and freed again, items
// painted from the record, and the list's notices reported by the skinned control.
#include "controls/list_box_win.h"
#include "controls/scroll_bar_win.h"
#include "raster/bitmap_win.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"
#include "painted_image.h"
#include "skinned_form_test.h"
#include "support.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::Pump;

class ListBoxWindow : public test::SkinnedFormTest {
protected:
    void SetUp() override
    {
        SkinnedFormTest::SetUp();
        form_->SetClientWidth(260);
        form_->SetClientHeight(220);
        lb_ = new TspSkinListBox(form_.get());
        lb_->SetBounds(10, 10, 170, 170);
        lb_->SetParent(form_.get());
        lb_->SetSkinData(sd_);
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Pump();
    }
    void Fill(int n)
    {
        TStringList items;
        for (int i = 0; i < n; ++i)
            items.Add(L"Item " + std::to_wstring(i));
        lb_->SetItems(items);
        Pump();
    }
    void LoadDefaultSkin()
    {
        sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        Pump();
    }
    HWND List() const { return lb_->ListBox()->Handle(); }

    TspSkinListBox* lb_ = nullptr;
};

// Tests the plain list: 30 items of 20 px in 170 x 170 give a list 166 high beside a bar with a
// page of 8; deleting down to 8 items frees the bar and the list takes the width back. The
// native list has no non-client area and no border, whatever the bars do.
TEST_F(ListBoxWindow, PlainListMakesAndFreesItsBar)
{
    Fill(30);
    TspSkinScrollBar* bar = lb_->VertScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(lb_->ListBox()->Height(), 166);
    EXPECT_EQ(bar->PageSize(), 8);
    EXPECT_EQ(bar->LargeChange(), 8);
    EXPECT_EQ(lb_->ListBox()->Left() + lb_->ListBox()->Width(), bar->Left());
    RECT wr, cr;
    GetWindowRect(List(), &wr);
    GetClientRect(List(), &cr);
    EXPECT_EQ(wr.right - wr.left, cr.right) << "no non-client area";
    EXPECT_EQ(wr.bottom - wr.top, cr.bottom);
    EXPECT_FALSE(GetWindowLongPtrW(List(), GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrW(List(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    while (lb_->Items().Count() > 8)
        lb_->Items().Delete(lb_->Items().Count() - 1);
    Pump();
    EXPECT_EQ(lb_->VertScrollBar(), nullptr);
    EXPECT_EQ(lb_->ListBox()->Width(), 166);
}

// Tests that the bar follows the list whichever way it scrolls: the wheel (the native step and
// one more line), the keys, and the bar's own down arrow scrolling the list.
TEST_F(ListBoxWindow, BarFollowsWheelKeysAndDrivesTheList)
{
    LoadDefaultSkin();
    Fill(40);
    TspSkinScrollBar* bar = lb_->VertScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->HasRecord()) << "the record's vertical bar";
    lb_->ListBox()->SetFocus();
    Pump();

    SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    Pump();
    const int afterWheel = lb_->TopIndex();
    EXPECT_GE(afterWheel, 2) << "the native step and one more line";
    EXPECT_EQ(bar->Position(), afterWheel);

    ASSERT_EQ(GetFocus(), List());
    test::Keys({VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT, VK_NEXT});
    EXPECT_EQ(lb_->ItemIndex(), 39);
    EXPECT_GT(lb_->TopIndex(), afterWheel);
    EXPECT_EQ(bar->Position(), lb_->TopIndex());

    test::Keys({VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_PRIOR});
    EXPECT_EQ(lb_->TopIndex(), 0);
    EXPECT_EQ(bar->Position(), 0);

    // The bar's own down arrow (the bottom end) moves the list a line.
    const TRect down = bar->Model().Part(sbpUp).Rect;
    ASSERT_FALSE(down.IsEmpty());
    const LPARAM at = MAKELPARAM(down.Left + down.Width() / 2, down.Top + down.Height() / 2);
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(lb_->TopIndex(), 1);
    EXPECT_EQ(bar->Position(), 1);
}

// Tests the horizontal extent: a text wider than the list makes a horizontal bar, the list ends
// above it, the arrows and the wheel move it, and it goes when the text fits again.
TEST_F(ListBoxWindow, HorizontalExtentBarComesAndGoes)
{
    lb_->SetHorizontalExtent(true);
    Fill(3);
    EXPECT_EQ(lb_->HorzScrollBar(), nullptr) << "short texts fit";
    lb_->Items().Add(std::wstring(60, L'W'));
    Pump();
    TspSkinScrollBar* h = lb_->HorzScrollBar();
    ASSERT_NE(h, nullptr);
    EXPECT_LE(lb_->ListBox()->Top() + lb_->ListBox()->Height(), h->Top()) << "the list ends above the bar";
    lb_->ListBox()->SetFocus();
    Pump();
    test::Keys({VK_RIGHT, VK_RIGHT});
    EXPECT_EQ(h->Position(), 2 * h->SmallChange());
    EXPECT_EQ(lb_->ListBox()->FHorizontalExtentValue, h->Position());
    SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    Pump();
    EXPECT_EQ(h->Position(), h->SmallChange()) << "a positive delta scrolls left";

    lb_->Items().Delete(3);
    Pump();
    EXPECT_EQ(lb_->HorzScrollBar(), nullptr);
    EXPECT_EQ(lb_->ListBox()->FHorizontalExtentValue, 0);
}

// Tests that the list paints its own items from the record: the selected item shows the
// record's active item picture, an unselected one the normal picture, at their fixed left ends;
// and with RowCount the control is as high as those rows need, without a bar.
TEST_F(ListBoxWindow, ItemsPaintFromTheRecordAndRowCountFits)
{
    LoadDefaultSkin();
    Fill(5);
    lb_->SetItemIndex(1);
    const int index = sd_->GetControlIndex(L"listbox");
    ASSERT_GE(index, 0);
    const auto& r = dynamic_cast<const TspDataSkinListBox&>(*sd_->CtrlList[static_cast<size_t>(index)]);
    TPixelView picture = sd_->FActivePictures[static_cast<size_t>(r.PictureIndex)]->View();
    TspBitmap image;
    test::PaintControlImage(*lb_->ListBox(), image);
    const int ih = r.SItemRect.Height();
    ASSERT_EQ(lb_->ListBox()->ItemHeight(), ih);
    auto same = [&](const TRect& source, int top) {
        // The left fixed part, away from the text.
        for (int y = 0; y < ih; ++y)
            for (int x = 0; x < std::max(r.ItemLeftOffset, 1); ++x)
                if ((image.View().Row(top + y)[x] & 0xFFFFFF) !=
                    (picture.Row(source.Top + y)[source.Left + x] & 0xFFFFFF))
                    return false;
        return true;
    };
    EXPECT_TRUE(same(r.SItemRect, 0)) << "item 0: normal";
    const TRect active = r.ActiveItemRect.IsEmpty() ? r.SItemRect : r.ActiveItemRect;
    const TRect focus = r.FocusItemRect.IsEmpty() ? r.SItemRect : r.FocusItemRect;
    EXPECT_TRUE(same(active, ih) || same(focus, ih)) << "item 1: selected";

    lb_->SetRowCount(5);
    Pump();
    EXPECT_EQ(lb_->Height(), lb_->CalcHeight(5));
    EXPECT_EQ(lb_->VertScrollBar(), nullptr);
    EXPECT_EQ(lb_->ListBox()->Height(), 5 * ih);
}

// Tests that a real click on an item raises the list-click event with the skinned control as the
// sender, and a double click the double-click event.
TEST_F(ListBoxWindow, ClicksAreReportedByTheSkinnedControl)
{
    Fill(5);
    std::vector<TObject*> clicks, doubles;
    lb_->OnListBoxClick = [&](TObject* s) { clicks.push_back(s); };
    lb_->OnListBoxDblClick = [&](TObject* s) { doubles.push_back(s); };
    const TPoint p = lb_->ListBox()->ClientToScreen({20, 2 * 20 + 5});
    SetCursorPos(p.X, p.Y);
    test::Mouse(MOUSEEVENTF_MOVE);
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    test::Mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], lb_);
    EXPECT_EQ(lb_->ItemIndex(), 2);
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    test::Mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_EQ(doubles.size(), 1u);
    EXPECT_EQ(doubles[0], lb_);
}

// Tests the caption strip without a record: the list starts below it, the glyph is drawn keyed on
// its corner colour, a click on the down button moves the selection one on, and holding the up
// button repeats until the first item.
TEST_F(ListBoxWindow, CaptionButtonsStepTheSelection)
{
    Fill(10);
    lb_->SetCaptionMode(true);
    lb_->SetCaption(L"Skins");
    TspBitmap glyph;
    glyph.SetSize(8, 8);
    glyph.Clear(0xFF00FF00);          // the key colour (bottom-left)
    glyph.FillRect(Rect(2, 2, 6, 6), 0xFFFF0000);
    lb_->SetGlyph(glyph);
    Pump();
    EXPECT_EQ(lb_->ListBox()->Top(), lb_->DefaultCaptionHeight() + 1);
    TspBitmap image;
    test::PaintControlImage(*lb_, image);
    const int gy = (lb_->DefaultCaptionHeight() - 8) / 2;
    EXPECT_EQ(image.View().Row(gy + 3)[4 + 3] & 0xFFFFFF, 0xFF0000u) << "the glyph's body";
    EXPECT_NE(image.View().Row(gy)[4] & 0xFFFFFF, 0x00FF00u) << "its key colour left out";

    lb_->SetItemIndex(3);
    const int s = std::min(lb_->DefaultCaptionHeight() - 3, 17);
    const int top = (lb_->DefaultCaptionHeight() - s) / 2;
    // Up, down and check from the left, each s wide with a pixel between, ending 2 from the edge.
    const TPoint check{lb_->Width() - 2 - s / 2, top + s / 2};
    const TPoint down{check.X - (s + 1), check.Y};
    const TPoint up{down.X - (s + 1), check.Y};
    int clicks = 0;
    lb_->OnListBoxClick = [&](TObject*) { ++clicks; };
    auto send = [&](UINT msg, TPoint p) { SendMessageW(lb_->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(p.X, p.Y)); };
    send(WM_LBUTTONDOWN, down);
    send(WM_LBUTTONUP, down);
    EXPECT_EQ(lb_->ItemIndex(), 4);
    EXPECT_EQ(clicks, 1);

    send(WM_LBUTTONDOWN, up);
    EXPECT_TRUE(test::PumpUntil([&] { return lb_->ItemIndex() == 0; }, 5000)) << "the held button repeats";
    send(WM_LBUTTONUP, up);
    EXPECT_EQ(lb_->ItemIndex(), 0) << "no step below the first item";
}

} // namespace
} // namespace vt
