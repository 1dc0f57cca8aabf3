// The gallery's page of the up-down control and the skinned page control.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds an up-down and two page controls (a short one whose tabs overflow into the scroller, and
// one with close buttons) below the other controls, bound to sd, and below them a third in the
// controls' fixture skin; events are printed.
void AddPagesPage(const TGalleryPage& page);

} // namespace vt
