// The gallery's page of skinned scroll bars.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds, right of the page controls, a horizontal bar, a vertical one with a page size and a
// focusable horizontal one whose name has no record (the plain look), bound to the gallery's
// container; their changes are printed.
void AddScrollBarPage(const TGalleryPage& page);

} // namespace vt
