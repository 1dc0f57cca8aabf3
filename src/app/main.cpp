#include "app/main_form.h"
#include "skin/skin_forms_win.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace vt;
    Application->Initialize();
    InstallSkinFormRegistry();
    Application->CreateForm<TForm1>();
    Application->Run();
    return 0;
}
