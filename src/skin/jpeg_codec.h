// JPEG pictures of folder skins, decoded with libjpeg into 24-bit pixel images.
#pragma once

#include <cstddef>  // before pixel_image.h, which uses size_t

#include "framework/base/pixel_image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// True when a folder skin's picture name (not its path) is decoded as JPEG: ".jpg" or ".jpeg"
// anywhere in it, letter case kept.
bool IsJpegPictureName(std::wstring_view name);

// Raises EInvalidGraphic with libjpeg's message for data that does not decode.
void DecodeJpeg(const uint8_t* data, size_t size, TPixelImage& image);
void LoadJpegFromFile(const std::wstring& fileName, TPixelImage& image);

} // namespace vt
