// The skinned page control over the real tab control: pages placed by the corrected display
// rectangle in every tab position with and without a record, overflowing tabs scrolled by a
// skinned up-down (never the platform's), and close buttons that close their own tab.
#include "controls/framed_record.h"
#include "controls/page_control_win.h"
#include "controls/skin_control_model.h"
#include "framework/win/forms.h"
#include "skin/skin_data.h"
#include "support.h"
#include "unit/controls/fixture_skin.h"
#include "win/controls/painted_image.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <vector>

namespace vt {
namespace {

// The tab control's own answer for the control's window, before the skin's corrections.
TRect PlatformDisplayRect(TspSkinPageControl& pc)
{
    WNDCLASSW wc{};
    GetClassInfoW(nullptr, WC_TABCONTROLW, &wc);
    RECT rc;
    GetClientRect(pc.Handle(), &rc);
    CallWindowProcW(wc.lpfnWndProc, pc.Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    return FromRECT(rc);
}

class PageControlWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetClientWidth(400);
        form_->SetClientHeight(300);
        sd_ = new TspSkinData(form_.get());
        pc_ = new TspSkinPageControl(form_.get());
        pc_->SetBounds(10, 10, 300, 200);
        pc_->SetParent(form_.get());
    }
    void TearDown() override { form_.reset(); }

    void AddPages(int n, const wchar_t* caption = L"Page")
    {
        for (int i = 0; i < n; ++i) {
            auto* sheet = new TspSkinTabSheet(form_.get());
            sheet->SetText(caption + std::to_wstring(i));
            sheet->SetPageControl(pc_);
        }
        pc_->SetActivePageIndex(0);
    }
    void LoadDefaultSkin()
    {
        sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        pc_->SetSkinData(sd_);
    }
    void Send(UINT msg, WPARAM keys, TPoint p)
    {
        SendMessageW(pc_->Handle(), msg, keys, MAKELPARAM(p.X, p.Y));
    }

