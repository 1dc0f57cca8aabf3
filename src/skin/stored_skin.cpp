#include "skin/stored_skin.h"

#include "framework/base/form_reader.h"
#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "skin/bmp_codec.h"
#include "skin/skin_data.h"
#include "skin/skin_values.h"
#include "skin/zlib_streams.h"

namespace vt {

namespace {

constexpr int32_t kWrittenVersion = 2;

// Reads the 8-byte package header and the zlib bytes after it. Returns false (nothing read) for
// a file version above 3.
bool ReadPackage(TStream& s, std::vector<uint8_t>& out)
{
    int64_t size = s.Size() - s.Position();
    if (size < 8)
        throw EReadError(L"Not a skin package: the file is shorter than its 8-byte header");
    int32_t version = s.ReadValue<int32_t>();
    if (version > 3)
        return false;
    int32_t n = s.ReadValue<int32_t>();
    if (n <= 0)
        throw EReadError(L"Not a skin package: the length of its compressed data is " + IntToStr(n));
    if (n > size - 8)
        throw EReadError(L"Stream read error: the package promises " + IntToStr(n) +
                         L" bytes of compressed data but holds " + IntToStr(size - 8));
    out.resize(static_cast<size_t>(n));
    s.ReadBuffer(out.data(), n);
    return true;
}

void WritePicture(TMemoryStream& body, const TPixelImage& image)
{
    uint8_t flag = image.Empty() ? 1 : 0;
    body.WriteValue(flag);
    if (!flag)
        WriteBitmap(body, image);
}

} // namespace

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* owner) : TComponent(owner) {}

void TspCompressedStoredSkin::LoadFromCompressFile(const std::wstring& fileName)
{
    FCompressedStream.Clear();
    TFileStream f(fileName, TFileMode::fmOpenRead);
    std::vector<uint8_t> bytes;
    if (ReadPackage(f, bytes))
        FCompressedStream = TMemoryStream(std::move(bytes));
}

void TspCompressedStoredSkin::SaveToCompressFile(const std::wstring& fileName) const
{
    if (Empty())
        return;
    TFileStream f(fileName, TFileMode::fmCreate);
    SaveToCompressStream(f);
}

void TspCompressedStoredSkin::LoadFromCompressStream(TStream& stream)
{
    FCompressedStream.Clear();
    stream.Seek(0, TSeekOrigin::soBeginning);
    std::vector<uint8_t> bytes;
    if (ReadPackage(stream, bytes))
        FCompressedStream = TMemoryStream(std::move(bytes));
}

void TspCompressedStoredSkin::SaveToCompressStream(TStream& stream) const
{
    stream.WriteValue(kWrittenVersion);
    stream.WriteValue(static_cast<int32_t>(FCompressedStream.Size()));
    FCompressedStream.SaveToStream(stream);
}

void TspCompressedStoredSkin::DeCompressToStream(TMemoryStream& s) const
{
    TMemoryStream source(FCompressedStream.Bytes());
    DecompressStream(source, s, kMaxPackageBodySize);
}

void TspCompressedStoredSkin::SetCompressedData(std::vector<uint8_t> bytes)
{
    FCompressedStream = TMemoryStream(std::move(bytes));
}

bool TspCompressedStoredSkin::SetProperty(const String& name, const TPropValue& value)
{
    if (SameText(name, L"CompressedData")) {
        SetCompressedData(value.AsBinary());
        return true;
    }
    if (SameText(name, L"FileName")) {
        FFileName = value.AsString();
        return true;
    }
    if (SameText(name, L"CompressedFileName")) {
        FCompressedFileName = value.AsString();
        return true;
    }
    if (SameText(name, L"Description")) {
        FDescription = value.AsString();
        return true;
    }
    return TComponent::SetProperty(name, value);
}

