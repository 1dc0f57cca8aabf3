#include "app/page_control.h"

#include "framework/base/form_loader.h"
#include "raster/raster_classes.h"
#include "skin/skin_classes.h"

namespace vt {

void RegisterAppClasses()
{
    RegisterRasterClasses();
    RegisterSkinClasses();
    RegisterComponentClass<TspSkinPageControl>();
    RegisterComponentClass<TspSkinTabSheet>();
}

} // namespace vt
