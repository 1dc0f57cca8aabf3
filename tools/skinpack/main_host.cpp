#include "framework/base/strings.h"
#include "skinpack.h"

int main(int argc, char** argv)
{
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(vt::Utf8ToWide(argv[i]));
    return RunSkinpack(args);
}
