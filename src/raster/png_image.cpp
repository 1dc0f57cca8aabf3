#include "raster/png_image.h"

#include <png.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/base/exceptions.h"
#include "framework/base/strings.h"

namespace vt {

namespace {

uint32_t BigEndian32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }

// The colour type from IHDR and whether a tRNS chunk comes before the image data.
bool ReadHeaderFacts(const uint8_t* data, size_t size, uint8_t& colorType, bool& hasTrns)
{
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (size < 33 || std::memcmp(data, sig, 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0)
        return false;
    colorType = data[25];
    hasTrns = false;
    size_t at = 8;
    while (at + 8 <= size) {
        uint32_t len = BigEndian32(data + at);
        const uint8_t* type = data + at + 4;
        if (std::memcmp(type, "tRNS", 4) == 0)
            hasTrns = true;
        if (std::memcmp(type, "IDAT", 4) == 0 || std::memcmp(type, "IEND", 4) == 0)
            break;
        if (len > size - at - 8 || size - at - 8 - len < 4)
            break;  // the decoder reports the damage
        at += 12 + static_cast<size_t>(len);
    }
    return true;
}

} // namespace

void TspPngImage::LoadFromBytes(const uint8_t* data, size_t size)
{
    uint8_t colorType = 0;
    bool hasTrns = false;
    if (!data || !ReadHeaderFacts(data, size, colorType, hasTrns))
        throw EInvalidGraphic(L"Invalid PNG image: not a PNG file");
    png_image img;
    std::memset(&img, 0, sizeof(img));
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, data, size))
        throw EInvalidGraphic(L"Invalid PNG image: " + Utf8ToWide(img.message));
    if (img.width == 0 || img.height == 0 || img.width > uint32_t(MaxBitmapSide) ||
        img.height > uint32_t(MaxBitmapSide) || int64_t(img.width) * img.height > MaxBitmapPixels) {
        png_image_free(&img);
        throw EInvalidGraphic(L"Invalid PNG image: picture too large");
    }
    img.format = PNG_FORMAT_BGRA;
    std::vector<TPixel> pixels(static_cast<size_t>(img.width) * img.height);
    if (!png_image_finish_read(&img, nullptr, pixels.data(), 0, nullptr)) {
        std::wstring why = Utf8ToWide(img.message);
        png_image_free(&img);
        throw EInvalidGraphic(L"Invalid PNG image: " + why);
    }
    Width = static_cast<int32_t>(img.width);
    Height = static_cast<int32_t>(img.height);
    ColorType = colorType;
    SingleTransparency = hasTrns && (colorType == 0 || colorType == 2 || colorType == 3);
    Pixels = std::move(pixels);
}

void TspPngImage::LoadFromFile(const std::wstring& fileName)
{
    std::ifstream f(std::filesystem::path(fileName), std::ios::binary);
    if (!f)
        throw EFOpenError(L"Cannot open file \"" + fileName + L"\"");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    LoadFromBytes(bytes);
}

TspPngImage TspPngImage::DisabledCopy() const
{
    TspPngImage c = *this;
    for (TPixel& p : c.Pixels) {
        bool transparentColour = SingleTransparency && p.A == 0;
        if (ColorType == 0 || ColorType == 3)
            p.A = transparentColour ? 0 : 127;
        else if (transparentColour)
            p.A = 0;
        else
            p.A = static_cast<uint8_t>(Round(p.A / 256.0 * 128));
    }
    c.ColorType = (ColorType == 0 || ColorType == 4) ? 4 : 6;
    c.SingleTransparency = false;
    return c;
}

TspPngImage TspPngImage::ScaledTo(int32_t w, int32_t h) const
{
    TspPngImage c;
    c.ColorType = ColorType;
    c.SingleTransparency = SingleTransparency;
    if (Empty() || w <= 0 || h <= 0)
        return c;
    if (w > MaxBitmapSide || h > MaxBitmapSide || int64_t(w) * h > MaxBitmapPixels)
        throw EOutOfResources(L"Picture too large");
    c.Width = w;
    c.Height = h;
    c.Pixels.resize(static_cast<size_t>(w) * h);
    // Sampled at each target pixel's centre, so a picture at twice or half the size keeps
    // every source pixel the same width (the end-to-end stretch table would not).
    auto source = [](int32_t i, int32_t from, int32_t to) {
        return static_cast<int32_t>((2 * int64_t(i) + 1) * from / (2 * int64_t(to)));
    };
    for (int32_t y = 0; y < h; ++y) {
        const int32_t sy = source(y, Height, h);
        for (int32_t x = 0; x < w; ++x)
            c.At(x, y) = At(source(x, Width, w), sy);
    }
    return c;
}

