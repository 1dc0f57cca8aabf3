#include "framework/base/exceptions.h"
#include "skin/bmp_codec.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::MakePicture;

void P16(std::vector<uint8_t>& v, uint16_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void P32(std::vector<uint8_t>& v, uint32_t x) { test::Put32(v, static_cast<int32_t>(x)); }

// A BMP built field by field: info header (40 bytes) or core header (12), optional masks, table,
// then the given pixel bytes.
std::vector<uint8_t> Bmp(int32_t w, int32_t h, uint16_t bpp, uint32_t compression, uint32_t clrUsed,
                         const std::vector<uint8_t>& table, const std::vector<uint8_t>& pixels,
                         const std::vector<uint32_t>& masks = {}, bool core = false, uint32_t sizeImage = 0)
{
    std::vector<uint8_t> v = {'B', 'M'};
    P32(v, 0);  // size field: ignored by the reader
    P32(v, 0);
    P32(v, 0);
    if (core) {
        P32(v, 12);
        P16(v, uint16_t(w));
        P16(v, uint16_t(h));
        P16(v, 1);
        P16(v, bpp);
    } else {
        P32(v, 40);
        P32(v, uint32_t(w));
        P32(v, uint32_t(h));
        P16(v, 1);
        P16(v, bpp);
        P32(v, compression);
        P32(v, sizeImage);
        P32(v, 0);
        P32(v, 0);
        P32(v, clrUsed);
        P32(v, 0);
    }
    for (uint32_t m : masks)
        P32(v, m);
    v.insert(v.end(), table.begin(), table.end());
    v.insert(v.end(), pixels.begin(), pixels.end());
    return v;
}

TPixelImage Read(const std::vector<uint8_t>& bytes, int64_t* endPos = nullptr)
{
    TMemoryStream m(bytes);
    TPixelImage img;
    ReadBitmapRecord(m, img);
    if (endPos)
        *endPos = m.Position();
    return img;
}

// Tests that pictures of every depth written by the writer read back pixel for pixel, with the
// depth kept, and that the record ends exactly where the next one starts.
TEST(Bmp, WriterOutputReadsBackExactly)
{
    for (TPixelFormat f : {TPixelFormat::pf1bit, TPixelFormat::pf8bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        for (auto [w, h] : {std::pair{1, 1}, {7, 3}, {33, 17}}) {
            TPixelImage p = MakePicture(w, h, f, 1);
            std::vector<uint8_t> bytes = test::BitmapBytes(p);
            std::vector<uint8_t> two = bytes;
            two.insert(two.end(), bytes.begin(), bytes.end());
            TMemoryStream m(two);
            TPixelImage a, b;
            ReadBitmapRecord(m, a);
            EXPECT_EQ(m.Position(), static_cast<int64_t>(bytes.size()));
            ReadBitmapRecord(m, b);
            EXPECT_EQ(a, p) << int(f) << " " << w << "x" << h;
            EXPECT_EQ(b, p);
        }
    }
}

// Tests decoding of forms the writer never makes: core header, 4-bit, 16-bit 5-5-5 and 5-6-5
// bit fields, 32-bit bit fields, top-down rows, and an out-of-table index.
TEST(Bmp, DecodesHeadersDepthsAndMasks)
{
    // Core header, 1 bpp, 3-byte table entries, 2 x 2.
    TPixelImage core = Read(Bmp(2, 2, 1, 0, 0, {0, 0, 255, 255, 0, 0}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}, {}, true));
    EXPECT_EQ(core.At(0, 1), (TPixel{255, 0, 0, 255}));  // bottom row first: index 1
    EXPECT_EQ(core.At(1, 1), (TPixel{0, 0, 255, 255}));
    EXPECT_EQ(core.At(1, 0), (TPixel{255, 0, 0, 255}));

    // 4 bpp with two used colours; index 5 is outside the table and reads black.
    TPixelImage four = Read(Bmp(2, 1, 4, 0, 2, {1, 2, 3, 0, 4, 5, 6, 0}, {0x15, 0, 0, 0}));
    EXPECT_EQ(four.At(0, 0), (TPixel{4, 5, 6, 255}));
    EXPECT_EQ(four.At(1, 0), (TPixel{0, 0, 0, 255}));
    EXPECT_EQ(four.Format, TPixelFormat::pf4bit);

    // 16 bpp: default 5-5-5, then 5-6-5 bit fields; pure red in both.
    TPixelImage rgb555 = Read(Bmp(1, 1, 16, 0, 0, {}, {0x00, 0x7C, 0, 0}));
    EXPECT_EQ(rgb555.At(0, 0), (TPixel{0, 0, 255, 255}));
    TPixelImage rgb565 = Read(Bmp(1, 1, 16, 3, 0, {}, {0xE0, 0x07, 0, 0}, {0xF800, 0x07E0, 0x001F}));
    EXPECT_EQ(rgb565.At(0, 0), (TPixel{0, 255, 0, 255}));

    // 32 bpp bit fields in an unusual order, top-down (negative height).
    TPixelImage bf = Read(Bmp(1, -2, 32, 3, 0, {}, {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0},
                              {0x000000FF, 0x0000FF00, 0x00FF0000}));
    EXPECT_EQ(bf.At(0, 0), (TPixel{0x33, 0x22, 0x11, 255}));
    EXPECT_EQ(bf.At(0, 1), (TPixel{0x66, 0x55, 0x44, 255}));
}

// Tests 16-bit bit fields with an alpha mask (a 56-byte header): mask bits beyond the pixel's 16
// select nothing, so such an alpha reads opaque, never transparent; a real alpha bit survives a
// write and read back.
TEST(Bmp, SixteenBitAlphaMaskKeepsToThePixel)
{
    auto withAlphaMask = [](const std::vector<uint8_t>& pixels, const std::vector<uint32_t>& masks) {
        std::vector<uint8_t> bytes = Bmp(1, 1, 16, 3, 0, {}, pixels, masks);
        bytes[14] = 56;  // the four masks are part of the header
        return bytes;
    };
    const TPixelImage beyond = Read(withAlphaMask({0x00, 0xF8, 0, 0}, {0xF800, 0x07E0, 0x001F, 0x10000}));
    EXPECT_EQ(beyond.At(0, 0), (TPixel{0, 0, 255, 255}));

    const TPixelImage clear = Read(withAlphaMask({0x00, 0x7C, 0, 0}, {0x7C00, 0x03E0, 0x001F, 0x8000}));
    EXPECT_EQ(clear.At(0, 0), (TPixel{0, 0, 255, 0}));
    EXPECT_EQ(Read(test::BitmapBytes(clear)).Pixels, clear.Pixels);
}

// Tests that an 8-bit record without a used-colours count carries 256 entries (1,024 bytes) and
// that the next record starts right after its rows.
TEST(Bmp, EightBitFullTableMeasuresTheRecordEnd)
{
    std::vector<uint8_t> table(1024, 0);
    table[4 * 7 + 2] = 200;  // entry 7: red 200
    std::vector<uint8_t> rec = Bmp(3, 1, 8, 0, 0, table, {7, 7, 7, 0});
    std::vector<uint8_t> next = test::BitmapBytes(MakePicture(2, 2, TPixelFormat::pf24bit));
    std::vector<uint8_t> both = rec;
    both.insert(both.end(), next.begin(), next.end());
    int64_t end = 0;
    TPixelImage a = Read(both, &end);
    EXPECT_EQ(end, static_cast<int64_t>(rec.size()));
    EXPECT_EQ(a.At(2, 0), (TPixel{0, 0, 200, 255}));
}

// Tests the run-length forms: decoded, and taking every remaining byte of the stream.
TEST(Bmp, RunLengthRecordTakesTheRest)
{
    std::vector<uint8_t> table(8, 0);
    table[4] = 9;  // entry 1: blue 9
    // RLE8, 4 x 2: row 0 = run of 3 x index 1, end of line; row 1 = absolute 1,0,1; end of bitmap.
    std::vector<uint8_t> rle = {3, 1, 0, 0, 0, 3, 1, 0, 1, 0, 0, 1};
    std::vector<uint8_t> rec = Bmp(4, 2, 8, 1, 2, table, rle, {}, false, uint32_t(rle.size()));
    std::vector<uint8_t> withTail = rec;
    withTail.insert(withTail.end(), {'[', 'x', ']'});
    int64_t end = 0;
    TPixelImage img = Read(withTail, &end);
    EXPECT_EQ(end, static_cast<int64_t>(withTail.size()));
    EXPECT_EQ(img.At(0, 1).B, 9);
    EXPECT_EQ(img.At(3, 1).B, 0);
    EXPECT_EQ(img.At(0, 0).B, 9);
    EXPECT_EQ(img.At(1, 0).B, 0);
}

// Tests that malformed records raise a clear error and never read or allocate past the data.
TEST(Bmp, MalformedRecordsRaise)
{
    std::vector<uint8_t> good = test::BitmapBytes(MakePicture(4, 4, TPixelFormat::pf24bit));
    std::vector<uint8_t> truncatedRows(good.begin(), good.end() - 5);
    std::vector<uint8_t> badSig = good;
    badSig[0] = 'X';
    std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 20);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const wchar_t* message;  // null: a stream read error
    };
    const Case cases[] = {
        {"colour table over 1,024 bytes", Bmp(1, 1, 8, 0, 257, std::vector<uint8_t>(1028), {0, 0, 0, 0}),
         L"colour table"},
        {"rows cut short", truncatedRows, nullptr},
        {"no signature", badSig, L"not valid"},
        {"header cut short", headerOnly, nullptr},
        {"bad depth", Bmp(1, 1, 7, 0, 0, {}, {0, 0, 0, 0}), L"bits per pixel"},
        {"RLE8 at 24 bits", Bmp(1, 1, 24, 1, 0, {}, {0, 0, 0, 0}), L"compression"},
        {"huge", Bmp(30000, 30000, 1, 0, 0, std::vector<uint8_t>(8), {}), L"too large"},
        {"negative width", Bmp(-4, 4, 24, 0, 0, {}, {}), L"negative width"},
        {"header size 13", [] {
             std::vector<uint8_t> v = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13, 0, 0, 0};
             v.resize(60);
             return v;
         }(), L"header size"},
    };
    for (const auto& c : cases) {
        try {
            Read(c.bytes);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const EInvalidGraphic& e) {
            ASSERT_NE(c.message, nullptr) << c.name;
            EXPECT_NE(e.Message().find(c.message), std::wstring::npos) << c.name << ": " << e.what();
            EXPECT_EQ(e.Message().rfind(L"Bitmap image is not valid", 0), 0u) << c.name;
        } catch (const EReadError&) {
            EXPECT_EQ(c.message, nullptr) << c.name;
        }
    }
}

// Tests that an empty picture is written as a readable 0 x 0 record.
TEST(Bmp, EmptyPictureRoundTrips)
{
    std::vector<uint8_t> bytes = test::BitmapBytes(TPixelImage{});
    EXPECT_EQ(bytes.size(), 54u);
    EXPECT_TRUE(Read(bytes).Empty());
}

} // namespace
} // namespace vt
