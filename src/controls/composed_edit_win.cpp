#include "controls/composed_edit_win.h"

#include "raster/bitmap.h"
#include "raster/bitmap_win.h"

namespace vt {

void PaintComposedEdit(TWinControl& control, HDC dc, bool& stopDraw, const std::function<void(HDC)>& text)
{
    const int w = control.Width(), h = control.Height();
    if (w < 1 || h < 1 || stopDraw)
        return;
    TspBitmap buffer;
    buffer.SetSize(w + 1, h + 1);
    HDC mem = BitmapDC(buffer);
    if (!mem)
        return;
    stopDraw = true;
    control.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), 0);
    text(mem);
    stopDraw = false;
    BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}

void RefreshComposedEdit(TWinControl& control, const std::function<void(HDC)>& paint)
{
    if (!control.HandleAllocated() || !IsWindowVisible(control.Handle()))
        return;
    HWND wnd = control.Handle();
    HideCaret(wnd);
    if (HDC dc = GetDC(wnd)) {
        paint(dc);
        ReleaseDC(wnd, dc);
    }
    ShowCaret(wnd);
    ValidateRect(wnd, nullptr);
}

} // namespace vt
