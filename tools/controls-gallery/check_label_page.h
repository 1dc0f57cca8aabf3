// The gallery's check/radio boxes and labels in their main states.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds them to the right of the other controls (widening the form), each printing its clicks.
void AddCheckLabelPage(const TGalleryPage& page);

} // namespace vt
