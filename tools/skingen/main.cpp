// skingen: draws the pictures of the shipped skins, writes their definitions and the
// application's icons. Deterministic: the same sources give the same bytes.
//
//   skingen [--contact-sheet] [--icons DIR] [--icons-sheet FILE] SKINS_DIR
#include "contact_sheet.h"
#include "icons.h"
#include "image_io.h"
#include "preview.h"
#include "skin_builder.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace skingen;

namespace {

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), std::streamsize(text.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void WriteSkin(const fs::path& skinsDir, const Theme& theme, bool sheet)
{
    BuiltSkin skin = BuildSkin(theme);
    fs::path dir = skinsDir / theme.folder;
    fs::create_directories(dir);
    for (const SkinPicture& p : skin.pictures)
        SavePicture(dir / p.file, p.image);
    WriteText(dir / skin.definitionFile, skin.definition);
    if (sheet) {
        TPixelImage preview = Preview(theme, skin, BuildIcons());
        std::vector<SheetItem> items = {{"preview", &preview}};
        for (const SkinPicture& p : skin.pictures)
            items.push_back({p.role + " " + p.file, &p.image});
        SavePng(dir / "contact-sheet.png", ContactSheet(theme.name, items));
    }
    std::printf("%s: %zu pictures, definition %zu bytes\n", dir.string().c_str(), skin.pictures.size(),
                skin.definition.size());
}

} // namespace

int main(int argc, char** argv)
{
    bool sheet = false;
    fs::path iconsDir, iconsSheet, skinsDir;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--contact-sheet")
            sheet = true;
        else if (a == "--icons" && i + 1 < argc)
            iconsDir = argv[++i];
        else if (a == "--icons-sheet" && i + 1 < argc)
            iconsSheet = argv[++i];
        else if (!a.empty() && a[0] != '-' && skinsDir.empty())
            skinsDir = a;
        else {
            std::fprintf(stderr, "usage: skingen [--contact-sheet] [--icons DIR] [--icons-sheet FILE] SKINS_DIR\n");
            return 2;
        }
    }
    if (skinsDir.empty() && iconsDir.empty() && iconsSheet.empty()) {
        std::fprintf(stderr, "usage: skingen [--contact-sheet] [--icons DIR] [--icons-sheet FILE] SKINS_DIR\n");
        return 2;
    }
    try {
        if (!skinsDir.empty())
            for (const Theme& theme : Themes())
                WriteSkin(skinsDir, theme, sheet);
        std::vector<Icon> icons = BuildIcons();
        if (!iconsDir.empty()) {
            fs::create_directories(iconsDir);
            for (const Icon& icon : icons)
                SavePng(iconsDir / icon.file, icon.image);
        }
        if (!iconsSheet.empty()) {
            std::vector<SheetItem> items;
            for (const Icon& icon : icons)
                items.push_back({icon.file.substr(0, icon.file.size() - 4), &icon.image});
            SavePng(iconsSheet, ContactSheet("icons", items, 900));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