    std::unique_ptr<TForm> form_;
    TspSkinData* sd_ = nullptr;
    TspSkinPageControl* pc_ = nullptr;
};

// Tests that the pages lie where the corrected display rectangle says, in every tab position,
// with the default skin's record and without a skin, and with the tabs and border hidden.
TEST_F(PageControlWindow, SheetsPlacedByTheTableInEveryPosition)
{
    AddPages(3);
    form_->Show();
    for (bool record : {false, true}) {
        if (record)
            LoadDefaultSkin();
        ASSERT_EQ(pc_->HasRecord(), record);
        for (TTabPosition pos : {tpTop, tpBottom, tpLeft, tpRight}) {
            SCOPED_TRACE(testing::Message() << "record " << record << " position " << int(pos));
            pc_->SetTabPosition(pos);
            Application->ProcessMessages();
            TDisplayRectInput in;
            in.Platform = PlatformDisplayRect(*pc_);
            in.Position = pos;
            in.HasRecord = record;
            in.Margins = record ? FrameMarginsOf(pc_->Record().SkinRect, pc_->Record().ClRect) : TFrameMargins{};
            in.ClientWidth = in.Width = 300;
            in.ClientHeight = in.Height = 200;
            const TRect expected = PageAreaOf(CorrectDisplayRect(in), pos);
            EXPECT_EQ(pc_->Pages(0)->BoundsRect(), expected);
            EXPECT_EQ(pc_->Pages(2)->BoundsRect(), expected) << "hidden pages are laid out too";
        }
    }
    pc_->HideBorderAndTabs();
    EXPECT_EQ(pc_->TabPosition(), tpTop);
    EXPECT_EQ(pc_->Pages(0)->BoundsRect(), (TRect{0, 0, 300, 200}));
    EXPECT_EQ(TabCtrl_GetItemCount(pc_->Handle()), 3) << "the native tabs stay";
    pc_->ShowBorderAndTabs();
    EXPECT_NE(pc_->Pages(0)->BoundsRect(), (TRect{0, 0, 300, 200}));
}

// Tests that tabs that do not fit get a skinned up-down of the record's size (the platform's own
// never shows), that its up button scrolls the tab row, and that a wide control drops it.
TEST_F(PageControlWindow, OverflowShowsASkinnedScrollerThatScrolls)
{
    LoadDefaultSkin();
    AddPages(8, L"A long caption ");
    form_->Show();
    Application->ProcessMessages();
    TspSkinUpDown* scroller = pc_->TabScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(FindWindowExW(pc_->Handle(), nullptr, UPDOWN_CLASSW, nullptr), nullptr);
    ASSERT_TRUE(scroller->HasRecord()) << "the tab record's up-down name";
    const TRect skin = scroller->Geometry().Record.SkinRect;
    EXPECT_EQ(scroller->Width(), skin.Width());
    EXPECT_EQ(scroller->Height(), skin.Height());
    EXPECT_EQ(scroller->Left(), 300 - skin.Width());
    EXPECT_GT(scroller->Max(), 0);
    EXPECT_EQ(scroller->Position(), 0);

    const int firstLeft = pc_->TabRect(1).Left;
    const TRect upButton = scroller->Model().Button(0).Rect;
    const TPoint at{(upButton.Left + upButton.Right) / 2, (upButton.Top + upButton.Bottom) / 2};
    SendMessageW(scroller->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.X, at.Y));
    SendMessageW(scroller->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.X, at.Y));
    Application->ProcessMessages();
    EXPECT_EQ(scroller->Position(), 1);
    EXPECT_LE(pc_->TabRect(0).Right, 0) << "the first tab scrolled off";
    EXPECT_LT(pc_->TabRect(1).Left, firstLeft);
    EXPECT_EQ(FindWindowExW(pc_->Handle(), nullptr, UPDOWN_CLASSW, nullptr), nullptr);

    pc_->SetBounds(0, 0, 4000, 200);
    Application->ProcessMessages();
    EXPECT_EQ(pc_->TabScroller(), nullptr);
}

// Tests that a cross closes its own tab (not the active one, even when the press was refused as
// a selection), that OnClose can refuse, and that FreeOnClose frees the page.
TEST_F(PageControlWindow, CrossClosesItsOwnTabUnlessRefused)
{
    AddPages(3);
    pc_->SetShowCloseButtons(true);
    form_->Show();
    Application->ProcessMessages();
    std::vector<TObject*> asked;
    bool allow = true;
    int afterClose = 0;
    pc_->OnClose = [&](TObject* page, bool& canClose) {
        asked.push_back(page);
        canClose = allow;
    };
    pc_->OnAfterClose = [&](TObject*) { ++afterClose; };
    pc_->OnChanging = [](TObject*, bool& change) { change = false; };

    auto cross = [&](int page) {
        auto* sheet = static_cast<TspSkinTabSheet*>(pc_->Pages(page));
        const TRect tab = pc_->TabRect(pc_->TabIndexOfPage(page));
        Send(WM_MOUSEMOVE, 0, {tab.Left + 3, tab.Top + 3});  // hover paints the tab's cross
        const TRect b = sheet->ButtonRect.Offset(tab.Left, tab.Top);
        EXPECT_FALSE(b.IsEmpty());
        return TPoint{(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
    };
    auto click = [&](TPoint p) {
        Send(WM_MOUSEMOVE, 0, p);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, p);
        Send(WM_LBUTTONUP, 0, p);
        Application->ProcessMessages();
    };

    // Each tab is wider by the close button's room.
    EXPECT_EQ(pc_->CloseSize(), 14);

    allow = false;
    click(cross(1));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], pc_->Pages(1));
    EXPECT_TRUE(pc_->Pages(1)->TabVisible());
    EXPECT_EQ(afterClose, 0);

    allow = true;
    click(cross(2));
    EXPECT_EQ(pc_->ActivePageIndex(), 0) << "OnChanging refused the press";
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], pc_->Pages(2)) << "the pressed cross's page, not the active one";
    EXPECT_FALSE(pc_->Pages(2)->TabVisible());
    EXPECT_TRUE(pc_->Pages(0)->TabVisible());
    EXPECT_EQ(afterClose, 1);
    EXPECT_EQ(TabCtrl_GetItemCount(pc_->Handle()), 2);

    // A press on one cross and a release on another closes nothing.
    const TPoint first = cross(0), second = cross(1);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, first);
    Send(WM_MOUSEMOVE, MK_LBUTTON, second);
    Send(WM_LBUTTONUP, 0, second);
    EXPECT_EQ(asked.size(), 2u);

    pc_->SetFreeOnClose(true);
    click(cross(1));
    EXPECT_EQ(pc_->PageCount(), 2);
    EXPECT_EQ(afterClose, 2);
}

