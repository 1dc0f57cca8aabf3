#include "raster/raster_classes.h"

#include "framework/base/form_loader.h"
#include "raster/png_list.h"

namespace vt {

void RegisterRasterClasses() { RegisterComponentClass<TspPngImageList>(); }

} // namespace vt
