// The skinned frame on real windows: every shipped skin's frame composed at three sizes, active
// and inactive, and the plain frame, saved under build/screenshots/frames/ to be looked at; the
// inactive default frame grey in every pixel; a real form whose frame messages go through the
// engine: its client is the window less the frame and its region follows each resize; and a
// button's redraw touches only that button. The engine takes over the form's window procedure.
#include "form/caption_extras_layout.h"
#include "form/dynamic_skin_form_win.h"
#include "menus/form_menus_win.h"
#include "menus/skin_menu.h"
#include "menus/skin_popup_menu_win.h"
#include "framework/win/forms.h"
#include "framework/win/timer.h"
#include "raster/bitmap_win.h"
#include "raster/compose_win.h"
#include "raster/layer_win.h"
#include "raster/png_image.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "support.h"
#include "win/framework/real_input.h"
#include "win/form/window_helpers.h"
#include "unit/form/app_extras.h"
#include "raster/png_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace vt {
namespace {

TPixelImage ToImage(const TspBitmap& b)
{
    TPixelImage img;
    img.Width = b.Width();
    img.Height = b.Height();
    img.Pixels.resize(static_cast<size_t>(img.Width) * img.Height);
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            const TspColor c = b.GetPixel(x, y);
            img.Pixels[static_cast<size_t>(y) * img.Width + x] = {PixelB(c), PixelG(c), PixelR(c), 255};
        }
    return img;
}

std::filesystem::path FramesFolder()
{
    std::filesystem::path folder = test::SourcePath("build/screenshots/frames");
    std::filesystem::create_directories(folder);
    return folder;
}

class Frames : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        InstallSkinFormRegistry();  // a reloaded container reaches the engine
        form = std::make_unique<TForm>(nullptr);
        form->SetCaption(L"Vantrel frame");
        engine = new TspDynamicSkinForm(form.get());
        sd = new TspSkinData(form.get());
    }
    void TearDown() override
    {
        form.reset();
        test::Pump(20);
    }
    void Load(const std::string& skin)
    {
        sd->LoadFromFile(test::SourcePath("skins/" + skin + "/skin.ini"));
        ASSERT_FALSE(sd->Empty);
        engine->SetSkinData(sd);
    }
    void ShowActive()
    {
        form->Show();
        SetForegroundWindow(form->Handle());
        test::Pump();
    }
    std::unique_ptr<TForm> form;
    TspDynamicSkinForm* engine = nullptr;
    TspSkinData* sd = nullptr;
};

// Tests that every shipped skin composes at three sizes, active and inactive, saving each frame;
// the inactive default frame is grey in every pixel, buttons included.
TEST_F(Frames, EveryShippedSkinAtThreeSizes)
{
    const std::filesystem::path folder = FramesFolder();
    for (const char* skin : {"zozaziz", "carbonel", "velin"}) {
        Load(skin);
        for (const TPoint size : {Point(300, 200), Point(654, 420), Point(1024, 700)}) {
            for (const bool active : {true, false}) {
                form->SetBounds(60, 60, size.X, size.Y);
                if (active)
                    ShowActive();
                else
                    form->Hide();
                ASSERT_EQ(engine->GetFormActive(), active) << skin;
                // Into an off-screen DC, as into the window's: the client is clipped out.
                TspBitmap frame;
                frame.SetSize(size.X, size.Y);
                frame.FillRect(frame.BoundsRect(), MakePixel(255, 0, 255, 255));
                GetCanvas(frame);
                engine->PaintNCSkin(BitmapDC(frame), true);
                GdiFlush();
                EXPECT_NE(frame.GetPixel(size.X / 2, 5) & 0xFFFFFF, 0xFF00FFu) << skin << " caption painted";
                const TRect client = engine->Geometry.NewClRect;
                EXPECT_EQ(frame.GetPixel(client.Left + 5, client.Top + 5) & 0xFFFFFF, 0xFF00FFu)
                    << skin << " client left alone";
                const std::string name = std::string(skin) + "-" + std::to_string(size.X) + "x" +
                                         std::to_string(size.Y) + (active ? "-active" : "-inactive") + ".png";
                SavePng(folder / name, ToImage(frame));
                if (!active && std::string(skin) == "zozaziz") {
                    const TRect cl = engine->Geometry.NewClRect;
                    int coloured = 0;
                    for (int y = 0; y < frame.Height(); ++y)
                        for (int x = 0; x < frame.Width(); ++x) {
                            if (cl.Contains(Point(x, y)))
                                continue;
                            const TspColor c = frame.GetPixel(x, y);
                            coloured += PixelR(c) != PixelG(c) || PixelG(c) != PixelB(c);
                        }
                    EXPECT_EQ(coloured, 0) << name;
                }
            }
        }
    }
}

