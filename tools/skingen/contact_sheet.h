// One PNG showing every picture of a skin (or the icons), enlarged, each labelled.
#pragma once

#include "draw.h"

#include <string>
#include <vector>

namespace skingen {

struct SheetItem {
    std::string label;
    const TPixelImage* image;
};

TPixelImage ContactSheet(const std::string& title, const std::vector<SheetItem>& items, int maxWidth = 1400);

} // namespace skingen