// Tests the wheel: with support and focus it walks the pages with tabs through OnChanging and
// OnChange, and stops at the last.
TEST_F(PageControlWindow, WheelWalksPagesAndStopsAtTheEnd)
{
    AddPages(3);
    pc_->SetMouseWheelSupport(true);
    form_->Show();
    pc_->SetFocus();
    int changes = 0;
    pc_->OnChange = [&](TObject*) { ++changes; };
    const LPARAM at = MAKELPARAM(20, 20);
    for (int i = 0; i < 4; ++i)
        SendMessageW(pc_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), at);
    EXPECT_EQ(pc_->ActivePageIndex(), 2);
    EXPECT_EQ(changes, 2);
    SendMessageW(pc_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at);
    EXPECT_EQ(pc_->ActivePageIndex(), 1);
}

// Tests that a caption is drawn over the tab's own look: a caption of spaces paints exactly what
// an empty one does, with and without a record, selected or not.
TEST_F(PageControlWindow, CaptionLeavesTheTabLookUnderIt)
{
    AddPages(2);
    pc_->SetTabWidth(90);  // so that the caption leaves the tab's size alone
    form_->Show();
    for (bool record : {false, true}) {
        if (record)
            LoadDefaultSkin();
        for (int page : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "record " << record << " page " << page);
            auto painted = [&](const wchar_t* caption) {
                pc_->Pages(page)->SetText(caption);
                Application->ProcessMessages();
                TspBitmap b;
                test::PaintControlImage(*pc_, b);
                return std::vector<TspColor>(b.GetScanLine(0), b.GetScanLine(0) + size_t(b.Width()) * b.Height());
            };
            const auto empty = painted(L"");
            EXPECT_TRUE(painted(L"          ") == empty);
        }
    }
}

// Tests the tabs of a record: an inactive tab is its picture with the caption written over it
// (no box of another colour behind the text), and the current tab stands taller.
TEST_F(PageControlWindow, TabCaptionsAreWrittenOverTheTabPicture)
{
    using F = test::FixtureSkin;
    test::BuildFixtureSkin(*sd_);
    pc_->SetSkinDataName(F::kTab);
    pc_->SetSkinData(sd_);
    AddPages(3, L"Tab");
    form_->Show();
    Application->ProcessMessages();
    TspBitmap image;
    test::PaintControlImage(*pc_, image);
    const TRect current = pc_->TabRect(0), other = pc_->TabRect(1);
    ASSERT_FALSE(other.IsEmpty());
    // The fixture's colours are pixel values.
    const TspColor face = F::kTabNormal;
    const int below = other.Bottom + 1;
    EXPECT_EQ(image.GetPixel((current.Left + current.Right) / 2, below) & 0xFFFFFF, F::kTabActive);
    EXPECT_NE(image.GetPixel((other.Left + other.Right) / 2, below) & 0xFFFFFF, F::kTabNormal);
    int faceOnly = 0, foreign = 0, text = 0;
    // The middle band of the tab, inside its fixed ends.
    for (int y = other.Top + 2; y < other.Bottom - 2; ++y)
        for (int x = other.Left + 5; x < other.Right - 5; ++x) {
            const TspColor c = image.GetPixel(x, y) & 0xFFFFFF;
            if (c == face) {
                ++faceOnly;
            } else if (PixelR(c) <= PixelR(face) && PixelG(c) <= PixelG(face) && PixelB(c) <= PixelB(face)) {
                ++text;  // black text, or its edge over the face
            } else {
                ++foreign;
            }
        }
    EXPECT_GT(faceOnly, 0);
    EXPECT_GT(text, 5);
    EXPECT_EQ(foreign, 0);
}

