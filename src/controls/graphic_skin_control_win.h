// The window-less skin controls: TspGraphicSkinControl and TspGraphicSkinCustomControl paint on
// their parent's surface with the same pipeline as the windowed ones, without erase handling or
// a window region.
#pragma once

#include "controls/skin_control_base_win.h"

namespace vt {

class TspGraphicSkinControl : public TSkinControlLayer<TGraphicControl> {
    VT_CLASS_NAME(TspGraphicSkinControl)
public:
    using TSkinControlLayer::TSkinControlLayer;
};

class TspGraphicSkinCustomControl : public TSkinCustomControlLayer<TspGraphicSkinControl> {
    VT_CLASS_NAME(TspGraphicSkinCustomControl)
public:
    using TSkinCustomControlLayer::TSkinCustomControlLayer;
};

} // namespace vt
