#include "framework/base/exceptions.h"
#include "skin/jpeg_codec.h"
#include "skin/skin_cursors.h"
#include "skin/skin_data.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace vt {
namespace {

// A w x h JPEG of one flat colour, made with libjpeg's encoder.
std::vector<uint8_t> FlatJpeg(int w, int h, uint8_t r, uint8_t g, uint8_t b)
{
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[3 * x] = r;
        row[3 * x + 1] = g;
        row[3 * x + 2] = b;
    }
    while (c.next_scanline < c.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&c, &p, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> out(mem, mem + size);
    std::free(mem);
    return out;
}

// Tests that a folder skin's ".jpg" picture is decoded as JPEG at its own size, while a BMP
// stored under a JPEG name (as StoreToDisk may leave it) still loads.
TEST(Jpeg, FolderSkinPicturesDecode)
{
    test::ScratchDir dir("jpeg-folder");
    std::wstring def = test::TestDefinition();
    def.replace(def.find(L"picture=main.bmp"), 16, L"picture=main.jpg");
    def.replace(def.find(L"0=act0.bmp"), 10, L"0=act0.jpeg");
    std::wstring path = test::WriteTestSkinFolder(dir, def);
    std::vector<uint8_t> jpg = FlatJpeg(24, 10, 200, 100, 50);
    WriteFileBytes(dir.File("main.jpg"), jpg.data(), jpg.size());
    std::vector<uint8_t> bmp = ReadFileBytes(dir.File("act0.bmp"));
    WriteFileBytes(dir.File("act0.jpeg"), bmp.data(), bmp.size());

    TspSkinData sd(nullptr);
    TSkinCursorNames cursors;
    sd.SetCursorTable(&cursors);
    sd.LoadFromFile(path);
    ASSERT_FALSE(sd.Empty);
    EXPECT_EQ(sd.FPicture.Width, 24);
    EXPECT_EQ(sd.FPicture.Height, 10);
    const TPixel& px = sd.FPicture.At(5, 5);
    EXPECT_NEAR(px.R, 200, 3);
    EXPECT_NEAR(px.G, 100, 3);
    EXPECT_NEAR(px.B, 50, 3);
    EXPECT_EQ(*sd.FActivePictures[0], test::MakePicture(9, 5, TPixelFormat::pf32bit, 3));
}

// Tests that the JPEG rule reads the picture's name, never its folder: a BMP name in a folder
// called "*.jpg" is loaded (and fails) as a BMP.
TEST(Jpeg, RuleLooksAtTheNameOnly)
{
    const std::pair<const wchar_t*, bool> names[] = {
        {L"a.jpg", true}, {L"a.jpeg", true}, {L"a.jpg.bmp", true}, {L"A.JPG", false}, {L"a.bmp", false}};
    for (const auto& [name, jpeg] : names)
        EXPECT_EQ(IsJpegPictureName(name), jpeg) << WideToUtf8(name);

    test::ScratchDir dir("in.jpg");
    std::wstring path = test::WriteTestSkinFolder(dir);
    const uint8_t junk[] = {'X', 'X', 'X', 'X', 'X', 'X', 'X', 'X'};
    WriteFileBytes(dir.File("main.bmp"), junk, sizeof junk);
    TspSkinData sd(nullptr);
    TSkinCursorNames cursors;
    sd.SetCursorTable(&cursors);
    try {
        sd.LoadFromFile(path);
        ADD_FAILURE() << "a junk picture loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(std::string(e.what()).find("Bitmap image is not valid"), std::string::npos) << e.what();
    }
}

// Tests that corrupt or cut JPEG data raises EInvalidGraphic with libjpeg's reason.
TEST(Jpeg, CorruptDataRaises)
{
    std::vector<uint8_t> jpg = FlatJpeg(16, 16, 1, 2, 3);
    std::vector<uint8_t> cut(jpg.begin(), jpg.begin() + 20);
    std::vector<uint8_t> junk = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};
    for (const auto* bytes : {&cut, &junk}) {
        TPixelImage img;
        try {
            DecodeJpeg(bytes->data(), bytes->size(), img);
            ADD_FAILURE() << "accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message().rfind(L"JPEG image is not valid: ", 0), 0u) << e.what();
        }
    }
    TPixelImage img;
    EXPECT_THROW(DecodeJpeg(nullptr, 0, img), EInvalidGraphic);
}

} // namespace
} // namespace vt
