#include "skin/skin_data.h"

#include "framework/base/form_reader.h"
#include "skin/bmp_codec.h"
#include "skin/jpeg_codec.h"
#include "skin/record_keys.h"
#include "skin/skin_package.h"
#include "skin/skin_values.h"
#include "skin/system_colors.h"

#include <algorithm>

namespace vt {

namespace {

ISkinFormRegistry* gDefaultRegistry = nullptr;

// The [VERSION] texts and the picture names both loads read (the inactive picture's name aside).
void ReadNames(const TMemIniFile& f, TspSkinData& d)
{
    d.SkinName = f.ReadString(L"VERSION", L"skinname", L"");
    d.SkinAuthor = f.ReadString(L"VERSION", L"skinauthor", L"");
    d.AuthorEmail = f.ReadString(L"VERSION", L"authoremail", L"");
    d.AuthorURL = f.ReadString(L"VERSION", L"authorurl", L"");
    d.SkinComments = f.ReadString(L"VERSION", L"skincomments", L"");
    d.FPictureName = f.ReadString(L"PICTURES", L"picture", L"");
    d.FMaskName = f.ReadString(L"PICTURES", L"mask", L"");
    d.FRollUpPictureName = f.ReadString(L"PICTURES", L"rolluppicture", L"");
    d.FRollUpMaskName = f.ReadString(L"PICTURES", L"rollupmask", L"");
}

// A name that StoreToDisk may write under the target folder: relative, without ".." parts.
bool IsSafeRelativeName(const String& name)
{
    if (name.empty() || name[0] == L'/' || name[0] == L'\\' || name.find(L':') != String::npos)
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of(L"/\\", start);
        if (end == String::npos)
            end = name.size();
        if (name.compare(start, end - start, L"..") == 0)
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

void SetDefaultSkinFormRegistry(ISkinFormRegistry* registry) { gDefaultRegistry = registry; }
ISkinFormRegistry* DefaultSkinFormRegistry() { return gDefaultRegistry; }

TspSkinData::TspSkinData(TComponent* owner)
    : TComponent(owner), PopupWindow(std::make_unique<TspDataSkinPopupWindow>()),
      LayerFrame(std::make_unique<TspDataSkinLayerFrame>()),
      HintWindow(std::make_unique<TspDataSkinHintWindow>()), FSkinColors(std::make_unique<TspSkinColors>())
{
}

TspSkinData::~TspSkinData()
{
    // The redirected platform functions read this container's colours.
    ReleaseSystemColors(*this);
    Empty = true;
    // References to other components unhook themselves through FreeNotification.
    if (FCompressedStoredSkin)
        RemoveFreeNotification(FCompressedStoredSkin);
    if (FCompressedSkinList)
        RemoveFreeNotification(FCompressedSkinList);
    if (FResourceStrData)
        RemoveFreeNotification(FResourceStrData);
}

void TspSkinData::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == FCompressedStoredSkin)
        FCompressedStoredSkin = nullptr;
    if (component == FCompressedSkinList)
        FCompressedSkinList = nullptr;
    if (component == FResourceStrData)
        FResourceStrData = nullptr;
}

// --- properties ------------------------------------------------------------------------------

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* value)
{
    if (FCompressedStoredSkin)
        RemoveFreeNotification(FCompressedStoredSkin);
    FCompressedStoredSkin = value;
    if (value) {
        FreeNotification(value);
        // Loads even while the form description is being read, so the skin is in place before
        // any component finishes loading.
        LoadCompressedStoredSkin(value);
    }
}

void TspSkinData::SetSkinList(TspCompressedSkinList* value)
{
    if (FCompressedSkinList)
        RemoveFreeNotification(FCompressedSkinList);
    FCompressedSkinList = value;
    if (!value)
        return;
    FreeNotification(value);
    if (FCompressedSkinIndex >= 0 && FCompressedSkinIndex < value->Skins().Count())
        LoadCompressedStoredSkin(&value->Skins().Items(FCompressedSkinIndex)->Skin());
}

