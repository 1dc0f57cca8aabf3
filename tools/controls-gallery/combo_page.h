// The gallery's page of skinned combo boxes.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds, below the edits, a combo box in the fixed style, one in the tool-button look, one in the
// edit style and one whose list opens by itself once the form shows (with space below it for the
// list); changes, clicks, drop-downs and close-ups are printed.
void AddComboPage(const TGalleryPage& page);

} // namespace vt
