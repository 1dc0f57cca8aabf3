#include "framework/win/window_region.h"

namespace vt {

bool SetWindowRegion(HWND wnd, HRGN region, bool redraw)
{
    if (SetWindowRgn(wnd, region, redraw ? TRUE : FALSE))
        return true;
    if (region)
        DeleteObject(region);
    return false;
}

} // namespace vt