void TspSkinData::SetSkinIndex(int32_t value)
{
    if (value == FCompressedSkinIndex)
        return;
    if (!FCompressedSkinList) {
        FCompressedSkinIndex = value;
        return;
    }
    if (value < 0 || value >= FCompressedSkinList->Skins().Count())
        return;
    FCompressedSkinIndex = value;
    LoadCompressedStoredSkin(&FCompressedSkinList->Skins().Items(value)->Skin());
}

void TspSkinData::SetResourceStrData(TComponent* value)
{
    if (FResourceStrData)
        RemoveFreeNotification(FResourceStrData);
    FResourceStrData = value;
    if (value)
        FreeNotification(value);
    SendSkinDataMessage(SKINMSG_STRINGS_CHANGED);
}

void TspSkinData::SetBroadcastOption(bool& field, bool value, uint32_t msg)
{
    if (field == value)
        return;
    field = value;
    if (!IsLoading())
        SendSkinDataMessage(msg);
}

void TspSkinData::SetSkinnableForm(bool value)
{
    SetBroadcastOption(FSkinnableForm, value, SKINMSG_SKINNABLE_CHANGED);
}

void TspSkinData::SetShowLayeredBorders(bool value)
{
    SetBroadcastOption(FShowLayeredBorders, value, SKINMSG_LAYERED_BORDERS_CHANGED);
}

void TspSkinData::SetAeroBlurEnabled(bool value)
{
    SetBroadcastOption(FAeroBlurEnabled, value, SKINMSG_AERO_BLUR_CHANGED);
}

bool TspSkinData::SetProperty(const String& name, const TPropValue& value)
{
    struct BoolProp {
        const wchar_t* name;
        void (TspSkinData::*set)(bool);
    };
    static const BoolProp kBools[] = {
        {L"SkinnableForm", &TspSkinData::SetSkinnableForm},
        {L"ShowLayeredBorders", &TspSkinData::SetShowLayeredBorders},
        {L"AeroBlurEnabled", &TspSkinData::SetAeroBlurEnabled},
        {L"EnableSkinEffects", &TspSkinData::SetEnableSkinEffects},
        {L"AnimationForAllWindows", &TspSkinData::SetAnimationForAllWindows},
        {L"ShowButtonGlowFrames", &TspSkinData::SetShowButtonGlowFrames},
        {L"ShowCaptionButtonGlowFrames", &TspSkinData::SetShowCaptionButtonGlowFrames},
        {L"ChangeSystemColors", &TspSkinData::SetChangeSystemColors},
    };
    for (const BoolProp& p : kBools) {
        if (SameText(name, p.name)) {
            (this->*p.set)(value.AsBoolean());
            return true;
        }
    }
    if (SameText(name, L"DlgTreeViewDrawSkin") || SameText(name, L"DlgListViewDrawSkin")) {
        (SameText(name, L"DlgTreeViewDrawSkin") ? DlgTreeViewDrawSkin : DlgListViewDrawSkin) = value.AsBoolean();
        return true;
    }
    if (SameText(name, L"DlgTreeViewItemSkinDataName") || SameText(name, L"DlgListViewItemSkinDataName")) {
        (SameText(name, L"DlgTreeViewItemSkinDataName") ? DlgTreeViewItemSkinDataName : DlgListViewItemSkinDataName) =
            value.AsString();
        return true;
    }
    if (SameText(name, L"SkinIndex")) {
        SetSkinIndex(value.AsInteger());
        return true;
    }
    if (SameText(name, L"SystemColorHooks")) {
        TspSystemColorHooks hooks = 0;
        for (const String& m : value.AsSet()) {
            if (SameText(m, L"spschHighLight"))
                hooks |= spschHighLight;
            else if (SameText(m, L"spschWindow"))
                hooks |= spschWindow;
            else
                throw EReadError(L"Invalid property value");
        }
        FSystemColorHooks = hooks;
        return true;
    }
    return TComponent::SetProperty(name, value);
}

