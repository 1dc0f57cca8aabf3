#include "framework/base/form_loader.h"
#include "framework/win/comctrls.h"
#include "framework/win/edits.h"
#include "framework/win/forms.h"
#include "framework/win/stdctrls.h"
#include "framework/win/timer.h"
#include "framework/win/webbrowser.h"

namespace vt {

void RegisterFrameworkClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterComponentClass<TTimer>();
    RegisterComponentClass<TPageControl>();
    RegisterComponentClass<TTabSheet>();
    RegisterComponentClass<TWebBrowser>();
    RegisterComponentClass<TCustomControl>();
    RegisterComponentClass<TWinControl>();
    RegisterComponentClass<TListBox>();
    RegisterComponentClass<TEdit>();
    RegisterComponentClass<TMemo>();
}

} // namespace vt
