// TspSkinPageControl and TspSkinTabSheet: the framework's page control over the native tab
// control, painted from the skin's tab record (or a plain default look), with its geometry
// corrected by the portable page_control_model, hover and close buttons on the tabs, a skinned
// up-down that scrolls overflowing tabs, and operations that hide the tabs and the border.
#pragma once

#include "controls/page_control_model.h"
#include "controls/up_down_win.h"
#include "framework/win/comctrls.h"
#include "raster/caption.h"
#include "raster/caption_win.h"
#include "raster/image_list.h"
#include "skin/skinned_element.h"

#include <memory>

namespace vt {

class TspSkinPageControl;

class TspSkinTabSheet : public TTabSheet, public ISkinTabBackground {
    VT_CLASS_NAME(TspSkinTabSheet)
public:
    explicit TspSkinTabSheet(TComponent* owner);

    // Tiled over the sheet when not empty.
    TspBitmap& WallPaper() { return FWallPaper; }

    // The tab's close button in tab coordinates, written when the tab is painted.
    TRect ButtonRect;
    bool ButtonMouseIn = false;
    bool ButtonMouseDown = false;

    void PaintTabBackground(HDC dc) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;

private:
    TspSkinPageControl* SkinPageControl() const;
    void RenderBackground(TspBitmap& bitmap);

    TspBitmap FWallPaper;
};

using TspCloseEvent = TEvent<TObject*, bool&>;
// Tab's page index, the whole tab image's rectangle, selected, hovered, the tab image's canvas.
using TspDrawSkinTabEvent = TEvent<int, const TRect&, bool, bool, TCanvas&>;

// What the control copies from its tab record at every lookup.
struct TTabRecordCopy {
    int32_t Picture = -1;
    TRect SkinRect, ClRect, TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, TabsBGRect;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int32_t TabLeftOffset = 0, TabRightOffset = 0;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
    String UpDown;
    int32_t BGPictureIndex = -1;
    bool TabStretchEffect = false, ShowFocus = false;
    int32_t FocusOffsetX = 0, FocusOffsetY = 0;
    bool StretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
         BottomStretch = false;
    TspStretchType StretchType = spstFull;
    // Completed here, never in the container's record.
    TCloseLooks Close;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
    TRect TabLeftBottomActiveRect, TabLeftBottomFocusRect;
};

class TspSkinPageControl : public TPageControl, public ISkinnedElement {
    VT_CLASS_NAME(TspSkinPageControl)
public:
    explicit TspSkinPageControl(TComponent* owner);
    ~TspSkinPageControl() override;

    // --- binding ------------------------------------------------------------------------------
    TspSkinData* SkinData() const override { return FSD.get(); }
    void SetSkinData(TspSkinData* value);
    const String& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const String& value) { FSkinDataName = value; }
    bool HasRecord() const { return FIndex >= 0; }
    const TTabRecordCopy& Record() const { return rec_; }
    void BeforeChangeSkinData() override { FIndex = -1; }
    void ChangeSkinData() override;