bool TspSkinData::SetReference(const String& name, TComponent* value)
{
    if (SameText(name, L"CompressedStoredSkin")) {
        auto* s = dynamic_cast<TspCompressedStoredSkin*>(value);
        if (value && !s)
            return false;
        SetCompressedStoredSkin(s);
        return true;
    }
    if (SameText(name, L"SkinList")) {
        auto* l = dynamic_cast<TspCompressedSkinList*>(value);
        if (value && !l)
            return false;
        SetSkinList(l);
        return true;
    }
    if (SameText(name, L"ResourceStrData")) {
        SetResourceStrData(value);
        return true;
    }
    return TComponent::SetReference(name, value);
}

// --- broadcast -------------------------------------------------------------------------------

void TspSkinData::SendSkinDataMessage(uint32_t msg)
{
    if (BuildMode)
        return;
    ISkinFormRegistry* registry = FFormRegistry ? FFormRegistry : gDefaultRegistry;
    if (!registry)
        return;
    ISkinMessageSink* sentFirst = nullptr;
    if (!FShowLayeredBorders && Owner()) {
        sentFirst = registry->FormSink(Owner());
        if (sentFirst)
            sentFirst->SendSkinMessage(msg, this, kSkinMessageLParam);
    }
    std::vector<ISkinMessageSink*> targets;
    for (const TSkinFormEntry& e : registry->SkinForms())
        if (e.Sink && e.Sink != sentFirst && !e.IsLayerFrameWindow)
            targets.push_back(e.Sink);
    if (FShowLayeredBorders && LayerFrame->PictureIndex != -1)
        std::reverse(targets.begin(), targets.end());
    for (ISkinMessageSink* sink : targets)
        sink->SendSkinMessage(msg, this, kSkinMessageLParam);
}

// --- loading ---------------------------------------------------------------------------------

template <class Body> void TspSkinData::RunLoad(Body&& body)
{
    Empty = true;
    ChangeSkinDataProcess = true;
    SendSkinDataMessage(SKINMSG_BEGIN_CHANGE);
    try {
        ClearAll();
        if (!body()) {
            // Nothing loadable: the windows still get the end of the change, for an empty skin.
            ClearAll();
            ChangeSkinDataProcess = false;
            SendSkinDataMessage(SKINMSG_CHANGED);
            SendSkinDataMessage(SKINMSG_CHANGE_DONE);
            return;
        }
    } catch (...) {
        // Leave nothing half-read behind: windows fall back to their default look.
        ClearAll();
        ChangeSkinDataProcess = false;
        SendSkinDataMessage(SKINMSG_CHANGED);
        SendSkinDataMessage(SKINMSG_CHANGE_DONE);
        throw;
    }
    Empty = false;
    OnLoadData(this);
    // A redirection asked for while the container was empty starts now; one that a load dropped
    // comes back.
    SwitchSystemColors(*this, FChangeSystemColors);
    SendSkinDataMessage(SKINMSG_CHANGED);
    ChangeSkinDataProcess = false;
    SendSkinDataMessage(SKINMSG_CHANGE_DONE);
}

void TspSkinData::LoadPictureFile(const std::wstring& path, TPixelImage& image) const
{
    // The rule looks at the picture's name only: a folder called "x.jpg" holds BMPs too.
    if (IsJpegPictureName(ExtractFileName(path))) {
        std::vector<uint8_t> bytes = ReadFileBytes(path);
        // A picture stored back under its JPEG name holds BMP data; take it as such.
        if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
            LoadBitmapFromFile(path, image);
            return;
        }
        try {
            DecodeJpeg(bytes.data(), bytes.size(), image);
        } catch (const EInvalidGraphic& e) {
            throw EInvalidGraphic(e.Message() + L" (\"" + path + L"\")");
        }
        return;
    }
    LoadBitmapFromFile(path, image);
}

