// The skin classes the main window's description names.
#pragma once

namespace vt {

// Lets the description create TspSkinData and TspCompressedStoredSkin. Idempotent.
void RegisterAppSkinClasses();

} // namespace vt