// Tests the application's caption extras (menu button, quick buttons, tabs with the app's icons)
// in every shipped skin: each piece changes the caption band where it is laid out, the caption's
// drag zone leaves the items out, and a picture of each band is saved; without a skin the plain
// caption shows no extras.
TEST_F(Frames, CaptionExtrasInEveryShippedSkin)
{
    auto* icons = new TspPngImageList(form.get());
    icons->SetPngWidth(16);
    icons->SetPngHeight(16);
    const char* files[] = {"icon0_floppy_disk", "icon1_window_list", "icon2_wrench", "icon3_calendar",
                           "icon4_star", "icon5_gear", "icon6_information", "icon7_play",
                           "icon8_stop", "icon9_return"};
    for (const char* f : files) {
        TspPngImage png;
        png.LoadFromFile(test::SourcePath(std::string("src/app/icons/") + f + ".png"));
        icons->PngImages().Add()->SetPngImage(png);
    }
    auto* negocio = new TPopupMenu(form.get());
    negocio->Items()->Add(new TMenuItem(nullptr));
    negocio->Items()->Items(0)->Caption = L"Rendimientos";
    const std::filesystem::path folder = FramesFolder();
    const int W = 1024, H = 300;
    // The frame with or without the extras, skinned or plain as the container says.
    auto band = [&](bool extras, TspBitmap& frame) {
        const bool skinned = !sd->Empty;
        engine->Extras.SetMenuButtonVisible(extras);
        engine->Extras.SetQuickImageList(extras ? icons : nullptr);
        engine->Extras.SetCaptionTabsImageList(extras || skinned ? icons : nullptr);
        if (skinned)
            engine->UpdateFrame(true);
        frame.SetSize(W, H);
        frame.FillRect(frame.BoundsRect(), MakePixel(255, 0, 255, 255));
        GetCanvas(frame);
        if (skinned)
            engine->PaintNCSkin(BitmapDC(frame), true);
        else
            engine->PaintNCDefault(BitmapDC(frame), true);
        GdiFlush();
    };
    // How many pixels of r differ between two frames.
    auto differing = [&](const TspBitmap& a, const TspBitmap& b, const TRect& r, int bandHeight) {
        int n = 0;
        for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, bandHeight); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, W); ++x)
                n += (a.GetPixel(x, y) & 0xFFFFFF) != (b.GetPixel(x, y) & 0xFFFFFF);
        return n;
    };
    auto saveBand = [&](const TspBitmap& frame, int bandHeight, const std::string& name) {
        TspBitmap picture;
        picture.SetSize(W, bandHeight);
        CopyRect(picture, picture.BoundsRect(), frame.View(), Rect(0, 0, W, bandHeight));
        SavePng(folder / (name + "-caption-extras.png"), ToImage(picture));
    };
    test::SetApplicationExtras(engine->Extras, icons, negocio);
    for (const char* skin : {"zozaziz", "carbonel", "velin"}) {
        Load(skin);
        form->SetBounds(40, 40, W, H);
        ShowActive();
        ASSERT_TRUE(engine->GetFormActive()) << skin;
        engine->Extras.CaptionTabs.Items(0)->SetVisible(false);
        TspBitmap without, with;
        band(false, without);
        engine->Extras.CaptionTabs.Items(0)->SetVisible(true);
        band(true, with);
        const int bandHeight = engine->Geometry.NewClRect.Top;
        saveBand(with, bandHeight, skin);
        auto changed = [&](const TRect& r) { return differing(with, without, r, bandHeight); };
        const TspCaptionExtras& x = engine->Extras;
        for (int i = 0; i < x.QuickButtons.Count(); ++i) {
            const TRect r = x.QuickButtons.Items(i)->ItemRect;
            ASSERT_FALSE(r.IsEmpty()) << skin << " quick button " << i;
            EXPECT_GT(changed(r), 10) << skin << " quick button " << i;
        }
        const TRect firstTab = x.CaptionTabs.Items(0)->ItemRect;
        ASSERT_FALSE(firstTab.IsEmpty()) << skin;
        EXPECT_GT(changed(firstTab), 10) << skin << " the current tab";
        {
            // The current tab's caption is written in the record's down font colour.
            const TspCaptionTabPaint tp = CaptionTabPaint(0, x, TspCaptionExtrasSkin::From(engine->SkinData()), nullptr);
            // Right of the tab's image, inside its content rectangle.
            const TRect text = Rect(firstTab.Left + tp.Content.Left + 20, firstTab.Top + tp.Content.Top,
                                    firstTab.Left + tp.Content.Right, firstTab.Top + tp.Content.Bottom);
            const TspColor want = ColorToPixel(tp.Font.Colour, 255);
            int n = 0;
            for (int y = text.Top; y < text.Bottom; ++y)
                for (int xx = text.Left; xx < text.Right; ++xx) {
                    const TspColor c = with.GetPixel(xx, y);
                    n += std::abs(int(PixelR(c)) - int(PixelR(want))) + std::abs(int(PixelG(c)) - int(PixelG(want))) +
                             std::abs(int(PixelB(c)) - int(PixelB(want))) < 40;
                }
            EXPECT_GT(n, 8) << skin << " the current tab's caption colour";
        }
        EXPECT_GT(changed(Rect(7, 1, 97, 22)), 10) << skin << " menu button";
        // The items are objects to the hit test, the free caption still drags.
        const TRect q = x.QuickButtons.Items(2)->ItemRect;
        EXPECT_EQ(engine->HitTest({(q.Left + q.Right) / 2, (q.Top + q.Bottom) / 2}), ht::Object) << skin;
        EXPECT_EQ(engine->HitTest({W / 2, 8}), HTCAPTION) << skin;
    }

    // Without a skin there is no caption record to carry them: the plain caption is the same with
    // and without the extras, and the places they had are free caption.
    sd->ClearSkin();
    test::Pump();
    TspBitmap without, with;
    band(false, without);
    band(true, with);
    const int bandHeight = 19 + 3;  // the plain caption and its ring
    saveBand(with, bandHeight, "none");
    EXPECT_EQ(differing(with, without, Rect(0, 0, W, bandHeight), bandHeight), 0);
    EXPECT_EQ(engine->HitTest({180, 10}), HTCAPTION);  // where a quick button sits in a skin
}