void TspCompressedStoredSkin::CompressBody(const TMemoryStream& body)
{
    TMemoryStream out;
    CompressBytes(body.Memory(), static_cast<size_t>(body.Size()), out);
    FCompressedStream = std::move(out);
    FCompressedStream.SetPosition(0);
}

void TspCompressedStoredSkin::LoadFromSkinData(const TspSkinData& sd)
{
    TMemoryStream body;
    body.WriteValue(kWrittenVersion);
    WritePicture(body, sd.FPicture);
    WritePicture(body, sd.FInActivePicture);
    WritePicture(body, sd.FMask);
    WritePicture(body, sd.FRollUpPicture);
    WritePicture(body, sd.FRollUpMask);
    body.WriteValue(static_cast<int32_t>(sd.FActivePictures.size()));
    for (const auto& p : sd.FActivePictures)
        WriteBitmap(body, *p);
    TMemIniFile ini;
    sd.SaveToCustomIniFile(ini);
    TStringList lines;
    ini.GetStrings(lines);
    lines.SaveToStream(body);
    CompressBody(body);
}

void TspCompressedStoredSkin::LoadFromIniFile(const std::wstring& fileName)
{
    TStringList lines;
    lines.LoadFromFile(fileName);
    TMemIniFile ini;
    ini.SetStrings(lines);
    for (const wchar_t* s : {L"VERSION", L"PICTURES", L"FORMINFO", L"SKINOBJECTS", L"SKINCONTROLS"})
        if (!ini.SectionExists(s))
            return;
    const std::wstring folder = ExtractFilePath(fileName);
    TMemoryStream body;
    body.WriteValue(kWrittenVersion);
    for (const wchar_t* key : {L"picture", L"inactivepicture", L"mask", L"rolluppicture", L"rollupmask"}) {
        String name = ini.ReadString(L"PICTURES", key, L"");
        TPixelImage image;
        if (!name.empty())
            LoadBitmapFromFile(folder + name, image);
        WritePicture(body, image);
    }
    TStringList names;
    ReadStrings(ini, L"PICTURES", L"activepictures", names);
    body.WriteValue(static_cast<int32_t>(names.Count()));
    for (const String& name : names) {
        TPixelImage image;
        LoadBitmapFromFile(folder + name, image);
        WriteBitmap(body, image);
    }
    lines.SaveToStream(body);
    CompressBody(body);
}

TspSkinListItem::TspSkinListItem() : FSkin(std::make_unique<TspCompressedStoredSkin>(nullptr)) {}

std::vector<uint8_t> TspSkinListItem::SkinData() const
{
    TMemoryStream m;
    FSkin->SaveToCompressStream(m);
    return m.TakeBytes();
}

void TspSkinListItem::SetSkinData(const std::vector<uint8_t>& bytes)
{
    TMemoryStream m(bytes);
    FSkin->LoadFromCompressStream(m);
}

void TspSkinListItem::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TspSkinListItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    Name = other->Name;
    Description = other->Description;
    FileName = other->FileName;
    CompressedFileName = other->CompressedFileName;
    FSkin->SetCompressedData(other->FSkin->CompressedData());
    Changed(false);
}

bool TspSkinListItem::SetProperty(const String& name, const TPropValue& value)
{
    const std::pair<const wchar_t*, String*> strings[] = {
        {L"Name", &Name}, {L"Description", &Description}, {L"FileName", &FileName},
        {L"CompressedFileName", &CompressedFileName}};
    for (const auto& [key, field] : strings) {
        if (SameText(name, key)) {
            *field = value.AsString();
            return true;
        }
    }
    if (SameText(name, L"Skin")) {
        SetSkinData(value.AsBinary());
        return true;
    }
    return TCollectionItem::SetProperty(name, value);
}

TspSkinListItems::TspSkinListItems(TPersistent* owner)
    : TCollection(owner, [this] {
          auto* item = new TspSkinListItem();
          item->Name = Format("spSkin%d", Count());
          return item;
      })
{
}

} // namespace vt
