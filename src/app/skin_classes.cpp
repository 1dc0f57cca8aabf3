#include "app/skin_classes.h"

#include "framework/base/form_loader.h"
#include "skin/resource_strings.h"
#include "skin/stored_skin.h"

namespace vt {

void RegisterAppSkinClasses()
{
    RegisterSkinDataComponentClasses();
    RegisterComponentClass<TspCompressedStoredSkin>();
}

} // namespace vt
