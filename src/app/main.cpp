#include "app/main_form.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace vt;
    Application->Initialize();
    Application->CreateForm<TForm1>();
    Application->Run();
    return 0;
}