void TspSkinData::LoadFromFile(const std::wstring& fileName)
{
    TMemIniFile f(fileName);
    // The platform's profile reader returns at most 2,047 characters of a value.
    f.SetValueLimit(2047);
    if (FirstMissingRequiredSection(f))
        return;
    RunLoad([&] {
        const std::wstring folder = ExtractFilePath(fileName);
        ReadNames(f, *this);
        FInActivePictureName = f.ReadString(L"PICTURES", L"inactivepicture", L"");
        const std::pair<const String*, TPixelImage*> fixed[] = {
            {&FPictureName, &FPicture}, {&FInActivePictureName, &FInActivePicture}, {&FMaskName, &FMask},
            {&FRollUpPictureName, &FRollUpPicture}, {&FRollUpMaskName, &FRollUpMask}};
        for (const auto& [name, image] : fixed)
            if (!name->empty())
                LoadPictureFile(folder + *name, *image);
        ReadStrings(f, L"PICTURES", L"activepictures", FActivePicturesNames);
        for (const String& name : FActivePicturesNames) {
            auto image = std::make_unique<TPixelImage>();
            LoadPictureFile(folder + name, *image);
            FActivePictures.push_back(std::move(image));
        }
        StartCursorIndex = std::max(f.ReadInteger(L"CURSORS", L"startcursorindex", 1), 1);
        ReadStrings(f, L"CURSORS", L"cursors", FCursorsNames);
        if (!BuildMode) {
            ISkinCursorTable& table = FCursorTable ? *FCursorTable : DefaultSkinCursorTable();
            for (int i = 0; i < FCursorsNames.Count(); ++i) {
                // Cursor numbers are 32-bit; a start near the top cannot wrap into the low ones.
                int64_t number = int64_t(StartCursorIndex) + i;
                if (number <= INT32_MAX)
                    table.InstallCursor(static_cast<int32_t>(number), folder + FCursorsNames[i]);
            }
        }
        LoadDefinition(f);
        return true;
    });
}

void TspSkinData::LoadFromCompressedFile(const std::wstring& fileName)
{
    TspCompressedStoredSkin stored(this);
    stored.LoadFromCompressFile(fileName);
    if (!stored.Empty())
        LoadCompressedStoredSkin(&stored);
}

void TspSkinData::LoadCompressedStoredSkin(const TspCompressedStoredSkin* storedSkin)
{
    if (!storedSkin || storedSkin->Empty())
        return;
    RunLoad([&] {
        TMemoryStream body;
        storedSkin->DeCompressToStream(body);
        body.SetPosition(0);
        TspPackageBody package;
        if (!ReadPackageBody(body, package))
            return false;
        TPixelImage* slots[kPackageSlotCount] = {&FPicture, &FInActivePicture, &FMask, &FRollUpPicture, &FRollUpMask};
        for (int i = 0; i < kPackageSlotCount; ++i)
            *slots[i] = std::move(package.Slots[i].Image);
        for (TPixelImage& p : package.ActivePictures)
            FActivePictures.push_back(std::make_unique<TPixelImage>(std::move(p)));
        TStringList lines;
        lines.LoadFromBytes(package.DefinitionBytes.data(), package.DefinitionBytes.size());
        TMemIniFile f;
        f.SetStrings(lines);
        // A package carries no name for its inactive picture.
        ReadNames(f, *this);
        ReadStrings(f, L"PICTURES", L"activepictures", FActivePicturesNames);
        LoadDefinition(f);
        return true;
    });
}

void TspSkinData::LoadDefinition(TMemIniFile& f)
{
    LoadFormInfo(f);
    PopupWindow->LoadFromFile(f);
    LayerFrame->LoadFromFile(f);
    LayerFrame->InitAlphaImages(*this);
    HintWindow->LoadFromFile(f);
    FSkinColors->LoadFromFile(f);
    LoadAreas(f);
    LoadRecords(f, L"SKINOBJECTS", TspRecordList::rlObjects, ObjectList, true);
    LoadRecords(f, L"SKINCONTROLS", TspRecordList::rlControls, CtrlList, false);
}

