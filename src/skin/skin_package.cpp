#include "skin/skin_package.h"

#include "framework/base/exceptions.h"
#include "framework/base/strings.h"
#include "skin/bmp_codec.h"

namespace vt {

const wchar_t* FirstMissingRequiredSection(const TMemIniFile& definition)
{
    for (const wchar_t* s : kRequiredSections)
        if (!definition.SectionExists(s))
            return s;
    return nullptr;
}

namespace {

constexpr int32_t kWrittenVersion = 2;
constexpr int32_t kHighestReadVersion = 3;
// Every BMP record is at least a file header.
constexpr int64_t kSmallestBitmapRecord = 14;

} // namespace

bool ReadPackageFile(TStream& s, std::vector<uint8_t>& zlib, int32_t* fileVersion)
{
    int64_t size = s.Size() - s.Position();
    if (size < 8)
        throw EReadError(L"Not a skin package: the file is shorter than its 8-byte header");
    int32_t version = s.ReadValue<int32_t>();
    if (fileVersion)
        *fileVersion = version;
    if (version > kHighestReadVersion)
        return false;
    int32_t n = s.ReadValue<int32_t>();
    if (n <= 0)
        throw EReadError(L"Not a skin package: the length of its compressed data is " + IntToStr(n));
    if (n > size - 8)
        throw EReadError(L"Stream read error: the package promises " + IntToStr(n) +
                         L" bytes of compressed data but holds " + IntToStr(size - 8));
    zlib.resize(static_cast<size_t>(n));
    s.ReadBuffer(zlib.data(), n);
    return true;
}

void WritePackageFile(TStream& s, std::span<const uint8_t> zlib)
{
    s.WriteValue(kWrittenVersion);
    s.WriteValue(static_cast<int32_t>(zlib.size()));
    if (!zlib.empty())
        s.WriteBuffer(zlib.data(), static_cast<int64_t>(zlib.size()));
}

bool ReadPackageBody(TStream& s, TspPackageBody& b)
{
    b.Version = s.ReadValue<int32_t>();
    if (b.Version > kHighestReadVersion)
        return false;
    const int32_t v = b.Version;
    const bool present[kPackageSlotCount] = {true, v == 2 || v == 3, true, v == 1 || v == 2, v == 1 || v == 2};
    for (int i = 0; i < kPackageSlotCount; ++i) {
        b.Slots[i].Present = present[i];
        if (present[i] && s.ReadValue<uint8_t>() == 0)
            ReadBitmapRecord(s, b.Slots[i].Image);
    }
    int32_t count = s.ReadValue<int32_t>();
    if (count < 0)
        throw EReadError(L"Stream read error: negative active picture count " + IntToStr(count));
    for (int32_t i = 0; i < count; ++i) {
        // A count the body cannot hold fails here rather than after a long run of allocations.
        if (s.Size() - s.Position() < kSmallestBitmapRecord)
            throw EReadError(L"Stream read error: the body ends inside active picture " + IntToStr(i));
        b.ActivePictures.emplace_back();
        ReadBitmapRecord(s, b.ActivePictures.back());
    }
    int64_t rest = s.Size() - s.Position();
    b.DefinitionBytes.resize(static_cast<size_t>(rest > 0 ? rest : 0));
    if (rest > 0)
        s.ReadBuffer(b.DefinitionBytes.data(), rest);
    return true;
}

void WritePackageBody(TStream& s, const TspPackageBodyView& b)
{
    s.WriteValue(kWrittenVersion);
    for (const TPixelImage* image : b.Slots) {
        uint8_t flag = (!image || image->Empty()) ? 1 : 0;
        s.WriteValue(flag);
        if (!flag)
            WriteBitmap(s, *image);
    }
    s.WriteValue(static_cast<int32_t>(b.ActivePictures.size()));
    for (const TPixelImage* image : b.ActivePictures)
        WriteBitmap(s, *image);
    if (!b.Definition.empty())
        s.WriteBuffer(b.Definition.data(), static_cast<int64_t>(b.Definition.size()));
}

} // namespace vt
