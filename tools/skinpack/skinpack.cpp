// skinpack: packs, unpacks, inspects, checks, renders and prints skins. A <skin> is a .skn
// package, a skin folder or a definition file.
#include "framework/base/exceptions.h"
#include "framework/base/strings.h"
#include "render.h"
#include "skin/skin_inspect.h"
#include "skinpack.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: skinpack <command> <arguments>\n"
    "  pack <folder-or-definition> <out.skn>   build a package from a skin folder\n"
    "  unpack <in.skn> <folder>                write the package's definition and pictures\n"
    "  info <skin>                             versions, picture sizes, counts, records\n"
    "  check <skin> [--strict]                 report errors (the load fails: exit 1) and warnings\n"
    "                                          (it loads but looks wrong: exit 1 with --strict)\n"
    "  dump <skin>                             print the definition as the container saves it\n"
    "  render <skin> <what> <W>x<H> <out.png> [--inactive] [--state normal|hot|down|disabled]\n"
    "                                          write a PNG of the frame (<what> = frame) or of a\n"
    "                                          form object or control record at that size\n"
    "  render <skin> sheet <out.png>           every record's pictures on one contact sheet\n"
    "  embed <in.skn> <form> <placeholder> <out> [<placeholder>=<file> ...]\n"
    "                                          write form with the placeholder line replaced by\n"
    "                                          the package's zlib stream in hex lines, and each\n"
    "                                          further placeholder line by its file's bytes\n";

} // namespace

int RunSkinpack(const std::vector<std::wstring>& args)
{
    auto usage = [] {
        std::fputs(kUsage, stderr);
        return 2;
    };
    if (args.empty())
        return usage();
    const std::wstring& cmd = args[0];
    std::string out;
    int status = 0;
    try {
        if (cmd == L"pack" && args.size() == 3)
            status = vt::SkinpackPack(args[1], args[2], out);
        else if (cmd == L"unpack" && args.size() == 3)
            status = vt::SkinpackUnpack(args[1], args[2], out);
        else if (cmd == L"info" && args.size() == 2)
            status = vt::SkinpackInfo(args[1], out);
        else if (cmd == L"check" && (args.size() == 2 || (args.size() == 3 && args[2] == L"--strict")))
            status = vt::SkinpackCheck(args[1], out, args.size() == 3);
        else if (cmd == L"render" && args.size() >= 3) {
            status = vt::SkinpackRender(std::vector<std::wstring>(args.begin() + 1, args.end()), out);
            if (status == 2) {
                std::fwrite(out.data(), 1, out.size(), stderr);
                return usage();
            }
        }
        else if (cmd == L"dump" && args.size() == 2)
            status = vt::SkinpackDump(args[1], out);
        else if (cmd == L"embed" && args.size() >= 5) {
            std::vector<vt::TEmbedFile> files;
            for (size_t i = 5; i < args.size(); ++i)
                files.push_back(vt::ParseEmbedFile(args[i]));
            status = vt::SkinpackEmbed(args[1], args[2], args[3], args[4], out, files);
        }
        else
            return usage();
    } catch (const std::exception& e) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return status;
}

