// Test helpers for skinned forms on real windows: the window as the screen shows it, points on
// it, and a real click.
#pragma once

#include "framework/win/canvas.h"
#include "raster/bitmap_win.h"
#include "win/framework/real_input.h"

namespace vt::test {

inline TRect WindowRectOf(HWND hwnd)
{
    RECT wr;
    GetWindowRect(hwnd, &wr);
    return FromRECT(wr);
}

// The window as the screen shows it, frame included.
inline void CaptureWindow(HWND hwnd, TspBitmap& shot)
{
    const TRect wr = WindowRectOf(hwnd);
    shot.SetSize(wr.Width(), wr.Height());
    GetCanvas(shot);
    HDC dc = GetWindowDC(hwnd);
    BitBlt(BitmapDC(shot), 0, 0, shot.Width(), shot.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
}

// The middle of a rectangle in window coordinates, on the screen.
inline TPoint ScreenCentre(HWND hwnd, const TRect& r)
{
    const TRect wr = WindowRectOf(hwnd);
    return { wr.Left + (r.Left + r.Right) / 2, wr.Top + (r.Top + r.Bottom) / 2 };
}

inline void ClickAt(TPoint p)
{
    SetCursorPos(p.X, p.Y);
    Mouse(MOUSEEVENTF_MOVE);
    Pump(120);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Pump(120);
}

} // namespace vt::test
