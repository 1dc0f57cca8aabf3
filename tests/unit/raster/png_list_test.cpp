// PNG image list: decoding real files, the disabled copy, list sizes and the alpha-keeping draw.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/base/exceptions.h"
#include "framework/base/form_loader.h"
#include "raster/png_list.h"
#include "raster/raster_classes.h"
#include "support.h"

namespace vt {
namespace {

TspPngImage LoadData(const std::string& name)
{
    TspPngImage png;
    png.LoadFromFile(test::SourcePath("tests/data/raster/" + name));
    return png;
}

TEST(TspPngImageTest, DecodesRealFilesWithTheirKind)
{
    TspPngImage rgba = LoadData("png_rgba.png");
    EXPECT_EQ(rgba.Width, 16);
    EXPECT_EQ(rgba.ColorType, 6);
    EXPECT_FALSE(rgba.SingleTransparency);
    EXPECT_EQ(rgba.At(0, 0), (TPixel{0, 0, 255, 255}));
    EXPECT_EQ(rgba.At(8, 0).A, 0);
    EXPECT_EQ(rgba.At(8, 8), (TPixel{0, 255, 0, 127}));

    TspPngImage pal = LoadData("png_palette.png");
    EXPECT_EQ(pal.ColorType, 3);
    EXPECT_TRUE(pal.SingleTransparency);
    EXPECT_EQ(pal.At(0, 0).A, 0);
    EXPECT_EQ(pal.At(15, 15), (TPixel{255, 0, 0, 255}));

    TspPngImage rgb = LoadData("png_rgb.png");
    EXPECT_EQ(rgb.ColorType, 2);
    EXPECT_EQ(rgb.At(3, 3), (TPixel{30, 200, 10, 255}));
}

TEST(TspPngImageTest, CorruptFilesGiveAClearError)
{
    for (const char* name : {"png_truncated.png", "png_badcrc.png"}) {
        TspPngImage png = LoadData("png_rgb.png");
        try {
            png.LoadFromFile(test::SourcePath(std::string("tests/data/raster/") + name));
            ADD_FAILURE() << name << " loaded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message().rfind(L"Invalid PNG image", 0), 0u) << name;
        }
        EXPECT_EQ(png.ColorType, 2) << "a failed load keeps the picture";
    }
    TspPngImage png;
    const uint8_t junk[] = {1, 2, 3};
    EXPECT_THROW(png.LoadFromBytes(junk, sizeof junk), EInvalidGraphic);
    EXPECT_THROW(png.LoadFromBytes(nullptr, 0), EInvalidGraphic);
    EXPECT_THROW(png.LoadFromFile(L"/no/such/file.png"), EFOpenError);
}

// Tests that damaged files (bytes flipped, cut short) either decode or raise the PNG error,
// never anything else.
TEST(TspPngImageTest, DamagedBytesNeverCrash)
{
    std::ifstream f(std::filesystem::path(test::SourcePath("tests/data/raster/png_palette.png")), std::ios::binary);
    std::vector<uint8_t> good((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_GT(good.size(), 40u);
    uint32_t seed = 7;
    int rejected = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<uint8_t> bytes = good;
        seed = seed * 1664525 + 1013904223;
        size_t at = 8 + seed % (bytes.size() - 8);
        bytes[at] ^= static_cast<uint8_t>(1 + (seed >> 24) % 255);
        if (round % 3 == 0)
            bytes.resize(at);
        TspPngImage png;
        try {
            png.LoadFromBytes(bytes);
            EXPECT_EQ(png.Pixels.size(), static_cast<size_t>(png.Width) * png.Height);
        } catch (const EInvalidGraphic&) {
            ++rejected;
        }
    }
    EXPECT_GT(rejected, 100);
}

TEST(TspPngImageTest, DisabledCopyAlphaRules)
{
    TspPngImage rgba = LoadData("png_rgba.png");
    rgba.At(0, 1).A = 1;
    rgba.At(0, 2).A = 3;
    TspPngImage d = rgba.DisabledCopy();
    EXPECT_EQ(d.At(0, 0).A, 128);  // Round(255 / 2) = Round(127.5), ties to even
    EXPECT_EQ(d.At(0, 1).A, 0);    // Round(0.5) = 0
    EXPECT_EQ(d.At(0, 2).A, 2);    // Round(1.5) = 2
    EXPECT_EQ(d.At(8, 8).A, 64);   // Round(63.5) = 64
    EXPECT_EQ(rgba.At(0, 0).A, 255) << "the item's own picture is untouched";

    TspPngImage pal = LoadData("png_palette.png").DisabledCopy();
    EXPECT_EQ(pal.At(0, 0).A, 0);     // the transparent palette colour
    EXPECT_EQ(pal.At(15, 15).A, 127);  // everything else at k
    EXPECT_EQ(LoadData("png_rgb.png").DisabledCopy().At(0, 0).A, 128);
}

void Fill(TspBitmap& b, int w, int h, TspColor c)
{
    b.SetSize(w, h);
    b.Clear(c);
}

TEST(TspPngImageListTest, SizeChangesRemoveItemsExceptWhileLoading)
{
    TspPngImageList list(nullptr);
    list.PngImages().Add()->SetPngImage(LoadData("png_rgba.png"));
    list.PngImages().Add();
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PngImages().Items(1)->Name(), L"PngImage1");
    EXPECT_EQ(list.PngImages().Items(1)->DisplayName(), L"PngImage1");
    list.SetPngWidth(16);  // unchanged: kept
    EXPECT_EQ(list.Count(), 2);
    list.BeginLoading();
    list.SetPngWidth(24);
    EXPECT_EQ(list.Count(), 2);
    list.Loaded();
    list.SetPngHeight(24);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.PngWidth(), 24);
}

std::string Hex(const std::string& name)
{
    std::ifstream f(std::filesystem::path(test::SourcePath("tests/data/raster/" + name)), std::ios::binary);
    std::string out;
    static const char* digits = "0123456789ABCDEF";
    for (char c; f.get(c);) {
        out += digits[(static_cast<unsigned char>(c) >> 4) & 15];
        out += digits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

// Tests that a list comes from a form description with its items, the size set during loading
// keeping them; a corrupt picture in the description is a load error naming the property.
TEST(TspPngImageListTest, LoadsFromADescription)
{
    RegisterRasterClasses();
    std::string text = "object Root: TComponent\n"
                       "  object Glyphs: TspPngImageList\n"
                       "    PngImages = <\n"
                       "      item\n        Name = 'PngImage1'\n        PngImage = {" + Hex("png_rgba.png") + "}\n      end\n"
                       "      item\n        Name = 'PngImage0'\n        PngImage = {" + Hex("png_palette.png") + "}\n      end>\n"
                       "    PngWidth = 24\n"
                       "  end\n"
                       "end\n";
    TComponent root(nullptr);
    LoadComponentTree(root, ParseFormDescription(text));
    auto* list = dynamic_cast<TspPngImageList*>(root.FindComponent(L"Glyphs"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Count(), 2);  // the new width came while loading: the items stay
    EXPECT_EQ(list->PngWidth(), 24);
    EXPECT_EQ(list->PngImages().Items(0)->Name(), L"PngImage1");
    EXPECT_EQ(list->PngImages().Items(1)->PngImage().ColorType, 3);
    EXPECT_FALSE(list->IsLoading());

    std::string bad = text;
    bad.replace(bad.find(Hex("png_palette.png")), 8, "00000000");
    TComponent root2(nullptr);
    try {
        LoadComponentTree(root2, ParseFormDescription(bad));
        ADD_FAILURE() << "loaded";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(L"PNG"), std::wstring::npos) << WideToUtf8(e.Message());
    }
}

// Tests that an enabled draw onto a surface of alpha 0 leaves alpha 255 exactly under the opaque
// parts of the picture and 0 under its clear parts, with the colours blended.
TEST(TspPngImageListTest, EnabledDrawKeepsSurfaceAlpha)
{
    TspPngImageList list(nullptr);
    list.PngImages().Add()->SetPngImage(LoadData("png_rgba.png"));
    TspBitmap surface;
    Fill(surface, 20, 20, MakePixel(0, 0, 200, 0));
    DrawPngListImage(&list, 0, surface, 2, 2, true);
    EXPECT_EQ(surface.GetPixel(2, 2), MakePixel(255, 0, 0, 255));   // opaque red
    EXPECT_EQ(surface.GetPixel(12, 2), MakePixel(0, 0, 200, 0));    // clear: untouched
    // Green at alpha 127 over blue 200: colour blended; the alpha comes from white blended at
    // 127 over the surface's alpha 0 in the mask: (255 * 127) >> 8 = 126.
    TspColor half = surface.GetPixel(12, 12);
    EXPECT_EQ(PixelG(half), (255 * 127 + 127) / 255);
    EXPECT_EQ(PixelB(half), (200 * 128 + 127) / 255);
    EXPECT_EQ(PixelA(half), 126);
    EXPECT_EQ(surface.GetPixel(1, 1), MakePixel(0, 0, 200, 0));     // outside the image
    EXPECT_EQ(surface.GetPixel(18, 18), MakePixel(0, 0, 200, 0));

    // On an opaque surface everything stays opaque.
    Fill(surface, 16, 16, MakePixel(0, 0, 200, 255));
    DrawPngListImage(&list, 0, surface, 0, 0, true);
    EXPECT_EQ(PixelA(surface.GetPixel(12, 12)), 255);
    EXPECT_EQ(PixelA(surface.GetPixel(12, 2)), 255);
}

TEST(TspPngImageListTest, DisabledDrawKeepsTheSurfacesAlpha)
{
    TspPngImageList list(nullptr);
    list.PngImages().Add()->SetPngImage(LoadData("png_palette.png"));
    TspBitmap surface;
    Fill(surface, 16, 16, MakePixel(0, 0, 0, 77));
    DrawPngListImage(&list, 0, surface, 0, 0, false);
    // Blue at alpha 127 over black, the surface keeps alpha 77; the transparent colour is clear.
    EXPECT_EQ(surface.GetPixel(15, 15), MakePixel(0, 0, (255 * 127 + 127) / 255, 77));
    EXPECT_EQ(surface.GetPixel(0, 0), MakePixel(0, 0, 0, 77));
}

TEST(TspPngImageListTest, IndexOutsideDrawsNothing)
{
    TspPngImageList list(nullptr);
    list.PngImages().Add()->SetPngImage(LoadData("png_rgb.png"));
    TspBitmap surface;
    Fill(surface, 16, 16, 0x11223344);
    for (int index : {-1, 1})
        DrawPngListImage(&list, index, surface, 0, 0, true);
    DrawPngListImage(nullptr, 0, surface, 0, 0, true);
    list.Draw(surface, 0, 0, 5, true);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(surface.GetPixel(x, y), 0x11223344u);
    // Partly outside the surface: drawn where it lands, nothing beyond.
    DrawPngListImage(&list, 0, surface, 10, -4, true);
    EXPECT_EQ(surface.GetPixel(12, 0), MakePixel(10, 200, 30, 255));
    EXPECT_EQ(surface.GetPixel(9, 0), 0x11223344u);
}

// A size x size picture in quadrants: red, green / blue, clear; through the PNG codec.
TspPngImage Quadrants(int size)
{
    TspBitmap b;
    b.SetSize(size, size);
    const int h = size / 2;
    b.FillRect(Rect(0, 0, h, h), MakePixel(255, 0, 0, 255));
    b.FillRect(Rect(h, 0, size, h), MakePixel(0, 255, 0, 255));
    b.FillRect(Rect(0, h, h, size), MakePixel(0, 0, 255, 255));
    TspPngImage png;
    png.LoadFromBytes(EncodePng(b));
    return png;
}

// Tests that pictures larger and smaller than the list's cell are scaled into it, not cut: each
// quadrant lands in its quarter of the 16 x 16 cell, and the alpha the surface ends with follows
// the scaled picture.
TEST(TspPngImageListTest, PictureOfAnotherSizeIsScaledIntoTheCell)
{
    for (int size : {32, 8}) {
        TspPngImageList list(nullptr);
        list.PngImages().Add()->SetPngImage(Quadrants(size));
        TspBitmap surface;
        Fill(surface, 20, 20, MakePixel(9, 9, 9, 0));
        DrawPngListImage(&list, 0, surface, 2, 2, true);
        const struct {
            int x, y;
            TspColor expected;
        } probes[] = {
            {2, 2, MakePixel(255, 0, 0, 255)},   {9, 9, MakePixel(255, 0, 0, 255)},
            {10, 2, MakePixel(0, 255, 0, 255)},  {17, 9, MakePixel(0, 255, 0, 255)},
            {2, 10, MakePixel(0, 0, 255, 255)},  {9, 17, MakePixel(0, 0, 255, 255)},
            {10, 10, MakePixel(9, 9, 9, 0)},     {17, 17, MakePixel(9, 9, 9, 0)},
            {18, 18, MakePixel(9, 9, 9, 0)},  // beyond the cell
        };
        for (const auto& p : probes)
            EXPECT_EQ(surface.GetPixel(p.x, p.y), p.expected) << size << ": " << p.x << "," << p.y;

        Fill(surface, 16, 16, MakePixel(9, 9, 9, 255));
        list.Draw(surface, 0, 0, 0, false);
        // Disabled: the green quadrant at half alpha over grey 9, scaled like the enabled look.
        EXPECT_EQ(surface.GetPixel(15, 0), MakePixel(4, (255 * 128 + 9 * 127 + 127) / 255, 4, 255)) << size;
    }
}

TEST(TspPngImageListTest, KeyedPathForOtherLists)
{
    TspBitmap surface;
    Fill(surface, 4, 1, 0x10101010);
    DrawKeyedListImage(4, 1, [](TspBitmap& b) {
        b.SetPixel(1, 0, MakePixel(0x7C, 3, 0x80, 0));  // within 5 of the key: a hole
        b.SetPixel(2, 0, MakePixel(1, 2, 3, 0));
    }, surface, 0, 0);
    EXPECT_EQ(surface.GetPixel(0, 0), 0x10101010u);
    EXPECT_EQ(surface.GetPixel(1, 0), 0x10101010u);
    EXPECT_EQ(surface.GetPixel(2, 0), MakePixel(1, 2, 3, 255));
}

} // namespace
} // namespace vt