template <class Self, class V> void TspSkinData::FormInfoKeys(Self& d, V& v)
{
    v.Point(L"lefttoppoint", d.LTPoint);
    v.Point(L"righttoppoint", d.RTPoint);
    v.Point(L"leftbottompoint", d.LBPoint);
    v.Point(L"rightbottompoint", d.RBPoint);
    v.Rect(L"clientrect", d.ClRect);
    v.Int(L"bgpictureindex", d.BGPictureIndex, -1);
    v.Int(L"mdibgpictureindex", d.MDIBGPictureIndex, -1);
    v.Rect(L"maskrectarea", d.MaskRectArea);
    v.Bool(L"leftstretch", d.LeftStretch);
    v.Bool(L"rightstretch", d.RightStretch);
    v.Bool(L"topstretch", d.TopStretch);
    v.Bool(L"bottomstretch", d.BottomStretch);
    v.Bool(L"stretcheffect", d.StretchEffect);
    v.Stretch(L"stretchtype", d.StretchType);
    v.Bool(L"mdibgstretcheffect", d.MDIBGStretchEffect);
    v.Stretch(L"mdibgstretchtype", d.MDIBGStretchType);
    v.Rect(L"buttonsrect", d.ButtonsRect);
    v.Rect(L"captionrect", d.CaptionRect);
    v.Int(L"buttonsoffset", d.ButtonsOffset);
    v.Bool(L"buttonsinleft", d.CapButtonsInLeft);
    v.Point(L"hittestlefttoppoint", d.HitTestLTPoint);
    v.Point(L"hittestrighttoppoint", d.HitTestRTPoint);
    v.Point(L"hittestleftbottompoint", d.HitTestLBPoint);
    v.Point(L"hittestrightbottompoint", d.HitTestRBPoint);
    v.Point(L"rollupleftpoint", d.RollUpLeftPoint);
    v.Point(L"rolluprightpoint", d.RollUpRightPoint);
    v.Rect(L"mainmenurect", d.MainMenuRect);
    v.Rect(L"iconrect", d.IconRect);
    v.Bool(L"mainmenupopupup", d.MainMenuPopupUp);
    v.Int(L"borderwidth", d.BorderW);
    v.Int(L"cursorindex", d.CursorIndex, -1);
    v.Bool(L"autorenderinginactiveimage", d.AutoRenderingInActiveImage);
    v.Effect(L"inactiveeffect", d.InActiveEffect);
    v.Int(L"formminwidth", d.FormMinWidth);
    v.Int(L"formminheight", d.FormMinHeight);
    v.Rect(L"sizegriparea", d.SizeGripArea);
    v.Str(L"statusbarname", d.StatusBarName);
    v.Bool(L"mditabstransparent", d.MDITabsTransparent);
    v.Bool(L"mainmenubartransparent", d.MainMenuBarTransparent);
}

void TspSkinData::LoadFormInfo(const TMemIniFile& f)
{
    TKeyReader reader(f, L"FORMINFO");
    FormInfoKeys(*this, reader);
    // With a mask, the mask area takes in the client area and unset hit-test corners take the
    // frame corners.
    if (!FMaskName.empty()) {
        if (MaskRectArea.Width() <= 0 || MaskRectArea.Height() <= 0) {
            MaskRectArea = ClRect;
        } else {
            MaskRectArea.Left = std::min(MaskRectArea.Left, ClRect.Left);
            MaskRectArea.Top = std::min(MaskRectArea.Top, ClRect.Top);
            MaskRectArea.Right = std::max(MaskRectArea.Right, ClRect.Right);
            MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClRect.Bottom);
        }
        auto fill = [](TPoint& hit, const TPoint& corner) {
            if (hit.X == 0 || hit.Y == 0)
                hit = corner;
        };
        fill(HitTestLTPoint, LTPoint);
        fill(HitTestRTPoint, RTPoint);
        fill(HitTestLBPoint, LBPoint);
        fill(HitTestRBPoint, RBPoint);
    }
    if (RBPoint.X != LTPoint.X && RBPoint.Y != LTPoint.Y) {
        LTPoint.X = std::max(LTPoint.X, ClRect.Left);
        LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
        RTPoint.X = std::min(RTPoint.X, ClRect.Right);
        RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
        LBPoint.X = std::max(LBPoint.X, ClRect.Left);
        LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
        RBPoint.X = std::min(RBPoint.X, ClRect.Right);
        RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
    }
}

