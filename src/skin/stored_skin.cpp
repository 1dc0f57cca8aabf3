#include "skin/stored_skin.h"

#include "framework/base/form_reader.h"
#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "skin/bmp_codec.h"
#include "skin/skin_package.h"
#include "skin/skin_data.h"
#include "skin/skin_values.h"
#include "skin/zlib_streams.h"

namespace vt {

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* owner) : TComponent(owner) {}

void TspCompressedStoredSkin::LoadFromCompressFile(const std::wstring& fileName)
{
    FCompressedStream.Clear();
    TFileStream f(fileName, TFileMode::fmOpenRead);
    std::vector<uint8_t> bytes;
    if (ReadPackageFile(f, bytes))
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
    if (ReadPackageFile(stream, bytes))
        FCompressedStream = TMemoryStream(std::move(bytes));
}

void TspCompressedStoredSkin::SaveToCompressStream(TStream& stream) const
{
    WritePackageFile(stream, FCompressedStream.Bytes());
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
    TMemIniFile ini;
    sd.SaveToCustomIniFile(ini);
    TStringList lines;
    ini.GetStrings(lines);
    const std::vector<uint8_t> definition = lines.SaveToBytes();
    TspPackageBodyView view;
    view.Slots[0] = &sd.FPicture;
    view.Slots[1] = &sd.FInActivePicture;
    view.Slots[2] = &sd.FMask;
    view.Slots[3] = &sd.FRollUpPicture;
    view.Slots[4] = &sd.FRollUpMask;
    for (const auto& p : sd.FActivePictures)
        view.ActivePictures.push_back(p.get());
    view.Definition = definition;
    TMemoryStream body;
    WritePackageBody(body, view);
    CompressBody(body);
}

void TspCompressedStoredSkin::LoadFromIniFile(const std::wstring& fileName)
{
    TStringList lines;
    lines.LoadFromFile(fileName);
    TMemIniFile ini;
    ini.SetStrings(lines);
    if (FirstMissingRequiredSection(ini))
        return;
    const std::wstring folder = ExtractFilePath(fileName);
    TPixelImage slots[kPackageSlotCount];
    TspPackageBodyView view;
    for (int i = 0; i < kPackageSlotCount; ++i) {
        String name = ini.ReadString(L"PICTURES", kPackageSlotKeys[i], L"");
        if (!name.empty())
            LoadBitmapFromFile(folder + name, slots[i]);
        view.Slots[i] = &slots[i];
    }
    TStringList names;
    ReadStrings(ini, L"PICTURES", L"activepictures", names);
    std::vector<TPixelImage> active(static_cast<size_t>(names.Count()));
    for (int n = 0; n < names.Count(); ++n) {
        LoadBitmapFromFile(folder + names[n], active[static_cast<size_t>(n)]);
        view.ActivePictures.push_back(&active[static_cast<size_t>(n)]);
    }
    const std::vector<uint8_t> definition = lines.SaveToBytes();
    view.Definition = definition;
    TMemoryStream body;
    WritePackageBody(body, view);
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