// Tests the plain frame without a skin: the caption band in the face colour with the form's
// buttons at the right, and the three rings; saved as a picture too.
TEST_F(Frames, PlainFrameWithoutASkin)
{
    form->SetBounds(60, 60, 320, 200);
    ShowActive();
    TspBitmap frame;
    frame.SetSize(320, 200);
    frame.FillRect(frame.BoundsRect(), MakePixel(255, 0, 255, 255));
    GetCanvas(frame);
    engine->PaintNCDefault(BitmapDC(frame), true);
    GdiFlush();
    SavePng(FramesFolder() / "none-320x200-active.png", ToImage(frame));
    EXPECT_EQ(frame.GetPixel(0, 0) & 0xFFFFFF, ColorToPixel(cl3DDkShadow, 255) & 0xFFFFFF);
    EXPECT_EQ(frame.GetPixel(1, 100) & 0xFFFFFF, ColorToPixel(clBtnFace, 255) & 0xFFFFFF);
    EXPECT_EQ(frame.GetPixel(160, 100) & 0xFFFFFF, 0xFF00FFu);  // the client is left alone
    // The border icons decide which plain buttons show: close, maximize, minimize and the system
    // button by default, no roll-up or tray button.
    int right = 0, left = 0;
    for (const auto& o : engine->Objects.ObjectList)
        if (o->Visible)
            ++(o->ObjectRect.Right > 250 ? right : left);
    EXPECT_EQ(right, 3);
    EXPECT_EQ(left, 1);
}