void TspSkinData::LoadAreas(const TMemIniFile& f)
{
    int32_t count = std::min(f.ReadInteger(L"SKINAREAS", L"count", 0), f.SectionKeyCount(L"SKINAREAS"));
    for (int32_t i = 0; i < count; ++i) {
        String entry = f.ReadString(L"SKINAREAS", IntToStr(i), L"");
        size_t colon = entry.rfind(L':');
        size_t semi = entry.rfind(L';');
        auto area = std::make_unique<TspDataSkinArea>();
        if (colon != String::npos) {
            area->IDName = entry.substr(0, colon);
            size_t end = (semi != String::npos && semi > colon) ? semi : entry.size();
            area->AreaRect = StrToRect(std::wstring_view(entry).substr(colon + 1, end - colon - 1));
        }
        String flags = semi != String::npos ? entry.substr(semi + 1) : String();
        if (flags.size() == 9) {
            area->UseAnchors = flags[0] == L'1';
            area->AnchorLeft = flags[2] == L'1';
            area->AnchorTop = flags[4] == L'1';
            area->AnchorRight = flags[6] == L'1';
            area->AnchorBottom = flags[8] == L'1';
        }
        AreaList.push_back(std::move(area));
    }
}

void TspSkinData::LoadRecords(TMemIniFile& f, std::wstring_view section, TspRecordList kind,
                              std::vector<std::unique_ptr<TspSkinRecord>>& list, bool initAlpha)
{
    int32_t count = std::min(f.ReadInteger(section, L"count", 0), f.SectionKeyCount(section));
    for (int32_t i = 0; i < count; ++i) {
        String entry = f.ReadString(section, IntToStr(i), L"");
        size_t colon = entry.find(L':');
        if (colon == String::npos)
            continue;
        String name = entry.substr(0, colon);
        std::unique_ptr<TspSkinRecord> record = CreateRecord(kind, std::wstring_view(entry).substr(colon + 1), name);
        if (!record)
            continue;
        TspSkinRecord* r = record.get();
        list.push_back(std::move(record));
        r->LoadFromFile(f);
        if (initAlpha)
            r->InitAlphaImages(*this);
    }
}

// --- saving ----------------------------------------------------------------------------------

void TspSkinData::SaveToCustomIniFile(TMemIniFile& f) const
{
    f.EraseSection(L"VERSION");
    f.WriteInteger(L"VERSION", L"ver", 2);
    f.WriteString(L"VERSION", L"skinname", SkinName);
    f.WriteString(L"VERSION", L"skinauthor", SkinAuthor);
    f.WriteString(L"VERSION", L"authoremail", AuthorEmail);
    f.WriteString(L"VERSION", L"authorurl", AuthorURL);
    f.WriteString(L"VERSION", L"skincomments", SkinComments);

    f.EraseSection(L"PICTURES");
    f.WriteString(L"PICTURES", L"picture", FPictureName);
    f.WriteString(L"PICTURES", L"inactivepicture", FInActivePictureName);
    f.WriteString(L"PICTURES", L"mask", FMaskName);
    f.WriteString(L"PICTURES", L"rolluppicture", FRollUpPictureName);
    f.WriteString(L"PICTURES", L"rollupmask", FRollUpMaskName);
    WriteStrings(f, L"PICTURES", L"activepictures", FActivePicturesNames);

    f.EraseSection(L"CURSORS");
    f.WriteInteger(L"CURSORS", L"startcursorindex", StartCursorIndex);
    WriteStrings(f, L"CURSORS", L"cursors", FCursorsNames);

    SaveFormInfo(f);
    PopupWindow->SaveToFile(f);
    LayerFrame->SaveToFile(f);
    HintWindow->SaveToFile(f);

    f.EraseSection(L"SKINAREAS");
    f.WriteInteger(L"SKINAREAS", L"count", static_cast<int32_t>(AreaList.size()));
    for (size_t i = 0; i < AreaList.size(); ++i) {
        const TspDataSkinArea& a = *AreaList[i];
        auto b = [](bool v) { return v ? L"1" : L"0"; };
        f.WriteString(L"SKINAREAS", IntToStr(static_cast<int64_t>(i)),
                      a.IDName + L":" + RectToStr(a.AreaRect) + L";" + b(a.UseAnchors) + L"," + b(a.AnchorLeft) +
                          L"," + b(a.AnchorTop) + L"," + b(a.AnchorRight) + L"," + b(a.AnchorBottom));
    }

    FSkinColors->SaveToFile(f);

    auto saveList = [&f](const wchar_t* section, TspRecordList kind,
                         const std::vector<std::unique_ptr<TspSkinRecord>>& list) {
        f.EraseSection(section);
        f.WriteInteger(section, L"count", static_cast<int32_t>(list.size()));
        for (size_t i = 0; i < list.size(); ++i) {
            f.WriteString(section, IntToStr(static_cast<int64_t>(i)),
                          list[i]->IDName + L":" + RecordTypeWord(kind, *list[i]));
            list[i]->SaveToFile(f);
        }
    };
    saveList(L"SKINOBJECTS", TspRecordList::rlObjects, ObjectList);
    saveList(L"SKINCONTROLS", TspRecordList::rlControls, CtrlList);
}

