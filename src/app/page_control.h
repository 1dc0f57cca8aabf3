// TspSkinPageControl and TspSkinTabSheet as the application needs them for now: the framework's
// page control with its pages (active page by index, OnChange for the user's changes, and
// HideBorderAndTabs). The skinned drawing comes with the skinned controls.
#pragma once

#include "framework/win/comctrls.h"

namespace vt {

class TspSkinTabSheet : public TTabSheet {
    VT_CLASS_NAME(TspSkinTabSheet)
public:
    using TTabSheet::TTabSheet;
};

class TspSkinPageControl : public TPageControl {
    VT_CLASS_NAME(TspSkinPageControl)
public:
    using TPageControl::TPageControl;
};

// Makes every class the main window's description names known to the form loader: the app's
// own, and the raster and skin layers' (the framework's register themselves). Idempotent.
void RegisterAppClasses();

} // namespace vt
