#include "skin/bmp_codec.h"

#include "framework/base/exceptions.h"
#include "framework/base/strings.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace vt {

namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitFields = 3;

[[noreturn]] void Invalid(const wchar_t* detail = nullptr)
{
    if (detail)
        throw EInvalidGraphic(String(L"Bitmap image is not valid: ") + detail);
    throw EInvalidGraphic(L"Bitmap image is not valid");
}

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
void Put16(std::vector<uint8_t>& v, uint16_t x)
{
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x)
{
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Channel(uint32_t m = 0) : mask(m)
    {
        if (!m)
            return;
        while (!((m >> shift) & 1))
            ++shift;
        while (bits + shift < 32 && ((m >> (shift + bits)) & 1))
            ++bits;
    }
    uint8_t Get(uint32_t px) const
    {
        if (!bits)
            return 0;
        uint32_t v = (px & mask) >> shift;
        if (bits >= 8)
            return static_cast<uint8_t>(v >> (bits - 8));
        return static_cast<uint8_t>(v * 255 / ((1u << bits) - 1));
    }
};

struct Header {
    int32_t width = 0;
    int32_t height = 0;  // absolute
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    uint32_t masks[4] = {0, 0, 0, 0};
    bool hasAlphaMask = false;
};

void DecodeRle(const uint8_t* data, size_t size, const Header& h, std::vector<uint8_t>& indexes)
{
    const bool four = h.compression == kBiRle4;
    int64_t x = 0, y = 0;  // y counts rows from the bottom
    auto put = [&](uint8_t idx) {
        if (x < h.width && y < h.height)
            indexes[static_cast<size_t>(y) * h.width + x] = idx;
        ++x;
    };
    size_t i = 0;
    while (i + 1 < size) {
        uint8_t n = data[i], v = data[i + 1];
        i += 2;
        if (n > 0) {
            for (int k = 0; k < n; ++k)
                put(four ? ((k & 1) ? (v & 0x0F) : (v >> 4)) : v);
            continue;
        }
        if (v == 0) {
            x = 0;
            ++y;
        } else if (v == 1) {
            return;
        } else if (v == 2) {
            if (i + 1 >= size)
                return;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {
            size_t bytes = four ? (v + 1) / 2 : v;
            for (int k = 0; k < v && i + (four ? k / 2 : k) < size; ++k) {
                uint8_t b = data[i + (four ? k / 2 : k)];
                put(four ? ((k & 1) ? (b & 0x0F) : (b >> 4)) : b);
            }
            i += (bytes + 1) & ~size_t(1);
        }
        if (y >= h.height)
            return;
    }
}

} // namespace

