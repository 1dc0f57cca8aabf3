// Writing the generated pictures: canonical BMP files for the skins, PNG with alpha for the icons
// and the contact sheets.
#pragma once

#include <cstddef>  // pixel_image.h uses size_t

#include "framework/base/pixel_image.h"

#include <filesystem>

namespace skingen {

// Writes a BMP in the image's Format: pf1bit (black and white; any non-black pixel is white),
// pf24bit, or pf32bit (alpha kept). Throws std::runtime_error on failure.
void SavePicture(const std::filesystem::path& path, const vt::TPixelImage& img);

// Writes an 8-bit RGBA PNG. Throws std::runtime_error on failure.
void SavePng(const std::filesystem::path& path, const vt::TPixelImage& img);

} // namespace skingen
