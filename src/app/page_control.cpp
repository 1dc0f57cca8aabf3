#include "app/page_control.h"

#include "framework/base/form_loader.h"
#include "form/dynamic_skin_form_win.h"
#include "menus/skin_popup_menu_win.h"
#include "raster/raster_classes.h"
#include "skin/skin_data.h"
#include "skin/skin_classes.h"

namespace vt {

void RegisterAppClasses()
{
    RegisterRasterClasses();
    RegisterSkinClasses();
    RegisterSkinMenuClasses();
    RegisterFormClasses();
    RegisterComponentClass<TspSkinPageControl>();
    RegisterComponentClass<TspSkinTabSheet>();
}

} // namespace vt
