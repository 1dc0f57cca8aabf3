// The classes the main window's description names, made known to the form loader in one call.
#pragma once

namespace vt {

// Registers the app's own classes and those of the raster, skin, menu, control and form layers
// (the framework's register themselves). Idempotent.
void RegisterAppClasses();

} // namespace vt
