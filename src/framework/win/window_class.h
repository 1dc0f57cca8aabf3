// Window classes of this module, registered once by name.
#pragma once

#include <windows.h>

namespace vt {

// Registers wc in this module (hInstance and cbSize are filled in) unless a class of its name is
// registered already; raises EOutOfResources when the system refuses. True when it registered.
bool EnsureWindowClass(WNDCLASSEXW wc);

} // namespace vt
