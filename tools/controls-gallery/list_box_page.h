// The gallery's page of skinned list boxes.
#pragma once

#include "gallery_page.h"

namespace vt {

// Adds, below the page controls, a row of list boxes bound to the gallery's container: 30 items
// with the vertical bar, a horizontal extent with a long item (both bars), five rows fitted by
// RowCount, two columns, and a caption with its buttons; clicks and double clicks are printed.
void AddListBoxPage(const TGalleryPage& page);

} // namespace vt
