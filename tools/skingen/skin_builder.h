// Builds one skin from a theme: every picture and the definition text.
#pragma once

#include "theme.h"

#include <string>
#include <vector>

namespace skingen {

struct SkinPicture {
    std::string file;  // file name in the skin folder
    std::string role;  // "picture", "mask" or the active picture index
    TPixelImage image;
};

struct BuiltSkin {
    std::vector<SkinPicture> pictures;  // main picture, mask, then active pictures 0..14
    std::string definitionFile;
    std::string definition;
};

BuiltSkin BuildSkin(const Theme& theme);

} // namespace skingen
