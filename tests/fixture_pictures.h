// Helpers of the skins the tests make in code: solid pictures painted in 0xRRGGBB colours, and
// writing such a skin out as a folder skin.
#pragma once

#include "framework/base/pixel_image.h"
#include "skin/skin_data.h"

#include <memory>
#include <string>

namespace vt::test {

inline TPixel Px(uint32_t rgb) { return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 0xFF}; }

inline std::unique_ptr<TPixelImage> SolidImage(int w, int h, uint32_t fill)
{
    auto image = std::make_unique<TPixelImage>();
    image->Width = w;
    image->Height = h;
    image->Pixels.assign(static_cast<size_t>(w) * h, Px(fill));
    return image;
}

inline void FillImage(TPixelImage& image, const TRect& r, uint32_t rgb)
{
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            image.At(x, y) = Px(rgb);
}

// Builds a skin with build and stores it in folder (definition and pictures); returns the path of
// the definition file.
inline std::wstring StoreFixtureSkin(const std::wstring& folder, void (*build)(TspSkinData&))
{
    TspSkinData sd(nullptr);
    sd.BuildMode = true;
    build(sd);
    std::wstring file = folder;
    if (!file.empty() && file.back() != L'\\' && file.back() != L'/')
        file += L'/';
    file += L"skin.ini";
    sd.StoreToDisk(file);
    return file;
}

} // namespace vt::test
