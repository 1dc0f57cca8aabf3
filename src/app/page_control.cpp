#include "app/page_control.h"

#include "framework/base/form_loader.h"

namespace vt {

void RegisterAppClasses()
{
    RegisterComponentClass<TspSkinPageControl>();
    RegisterComponentClass<TspSkinTabSheet>();
}

} // namespace vt
