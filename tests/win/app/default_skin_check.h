// Checks on the main window's skin components, kept apart from the window headers.
#pragma once

namespace vt {

class TComponent;

// The window's spSkinData1 holds the default skin loaded from spCompressedStoredSkin1, whose
// bytes are exactly the zlib stream of the packed skins/zozaziz.
void ExpectStoredDefaultSkin(const TComponent& form);

} // namespace vt
