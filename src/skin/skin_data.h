// TspSkinData: the container of one loaded skin. It owns the pictures, the global frame geometry,
// the records of every named element and the skin colours; loads skins from folders and
// packages, saves them, answers lookups by name and broadcasts every change to the application's
// forms through ISkinFormRegistry, so the model runs without windows.
#pragma once

#include <cstddef>  // before pixel_image.h, which uses size_t

#include "framework/base/component.h"
#include "framework/base/events.h"
#include "framework/base/ini_file.h"
#include "framework/base/pixel_image.h"
#include "framework/base/string_list.h"
#include "skin/skin_forms.h"
#include "skin/skin_records.h"
#include "skin/stored_skin.h"

#include <memory>
#include <vector>

namespace vt {

// Where skin cursors go: number StartCursorIndex + i for cursor file i.
class ISkinCursorTable {
public:
    virtual void InstallCursor(int32_t number, const std::wstring& fileName) = 0;

protected:
    ~ISkinCursorTable() = default;
};
// The platform's table: cursors loaded from their files on Windows, names only elsewhere.
ISkinCursorTable& DefaultSkinCursorTable();

class TspDataSkinArea {
public:
    String IDName;
    TRect AreaRect;
    bool UseAnchors = false, AnchorLeft = false, AnchorTop = false, AnchorRight = false, AnchorBottom = false;
};

enum TspSystemColorHook : uint8_t { spschHighLight = 1, spschWindow = 2 };
using TspSystemColorHooks = uint8_t;

class TspSkinData : public TComponent {
    VT_CLASS_NAME(TspSkinData)
public:
    explicit TspSkinData(TComponent* owner);
    ~TspSkinData() override;

    // --- properties -------------------------------------------------------------------------
    TspCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
    void SetCompressedStoredSkin(TspCompressedStoredSkin* value);
    TspCompressedSkinList* SkinList() const { return FCompressedSkinList; }
    void SetSkinList(TspCompressedSkinList* value);
    int32_t SkinIndex() const { return FCompressedSkinIndex; }
    void SetSkinIndex(int32_t value);
    TComponent* ResourceStrData() const { return FResourceStrData; }
    void SetResourceStrData(TComponent* value);