// Tests a real form whose frame messages go through the engine: the client is the window less
// the skin's frame, and after each of three resizes the window's region is the one the geometry
// computes for that size.
TEST_F(Frames, RealFormClientAndRegionFollowResizes)
{
    Load("zozaziz");
    form->SetBounds(80, 80, 400, 300);
    ShowActive();
    SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    test::Pump();
    for (const TPoint size : {Point(420, 310), Point(700, 500), Point(333, 222)}) {
        form->SetBounds(80, 80, size.X, size.Y);
        test::Pump();
        RECT wr, cr;
        GetWindowRect(form->Handle(), &wr);
        GetClientRect(form->Handle(), &cr);
        ASSERT_EQ(wr.right - wr.left, size.X);
        const TRect cl = engine->Geometry.NewClRect;
        EXPECT_EQ(cr.right, cl.Width()) << size.X;
        EXPECT_EQ(cr.bottom, cl.Height()) << size.X;
        EXPECT_EQ(cr.right, size.X - 4) << "two-pixel sides in the default skin";

        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(form->Handle(), rgn), ERROR) << size.X;
        TspMaskStrips strips;
        const TFrameRegion expected = CreateNewRegion(engine->Geometry, sd->FMask.View(), true, strips);
        ASSERT_EQ(expected.Kind, TFrameRegionKind::Shaped);
        EXPECT_EQ(RegionFromHandle(rgn), expected.Region) << size.X;
        EXPECT_FALSE(PtInRegion(rgn, 0, 0)) << "the rounded corner is cut";
        EXPECT_TRUE(PtInRegion(rgn, size.X / 2, size.Y / 2));
        DeleteObject(rgn);
    }
}

// Tests that a hovered button morphs on the engine's timer, which then stops, and that its
// redraws on the real window change that button's pixels and nothing else.
TEST_F(Frames, ObjectRedrawTouchesOnlyItsButton)
{
    Load("zozaziz");
    form->SetBounds(80, 80, 400, 300);
    ShowActive();
    SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    test::Pump(200);
    TspBitmap before, after;
    test::CaptureWindow(form->Handle(), before);
    auto* close = engine->Objects.Find<TspSkinStdButtonObject>(L"closebutton");
    ASSERT_NE(close, nullptr);
    close->MouseEnter();
    test::Pump(300);  // the morph runs to its end on the engine's timer
    EXPECT_EQ(close->MorphStep(), kMorphSteps);
    EXPECT_FALSE(engine->MorphTimer()->Enabled());
    test::CaptureWindow(form->Handle(), after);
    ASSERT_EQ(after.Width(), before.Width());
    const TRect r = close->ObjectRect;
    const TRect cl = engine->Geometry.NewClRect;
    int inside = 0, outside = 0;
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x) {
            if (cl.Contains(Point(x, y)))
                continue;  // the client is the form's own business
            if ((before.GetPixel(x, y) & 0xFFFFFF) != (after.GetPixel(x, y) & 0xFFFFFF))
                ++(r.Contains(Point(x, y)) ? inside : outside);
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
}

// Counts the parent-background notices a control gets.
class TNoticeCounter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Notices = 0;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_USER + 260)
            ++Notices;
        TCustomControl::WndProc(m);
    }
};

