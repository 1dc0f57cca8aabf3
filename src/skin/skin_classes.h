// The skin layer's component classes, for resource descriptions.
#pragma once

namespace vt {

// Makes TspSkinData, TspResourceStrData, TspCompressedStoredSkin and TspCompressedSkinList known
// to the form loader. Idempotent.
void RegisterSkinClasses();

} // namespace vt
