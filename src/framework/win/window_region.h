// Handing a region to a window.
#pragma once

#include <windows.h>

namespace vt {

// Gives region to wnd (SetWindowRgn) and takes care of it either way: after success the window
// owns it (and frees the one it replaces); after a failure it is deleted here, so the caller never
// touches region again. A null region removes the window's region. Returns whether the window
// took it.
bool SetWindowRegion(HWND wnd, HRGN region, bool redraw);

} // namespace vt
