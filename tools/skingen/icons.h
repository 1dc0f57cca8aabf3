// The ten 16 x 16 icons of the application's image list.
#pragma once

#include "draw.h"

#include <string>
#include <vector>

namespace skingen {

struct Icon {
    std::string file;
    TPixelImage image;
};

// In image-list order: floppy disk, window with a list, wrench, calendar, star, gear,
// information sign, play, stop, return.
std::vector<Icon> BuildIcons();

} // namespace skingen
