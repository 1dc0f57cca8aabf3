#include "skinpack.h"

int wmain(int argc, wchar_t** argv)
{
    return RunSkinpack(std::vector<std::wstring>(argv + 1, argv + argc));
}
