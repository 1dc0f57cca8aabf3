// The platform side of composition: regions as HRGN, screen and monitor queries, the running
// platform's version.
#pragma once

#include <optional>

#include "framework/win/canvas.h"
#include "raster/compose.h"
#include "raster/region.h"

namespace vt {

TWinVersion CurrentWinVersion();

// One ExtCreateRegion call for the whole rectangle list; nullptr for an empty region.
HRGN RegionToHandle(const TRegion& region);
// The region of the black pixels of mask at (0, 0).
HRGN MaskToRegion(const TspBitmap& mask);
HRGN BuildFramedRegionHandle(const TFrameGeometry& g, const TFrameGeometry& ng, const TspBitmap& mask, int W, int H);
// The rectangles of a platform region (for tests and diagnostics).
TRegion RegionFromHandle(HRGN rgn);

// The monitor calls the area queries go through (the platform's by default); tests put in their
// own to reach the several-monitor path and a failing monitor query.
struct TMonitorCalls {
    int(WINAPI* GetSystemMetrics)(int) = ::GetSystemMetrics;
    HMONITOR(WINAPI* MonitorFromPoint)(POINT, DWORD) = ::MonitorFromPoint;
    HMONITOR(WINAPI* MonitorFromWindow)(HWND, DWORD) = ::MonitorFromWindow;
    BOOL(WINAPI* GetMonitorInfoW)(HMONITOR, LPMONITORINFO) = ::GetMonitorInfoW;
};
// Installs calls and returns the ones in use before.
TMonitorCalls SetMonitorCalls(const TMonitorCalls& calls);

bool HasMultipleMonitors();
TRect GetDesktopArea(bool workArea);
// The work area (or whole area) of the monitor nearest the point or window, into area; with one
// monitor the desktop's. When the monitor query fails area is left as the caller had it (callers
// pass their previous area as the fallback) and the result is false.
bool GetMonitorAreaOfPoint(TPoint p, bool workArea, TRect& area);
bool GetMonitorAreaOfWindow(HWND window, bool workArea, TRect& area);

// Draws one frame of a glyph strip onto a canvas, the frame's bottom-left colour transparent.
void DrawGlyphFrame(TCanvas& canvas, int X, int Y, int FrameIndex, int FrameCount, const TspBitmap& Strip);

} // namespace vt
