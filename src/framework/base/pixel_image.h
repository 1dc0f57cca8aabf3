// A portable 32-bit picture: the pixels of a decoded BMP/JPEG/PNG, top-down rows of B, G, R, A
// bytes. The container keeps its pictures as these; the pixel bitmap and the Win32 DIB sections
// copy from and to them. TPixelView is the read-only window on such pixels that composition takes,
// so skinned elements draw from the container's pictures in place.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/base/types.h"

namespace vt {

struct TPixel {
    uint8_t B = 0, G = 0, R = 0, A = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};
static_assert(sizeof(TPixel) == 4);

// Bits per pixel of the picture's source (1 for a monochrome mask BMP); 32 means the alpha
// channel is meaningful.
enum class TPixelFormat : uint8_t { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf16bit = 16, pf24bit = 24, pf32bit = 32 };

// Pixels owned by someone else, read as 0xAARRGGBB words (B, G, R, A bytes in memory). Cheap to
// copy; valid while the owner neither resizes nor frees its pixels.
struct TPixelView {
    const uint32_t* Bits = nullptr;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Stride = 0;  // pixels from the start of one row to the next

    bool Empty() const { return Bits == nullptr || Width <= 0 || Height <= 0; }
    TRect BoundsRect() const { return TRect{0, 0, Width, Height}; }
    const uint32_t* Row(int32_t y) const { return Bits + static_cast<ptrdiff_t>(y) * Stride; }
};

struct TPixelImage {
    int32_t Width = 0;
    int32_t Height = 0;
    TPixelFormat Format = TPixelFormat::pf24bit;
    std::vector<TPixel> Pixels;  // Width * Height, row 0 at the top

    bool Empty() const { return Width <= 0 || Height <= 0; }
    TPixel& At(int32_t x, int32_t y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
    const TPixel& At(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    friend bool operator==(const TPixelImage&, const TPixelImage&) = default;

    // The pixels in place; empty when the vector is shorter than Width x Height (a malformed
    // picture then draws nothing instead of reading past its end).
    TPixelView View() const
    {
        static_assert(sizeof(TPixel) == sizeof(uint32_t) && std::endian::native == std::endian::little,
                      "a pixel's bytes must read as one 0xAARRGGBB word");
        if (Empty() || Pixels.size() < static_cast<size_t>(Width) * static_cast<size_t>(Height))
            return {};
        return {reinterpret_cast<const uint32_t*>(Pixels.data()), Width, Height, Width};
    }
    operator TPixelView() const { return View(); }
};

} // namespace vt
