// A portable 32-bit picture: the pixels of a decoded BMP/JPEG/PNG, top-down rows of B, G, R, A
// bytes. The container keeps its pictures as these; the pixel bitmap and the Win32 DIB sections
// copy from and to them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vt {

struct TPixel {
    uint8_t B = 0, G = 0, R = 0, A = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};
static_assert(sizeof(TPixel) == 4);

// Bits per pixel of the picture's source (1 for a monochrome mask BMP); 32 means the alpha
// channel is meaningful.
enum class TPixelFormat : uint8_t { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf16bit = 16, pf24bit = 24, pf32bit = 32 };

struct TPixelImage {
    int32_t Width = 0;
    int32_t Height = 0;
    TPixelFormat Format = TPixelFormat::pf24bit;
    std::vector<TPixel> Pixels;  // Width * Height, row 0 at the top

    bool Empty() const { return Width <= 0 || Height <= 0; }
    TPixel& At(int32_t x, int32_t y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
    const TPixel& At(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    friend bool operator==(const TPixelImage&, const TPixelImage&) = default;
};

} // namespace vt