    bool SkinnableForm() const { return FSkinnableForm; }
    void SetSkinnableForm(bool value);
    bool ShowLayeredBorders() const { return FShowLayeredBorders; }
    void SetShowLayeredBorders(bool value);
    bool AeroBlurEnabled() const { return FAeroBlurEnabled; }
    void SetAeroBlurEnabled(bool value);
    bool EnableSkinEffects() const { return FEnableSkinEffects; }
    void SetEnableSkinEffects(bool value) { FEnableSkinEffects = value; }
    bool AnimationForAllWindows() const { return FAnimationForAllWindows; }
    void SetAnimationForAllWindows(bool value) { FAnimationForAllWindows = value; }
    bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool value) { FShowButtonGlowFrames = value; }
    bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool value) { FShowCaptionButtonGlowFrames = value; }
    bool ChangeSystemColors() const { return FChangeSystemColors; }
    // Switches the system colour redirection on or off for this container (SwitchSystemColors).
    void SetChangeSystemColors(bool value);
    TspSystemColorHooks SystemColorHooks() const { return FSystemColorHooks; }
    void SetSystemColorHooks(TspSystemColorHooks value) { FSystemColorHooks = value; }

    bool DlgTreeViewDrawSkin = true;
    String DlgTreeViewItemSkinDataName = L"listbox";
    bool DlgListViewDrawSkin = true;
    String DlgListViewItemSkinDataName = L"listbox";

    TNotifyEvent OnLoadData;

    // Where broadcasts go (null: the process-wide default) and where cursors are installed.
    void SetFormRegistry(ISkinFormRegistry* registry) { FFormRegistry = registry; }
    void SetCursorTable(ISkinCursorTable* table) { FCursorTable = table; }

    // --- operations -------------------------------------------------------------------------
    // Loads a folder skin; a definition without one of the required sections changes nothing.
    void LoadFromFile(const std::wstring& fileName);
    void LoadFromCompressedFile(const std::wstring& fileName);
    void LoadCompressedStoredSkin(const TspCompressedStoredSkin* storedSkin);
    void SaveToCompressedFile(const std::wstring& fileName);
    void StoreToDisk(const std::wstring& fileName);
    void SaveToFile(const std::wstring& fileName);
    void SaveToCustomIniFile(TMemIniFile& f) const;
    // Reads everything of a definition but its version, pictures and cursors: form info, window
    // records, colours, areas and record lists. Loads call it; a skin generator fills a container
    // with it.
    void LoadDefinition(TMemIniFile& f);

    int GetIndex(std::wstring_view idName) const;
    int GetControlIndex(std::wstring_view idName) const;
    int GetAreaIndex(std::wstring_view idName) const;
    void AddSkinArea(const String& name, const TRect& rect, bool useAnchors, bool anchorLeft,
                     bool anchorTop, bool anchorRight, bool anchorBottom);
    void AddBitMap(const std::wstring& fileName);
    void DeleteBitMap(int index);

    void ClearObjects();
    void ClearAll();
    void ClearSkin();
    void SendSkinDataMessage(uint32_t msg);
    void GlobalChangeFont(const String& newFontName, int32_t fontHeightCorrection);

    // --- skin state -------------------------------------------------------------------------
    bool Empty = true;
    bool ChangeSkinDataProcess = false;
    // Counts the changes of the container's contents (every load and clear), so that a user can
    // tell whether the skin it applied is still the one held.
    uint32_t ChangeCount = 0;
    bool BuildMode = false;

    TPixelImage FPicture, FInActivePicture, FMask, FRollUpPicture, FRollUpMask;
    std::vector<std::unique_ptr<TPixelImage>> FActivePictures;
    String FPictureName, FInActivePictureName, FMaskName, FRollUpPictureName, FRollUpMaskName;
    TStringList FActivePicturesNames;
    TStringList FCursorsNames;

    std::vector<std::unique_ptr<TspSkinRecord>> ObjectList;
    std::vector<std::unique_ptr<TspDataSkinArea>> AreaList;
    std::vector<std::unique_ptr<TspSkinRecord>> CtrlList;

    std::unique_ptr<TspDataSkinPopupWindow> PopupWindow;
    std::unique_ptr<TspDataSkinLayerFrame> LayerFrame;
    std::unique_ptr<TspDataSkinHintWindow> HintWindow;
    std::unique_ptr<TspSkinColors> FSkinColors;

    TRect SizeGripArea;
    String StatusBarName;
    TRect ButtonsRect, CaptionRect;
    int32_t ButtonsOffset = 0;
    bool CapButtonsInLeft = false;
    bool AutoRenderingInActiveImage = false;
    TspInActiveEffect InActiveEffect = ieBrightness;
    int32_t StartCursorIndex = 1;
    int32_t CursorIndex = -1;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int32_t BGPictureIndex = -1, MDIBGPictureIndex = -1;
    TRect MainMenuRect, IconRect;
    bool MainMenuPopupUp = false;
    TRect MaskRectArea;
    TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    TRect ClRect;
    int32_t BorderW = 0;
    int32_t FormMinWidth = 0, FormMinHeight = 0;
    bool MDITabsTransparent = false, MainMenuBarTransparent = false;
    bool TopStretch = false, LeftStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = spstFull;
    bool MDIBGStretchEffect = false;
    TspStretchType MDIBGStretchType = spstFull;
    TPoint RollUpLeftPoint, RollUpRightPoint;
    String SkinName, SkinAuthor, AuthorURL, AuthorEmail, SkinComments;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Stores an option and, when it changed outside loading, tells the forms with msg.
    void SetBroadcastOption(bool& field, bool value, uint32_t msg);
    friend void SwitchSystemColors(TspSkinData& skinData, bool value);

    template <class Body> void RunLoad(Body&& body);
    // The [FORMINFO] keys in writing order, for the record key visitors (d is const to write).
    template <class Self, class V> static void FormInfoKeys(Self& d, V& v);
    void LoadFormInfo(const TMemIniFile& f);
    void LoadAreas(const TMemIniFile& f);
    void LoadRecords(TMemIniFile& f, std::wstring_view section, TspRecordList kind,
                     std::vector<std::unique_ptr<TspSkinRecord>>& list, bool initAlpha);
    void SaveFormInfo(TMemIniFile& f) const;
    void LoadPictureFile(const std::wstring& path, TPixelImage& image) const;

    TspCompressedSkinList* FCompressedSkinList = nullptr;
    int32_t FCompressedSkinIndex = 0;
    bool FSkinnableForm = true;
    bool FEnableSkinEffects = true;
    TspCompressedStoredSkin* FCompressedStoredSkin = nullptr;
    TComponent* FResourceStrData = nullptr;
    bool FShowButtonGlowFrames = true;
    bool FShowCaptionButtonGlowFrames = true;
    bool FShowLayeredBorders = true;
    bool FAeroBlurEnabled = true;
    bool FAnimationForAllWindows = false;
    bool FChangeSystemColors = false;
    TspSystemColorHooks FSystemColorHooks = spschHighLight;

    ISkinFormRegistry* FFormRegistry = nullptr;
    ISkinCursorTable* FCursorTable = nullptr;
};

// Active picture index of the container, or null when there is none (or it is empty): indexes
// come unchecked from the definition.
const TPixelImage* SkinActivePicture(const TspSkinData& skin, int32_t index);

} // namespace vt
