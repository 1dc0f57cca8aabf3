// A mock-up of a window drawn with a skin (frame, shadow, caption extras, a few controls and an
// open menu), so the contact sheet shows the pictures working together.
#pragma once

#include "icons.h"
#include "skin_builder.h"

namespace skingen {

TPixelImage Preview(const Theme& theme, const BuiltSkin& skin, const std::vector<Icon>& icons);

} // namespace skingen