void TspSkinData::SaveFormInfo(TMemIniFile& f) const
{
    f.EraseSection(L"FORMINFO");
    TKeyWriter writer(f, L"FORMINFO");
    FormInfoKeys(*this, writer);
}

void TspSkinData::SaveToFile(const std::wstring& fileName)
{
    TMemIniFile f(fileName);
    SaveToCustomIniFile(f);
    f.UpdateFile();
}

void TspSkinData::SaveToCompressedFile(const std::wstring& fileName)
{
    TspCompressedStoredSkin stored(this);
    stored.LoadFromSkinData(*this);
    stored.SaveToCompressFile(fileName);
}

void TspSkinData::StoreToDisk(const std::wstring& fileName)
{
    // A package carries no name for its inactive picture (and a hand-made definition may lack
    // others); give such pictures a name so the folder loads back whole.
    const std::tuple<String*, const TPixelImage*, const wchar_t*> fixed[] = {
        {&FPictureName, &FPicture, L"picture.bmp"},
        {&FInActivePictureName, &FInActivePicture, L"inactivepicture.bmp"},
        {&FMaskName, &FMask, L"mask.bmp"},
        {&FRollUpPictureName, &FRollUpPicture, L"rolluppicture.bmp"},
        {&FRollUpMaskName, &FRollUpMask, L"rollupmask.bmp"}};
    for (const auto& [name, image, fallback] : fixed)
        if (!image->Empty() && name->empty())
            *name = fallback;
    // Names come from the skin; refuse any that would write outside the target folder.
    for (const auto& [name, image, fallback] : fixed)
        if (!image->Empty() && !IsSafeRelativeName(*name))
            throw EFCreateError(L"Cannot store picture \"" + *name + L"\": not a name inside the skin folder");
    if (FActivePicturesNames.Count() > 0) {
        if (static_cast<size_t>(FActivePicturesNames.Count()) < FActivePictures.size())
            throw EFCreateError(L"Cannot store the active pictures: fewer names than pictures");
        for (size_t i = 0; i < FActivePictures.size(); ++i)
            if (!IsSafeRelativeName(FActivePicturesNames[static_cast<int>(i)]))
                throw EFCreateError(L"Cannot store picture \"" + FActivePicturesNames[static_cast<int>(i)] +
                                    L"\": not a name inside the skin folder");
    }
    SaveToFile(fileName);
    const std::wstring folder = ExtractFilePath(fileName);
    for (const auto& [name, image, fallback] : fixed)
        if (!image->Empty())
            SaveBitmapToFile(folder + *name, *image);
    if (FActivePicturesNames.Count() > 0)
        for (size_t i = 0; i < FActivePictures.size(); ++i)
            SaveBitmapToFile(folder + FActivePicturesNames[static_cast<int>(i)], *FActivePictures[i]);
}

