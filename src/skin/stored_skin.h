// TspCompressedStoredSkin holds one skin package in its compressed form (the zlib stream without
// the file header); TspCompressedSkinList is a collection of them. The package layout is
// skin_package.h's.
#pragma once

#include "framework/base/collections.h"
#include "framework/base/component.h"
#include "framework/base/streams.h"
#include "skin/skin_package.h"

#include <memory>
#include <vector>

namespace vt {

class TspSkinData;
struct TPropValue;

class TspCompressedStoredSkin : public TComponent {
    VT_CLASS_NAME(TspCompressedStoredSkin)
public:
    explicit TspCompressedStoredSkin(TComponent* owner);

    const String& FileName() const { return FFileName; }
    void SetFileName(const String& v) { FFileName = v; }
    const String& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const String& v) { FCompressedFileName = v; }
    const String& Description() const { return FDescription; }
    void SetDescription(const String& v) { FDescription = v; }

    // Raises EFOpenError when the file cannot be opened, EReadError when it is shorter than its
    // header or its length field promises, and EReadError for a length of 0 or less. A file
    // version above 3 leaves the skin empty without an error.
    void LoadFromCompressFile(const std::wstring& fileName);
    void SaveToCompressFile(const std::wstring& fileName) const;
    void LoadFromCompressStream(TStream& stream);
    void SaveToCompressStream(TStream& stream) const;
    // Inflates the package into s at its position; EDecompressionError for corrupt data or a
    // body above kMaxPackageBodySize.
    void DeCompressToStream(TMemoryStream& s) const;
    void LoadFromSkinData(const TspSkinData& skinData);
    void LoadFromIniFile(const std::wstring& fileName);

    bool Empty() const { return FCompressedStream.Size() == 0; }
    // The zlib bytes: the "CompressedData" binary property.
    const std::vector<uint8_t>& CompressedData() const { return FCompressedStream.Bytes(); }
    void SetCompressedData(std::vector<uint8_t> bytes);
    void Clear() { FCompressedStream.Clear(); }

    bool SetProperty(const String& name, const TPropValue& value) override;

private:
    void CompressBody(const TMemoryStream& body);

    String FFileName;
    String FCompressedFileName;
    String FDescription;
    TMemoryStream FCompressedStream;
};

class TspSkinListItem : public TCollectionItem {
    VT_CLASS_NAME(TspSkinListItem)
public:
    TspSkinListItem();

    TspCompressedStoredSkin& Skin() { return *FSkin; }
    const TspCompressedStoredSkin& Skin() const { return *FSkin; }

    String Name;
    String Description;
    String FileName;
    String CompressedFileName;

    // The "Skin" binary property: the whole package-file layout.
    std::vector<uint8_t> SkinData() const;
    void SetSkinData(const std::vector<uint8_t>& bytes);
    void Assign(const TPersistent* source) override;
    bool SetProperty(const String& name, const TPropValue& value) override;
    String DisplayName() const override { return Name; }

private:
    std::unique_ptr<TspCompressedStoredSkin> FSkin;
};

// Items are named "spSkin<index>" when they are created.
class TspSkinListItems : public TCollection {
    VT_CLASS_NAME(TspSkinListItems)
public:
    explicit TspSkinListItems(TPersistent* owner);
    TspSkinListItem* Items(int index) const { return static_cast<TspSkinListItem*>(TCollection::Items(index)); }
    TspSkinListItem* Add() { return static_cast<TspSkinListItem*>(TCollection::Add()); }
};

class TspCompressedSkinList : public TComponent {
    VT_CLASS_NAME(TspCompressedSkinList)
public:
    explicit TspCompressedSkinList(TComponent* owner) : TComponent(owner), FSkins(this) {}
    TspSkinListItems& Skins() { return FSkins; }
    void SetSkins(const TspSkinListItems& skins) { FSkins.Assign(&skins); }
    TCollection* GetCollectionProperty(const String& name) override
    {
        return SameText(name, L"Skins") ? &FSkins : TComponent::GetCollectionProperty(name);
    }

private:
    TspSkinListItems FSkins;
};

} // namespace vt
