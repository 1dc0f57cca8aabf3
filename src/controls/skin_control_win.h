// The windowed skin controls: TspSkinControl (binding and painting) and TspSkinCustomControl
// (the record's stretchable geometry, size rules and mask region). Skinned windowed controls
// derive from one of them.
#pragma once

#include "controls/skin_control_base_win.h"

namespace vt {

class TspSkinControl : public TSkinControlLayer<TCustomControl> {
    VT_CLASS_NAME(TspSkinControl)
public:
    using TSkinControlLayer::TSkinControlLayer;
};

class TspSkinCustomControl : public TSkinCustomControlLayer<TspSkinControl> {
    VT_CLASS_NAME(TspSkinCustomControl)
public:
    using TSkinCustomControlLayer::TSkinCustomControlLayer;
};

} // namespace vt
