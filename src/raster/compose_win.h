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

bool HasMultipleMonitors();
TRect GetDesktopArea(bool workArea);
TRect GetMonitorAreaOfPoint(TPoint p, bool workArea);
TRect GetMonitorAreaOfWindow(HWND window, bool workArea);

// Draws one frame of a glyph strip onto a canvas, the frame's bottom-left colour transparent.
void DrawGlyphFrame(TCanvas& canvas, int X, int Y, int FrameIndex, int FrameCount, const TspBitmap& Strip);

} // namespace vt
