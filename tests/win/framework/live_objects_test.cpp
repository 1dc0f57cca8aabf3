// The live-object probe counts what a test creates and frees, so leak checks can rely on it.
#include "win/framework/live_objects.h"

#include <gtest/gtest.h>

#include <vector>

namespace vt::test {
namespace {

// One-time objects (a window class's first use, a shared system icon) appear on the first round,
// so the counts are taken around a second one, as leak checks do.
TEST(LiveObjects, ProbeSeesCreationsAndDeletions)
{
    struct Made {
        std::vector<HGDIOBJ> gdi;
        std::vector<HWND> windows;
        std::vector<HMENU> menus;
        HICON icon = nullptr;
    };
    auto make = [] {
        Made m;
        for (int i = 0; i < 20; ++i) {
            m.gdi.push_back(CreateSolidBrush(RGB(i, 0, 0)));
            m.gdi.push_back(CreateRectRgn(0, 0, i + 1, i + 1));
            m.gdi.push_back(CreateCompatibleDC(nullptr));
        }
        for (int i = 0; i < 5; ++i)
            m.windows.push_back(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                nullptr, nullptr, nullptr));
        for (int i = 0; i < 4; ++i)
            m.menus.push_back(CreatePopupMenu());
        m.icon = CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
        return m;
    };
    auto free = [](Made& m) {
        for (HGDIOBJ h : m.gdi) {
            if (GetObjectType(h) == OBJ_MEMDC)
                DeleteDC(static_cast<HDC>(h));
            else
                DeleteObject(h);
        }
        for (HWND w : m.windows)
            DestroyWindow(w);
        for (HMENU menu : m.menus)
            DestroyMenu(menu);
        DestroyIcon(m.icon);
    };
    Made warm = make();
    free(warm);

    const TLiveObjects before = CountLiveObjects();
    Made made = make();
    const TLiveObjects during = CountLiveObjects();
    // The platform may add a few of its own while top-level windows exist (the input method's
    // window and its DCs under Wine), and frees them with the last window.
    EXPECT_GE(during.gdi - before.gdi, 60);
    EXPECT_LE(during.gdi - before.gdi, 64);
    EXPECT_GE(during.windows - before.windows, 5);
    EXPECT_LE(during.windows - before.windows, 6);
    EXPECT_EQ(during.menus - before.menus, 4);
    EXPECT_EQ(during.icons - before.icons, 1);
    free(made);
    const TLiveObjects after = CountLiveObjects();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user(), before.user());
}

} // namespace
} // namespace vt::test