// Tests that a frame update with a stretching skin tells the windowed controls on the form that
// their parent's background changed (once each), and that the client background carries the logo
// centred.
TEST_F(Frames, UpdateFrameTellsControlsAndTheLogoSitsCentred)
{
    Load("zozaziz");
    auto* child = new TNoticeCounter(form.get());
    child->SetBounds(10, 10, 50, 20);
    child->SetParent(form.get());
    form->SetBounds(80, 80, 400, 300);
    ShowActive();
    sd->StretchEffect = false;
    engine->UpdateFrame(true);
    EXPECT_EQ(child->Notices, 0);
    sd->StretchEffect = true;
    engine->UpdateFrame(true);
    EXPECT_EQ(child->Notices, 1);

    engine->LogoBitMap.SetSize(10, 10);
    engine->LogoBitMap.FillRect(engine->LogoBitMap.BoundsRect(), MakePixel(255, 0, 0, 255));
    RECT cr;
    GetClientRect(form->Handle(), &cr);
    TspBitmap client;
    client.SetSize(cr.right, cr.bottom);
    GetCanvas(client);
    engine->PaintBG(BitmapDC(client));
    GdiFlush();
    EXPECT_EQ(client.GetPixel(cr.right / 2, cr.bottom / 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(client.GetPixel(2, 2) & 0xFFFFFF, 0xFF0000u);
}

// Tests that the engine refuses an owner that is not a form, and that a button object with
// menu items opens them below itself through the form's popup menu and the engine's controller.
TEST_F(Frames, NeedsAFormAndOpensButtonMenusBelowTheButton)
{
    TComponent notAForm(nullptr);
    EXPECT_THROW(TspDynamicSkinForm{&notAForm}, EComponentError);
    EXPECT_THROW(new TspDynamicSkinForm(form.get()), EComponentError);  // one engine per form
    EXPECT_EQ(form->ComponentCount(), 2);                              // the engine and the skin

    Load("zozaziz");
    form->SetBounds(80, 80, 400, 300);
    ShowActive();
    auto* popup = new TspSkinPopupMenu(form.get());
    auto* item = new TMenuItem(popup);
    item->Caption = L"Item";
    popup->Items()->Add(item);
    auto* close = engine->Objects.Find<TspSkinStdButtonObject>(L"closebutton");
    ASSERT_NE(close, nullptr);
    close->MenuItem = popup->Items();
    close->MouseEnter();
    close->MouseDown(2, 2, TspMouseButton::Left);
    test::Pump();
    TspSkinMenu& menu = *engine->SkinMenu();
    ASSERT_EQ(menu.LevelCount(), 1);
    RECT wr;
    GetWindowRect(form->Handle(), &wr);
    EXPECT_EQ(menu.Level(0).Position.Y, wr.top + close->ObjectRect.Bottom);
    EXPECT_EQ(popup->SkinData(), sd);  // the engine's skin, taken once
    EXPECT_TRUE(engine->Menus().InMenu());
    engine->SkinMenu()->Hide();
    test::Pump();
    EXPECT_FALSE(engine->Menus().InMenu());
}

// Tests the rows the attached engine answers itself: WM_NCACTIVATE with 1 (no platform caption)
// and the tracked activity, the size limits in WM_GETMINMAXINFO, and the container's broadcasts:
// its own skin change makes the objects afresh, another container's changes nothing, and a
// corrupt package leaves the plain frame painting.
TEST_F(Frames, AttachedEngineAnswersActivationLimitsAndSkinChanges)
{
    Load("zozaziz");
    form->SetBounds(80, 80, 400, 300);
    ShowActive();
    HWND hwnd = form->Handle();
    EXPECT_EQ(SendMessageW(hwnd, WM_NCACTIVATE, FALSE, 0), 1);
    EXPECT_FALSE(engine->FFormActive);
    EXPECT_EQ(SendMessageW(hwnd, WM_NCACTIVATE, TRUE, 0), 1);
    EXPECT_TRUE(engine->FFormActive);

    MINMAXINFO info{};
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, engine->Geometry.GetMinWidth());
    EXPECT_EQ(info.ptMinTrackSize.y, engine->Geometry.GetMinHeight());
    EXPECT_GT(info.ptMinTrackSize.x, 100);

    const TspActiveSkinObject* before = engine->Objects.ObjectList.front().get();
    const size_t count = engine->Objects.ObjectList.size();
    auto* other = new TspSkinData(form.get());
    other->LoadFromFile(test::SourcePath("skins/velin/skin.ini"));
    EXPECT_EQ(engine->Objects.ObjectList.front().get(), before);  // another container: nothing

    sd->LoadFromFile(test::SourcePath("skins/carbonel/skin.ini"));
    test::Pump();
    ASSERT_FALSE(engine->Objects.ObjectList.empty());
    EXPECT_NE(engine->Objects.ObjectList.front().get(), before);  // made afresh from the new skin
    EXPECT_EQ(engine->Geometry.Skin.PicW, sd->FPicture.Width);

    // A package that is not one: whatever the container keeps, the frame follows it and the
    // window goes on.
    test::ScratchDir dir("corrupt-skin");
    const std::filesystem::path bad = dir.Path() / "bad.skn";
    { std::ofstream(bad, std::ios::binary) << "not a skin package at all"; }
    try {
        sd->LoadFromCompressedFile(bad.wstring());
    } catch (const std::exception&) {
        // a load may report the bad package; what matters is what is left
    }
    test::Pump();
    EXPECT_EQ(engine->Geometry.Skin.Loaded, !sd->Empty);
    EXPECT_GT(count, 0u);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    test::Pump();
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

// Tests the attached engine's hit test on a real window and real clicks on the skinned caption
// buttons: the caption drags, buttons answer 19, edges and corners size, the client is the
// client; maximize takes the work area and a second click restores the exact bounds; a caption
// double-click maximizes too; a press on close released elsewhere closes nothing, a click closes.
TEST_F(Frames, CaptionButtonsAnswerTheMouse)
{
    Load("zozaziz");
    form->SetBounds(120, 100, 420, 300);
    ShowActive();
    HWND hwnd = form->Handle();
    RECT wr;
    GetWindowRect(hwnd, &wr);
    auto hit = [&](int x, int y) {
        return static_cast<int>(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(wr.left + x, wr.top + y)));
    };
    auto* close = engine->Objects.Find<TspSkinStdButtonObject>(L"closebutton");
    auto* max = engine->Objects.Find<TspSkinStdButtonObject>(L"maxbutton");
    ASSERT_TRUE(close && max);
    const TRect cl = engine->Geometry.NewClRect;
    EXPECT_EQ(hit(150, 12), HTCAPTION);
    EXPECT_EQ(hit((cl.Left + cl.Right) / 2, (cl.Top + cl.Bottom) / 2), HTCLIENT);
    EXPECT_EQ(hit(419, 299), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(0, 150), HTLEFT);
    // Over a button (which then turns hot, and the frame answers for it until it is left).
    EXPECT_EQ(hit((close->ObjectRect.Left + close->ObjectRect.Right) / 2, (close->ObjectRect.Top + close->ObjectRect.Bottom) / 2), 19);

    const TRect normal = Rect(wr.left, wr.top, wr.right, wr.bottom);
    test::ClickAt(test::ScreenCentre(hwnd, max->ObjectRect));
    GetWindowRect(hwnd, &wr);
    EXPECT_EQ(Rect(wr.left, wr.top, wr.right, wr.bottom), engine->Geometry.GetMaximizedRect());
    EXPECT_EQ(engine->States.FWindowState, TspWindowState::Maximized);
    test::ClickAt(test::ScreenCentre(hwnd, max->ObjectRect));
    GetWindowRect(hwnd, &wr);
    EXPECT_EQ(Rect(wr.left, wr.top, wr.right, wr.bottom), normal);

    // A double click on the free caption maximizes as well.
    SendMessageW(hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(wr.left + 150, wr.top + 12));
    test::Pump();
    EXPECT_EQ(engine->States.FWindowState, TspWindowState::Maximized);
    test::ClickAt(test::ScreenCentre(hwnd, max->ObjectRect));
    EXPECT_EQ(engine->States.FWindowState, TspWindowState::Normal);

    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = caHide;
    };
    const TPoint c = test::ScreenCentre(hwnd, close->ObjectRect);
    SetCursorPos(c.X, c.Y);
    test::Mouse(MOUSEEVENTF_MOVE);
    test::Pump(120);
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    SetCursorPos(c.X - 200, c.Y + 150);  // away over the client before the release
    test::Mouse(MOUSEEVENTF_MOVE);
    test::Pump(120);
    test::Mouse(MOUSEEVENTF_LEFTUP);
    test::Pump(120);
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    test::ClickAt(c);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

// Tests that a button with a glow picture shows its glow on the screen at the button's place less
// the record's offsets while hovered, and hides it when left.
TEST_F(Frames, GlowFollowsTheHoveredButton)
{
    Load("zozaziz");
    for (auto& record : sd->ObjectList)
        if (auto* b = dynamic_cast<TspDataSkinStdButton*>(record.get()); b && b->IDName == L"closebutton") {
            b->GlowLayerPictureIndex = 1;  // any picture will do for the place
            b->GlowLayerMaskPictureIndex = 1;
            b->GlowLayerOffsetX = 4;
            b->GlowLayerOffsetY = 3;
        }
    engine->ChangeSkinData();
    form->SetBounds(120, 100, 420, 300);
    ShowActive();
    auto* close = engine->Objects.Find<TspSkinStdButtonObject>(L"closebutton");
    ASSERT_NE(close, nullptr);
    ASSERT_EQ(close->GlowLayerPictureIndex, 1);
    close->MouseEnter();
    test::Pump();
    TspLayerManager* glow = engine->LayerManager();
    ASSERT_TRUE(glow->IsVisible());
    RECT wr;
    GetWindowRect(form->Handle(), &wr);
    ASSERT_NE(glow->LayerWindow(), nullptr);
    EXPECT_EQ(glow->LayerWindow()->Left(), wr.left + close->ObjectRect.Left - 4);
    EXPECT_EQ(glow->LayerWindow()->Top(), wr.top + close->ObjectRect.Top - 3);
    close->MouseLeave();
    test::Pump();
    EXPECT_FALSE(glow->IsVisible());
}

// Tests that a maximized window takes its maximized rectangle again when the display or the work
// area changes, while a normal window stays where it is.
TEST_F(Frames, MaximizedWindowFollowsDisplayChanges)
{
    Load("zozaziz");
    form->SetBounds(120, 100, 420, 300);
    ShowActive();
    HWND hwnd = form->Handle();
    RECT wr;
    engine->RunCommand(TspFormCommand::Maximize);
    ASSERT_EQ(engine->States.FWindowState, TspWindowState::Maximized);
    const TRect maximized = engine->Geometry.GetMaximizedRect();
    SetWindowPos(hwnd, nullptr, 40, 40, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);  // knocked off its place
    SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    GetWindowRect(hwnd, &wr);
    EXPECT_EQ(Rect(wr.left, wr.top, wr.right, wr.bottom), maximized);
    SetWindowPos(hwnd, nullptr, 40, 40, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    GetWindowRect(hwnd, &wr);
    EXPECT_EQ(Rect(wr.left, wr.top, wr.right, wr.bottom), maximized);

    engine->RunCommand(TspFormCommand::Maximize);  // restore
    ASSERT_EQ(engine->States.FWindowState, TspWindowState::Normal);
    GetWindowRect(hwnd, &wr);
    const TRect normal = Rect(wr.left, wr.top, wr.right, wr.bottom);
    SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    GetWindowRect(hwnd, &wr);
    EXPECT_EQ(Rect(wr.left, wr.top, wr.right, wr.bottom), normal);
}

} // namespace
} // namespace vt
