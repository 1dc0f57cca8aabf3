// The composed painting the skinned edits share: the control's own erase draws its background and
// its native edit draws the text, both into one off-screen buffer that is copied to the window once,
// so neither flickers. The control's erase and paint handlers see `stopDraw` set while they draw
// into the buffer.
#pragma once

#include "framework/win/controls.h"

#include <functional>

namespace vt {

// Composes into a buffer one pixel larger than the control each way (the native edit may touch
// its right and bottom edge) and copies the control's size to dc. text draws the text into the
// buffer after the erase (the native edit's own WM_PAINT, or a control's own drawing). Nothing
// when the control is empty or already composing.
void PaintComposedEdit(TWinControl& control, HDC dc, bool& stopDraw, const std::function<void(HDC)>& text);

// Repaints the visible control at once through paint (which composes into the DC it is given),
// the caret hidden meanwhile; the window's pending paint is then validated.
void RefreshComposedEdit(TWinControl& control, const std::function<void(HDC)>& paint);

} // namespace vt
