// The native build's halves of the pixel bitmap: pixels in a plain vector, and system colours
// resolved from a fixed scheme.
#include "raster/bitmap.h"

#include "framework/base/exceptions.h"

#include <memory>
#include <new>
#include <vector>

namespace vt {

namespace {
class TVectorStore final : public TPixelStore {
public:
    TspColor* Allocate(int32_t w, int32_t h) override
    {
        Release();
        try {
            pixels_.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
        } catch (const std::bad_alloc&) {
            Release();
            throw EOutOfResources(L"Can't allocate the DIB handle");
        }
        return pixels_.data();
    }
    void Release() override { std::vector<TspColor>().swap(pixels_); }

private:
    std::vector<TspColor> pixels_;
};
} // namespace

std::unique_ptr<TPixelStore> NewPixelStore(TspBitmap&) { return std::make_unique<TVectorStore>(); }

TColor ResolveColor(TColor color)
{
    if (!IsSystemColor(color))
        return color & 0x00FFFFFF;
    // The classic scheme's values, for portable code and tests.
    static const TColor table[31] = {
        0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};
    int i = SystemColorIndex(color);
    return i < 31 ? table[i] : 0;
}

} // namespace vt
