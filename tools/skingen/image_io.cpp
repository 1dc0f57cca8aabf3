#include "image_io.h"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace skingen {

namespace {

void Put16(std::vector<uint8_t>& b, uint16_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

// Header, 40-byte info header, colour table, bottom-up rows: the layout the package reader
// measures without a length prefix.
std::vector<uint8_t> EncodeBmp(const vt::TPixelImage& img)
{
    int bits = img.Format == vt::TPixelFormat::pf1bit    ? 1
               : img.Format == vt::TPixelFormat::pf32bit ? 32
                                                         : 24;
    uint32_t rowSize = ((uint32_t(img.Width) * bits + 31) / 32) * 4;
    uint32_t tableSize = bits == 1 ? 8 : 0;
    uint32_t imageSize = rowSize * uint32_t(img.Height);
    uint32_t offBits = 14 + 40 + tableSize;
    std::vector<uint8_t> b;
    b.reserve(offBits + imageSize);
    b.push_back('B');
    b.push_back('M');
    Put32(b, offBits + imageSize);
    Put32(b, 0);
    Put32(b, offBits);
    Put32(b, 40);
    Put32(b, uint32_t(img.Width));
    Put32(b, uint32_t(img.Height));
    Put16(b, 1);
    Put16(b, uint16_t(bits));
    Put32(b, 0);  // BI_RGB
    Put32(b, imageSize);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    if (bits == 1) {
        Put32(b, 0x000000);
        Put32(b, 0xFFFFFF);
    }
    for (int y = img.Height - 1; y >= 0; --y) {
        size_t start = b.size();
        if (bits == 1) {
            std::vector<uint8_t> row(rowSize, 0);
            for (int x = 0; x < img.Width; ++x) {
                const vt::TPixel& p = img.At(x, y);
                if (p.R || p.G || p.B)
                    row[x / 8] |= uint8_t(0x80 >> (x % 8));
            }
            b.insert(b.end(), row.begin(), row.end());
        } else {
            for (int x = 0; x < img.Width; ++x) {
                const vt::TPixel& p = img.At(x, y);
                b.push_back(p.B);
                b.push_back(p.G);
                b.push_back(p.R);
                if (bits == 32)
                    b.push_back(p.A);
            }
            b.resize(start + rowSize, 0);
        }
    }
    return b;
}

} // namespace

void SavePicture(const std::filesystem::path& path, const vt::TPixelImage& img)
{
    if (img.Empty())
        throw std::runtime_error("empty picture: " + path.string());
    std::vector<uint8_t> bytes = EncodeBmp(img);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
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