void ReadBitmapRecord(TStream& stream, TPixelImage& image)
{
    uint8_t fh[14];
    stream.ReadBuffer(fh, sizeof fh);
    if (fh[0] != 'B' || fh[1] != 'M')
        Invalid(L"no \"BM\" signature");
    uint8_t sizeBytes[4];
    stream.ReadBuffer(sizeBytes, 4);
    uint32_t headerSize = U32(sizeBytes);
    Header h;
    uint32_t clrUsed = 0;
    bool core = headerSize == 12;
    if (core) {
        uint8_t b[8];
        stream.ReadBuffer(b, 8);
        h.width = U16(b);
        h.height = U16(b + 2);
        h.bpp = U16(b + 6);
    } else if (headerSize >= 40 && headerSize <= 256) {
        uint8_t b[252];
        stream.ReadBuffer(b, headerSize - 4);
        int32_t w = static_cast<int32_t>(U32(b));
        int32_t ht = static_cast<int32_t>(U32(b + 4));
        h.bpp = U16(b + 10);
        h.compression = U32(b + 12);
        h.sizeImage = U32(b + 16);
        clrUsed = U32(b + 28);
        if (w < 0 || ht == INT32_MIN)
            Invalid(L"negative width");
        h.width = w;
        h.topDown = ht < 0;
        h.height = ht < 0 ? -ht : ht;
        if (headerSize >= 52) {
            for (int i = 0; i < 3; ++i)
                h.masks[i] = U32(b + 36 + 4 * i);
        }
        if (headerSize >= 56) {
            h.masks[3] = U32(b + 48);
            h.hasAlphaMask = h.masks[3] != 0;
        }
    } else {
        Invalid(L"unknown header size");
    }

    if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
        Invalid(L"unsupported bits per pixel");
    if (h.compression > kBiBitFields || (h.compression == kBiRle8 && h.bpp != 8) ||
        (h.compression == kBiRle4 && h.bpp != 4) ||
        (h.compression == kBiBitFields && h.bpp != 16 && h.bpp != 32))
        Invalid(L"unsupported compression");
    const bool rle = h.compression == kBiRle8 || h.compression == kBiRle4;
    if (rle && h.topDown)
        Invalid(L"top-down run-length bitmap");
    if (h.width > kMaxBitmapSide || h.height > kMaxBitmapSide ||
        static_cast<int64_t>(h.width) * h.height > kMaxBitmapPixels)
        Invalid(L"picture too large");

    if (h.compression == kBiBitFields && headerSize == 40) {
        uint8_t m[12];
        stream.ReadBuffer(m, 12);
        for (int i = 0; i < 3; ++i)
            h.masks[i] = U32(m + 4 * i);
    }

    uint64_t entries = clrUsed ? clrUsed : (h.bpp <= 8 ? (1u << h.bpp) : 0);
    uint64_t entrySize = core ? 3 : 4;
    if (entries * entrySize > 1024)
        Invalid(L"colour table over 1,024 bytes");
    uint8_t table[1024];
    stream.ReadBuffer(table, static_cast<int64_t>(entries * entrySize));
    TPixel palette[256];
    size_t paletteCount = static_cast<size_t>(std::min<uint64_t>(entries, 256));
    for (size_t i = 0; i < paletteCount; ++i) {
        const uint8_t* e = table + i * entrySize;
        palette[i] = TPixel{e[0], e[1], e[2], 255};
    }

    const uint64_t rowSize = (static_cast<uint64_t>(h.width) * h.bpp + 31) / 32 * 4;
    const uint64_t needed = rowSize * h.height;
    const int64_t remaining = std::max<int64_t>(stream.Size() - stream.Position(), 0);
    uint64_t dataSize;
    if (rle)
        dataSize = static_cast<uint64_t>(remaining);
    else if (h.compression == kBiRgb || h.compression == kBiBitFields || h.sizeImage == 0)
        dataSize = needed;
    else
        dataSize = h.sizeImage;
    dataSize = std::min<uint64_t>(dataSize, static_cast<uint64_t>(remaining));
    // Uncompressed rows are measured from the header, so only the end of the data cuts them.
    if (!rle && dataSize < needed)
        throw EReadError(L"Stream read error: the bitmap's pixel rows are cut short");

    // Rows are decoded in place from a memory stream; other streams are read into a buffer.
    std::vector<uint8_t> buffer;
    const uint8_t* pixelData;
    if (auto* mem = dynamic_cast<TMemoryStream*>(&stream)) {
        pixelData = mem->Memory() + mem->Position();
        mem->Seek(static_cast<int64_t>(dataSize), TSeekOrigin::soCurrent);
    } else {
        buffer.resize(static_cast<size_t>(dataSize));
        if (dataSize)
            stream.ReadBuffer(buffer.data(), static_cast<int64_t>(dataSize));
        pixelData = buffer.data();
    }

    TPixelImage out;
    out.Width = h.width;
    out.Height = h.height;
    out.Format = static_cast<TPixelFormat>(h.bpp);
    out.Pixels.resize(static_cast<size_t>(h.width) * h.height);
    if (out.Pixels.empty()) {
        out.Width = out.Height = 0;
        image = std::move(out);
        return;
    }

    auto rowOut = [&](int64_t fileRow) -> TPixel* {
        int64_t y = h.topDown ? fileRow : h.height - 1 - fileRow;
        return out.Pixels.data() + static_cast<size_t>(y) * h.width;
    };
    auto fromPalette = [&](uint32_t idx) {
        return idx < paletteCount ? palette[idx] : TPixel{0, 0, 0, 255};
    };

    if (rle) {
        std::vector<uint8_t> idx(static_cast<size_t>(h.width) * h.height, 0);
        DecodeRle(pixelData, static_cast<size_t>(dataSize), h, idx);
        for (int64_t r = 0; r < h.height; ++r) {
            TPixel* dst = rowOut(r);
            const uint8_t* src = idx.data() + static_cast<size_t>(r) * h.width;
            for (int32_t x = 0; x < h.width; ++x)
                dst[x] = fromPalette(src[x]);
        }
        image = std::move(out);
        return;
    }

    Channel cr, cg, cb, ca;
    if (h.bpp == 16 || h.bpp == 32) {
        if (h.compression == kBiBitFields) {
            // Mask bits beyond the pixel's own select nothing: a channel left without bits reads
            // 0, or opaque for alpha.
            const uint32_t pixelBits = h.bpp == 16 ? 0xFFFFu : 0xFFFFFFFFu;
            cr = Channel(h.masks[0] & pixelBits);
            cg = Channel(h.masks[1] & pixelBits);
            cb = Channel(h.masks[2] & pixelBits);
            ca = Channel(h.hasAlphaMask ? h.masks[3] & pixelBits : 0);
        } else if (h.bpp == 16) {
            cr = Channel(0x7C00);
            cg = Channel(0x03E0);
            cb = Channel(0x001F);
        }
    }
    for (int64_t r = 0; r < h.height; ++r) {
        const uint8_t* src = pixelData + r * rowSize;
        TPixel* dst = rowOut(r);
        switch (h.bpp) {
        case 1:
        case 4:
        case 8: {
            const int perByte = 8 / h.bpp;
            const uint32_t mask = (1u << h.bpp) - 1;
            for (int32_t x = 0; x < h.width; ++x) {
                int shift = (perByte - 1 - x % perByte) * h.bpp;
                dst[x] = fromPalette((src[x / perByte] >> shift) & mask);
            }
            break;
        }
        case 16:
            for (int32_t x = 0; x < h.width; ++x) {
                uint32_t px = U16(src + 2 * x);
                dst[x] = TPixel{cb.Get(px), cg.Get(px), cr.Get(px), ca.bits ? ca.Get(px) : uint8_t(255)};
            }
            break;
        case 24:
            for (int32_t x = 0; x < h.width; ++x, src += 3)
                dst[x] = TPixel{src[0], src[1], src[2], 255};
            break;
        case 32:
            if (h.compression == kBiRgb) {
                std::memcpy(dst, src, static_cast<size_t>(h.width) * 4);
            } else {
                for (int32_t x = 0; x < h.width; ++x) {
                    uint32_t px = U32(src + 4 * x);
                    dst[x] = TPixel{cb.Get(px), cg.Get(px), cr.Get(px), ca.bits ? ca.Get(px) : uint8_t(255)};
                }
            }
            break;
        }
    }
    image = std::move(out);
}

