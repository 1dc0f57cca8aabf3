// The gallery's page of skinned buttons.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds the buttons (widening the form to make room), each printing its clicks.
void AddButtonPage(const TGalleryPage& page);

} // namespace vt
