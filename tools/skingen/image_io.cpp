#include "image_io.h"

#include "skin/bmp_codec.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

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
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.string().c_str(), "wb"), std::fclose);
    if (!f)
        throw std::runtime_error("cannot write " + path.string());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng initialisation failed");
    }
    std::vector<uint8_t> rgba(size_t(img.Width) * img.Height * 4);
    for (size_t i = 0; i < img.Pixels.size(); ++i) {
        rgba[i * 4] = img.Pixels[i].R;
        rgba[i * 4 + 1] = img.Pixels[i].G;
        rgba[i * 4 + 2] = img.Pixels[i].B;
        rgba[i * 4 + 3] = img.Pixels[i].A;
    }
    std::vector<png_bytep> rows(size_t(img.Height));
    for (int y = 0; y < img.Height; ++y)
        rows[size_t(y)] = rgba.data() + size_t(y) * img.Width * 4;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed writing " + path.string());
    }
    png_init_io(png, f.get());
    png_set_IHDR(png, info, png_uint_32(img.Width), png_uint_32(img.Height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

} // namespace skingen
