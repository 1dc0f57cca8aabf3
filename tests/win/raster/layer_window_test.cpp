// Layered windows: the manager's fade and lifecycle, and what a per-pixel-alpha layer looks like
// on the screen over a known background (read back from the virtual display's framebuffer).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "raster/layer_win.h"

namespace vt {
namespace {

void PumpFor(DWORD ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

// Image in one colour; mask columns in thirds: white (opaque), grey 128 (half), black (clear).
void MakePicture(TspBitmap& image, TspBitmap& mask, int w, int h)
{
    image.SetSize(w, h);
    image.Clear(MakePixel(255, 0, 0, 255));
    mask.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t v = x < w / 3 ? 255 : x < 2 * w / 3 ? 128 : 0;
            mask.SetPixel(x, y, MakePixel(v, v, v, 255));
        }
}

// Tests the fade of a shown layer: step 25 for 255, 250 after ten ticks, capped at 255 by the
// eleventh, then the timer stops.
TEST(LayerManagerTest, FadeStepsByATenthThenCapsAtTheTarget)
{
    TspBitmap image, mask;
    MakePicture(image, mask, 30, 10);
    TspLayerManager m(nullptr);
    m.Show(10, 10, image, mask, 255);
    ASSERT_TRUE(m.IsVisible());
    ASSERT_NE(m.LayerWindow(), nullptr);
    EXPECT_TRUE(m.TimerEnabled());
    EXPECT_EQ(m.Fade().StepAlphaBlendValue, 25);
    // The picture is premultiplied by clamping: red 255 under alpha 128 becomes 128.
    EXPECT_EQ(m.Bmp()->GetPixel(15, 0), MakePixel(128, 0, 0, 128));
    EXPECT_EQ(m.Bmp()->GetPixel(25, 0), 0u);
    for (int i = 0; i < 9; ++i)
        m.TimerTick();
    EXPECT_EQ(m.Fade().BeginAlphaBlendValue, 225);
    EXPECT_TRUE(m.TimerEnabled());
    m.TimerTick();
    EXPECT_EQ(m.Fade().BeginAlphaBlendValue, 250);
    m.TimerTick();
    EXPECT_EQ(m.Fade().BeginAlphaBlendValue, 255);
    EXPECT_FALSE(m.TimerEnabled());
    LONG_PTR ex = GetWindowLongPtrW(m.LayerWindow()->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    HWND h = m.LayerWindow()->Handle();
    m.Hide();
    EXPECT_FALSE(m.IsVisible());
    EXPECT_EQ(m.LayerWindow(), nullptr);
    EXPECT_FALSE(IsWindow(h));
}

TEST(LayerManagerTest, SmallTargetStaysInvisibleUntilHidden)
{
    TspBitmap image, mask;
    MakePicture(image, mask, 6, 6);
    TspLayerManager m(nullptr);
    m.Hide();  // nothing shown: only stops the timer
    EXPECT_FALSE(m.IsVisible());
    m.Show(0, 0, image, mask, 5);
    for (int i = 0; i < 20; ++i)
        m.TimerTick();
    EXPECT_EQ(m.Fade().BeginAlphaBlendValue, 0);
    EXPECT_TRUE(m.TimerEnabled());
    m.Show(0, 0, image, mask, 100);  // a second Show replaces the first layer
    EXPECT_EQ(m.Fade().StepAlphaBlendValue, 10);
    m.Hide();
    EXPECT_FALSE(m.TimerEnabled());
}

TEST(LayerManagerTest, LayerWindowNeverActivates)
{
    TspLayerWindow w(0, 0, 10, 10);
    ASSERT_NE(w.Handle(), nullptr);
    EXPECT_EQ(SendMessageW(w.Handle(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    EXPECT_EQ(TransitionsValue(false), -1);
    EXPECT_EQ(TransitionsValue(true), 0);
}

// The screen as the virtual display holds it (an XWD file kept by Xvfb -fbdir).
struct TScreenShot {
    int width = 0, height = 0, stride = 0;
    std::vector<uint8_t> pixels;
    bool Load()
    {
        const char* dir = std::getenv("VANTREL_FBDIR");
        if (!dir)
            return false;
        std::string path = std::string("Z:") + dir + "/Xvfb_screen0";
        std::ifstream f(path, std::ios::binary);
        if (!f)
            return false;
        std::vector<uint8_t> d((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        auto be = [&](size_t i) {
            return (uint32_t(d[i]) << 24) | (uint32_t(d[i + 1]) << 16) | (uint32_t(d[i + 2]) << 8) | d[i + 3];
        };
        if (d.size() < 100)
            return false;
        uint32_t headerSize = be(0), bpp = be(44), ncolors = be(76);
        width = static_cast<int>(be(16));
        height = static_cast<int>(be(20));
        stride = static_cast<int>(be(48));
        size_t offset = headerSize + 12 * static_cast<size_t>(ncolors);
        if (bpp != 32 || d.size() < offset + static_cast<size_t>(stride) * height)
            return false;
        pixels.assign(d.begin() + static_cast<std::ptrdiff_t>(offset), d.end());
        return true;
    }
    // Red, green, blue of (x, y); the 24-bit display keeps pixels as B, G, R, x.
    void At(int x, int y, int& r, int& g, int& b) const
    {
        const uint8_t* p = pixels.data() + static_cast<size_t>(y) * stride + 4 * x;
        b = p[0];
        g = p[1];
        r = p[2];
    }
};

LRESULT CALLBACK BackgroundProc(HWND h, UINT msg, WPARAM w, LPARAM l)
{
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(h, &r);
        HBRUSH b = CreateSolidBrush(RGB(0, 0, 200));
        FillRect(reinterpret_cast<HDC>(w), &r, b);
        DeleteObject(b);
        return 1;
    }
    return DefWindowProcW(h, msg, w, l);
}

// Tests that a per-pixel-alpha layer shows opaque, half-transparent and clear pixels as the
// platform composes them: blended over the window below with a compositor, and as the
// premultiplied colour over black without one.
TEST(LayerWindowScreenTest, TranslucentPixelsOverAKnownBackground)
{
    TScreenShot probe;
    if (!probe.Load())
        GTEST_SKIP() << "no virtual display framebuffer (run under scripts/wine-session)";
    const char* comp = std::getenv("VANTREL_COMPOSITOR");
    bool compositor = comp && std::string(comp) == "1";

    WNDCLASSW wc{};
    wc.lpfnWndProc = BackgroundProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VantrelLayerTestBackground";
    RegisterClassW(&wc);
    // Topmost, in a corner of the screen that other tests running at the same time leave alone.
    const int bx = 1000, by = 800;
    HWND bg = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, bx, by, 200,
                              150, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(bg, nullptr);
    UpdateWindow(bg);
    PumpFor(300);

    TspBitmap image, mask;
    MakePicture(image, mask, 90, 30);
    TspLayerManager m(nullptr);
    const int lx = bx + 20, ly = by + 30;
    m.Show(lx, ly, image, mask, 255);
    PumpFor(900);  // ten 25 ms ticks, then time for the display to catch up
    EXPECT_EQ(m.Fade().BeginAlphaBlendValue, 255);

    TScreenShot shot;
    ASSERT_TRUE(shot.Load());
    int r, g, b;
    const int y = ly + 15;
    shot.At(lx - 10, y, r, g, b);  // background left of the layer
    EXPECT_EQ(r, 0);
    EXPECT_EQ(b, 200);
    shot.At(lx + 15, y, r, g, b);  // opaque third
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    shot.At(lx + 45, y, r, g, b);  // alpha 128, premultiplied red 128
    EXPECT_NEAR(r, 128, 2);
    EXPECT_EQ(g, 0);
    EXPECT_NEAR(b, compositor ? 100 : 0, 2) << "compositor " << compositor;
    shot.At(lx + 75, y, r, g, b);  // alpha 0
    EXPECT_EQ(r, 0);
    EXPECT_NEAR(b, compositor ? 200 : 0, 2) << "compositor " << compositor;
    m.Hide();
    DestroyWindow(bg);
}

} // namespace
} // namespace vt
