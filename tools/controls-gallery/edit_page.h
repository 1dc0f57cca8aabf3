// The gallery's page of skinned edits.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds, below the list boxes, a plain skinned edit, a transparent one over a skinned panel and a
// numeric one whose Up and Down keys and wheel step its value; changes and clicks are printed.
void AddEditPage(const TGalleryPage& page);

} // namespace vt
