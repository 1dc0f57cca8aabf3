// The raster layer's component classes, for resource descriptions.
#pragma once

namespace vt {

// Makes TspPngImageList known to the form loader. Idempotent.
void RegisterRasterClasses();

} // namespace vt
