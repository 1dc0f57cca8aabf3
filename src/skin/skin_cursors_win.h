// Skin cursors on Win32: loaded from the skin's files into the screen's cursor table, by number.
#pragma once

#include "skin/skin_data.h"

#include <windows.h>

namespace vt {

// The cursor installed under number, or null when none was (or its file did not load, in which
// case the platform's default cursor applies).
HCURSOR SkinCursor(int32_t number);

} // namespace vt