    // --- properties ---------------------------------------------------------------------------
    bool MouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool v) { FMouseWheelSupport = v; }
    bool TabExtendedDraw() const { return FTabExtendedDraw; }
    void SetTabExtendedDraw(bool v);
    int TabMargin() const { return FTabMargin; }
    // Values below -1 are refused (the old value stays).
    void SetTabMargin(int v);
    int TabSpacing() const { return FTabSpacing; }
    void SetTabSpacing(int v);
    TspButtonLayout TabLayout() const { return FTabLayout; }
    void SetTabLayout(TspButtonLayout v);
    bool TextInHorizontal() const { return FTextInHorizontal; }
    void SetTextInHorizontal(bool v);
    bool TabsInCenter() const { return FTabsInCenter; }
    // Refused while TabWidth is 0 (stored while loading and applied in Loaded).
    void SetTabsInCenter(bool v);
    int TabsOffset() const { return FTabsOffset; }
    void SetTabsOffset(int v);
    bool FreeOnClose() const { return FFreeOnClose; }
    void SetFreeOnClose(bool v) { FFreeOnClose = v; }
    bool ShowCloseButtons() const { return FShowCloseButtons; }
    void SetShowCloseButtons(bool v);
    TCustomImageList* Images() const { return FImages.get(); }
    void SetImages(TCustomImageList* v);
    bool TabsBGTransparent() const { return FTabsBGTransparent; }
    void SetTabsBGTransparent(bool v);
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& v) { FDefaultFont.Assign(v); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool v) { FUseSkinFont = v; }
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int v);
    const String& ButtonTabSkinDataName() const { return FButtonTabSkinDataName; }
    void SetButtonTabSkinDataName(const String& v) { FButtonTabSkinDataName = v; }
    int CloseSize() const { return FCloseSize; }

    // --- operations ---------------------------------------------------------------------------
    void HideBorderAndTabs() override;
    void ShowBorderAndTabs();
    void HideBorder();
    void ShowBorder();
    void HideTabs();
    void ShowTabs();
    void UpDateTabs();
    bool TabsShown() const override { return !FHideTabs; }
    bool BorderShown() const { return !FHideBorder; }

    // The tab scroller, null unless single-line tabs overflow.
    TspSkinUpDown* TabScroller() const { return FSkinUpDown; }
    // The left offset of the tab row.
    int TabsStart() const;
    // The visible tab's rectangle as painted (corrected), empty for none.
    TRect TabRect(int tabIndex);
    // The page area: where the pages lie.
    TRect PageArea() const;
    // Paints the whole control into dc (client coordinates), as WM_PAINT does.
    void PaintTo(HDC dc);

    TspCloseEvent OnClose;
    TNotifyEvent OnAfterClose;
    TspDrawSkinTabEvent OnDrawSkinTab;

    void Loaded() override;
    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AdjustClientRect(TRect& rect) const override;
    void WndProc(TMessage& msg) override;
    bool CustomPaint() const override { return true; }
    void PaintWindow(HDC dc) override;
    void Change() override;
    void ActivePageChanged() override;
    void TabsUpdated() override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Sets a look-only property, repainting when it changed.
    template <class T> void SetLookField(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    friend class TspSkinTabSheet;

    void GetSkinData();
    TFrameMargins Margins() const;
    TspSkinTabSheet* SheetOfPage(int pageIndex) const;
    int ItemHeight() const;
    void ApplyReserve();
    // Without a record (and with the tabs shown) the item height is DefaultItemHeight or TabHeight.
    void RefreshDefaultItemSize();
    // A centred or shifted tab row: top, single-line, over the parent's background.
    void PinTabRowTop();
    void UpdateScrollerPosition();
    void CheckScroller();
    void DestroyScroller();
    void DestroyNativeUpDown();
    std::vector<int32_t> TabRightEdges();
    void ScrollerChanged();
    TPixelView PictureView(int32_t index) const;

    // Painting.
    void Render(TspBitmap& out);
    // keep: the selected tab's extent, which the frame and the other tabs leave alone.
    void RenderFrame(TspBitmap& out, const TRect& frame, const TRect& keep);
    void RenderTabs(TspBitmap& out, const TRect& frame, const TRect& keep);
    void RenderTab(TspBitmap& out, int page, TRect r, bool mouseIn, bool selected);
    void RenderTabContent(TspBitmap& img, int page, bool mouseIn, bool selected, bool shift);
    void RenderCloseButton(TspBitmap& img, TspSkinTabSheet& sheet, int closeRoomLeft, bool mouseOverTab);
    void SetTabFont(TCanvas& canvas, bool mouseIn, bool selected, TColor& colour);
    TRect SelectedTabExtent();

    // Hover, close buttons and closing.
    void TrackHover(TPoint p);
    int HoveredPage() const { return PageIndexOfTab(FActiveTabIndex); }
    bool OverCloseButton(int page, TPoint p);
    void PressCloseButton(TPoint p, bool down);
    void ClosePage(int page);
    void RepaintTabs();

    TComponentRef<TspSkinData> FSD;
    String FSkinDataName = L"tab";
    int FIndex = -1;
    TTabRecordCopy rec_;

    bool FMouseWheelSupport = false;
    bool FTabExtendedDraw = false;
    int FTabMargin = -1;
    int FTabSpacing = 1;
    TspButtonLayout FTabLayout = blGlyphLeft;
    bool FTextInHorizontal = false;
    bool FHideTabs = false;
    bool FHideBorder = false;
    TTabPosition FOldTabPosition = tpTop;
    bool FOldMultiLine = false;
    int FOldTabHeight = -1;
    int FCloseSize = 14;
    bool FFreeOnClose = false;
    bool FShowCloseButtons = false;
    bool FTabsBGTransparent = false;
    // The hovered tab, -1 none.
    int FActiveTabIndex = -1;
    // The page whose close button the left button went down on, -1 none.
    int pressedClosePage_ = -1;
    TComponentRef<TCustomImageList> FImages;
    HIMAGELIST FTempImages = nullptr;
    TTabReserve reserve_;
    bool FTabsInCenter = false;
    bool pendingTabsInCenter_ = false;
    int FTabsOffset = 0;
    String FButtonTabSkinDataName = L"resizetoolbutton";
    TspSkinUpDown* FSkinUpDown = nullptr;
    TFont FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultItemHeight = 20;
};

// Makes the page control, its sheets and the up-down known to the form loader. Idempotent.
void RegisterPageControlClasses();

} // namespace vt
