// The monitor-area queries: the desktop with one monitor, the nearest monitor's areas with
// several, and the caller's rectangle kept when the monitor query fails.
#include <gtest/gtest.h>

#include "raster/compose_win.h"

namespace vt {
namespace {

int WINAPI TwoMonitors(int index) { return index == SM_CMONITORS ? 2 : GetSystemMetrics(index); }

HMONITOR WINAPI BogusFromPoint(POINT, DWORD) { return reinterpret_cast<HMONITOR>(static_cast<intptr_t>(0x7654)); }
HMONITOR WINAPI BogusFromWindow(HWND, DWORD) { return reinterpret_cast<HMONITOR>(static_cast<intptr_t>(0x7654)); }

BOOL WINAPI SecondMonitorInfo(HMONITOR, LPMONITORINFO mi)
{
    mi->rcMonitor = RECT{1920, 0, 3200, 1024};
    mi->rcWork = RECT{1920, 0, 3200, 984};
    return TRUE;
}

class MonitorAreaTest : public ::testing::Test {
protected:
    void TearDown() override { SetMonitorCalls(TMonitorCalls{}); }
};

TEST_F(MonitorAreaTest, OneMonitorGivesTheDesktop)
{
    if (GetSystemMetrics(SM_CMONITORS) > 1)
        GTEST_SKIP() << "several monitors attached";
    TRect area = Rect(1, 2, 3, 4);
    ASSERT_TRUE(GetMonitorAreaOfPoint(Point(5, 5), false, area));
    EXPECT_EQ(area, Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    ASSERT_TRUE(GetMonitorAreaOfWindow(nullptr, true, area));
    EXPECT_EQ(area, GetDesktopArea(true));
}

// Tests that with several monitors the nearest monitor's work or whole area is given, and that
// when the platform cannot describe the monitor the caller's rectangle stays as it was (popup
// placement keeps its previous work area then).
TEST_F(MonitorAreaTest, FailedMonitorQueryLeavesTheAreaUnchanged)
{
    TMonitorCalls calls;
    calls.GetSystemMetrics = TwoMonitors;
    calls.MonitorFromPoint = BogusFromPoint;
    calls.MonitorFromWindow = BogusFromWindow;
    SetMonitorCalls(calls);
    ASSERT_TRUE(HasMultipleMonitors());

    const TRect previous = Rect(10, 20, 300, 400);
    for (bool workArea : {true, false}) {
        TRect area = previous;
        EXPECT_FALSE(GetMonitorAreaOfPoint(Point(2000, 10), workArea, area));
        EXPECT_EQ(area, previous);
        EXPECT_FALSE(GetMonitorAreaOfWindow(nullptr, workArea, area));
        EXPECT_EQ(area, previous);
    }

    calls.GetMonitorInfoW = SecondMonitorInfo;
    SetMonitorCalls(calls);
    TRect area = previous;
    EXPECT_TRUE(GetMonitorAreaOfPoint(Point(2000, 10), true, area));
    EXPECT_EQ(area, Rect(1920, 0, 3200, 984));
    EXPECT_TRUE(GetMonitorAreaOfWindow(nullptr, false, area));
    EXPECT_EQ(area, Rect(1920, 0, 3200, 1024));
}

} // namespace
} // namespace vt
