// The base of every skin record, the record factory (type word -> record class) and the records
// the container owns once: popup window, layer frame and hint window, plus the skin colours.
//
// The tables of skin_records.cpp hold one row per type word of the definition with its record
// class; RegisterRecordType (a test's stand-in) replaces a row and can put it back. A row without
// a creator names a type whose class is not built in; entries of such a type are skipped like
// unknown types.
#pragma once

#include "framework/base/ini_file.h"
#include "framework/base/types.h"
#include "raster/bitmap.h"
#include "skin/skin_values.h"

#include <functional>
#include <memory>
#include <span>
#include <typeinfo>

namespace vt {

class TspSkinData;

class TspSkinRecord {
public:
    TspSkinRecord() = default;
    explicit TspSkinRecord(String idName) : IDName(std::move(idName)) {}
    TspSkinRecord(const TspSkinRecord&) = delete;
    TspSkinRecord& operator=(const TspSkinRecord&) = delete;
    virtual ~TspSkinRecord() = default;

    // Reads every key of the record's section (IDName for named records).
    virtual void LoadFromFile(TMemIniFile& f) {}
    // Erases the record's section and writes every key.
    virtual void SaveToFile(TMemIniFile& f) {}
    virtual void InitAlphaImages(TspSkinData& skinData) {}
    // Rules applied after the keys are read; a record class with rules hides it with its own.
    void AfterLoad() {}
    // Font-carrying records take the new font name and add the correction to their height.
    virtual void ChangeFont(const String& fontName, int32_t heightCorrection) {}

    String IDName;
    // The type word the record was created from; the writer's fallback when the record's class
    // has no row of its own.
    String TypeWord;
};

using TspRecordCreator = std::function<std::unique_ptr<TspSkinRecord>(const String& idName)>;

struct TspRecordType {
    const wchar_t* Word;
    TspRecordCreator Create;            // empty: the record class is not built in
    const std::type_info* Class = nullptr;  // the class Create makes, for the writer
};

template <class T> TspRecordType RecordType(const wchar_t* word)
{
    return {word, [](const String& id) -> std::unique_ptr<TspSkinRecord> { return std::make_unique<T>(id); },
            &typeid(T)};
}

enum class TspRecordList { rlObjects, rlControls };

// Every type word of a list, in the definition's documented order.
std::span<const TspRecordType> RecordTypes(TspRecordList list);
// Adds a row, or replaces the row of the same word (record modules and tests call it).
void RegisterRecordType(TspRecordList list, TspRecordType type);
// The row of a type word (exact, case-sensitive), or null for an unknown word.
const TspRecordType* FindRecordType(TspRecordList list, std::wstring_view word);
// A new record for the word, or null when the word is unknown or its class is not built in.
std::unique_ptr<TspSkinRecord> CreateRecord(TspRecordList list, std::wstring_view word, const String& idName);
// The word that writes the record: the row of its own (most derived) class, else the word it
// was created from.
String RecordTypeWord(TspRecordList list, const TspSkinRecord& record);

// The three window records with fixed sections; the container owns one of each. Their key
// tables live with the form object records (form_records.cpp).
class TspDataSkinPopupWindow : public TspSkinRecord {
public:
    TspDataSkinPopupWindow() : TspSkinRecord(L"POPUPWINDOW") {}
    void LoadFromFile(TMemIniFile& f) override;
    void SaveToFile(TMemIniFile& f) override;
    int32_t WindowPictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ItemsRect;
    int32_t ScrollMarkerColor = 0;
    int32_t ScrollMarkerActiveColor = 0;
    int32_t CursorIndex = -1;
    bool TopStretch = false, LeftStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = spstFull;
};

class TspDataSkinLayerFrame : public TspSkinRecord {
public:
    TspDataSkinLayerFrame() : TspSkinRecord(L"LAYERFRAME") {}
    void LoadFromFile(TMemIniFile& f) override;
    void SaveToFile(TMemIniFile& f) override;
    // Builds the masked active and inactive frame pictures.
    void InitAlphaImages(TspSkinData& skinData) override;

    int32_t PictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    int32_t InActivePictureIndex = -1;
    int32_t InActiveMaskPictureIndex = -1;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    int32_t AlphaBlendValue = 255;
    int32_t InActiveAlphaBlendValue = 255;
    TRect BorderRect;
    bool HitTestEnable = false;
    bool FullBorder = false;
    TRect HitTestRect;
    int32_t HitTestSize = 0;
    TRect CaptionRect;
    TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    TRect ButtonsRect;
    TRect SysMenuButtonRect;
    bool FullStretch = false;
    int32_t RollUpFormHeight = 0;
    int32_t ButtonsTopOffset = 0;
    int32_t SysButtonTopOffset = 0;
    int32_t BlurMaskPictureIndex = -1;
    TRect IntersectBlurMaskRect;
    TRect ExcludeBlurMaskRect;
    int32_t LeftOffset = 0, TopOffset = 0, WidthOffset = 0, HeightOffset = 0;

    std::unique_ptr<TspBitmap> FSourceBitmap, FSourceInActiveBitMap;
};

class TspDataSkinHintWindow : public TspSkinRecord {
public:
    TspDataSkinHintWindow() : TspSkinRecord(L"HINTWINDOW") {}
    void LoadFromFile(TMemIniFile& f) override;
    void SaveToFile(TMemIniFile& f) override;
    int32_t WindowPictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 12;
    TColor FontColor = 0;
    bool TopStretch = false, LeftStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = spstFull;

    void ChangeFont(const String& fontName, int32_t heightCorrection) override
    {
        FontName = fontName;
        FontHeight += heightCorrection;
    }
};

// The skin's own ten colours ([SKINCOLORS]): what skinned controls use where the skin has no
// picture, and what the system colour redirection lends to the platform.
class TspSkinColors : public TspSkinRecord {
public:
    TspSkinColors() : TspSkinRecord(L"SKINCOLORS") {}
    // The platform's colours (clBtnFace and the rest).
    void SetColorsToDefault();
    void LoadFromFile(TMemIniFile& f) override;
    void SaveToFile(TMemIniFile& f) override;
    template <class V> void Keys(V& v);

    // A new object holds black in all ten; SetColorsToDefault gives the platform's colours.
    TColor cBtnFace = 0;
    TColor cBtnText = 0;
    TColor cWindow = 0;
    TColor cWindowText = 0;
    TColor cHighLight = 0;
    TColor cHighLightText = 0;
    TColor cBtnHighLight = 0;
    TColor cBtnShadow = 0;
    TColor c3DLight = 0;
    TColor c3DDkShadow = 0;
};

} // namespace vt