// Pixels of image at `at` that differ from the record picture's `source` (alpha aside).
int DifferencesFromPicture(const TspBitmap& image, TPoint at, const TspSkinData& sd, int picture, const TRect& source)
{
    const TPixelView view = sd.FActivePictures[static_cast<size_t>(picture)]->View();
    int bad = 0;
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
            bad += (image.GetPixel(at.X + x, at.Y + y) & 0xFFFFFF) !=
                   (view.Row(source.Top + y)[source.Left + x] & 0xFFFFFF);
    return bad;
}

// Tests the fixture record's tabs with close buttons: the current tab stands as tall as the
// record's active picture and the others as its normal one; each cross is the record's normal,
// hot and pressed picture copied pixel for pixel as the pointer moves over it and presses; and the
// release closes that tab.
TEST_F(PageControlWindow, RecordCrossesDrawTheirPicturesAndCloseTheirTab)
{
    using F = test::FixtureSkin;
    test::BuildFixtureSkin(*sd_);
    pc_->SetSkinDataName(F::kTab);
    pc_->SetSkinData(sd_);
    pc_->SetShowCloseButtons(true);
    AddPages(3, L"Tab");
    std::vector<TObject*> asked;
    pc_->OnClose = [&](TObject* page, bool&) { asked.push_back(page); };
    form_->Show();
    Application->ProcessMessages();
    ASSERT_TRUE(pc_->HasRecord());
    const TTabRecordCopy& rec = pc_->Record();
    EXPECT_EQ(pc_->CloseSize(), rec.Close.Normal.Width());
    TspBitmap image;
    auto paint = [&] { test::PaintControlImage(*pc_, image); };

    // The run of the tab's colour down a column left of the caption and the cross.
    auto columnRun = [&](const TRect& tab, uint32_t colour) {
        int run = 0;
        for (int y = tab.Top; y < image.Height() && (image.GetPixel(tab.Left + 1, y) & 0xFFFFFF) == colour; ++y)
            ++run;
        return run;
    };
    paint();
    EXPECT_EQ(columnRun(pc_->TabRect(0), F::kTabActive), rec.ActiveTabRect.Height());
    EXPECT_EQ(columnRun(pc_->TabRect(1), F::kTabNormal), rec.TabRect.Height());
    EXPECT_GT(rec.ActiveTabRect.Height(), rec.TabRect.Height());

    auto crossAt = [&](int page) {
        const TRect tab = pc_->TabRect(pc_->TabIndexOfPage(page));
        const TRect b = static_cast<TspSkinTabSheet*>(pc_->Pages(page))->ButtonRect;
        return TPoint{tab.Left + b.Left, tab.Top + b.Top};
    };
    for (int page : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "page " << page);
        EXPECT_EQ(DifferencesFromPicture(image, crossAt(page), *sd_, rec.Picture, rec.Close.Normal), 0);
    }

    const TPoint corner = crossAt(1);
    const TPoint middle{corner.X + rec.Close.Normal.Width() / 2, corner.Y + rec.Close.Normal.Height() / 2};
    Send(WM_MOUSEMOVE, 0, middle);
    paint();
    EXPECT_EQ(DifferencesFromPicture(image, crossAt(1), *sd_, rec.Picture, rec.Close.Active), 0);
    EXPECT_EQ(DifferencesFromPicture(image, crossAt(2), *sd_, rec.Picture, rec.Close.Normal), 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, middle);
    paint();
    EXPECT_EQ(DifferencesFromPicture(image, crossAt(1), *sd_, rec.Picture, rec.Close.Down), 0);
    EXPECT_TRUE(asked.empty()) << "the press alone closes nothing";

    Send(WM_LBUTTONUP, 0, middle);
    Application->ProcessMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], pc_->Pages(1));
    EXPECT_FALSE(pc_->Pages(1)->TabVisible());
    EXPECT_EQ(TabCtrl_GetItemCount(pc_->Handle()), 2);
    ASSERT_GE(pc_->ActivePageIndex(), 0);
    EXPECT_TRUE(pc_->ActivePage()->TabVisible()) << "a page still shown is current";
}

