// Test helper: a control's image as it paints it, windowed (WM_PAINT with a DC) or window-less.
#pragma once

#include "framework/win/controls.h"
#include "raster/bitmap_win.h"

namespace vt::test {

inline void PaintControlImage(TControl& c, TspBitmap& b)
{
    b.SetSize(c.Width(), c.Height());
    b.Clear(0);
    if (auto* g = dynamic_cast<TGraphicControl*>(&c))
        g->PaintTo(BitmapDC(b));
    else
        c.Perform(WM_PAINT, reinterpret_cast<WPARAM>(BitmapDC(b)));
}

} // namespace vt::test
