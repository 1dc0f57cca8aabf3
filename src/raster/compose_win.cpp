#include "raster/compose_win.h"

#include "raster/bitmap_win.h"

namespace vt {

TWinVersion CurrentWinVersion()
{
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    return TWinVersion::FromVersionWord(static_cast<uint32_t>(GetVersion()));
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
}

HRGN RegionToHandle(const TRegion& region)
{
    if (region.Empty())
        return nullptr;
    std::vector<uint8_t> block(sizeof(RGNDATAHEADER) + region.Rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(block.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(region.Rects.size());
    data->rdh.nRgnSize = 0;
    TRect bound = region.Rects[0];
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < region.Rects.size(); ++i) {
        const TRect& r = region.Rects[i];
        rects[i] = ToRECT(r);
        bound.Left = std::min(bound.Left, r.Left);
        bound.Top = std::min(bound.Top, r.Top);
        bound.Right = std::max(bound.Right, r.Right);
        bound.Bottom = std::max(bound.Bottom, r.Bottom);
    }
    data->rdh.rcBound = ToRECT(bound);
    return ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), data);
}

HRGN MaskToRegion(const TspBitmap& mask)
{
    std::vector<uint8_t> block = MaskToRegionData(mask, 0, 0);
    if (block.empty())
        return nullptr;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), reinterpret_cast<const RGNDATA*>(block.data()));
}

HRGN BuildFramedRegionHandle(const TFrameGeometry& g, const TFrameGeometry& ng, const TspBitmap& mask, int W, int H)
{
    std::optional<TRegion> r = BuildFramedRegion(g, ng, mask, W, H);
    return r ? RegionToHandle(*r) : nullptr;
}

TRegion RegionFromHandle(HRGN rgn)
{
    TRegion out;
    DWORD size = rgn ? GetRegionData(rgn, 0, nullptr) : 0;
    if (size == 0)
        return out;
    std::vector<uint8_t> block(size);
    if (!GetRegionData(rgn, size, reinterpret_cast<RGNDATA*>(block.data())))
        return out;
    const auto* data = reinterpret_cast<const RGNDATA*>(block.data());
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        out.Rects.push_back(FromRECT(rects[i]));
    return out;
}

namespace {
TMonitorCalls& Monitors()
{
    static TMonitorCalls calls;
    return calls;
}
} // namespace

TMonitorCalls SetMonitorCalls(const TMonitorCalls& calls)
{
    TMonitorCalls old = Monitors();
    Monitors() = calls;
    return old;
}

bool HasMultipleMonitors() { return Monitors().GetSystemMetrics(SM_CMONITORS) > 1; }

TRect GetDesktopArea(bool workArea)
{
    if (workArea) {
        RECT r{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
        return FromRECT(r);
    }
    return TRect{0, 0, Monitors().GetSystemMetrics(SM_CXSCREEN), Monitors().GetSystemMetrics(SM_CYSCREEN)};
}

namespace {
bool MonitorArea(HMONITOR m, bool workArea, TRect& area)
{
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!m || !Monitors().GetMonitorInfoW(m, &mi))
        return false;
    area = FromRECT(workArea ? mi.rcWork : mi.rcMonitor);
    return true;
}
} // namespace

bool GetMonitorAreaOfPoint(TPoint p, bool workArea, TRect& area)
{
    if (!HasMultipleMonitors()) {
        area = GetDesktopArea(workArea);
        return true;
    }
    return MonitorArea(Monitors().MonitorFromPoint(POINT{p.X, p.Y}, MONITOR_DEFAULTTONEAREST), workArea, area);
}

bool GetMonitorAreaOfWindow(HWND window, bool workArea, TRect& area)
{
    if (!HasMultipleMonitors()) {
        area = GetDesktopArea(workArea);
        return true;
    }
    return MonitorArea(Monitors().MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), workArea, area);
}

void DrawGlyphFrame(TCanvas& canvas, int X, int Y, int FrameIndex, int FrameCount, const TspBitmap& Strip)
{
    if (Strip.Empty() || FrameCount <= 0 || !canvas.Handle())
        return;
    int fw = Strip.FWidth / FrameCount;
    if (fw <= 0)
        return;
    // Compose over a copy of what the canvas shows there, then put it back in one blit.
    TspBitmap area;
    area.SetSize(fw, Strip.FHeight);
    BitBlt(BitmapDC(area), 0, 0, fw, Strip.FHeight, canvas.Handle(), X, Y, SRCCOPY);
    GdiFlush();
    DrawGlyphFrame(area, 0, 0, FrameIndex, FrameCount, Strip);
    BitBlt(canvas.Handle(), X, Y, fw, Strip.FHeight, BitmapDC(area), 0, 0, SRCCOPY);
}

} // namespace vt
