#include "image_io.h"

#include "raster/png_image.h"
#include "skin/bmp_codec.h"

#include <stdexcept>

namespace skingen {

void SavePicture(const std::filesystem::path& path, const vt::TPixelImage& img)
{
    if (img.Empty())
        throw std::runtime_error("empty picture: " + path.string());
    try {
        vt::SaveBitmapToFile(path.wstring(), img);
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot write " + path.string() + ": " + e.what());
    }
}

void SavePng(const std::filesystem::path& path, const vt::TPixelImage& img)
{
    try {
        vt::SavePng(path, img);
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot write " + path.string() + ": " + e.what());
    }
}

} // namespace skingen