// --- lookups and lists -----------------------------------------------------------------------

const TPixelImage* SkinActivePicture(const TspSkinData& skin, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= skin.FActivePictures.size())
        return nullptr;
    const TPixelImage* p = skin.FActivePictures[static_cast<size_t>(index)].get();
    return p && !p->Empty() ? p : nullptr;
}

int TspSkinData::GetIndex(std::wstring_view idName) const
{
    for (size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == idName)
            return static_cast<int>(i);
    return -1;
}

int TspSkinData::GetControlIndex(std::wstring_view idName) const
{
    for (size_t i = 0; i < CtrlList.size(); ++i)
        if (CtrlList[i]->IDName == idName)
            return static_cast<int>(i);
    return -1;
}

int TspSkinData::GetAreaIndex(std::wstring_view idName) const
{
    for (size_t i = 0; i < AreaList.size(); ++i)
        if (AreaList[i]->IDName == idName)
            return static_cast<int>(i);
    return -1;
}

void TspSkinData::AddSkinArea(const String& name, const TRect& rect, bool useAnchors, bool anchorLeft,
                              bool anchorTop, bool anchorRight, bool anchorBottom)
{
    auto a = std::make_unique<TspDataSkinArea>();
    a->IDName = name;
    a->AreaRect = rect;
    a->UseAnchors = useAnchors;
    a->AnchorLeft = anchorLeft;
    a->AnchorTop = anchorTop;
    a->AnchorRight = anchorRight;
    a->AnchorBottom = anchorBottom;
    AreaList.push_back(std::move(a));
}

void TspSkinData::AddBitMap(const std::wstring& fileName)
{
    auto image = std::make_unique<TPixelImage>();
    LoadPictureFile(fileName, *image);
    FActivePicturesNames.Add(ExtractFileName(fileName));
    FActivePictures.push_back(std::move(image));
}

void TspSkinData::DeleteBitMap(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= FActivePictures.size())
        throw EListError(Format("List index out of bounds (%d)", index));
    FActivePictures.erase(FActivePictures.begin() + index);
    if (index < FActivePicturesNames.Count())
        FActivePicturesNames.Delete(index);
}

void TspSkinData::SetChangeSystemColors(bool value) { SwitchSystemColors(*this, value); }

void TspSkinData::ClearObjects()
{
    AreaList.clear();
    ObjectList.clear();
    CtrlList.clear();
    FActivePictures.clear();
    PopupWindow->WindowPictureIndex = -1;
    HintWindow->WindowPictureIndex = -1;
    LayerFrame->PictureIndex = -1;
    LayerFrame->InActivePictureIndex = -1;
    LayerFrame->InitAlphaImages(*this);
    FCursorsNames.Clear();
    FActivePicturesNames.Clear();
    FSkinColors->SetColorsToDefault();
}

void TspSkinData::ClearAll()
{
    ++ChangeCount;
    ClearObjects();
    FPicture = FInActivePicture = FMask = FRollUpPicture = FRollUpMask = TPixelImage{};
    FPictureName.clear();
    FInActivePictureName.clear();
    FMaskName.clear();
    FRollUpPictureName.clear();
    FRollUpMaskName.clear();
    Empty = true;
}

void TspSkinData::ClearSkin()
{
    ReleaseSystemColors(*this);
    ClearAll();
    SendSkinDataMessage(SKINMSG_BEGIN_CHANGE);
    SendSkinDataMessage(SKINMSG_CHANGED);
    SendSkinDataMessage(SKINMSG_CHANGE_DONE);
}

void TspSkinData::GlobalChangeFont(const String& newFontName, int32_t fontHeightCorrection)
{
    HintWindow->ChangeFont(newFontName, fontHeightCorrection);
    for (auto& r : ObjectList)
        r->ChangeFont(newFontName, fontHeightCorrection);
    for (auto& r : CtrlList)
        r->ChangeFont(newFontName, fontHeightCorrection);
}

} // namespace vt
