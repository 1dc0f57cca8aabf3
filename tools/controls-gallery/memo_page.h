// The gallery's page of skinned memos.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds, in a column at the right, memos bound to the gallery's container: one with text longer
// and wider than it is, scrolled by linked skinned bars; a read-only one; a disabled one; and a
// transparent one over the form. Text changes are printed.
void AddMemoPage(const TGalleryPage& page);

} // namespace vt
