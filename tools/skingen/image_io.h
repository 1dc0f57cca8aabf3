// Writing the generated pictures: canonical BMP files for the skins, PNG with alpha for the icons
// and the contact sheets.
#pragma once

#include <cstddef>  // pixel_image.h uses size_t

#include "framework/base/pixel_image.h"

#include <filesystem>

namespace skingen {

// Writes a canonical BMP with the skin package's writer: pf1bit masks as 1-bit, pf24bit, or
// pf32bit with alpha. Throws std::runtime_error on failure.
void SavePicture(const std::filesystem::path& path, const vt::TPixelImage& img);

// Writes an 8-bit RGBA PNG. Throws std::runtime_error on failure.
void SavePng(const std::filesystem::path& path, const vt::TPixelImage& img);

} // namespace skingen
