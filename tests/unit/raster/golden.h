// Pixel-exact comparison of a picture with a checked-in PNG under tests/data/raster. With the
// environment variable VANTREL_UPDATE_GOLDEN=1 the expected file is written instead (inspect it by
// eye before committing).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "raster/png_image.h"
#include "support.h"

namespace vt::test {

inline std::filesystem::path GoldenPath(const std::string& name)
{
    return std::filesystem::path(SourcePath("tests/data/raster/" + name));
}

inline ::testing::AssertionResult MatchesGolden(const TspBitmap& bmp, const std::string& name)
{
    const char* update = std::getenv("VANTREL_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::vector<uint8_t> png = EncodePng(bmp);
        std::ofstream(GoldenPath(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
        return ::testing::AssertionSuccess() << "written";
    }
    TspPngImage expected;
    try {
        expected.LoadFromFile(GoldenPath(name).wstring());
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << name << ": " << e.what();
    }
    if (expected.Width != bmp.FWidth || expected.Height != bmp.FHeight)
        return ::testing::AssertionFailure() << name << ": size " << bmp.FWidth << "x" << bmp.FHeight
                                             << ", expected " << expected.Width << "x" << expected.Height;
    int bad = 0;
    std::string first;
    for (int y = 0; y < bmp.FHeight; ++y)
        for (int x = 0; x < bmp.FWidth; ++x) {
            const TPixel& e = expected.At(x, y);
            if (bmp.GetPixel(x, y) != MakePixel(e.R, e.G, e.B, e.A) && bad++ == 0)
                first = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
    if (bad)
        return ::testing::AssertionFailure() << name << ": " << bad << " pixels differ, first at " << first;
    return ::testing::AssertionSuccess();
}

} // namespace vt::test