// Tests the close button of a record without close pictures (the default skin's): at rest it is
// the "resizetoolbutton" record's normal face composed at the close size, with the cross on it.
TEST_F(PageControlWindow, RecordWithoutClosePicturesUsesTheToolButtonFace)
{
    LoadDefaultSkin();
    AddPages(2);
    pc_->SetShowCloseButtons(true);
    form_->Show();
    Application->ProcessMessages();
    TspBitmap image;
    test::PaintControlImage(*pc_, image);
    const TRecordLookup tool = FindControlRecord<TspDataSkinButtonControl>(sd_, L"resizetoolbutton");
    ASSERT_TRUE(tool);
    const auto& r = static_cast<const TspDataSkinButtonControl&>(*tool.Record);
    auto* sheet = static_cast<TspSkinTabSheet*>(pc_->Pages(1));
    const TRect b = sheet->ButtonRect.Offset(pc_->TabRect(1).Left, pc_->TabRect(1).Top);
    ASSERT_EQ(b.Width(), 14);
    TspBitmap face;
    ASSERT_TRUE(ComposeRecordRect(face, *sd_, r, r.SkinRect, 14, 14));
    // The top row lies above the cross.
    for (int x = 0; x < 14; ++x)
        EXPECT_EQ(image.GetPixel(b.Left + x, b.Top) & 0xFFFFFF, face.GetPixel(x, 0) & 0xFFFFFF) << x;
}

// Tests a record rectangle that ends at its picture's right and bottom edges: it lies inside the
// picture and draws (an edge test that left those edges out drew nothing there).
TEST_F(PageControlWindow, RectangleAtThePicturesEdgeDraws)
{
    using F = test::FixtureSkin;
    test::BuildFixtureSkin(*sd_);
    const TRecordLookup found = FindControlRecord<TspDataSkinTabControl>(sd_, F::kTab);
    ASSERT_TRUE(found);
    auto& tab = const_cast<TspDataSkinTabControl&>(static_cast<const TspDataSkinTabControl&>(*found.Record));
    TPixelImage& picture = *sd_->FActivePictures[static_cast<size_t>(tab.PictureIndex)];
    const TRect corner{picture.Width - 40, picture.Height - 20, picture.Width, picture.Height};
    for (int y = corner.Top; y < corner.Bottom; ++y)
        for (int x = corner.Left; x < corner.Right; ++x)
            picture.At(x, y) = {0x12, 0x34, 0x56, 255};  // B, G, R: a colour no other look has
    tab.TabRect = corner;
    pc_->SetSkinDataName(F::kTab);
    pc_->SetSkinData(sd_);
    AddPages(2, L"");
    form_->Show();
    Application->ProcessMessages();
    TspBitmap image;
    test::PaintControlImage(*pc_, image);
    const TRect other = pc_->TabRect(1);
    EXPECT_EQ(image.GetPixel(other.Left + 6, other.Top + 4) & 0xFFFFFF, 0x563412u);
}

} // namespace
} // namespace vt
