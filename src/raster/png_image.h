// TspPngImage: a decoded PNG picture (straight 8-bit RGBA) that remembers what the file was
// (colour type, single-colour transparency), so that the disabled look can follow the file's
// kind; with source-over drawing onto a TspBitmap.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/base/pixel_image.h"
#include "raster/bitmap.h"

namespace vt {

class TspPngImage {
public:
    // Decodes a PNG file's bytes; a corrupt or unsupported file raises EInvalidGraphic with the
    // decoder's reason, and leaves the image as it was.
    void LoadFromBytes(const uint8_t* data, size_t size);
    void LoadFromBytes(const std::vector<uint8_t>& data) { LoadFromBytes(data.data(), data.size()); }
    void LoadFromFile(const std::wstring& fileName);
    void Assign(const TspPngImage& o) { *this = o; }
    bool Empty() const { return Width <= 0 || Height <= 0; }

    int32_t Width = 0;
    int32_t Height = 0;
    // The file's colour type: 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGB + alpha.
    uint8_t ColorType = 6;
    // The file has a tRNS chunk on a type 0, 2 or 3 picture: decoded pixels of alpha 0 are its
    // transparent colour.
    bool SingleTransparency = false;
    std::vector<TPixel> Pixels;  // straight alpha, top-down

    bool HasAlphaChannel() const { return ColorType == 4 || ColorType == 6; }
    TPixel& At(int32_t x, int32_t y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
    const TPixel& At(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }

    // The reduced-alpha copy used for the disabled look (alpha Round(a / 2), 127 for pictures
    // without alpha, 0 for the transparent colour).
    TspPngImage DisabledCopy() const;
    // A nearest-pixel copy at w x h, each pixel sampled at its centre; empty when either is 0.
    TspPngImage ScaledTo(int32_t w, int32_t h) const;
    // Straight-alpha source-over onto dst's colour at (x, y); dst's alpha bytes are kept.
    void Draw(TspBitmap& dst, int32_t x, int32_t y) const;
    // PngToPixelBitmap: the pixels with their alpha, then CheckingAlphaBlend.
    void ToBitmap(TspBitmap& dst) const;
};

// Encodes a 32-bit picture as an RGBA PNG (used by tools and tests to write expected images).
std::vector<uint8_t> EncodePng(const TspBitmap& bmp);

// An 8-bit RGBA PNG of img (straight alpha as stored). Raises EInvalidGraphic for an empty
// picture or when the encoder fails; SavePng also when the file cannot be written.
std::vector<uint8_t> EncodePng(const TPixelImage& img);
void SavePng(const std::filesystem::path& path, const TPixelImage& img);

} // namespace vt