void WriteBitmap(TStream& stream, const TPixelImage& image)
{
    if (image.Empty()) {
        // A 0 x 0 record keeps the stream readable; the reader gives an empty picture back.
        TPixelImage none;
        none.Format = TPixelFormat::pf24bit;
        if (!image.Pixels.empty() || image.Width != 0 || image.Height != 0)
            return WriteBitmap(stream, none);
    }
    if (image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height)
        throw EInvalidGraphic(L"Bitmap image is not valid: pixel count does not match its size");

    int bpp = image.Empty() ? 24 : static_cast<int>(image.Format);
    std::vector<TPixel> palette;
    std::vector<uint8_t> indexes;
    if (bpp <= 8) {
        const size_t limit = size_t(1) << bpp;
        std::unordered_map<uint32_t, uint8_t> seen;
        indexes.resize(image.Pixels.size());
        for (size_t i = 0; i < image.Pixels.size() && bpp <= 8; ++i) {
            const TPixel& p = image.Pixels[i];
            uint32_t key = p.B | p.G << 8 | p.R << 16;
            auto it = seen.find(key);
            if (it == seen.end()) {
                if (palette.size() == limit) {
                    bpp = 24;
                    palette.clear();
                    break;
                }
                it = seen.emplace(key, static_cast<uint8_t>(palette.size())).first;
                palette.push_back(TPixel{p.B, p.G, p.R, 0});
            }
            indexes[i] = it->second;
        }
        if (bpp <= 8)
            palette.resize(limit);
    } else if (bpp == 16) {
        // A 16-bit picture read with an alpha mask keeps its alpha in a 32-bit record.
        const bool opaque = std::all_of(image.Pixels.begin(), image.Pixels.end(),
                                        [](const TPixel& p) { return p.A == 255; });
        bpp = opaque ? 24 : 32;
    }

    const uint64_t rowSize = (static_cast<uint64_t>(image.Width) * bpp + 31) / 32 * 4;
    const uint64_t imageSize = rowSize * image.Height;
    const uint64_t tableSize = palette.size() * 4;
    const uint64_t offBits = 14 + 40 + tableSize;
    if (offBits + imageSize > 0x7FFFFFFF)
        throw EInvalidGraphic(L"Bitmap image is too large to write");

    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(offBits + imageSize));
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(offBits + imageSize));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(offBits));
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.Width));
    Put32(out, static_cast<uint32_t>(image.Height));
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(bpp));
    Put32(out, kBiRgb);
    Put32(out, static_cast<uint32_t>(imageSize));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (const TPixel& p : palette) {
        out.push_back(p.B);
        out.push_back(p.G);
        out.push_back(p.R);
        out.push_back(0);
    }
    std::vector<uint8_t> row(static_cast<size_t>(rowSize));
    for (int32_t y = image.Height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const size_t base = static_cast<size_t>(y) * image.Width;
        const TPixel* src = image.Pixels.data() + base;
        switch (bpp) {
        case 1:
        case 4:
        case 8: {
            const int perByte = 8 / bpp;
            for (int32_t x = 0; x < image.Width; ++x) {
                int shift = (perByte - 1 - x % perByte) * bpp;
                row[x / perByte] |= static_cast<uint8_t>(indexes[base + x] << shift);
            }
            break;
        }
        case 24:
            for (int32_t x = 0; x < image.Width; ++x) {
                row[3 * x] = src[x].B;
                row[3 * x + 1] = src[x].G;
                row[3 * x + 2] = src[x].R;
            }
            break;
        case 32:
            std::memcpy(row.data(), src, static_cast<size_t>(image.Width) * 4);
            break;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    stream.WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
}

void LoadBitmapFromFile(const std::wstring& fileName, TPixelImage& image)
{
    TMemoryStream m;
    m.LoadFromFile(fileName);
    try {
        ReadBitmapRecord(m, image);
    } catch (const EReadError&) {
        throw EInvalidGraphic(L"Bitmap image is not valid: \"" + fileName + L"\" is cut short");
    } catch (const EInvalidGraphic& e) {
        throw EInvalidGraphic(e.Message() + L" (\"" + fileName + L"\")");
    }
}

void SaveBitmapToFile(const std::wstring& fileName, const TPixelImage& image)
{
    TMemoryStream m;
    WriteBitmap(m, image);
    m.SaveToFile(fileName);
}

} // namespace vt
