#include "skin/skin_classes.h"

#include "framework/base/form_loader.h"
#include "skin/resource_strings.h"
#include "skin/skin_data.h"
#include "skin/stored_skin.h"

namespace vt {

void RegisterSkinClasses()
{
    RegisterComponentClass<TspSkinData>();
    RegisterComponentClass<TspResourceStrData>();
    RegisterComponentClass<TspCompressedStoredSkin>();
    RegisterComponentClass<TspCompressedSkinList>();
}

} // namespace vt