void TspPngImage::Draw(TspBitmap& dst, int32_t x, int32_t y) const
{
    if (Empty() || dst.Empty())
        return;
    TRect r = IntersectRect(Bounds(x, y, Width, Height), dst.BoundsRect());
    for (int32_t dy = r.Top; dy < r.Bottom; ++dy) {
        TspColor* d = dst.GetScanLine(dy);
        for (int32_t dx = r.Left; dx < r.Right; ++dx) {
            const TPixel& s = At(dx - x, dy - y);
            if (s.A == 0)
                continue;
            TspColor o = d[dx];
            auto mix = [a = s.A](uint8_t sc, uint8_t dc) {
                return static_cast<uint8_t>((sc * a + dc * (255 - a) + 127) / 255);
            };
            d[dx] = MakePixel(mix(s.R, PixelR(o)), mix(s.G, PixelG(o)), mix(s.B, PixelB(o)), PixelA(o));
        }
    }
}

void TspPngImage::ToBitmap(TspBitmap& dst) const
{
    if (Empty())
        return;
    dst.SetSize(Width, Height);
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x) {
            const TPixel& p = At(x, y);
            *dst.GetPixelPtr(x, y) = MakePixel(p.R, p.G, p.B, p.A);
        }
    dst.CheckingAlphaBlend();
}

std::vector<uint8_t> EncodePng(const TspBitmap& bmp)
{
    std::vector<uint8_t> out;
    if (bmp.Empty())
        return out;
    png_image img;
    std::memset(&img, 0, sizeof(img));
    img.version = PNG_IMAGE_VERSION;
    img.width = static_cast<png_uint_32>(bmp.FWidth);
    img.height = static_cast<png_uint_32>(bmp.FHeight);
    img.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&img, nullptr, &size, 0, bmp.FBits, 0, nullptr))
        throw EInvalidGraphic(L"Cannot encode PNG image");
    out.resize(size);
    if (!png_image_write_to_memory(&img, out.data(), &size, 0, bmp.FBits, 0, nullptr))
        throw EInvalidGraphic(L"Cannot encode PNG image");
    out.resize(size);
    return out;
}

// --- writing -----------------------------------------------------------------------------------
std::vector<uint8_t> EncodePng(const TPixelImage& img)
{
    if (img.Empty())
        throw EInvalidGraphic(L"Cannot write an empty picture as PNG");
    std::vector<uint8_t> rgba(static_cast<size_t>(img.Width) * img.Height * 4);
    for (size_t i = 0; i < img.Pixels.size(); ++i) {
        rgba[i * 4] = img.Pixels[i].R;
        rgba[i * 4 + 1] = img.Pixels[i].G;
        rgba[i * 4 + 2] = img.Pixels[i].B;
        rgba[i * 4 + 3] = img.Pixels[i].A;
    }
    std::vector<png_bytep> rows(static_cast<size_t>(img.Height));
    for (int y = 0; y < img.Height; ++y)
        rows[static_cast<size_t>(y)] = rgba.data() + static_cast<size_t>(y) * img.Width * 4;

    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw EInvalidGraphic(L"Cannot start the PNG encoder");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw EInvalidGraphic(L"The PNG encoder failed");
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t size) {
            auto* buffer = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            buffer->insert(buffer->end(), data, data + size);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.Width), static_cast<png_uint_32>(img.Height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

void SavePng(const std::filesystem::path& path, const TPixelImage& img)
{
    const std::vector<uint8_t> bytes = EncodePng(img);
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f)
        throw EInvalidGraphic(L"Cannot write " + path.wstring());
}

} // namespace vt
