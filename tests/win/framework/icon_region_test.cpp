#include "framework/base/exceptions.h"
#include "framework/win/canvas.h"
#include "framework/win/forms.h"
#include "framework/win/icon.h"
#include "framework/win/window_region.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace vt {
namespace {

constexpr int kIconSide = 16;

bool IconAlive(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

HICON MakeIcon()
{
    TGdiHandle<HBITMAP> color(CreateBitmap(kIconSide, kIconSide, 1, 32, nullptr));
    TGdiHandle<HBITMAP> mask(CreateBitmap(kIconSide, kIconSide, 1, 1, nullptr));
    ICONINFO info {TRUE, 0, 0, mask.get(), color.get()};
    return CreateIconIndirect(&info);
}

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A one-image .ico file, kIconSide square, every pixel rgb (0xRRGGBB, as a DIB stores it) with
// alpha (32 bpp only) and an all-opaque mask.
std::vector<uint8_t> IcoFile(int bpp, uint32_t rgb, uint8_t alpha)
{
    const int colorStride = (kIconSide * bpp + 31) / 32 * 4;
    const int maskStride = (kIconSide + 31) / 32 * 4;
    const uint32_t imageBytes = 40 + (colorStride + maskStride) * kIconSide;
    std::vector<uint8_t> f;
    Put(f, 0, 2), Put(f, 1, 2), Put(f, 1, 2);
    Put(f, kIconSide, 1), Put(f, kIconSide, 1), Put(f, 0, 1), Put(f, 0, 1);
    Put(f, 1, 2), Put(f, static_cast<uint32_t>(bpp), 2), Put(f, imageBytes, 4), Put(f, 22, 4);
    Put(f, 40, 4), Put(f, kIconSide, 4), Put(f, 2 * kIconSide, 4), Put(f, 1, 2);
    Put(f, static_cast<uint32_t>(bpp), 2);
    for (int i = 0; i < 6; ++i)
        Put(f, 0, 4);
    for (int y = 0; y < kIconSide; ++y) {
        const size_t rowStart = f.size();
        for (int x = 0; x < kIconSide; ++x) {
            Put(f, rgb, 3);
            if (bpp == 32)
                Put(f, alpha, 1);
        }
        f.resize(rowStart + static_cast<size_t>(colorStride), 0);
    }
    f.resize(f.size() + static_cast<size_t>(maskStride * kIconSide), 0);
    return f;
}

std::filesystem::path WriteTemp(const wchar_t* name, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A top-down 32-bpp DIB section filled with fill, selected into its own DC.
struct TDib {
    TDib(int w, int h, uint32_t fill)
        : width(w)
        , dc(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap.reset(CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels = static_cast<uint32_t*>(bits);
        std::fill(pixels, pixels + w * h, fill);
        old = SelectObject(dc.get(), bitmap.get());
    }
    ~TDib() { SelectObject(dc.get(), old); }
    uint32_t At(int x, int y) const
    {
        GdiFlush();
        return pixels[y * width + x] & 0xFFFFFF;
    }
    int width;
    TDCHandle dc;
    TGdiHandle<HBITMAP> bitmap;
    uint32_t* pixels = nullptr;
    HGDIOBJ old = nullptr;
};

class IconFixture : public ::testing::Test {
protected:
    void SetUp() override { Application->Initialize(); }
    void TearDown() override { Application->Icon().SetHandle(nullptr); }
};

using IconOwnership = IconFixture;

// Tests that an icon handle is destroyed exactly when its last owner lets go: moving passes it
// on, adopting the handle already held keeps it, replacing frees the old one, Assign makes an
// independent copy and ReleaseHandle hands it back.
TEST_F(IconOwnership, HandleLivesAsLongAsItsOwner)
{
    HICON h = MakeIcon(), replaced = MakeIcon(), copy = nullptr;
    ASSERT_TRUE(h && replaced);
    {
        TIcon b(replaced);
        {
            TIcon a(h);
            b = std::move(a);
            EXPECT_TRUE(a.Empty());
        }
        EXPECT_FALSE(IconAlive(replaced));
        EXPECT_TRUE(IconAlive(h));
        b.SetHandle(h);
        EXPECT_TRUE(IconAlive(h));

        TIcon c;
        c.Assign(b);
        copy = c.Handle();
        EXPECT_NE(copy, h);
        b.SetHandle(nullptr);
        EXPECT_FALSE(IconAlive(h));
        EXPECT_TRUE(IconAlive(copy));
        EXPECT_EQ(c.ReleaseHandle(), copy);
    }
    EXPECT_TRUE(IconAlive(copy));
    EXPECT_TRUE(DestroyIcon(copy));
}

// Tests that a form shows its own icon, else the application's, else the system's application
// icon, and that its window's icon follows each change.
TEST_F(IconFixture, FormIconFallsBackToApplicationThenSystem)
{
    TForm form(nullptr);
    form.HandleNeeded();
    auto windowIcon = [&] {
        return reinterpret_cast<HICON>(SendMessageW(form.Handle(), WM_GETICON, ICON_BIG, 0));
    };
    const HICON system = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(ShownIcon(&form), system);
    EXPECT_EQ(windowIcon(), system);

    Application->Icon().SetHandle(MakeIcon());
    const HICON app = Application->Icon().Handle();
    EXPECT_EQ(ShownIcon(&form), app);
    EXPECT_EQ(ShownIcon(nullptr), app);
    EXPECT_EQ(windowIcon(), app);

    form.Icon().SetHandle(MakeIcon());
    EXPECT_EQ(ShownIcon(&form), form.Icon().Handle());
    EXPECT_EQ(windowIcon(), form.Icon().Handle());

    form.Icon().SetHandle(nullptr);
    EXPECT_EQ(windowIcon(), app);
    Application->Icon().SetHandle(nullptr);
    EXPECT_EQ(windowIcon(), system);
}

// Tests that only a 32-bit image with some non-zero alpha counts as having alpha, loading each
// from an .ico file at its own size.
TEST_F(IconFixture, HasAlphaOnlyForThirtyTwoBitsWithAlpha)
{
    struct Case {
        int bpp;
        uint8_t alpha;
        bool hasAlpha;
    };
    for (const Case& c :
        { Case {32, 0x80, true}, Case {32, 0, false}, Case {24, 0xFF, false} }) {
        SCOPED_TRACE(testing::Message() << c.bpp << " bpp, alpha " << int(c.alpha));
        const auto path = WriteTemp(L"vt_alpha_test.ico", IcoFile(c.bpp, 0x0000FF, c.alpha));
        TIcon icon;
        icon.LoadFromFile(path.wstring(), kIconSide);
        std::filesystem::remove(path);
        ASSERT_FALSE(icon.Empty());
        EXPECT_EQ(icon.Size().cx, kIconSide);
        EXPECT_EQ(icon.HasAlpha(), c.hasAlpha);
    }
    EXPECT_FALSE(TIcon().HasAlpha());
}

// Tests that loading at the default size gives the system's large-icon size, and that a missing
// file, a file that is no icon and a missing resource raise a clear error and keep the icon held.
TEST_F(IconFixture, LoadsAtDefaultSizeAndRejectsBadSources)
{
    const auto good = WriteTemp(L"vt_good_test.ico", IcoFile(32, 0x00FF00, 0xFF));
    const auto bad = WriteTemp(L"vt_bad_test.ico", {0, 0, 1, 0, 9, 9, 9});
    TIcon icon;
    icon.LoadFromFile(good.wstring());
    EXPECT_EQ(icon.Size().cx, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(icon.Size().cy, GetSystemMetrics(SM_CYICON));
    const HICON held = icon.Handle();

    EXPECT_THROW(icon.LoadFromFile(bad.wstring()), EInvalidGraphic);
    EXPECT_THROW(icon.LoadFromFile(L"Z:\\no\\such\\icon.ico"), EInvalidGraphic);
    EXPECT_THROW(icon.LoadFromResource(GetModuleHandleW(nullptr), 31999), EInvalidGraphic);
    EXPECT_EQ(icon.Handle(), held);
    EXPECT_TRUE(IconAlive(held));
    std::filesystem::remove(good);
    std::filesystem::remove(bad);

    // The system's sample icon is a resource of user32.
    icon.LoadFromResource(GetModuleHandleW(L"user32.dll"), 32512, 24);
    EXPECT_NE(icon.Handle(), held);
    EXPECT_EQ(icon.Size().cx, 24);
}

// Tests that DrawSmall covers exactly the small-icon square at the given point.
TEST_F(IconFixture, DrawSmallFillsTheSmallIconSquare)
{
    const uint32_t white = 0xFFFFFF, red = 0xFF0000;
    const auto path = WriteTemp(L"vt_draw_test.ico", IcoFile(32, red, 0xFF));
    TIcon icon;
    icon.LoadFromFile(path.wstring(), kIconSide);
    std::filesystem::remove(path);
    const SIZE s = SmallIconSize();
    TDib dib(s.cx + 10, s.cy + 10, white);
    icon.DrawSmall(dib.dc.get(), 2, 2);
    EXPECT_EQ(dib.At(2, 2), red);
    EXPECT_EQ(dib.At(1 + s.cx, 1 + s.cy), red);
    EXPECT_EQ(dib.At(2 + s.cx, 2 + s.cy), white);
    EXPECT_EQ(dib.At(1, 1), white);
}

using WindowCanvas = IconFixture;

// Tests that the whole-window canvas starts at the window's top-left corner, over the frame,
// while the client canvas starts at the client area.
TEST_F(WindowCanvas, WindowAreaDrawsOverTheFrame)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 200, 150);
    form.Show();
    // A child window: the window manager decorates top-level windows outside their DC.
    HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CAPTION, 10, 10, 120,
        80, form.Handle(), nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    UpdateWindow(wnd);
    RECT window{};
    GetWindowRect(wnd, &window);
    POINT origin {0, 0};
    ClientToScreen(wnd, &origin);
    const POINT offset {origin.x - window.left, origin.y - window.top};
    ASSERT_GT(offset.y, 0); // a caption above the client area

    const TColor frameColor = RGB(10, 200, 30), clientColor = RGB(200, 10, 90);
    {
        TWindowCanvas frame(wnd);
        frame.Canvas().Brush().SetColor(frameColor);
        frame.Canvas().FillRect(TRect {0, 0, 4, 4});
        TWindowCanvas inside(wnd, TDCArea::Client);
        inside.Canvas().Brush().SetColor(clientColor);
        inside.Canvas().FillRect(TRect {0, 0, 4, 4});
    }
    TWindowDC whole(wnd, TDCArea::Window);
    EXPECT_EQ(::GetPixel(whole.get(), 1, 1), frameColor);
    EXPECT_EQ(::GetPixel(whole.get(), offset.x + 1, offset.y + 1), clientColor);
    DestroyWindow(wnd);
}

// Tests that a region given to a window shapes it (null removes the shape), and that a region
// the window refused is deleted rather than leaked. Whether the handle stays valid after
// success is the system's business (Wine frees it at once), so it is not probed.
TEST(WindowRegion, WindowOwnsRegionOrItIsDeleted)
{
    HWND wnd = CreateWindowExW(
        0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    HRGN first = CreateRectRgn(0, 0, 10, 10);
    EXPECT_TRUE(SetWindowRegion(wnd, first, false));
    TGdiHandle<HRGN> probe(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(wnd, probe.get()), SIMPLEREGION);
    RECT box{};
    GetRgnBox(probe.get(), &box);
    EXPECT_EQ(box.right, 10);
    EXPECT_TRUE(SetWindowRegion(wnd, nullptr, false));
    EXPECT_EQ(GetWindowRgn(wnd, probe.get()), ERROR);
    DestroyWindow(wnd);

    HRGN refused = CreateRectRgn(0, 0, 10, 10);
    EXPECT_FALSE(SetWindowRegion(nullptr, refused, false));
    EXPECT_EQ(GetObjectType(refused), 0u);
}

} // namespace
} // namespace vt
