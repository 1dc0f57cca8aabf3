// The skinned list box: TspSkinCustomListBox (published as TspSkinListBox) draws a frame from a
// list box record and holds, as children, a native owner-drawn list (TspListBox) and up to two
// skinned scroll bars that it keeps in step with the list. The native list keeps the items, the
// selection, the keyboard and the scroll state; the skinned control paints every item itself and
// shows its own bars in place of the native ones. The rules (layout, heights, bar decisions, item
// states and looks) are the portable list_box_model's.
#pragma once

#include "controls/list_box_model.h"
#include "controls/skin_control_win.h"
#include "framework/win/stdctrls.h"
#include "raster/bitmap.h"

#include <optional>

namespace vt {

class TspSkinCustomListBox;
class TspSkinScrollBar;
class TCustomImageList;

// Sender, canvas (bound to the item's off-screen image), index, item width and height, text
// rectangle, owner-draw state.
using TspDrawSkinItemEvent = TEvent<TObject*, TCanvas&, int, int, int, TRect, TOwnerDrawState>;

// The native list inside a skinned list box: no border, no non-client area (the native bars never
// show while the scroll state stays valid), every item painted by its owner.
class TspListBox : public TCustomListBox {
    VT_CLASS_NAME(TspListBox)
public:
    explicit TspListBox(TComponent* owner);

    TspSkinCustomListBox* SkinListBox = nullptr;
    // The horizontal scroll offset in pixels: item content is drawn this far to the left.
    int FHorizontalExtentValue = 0;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

private:
    // Paints the visible items and the background below them in one blit.
    void PaintList(HDC dc);
    // Fills what lies below the last item (all of it with columns).
    void EraseBelowItems(HDC dc);
};

class TspSkinCustomListBox : public TspSkinCustomControl {
    VT_CLASS_NAME(TspSkinCustomListBox)
public:
    explicit TspSkinCustomListBox(TComponent* owner);
    ~TspSkinCustomListBox() override;

    // --- the native list ------------------------------------------------------------------------
    TspListBox* ListBox() const { return ListBox_; }
    TListBoxStrings& Items() { return ListBox_->Items(); }
    void SetItems(const TStrings& v);
    int ItemIndex() const { return ListBox_->ItemIndex(); }
    void SetItemIndex(int v) { ListBox_->SetItemIndex(v); }
    int TopIndex() const { return ListBox_->TopIndex(); }
    void SetTopIndex(int v);
    bool Sorted() const { return ListBox_->Sorted(); }
    void SetSorted(bool v);
    bool MultiSelect() const { return ListBox_->MultiSelect(); }
    void SetMultiSelect(bool v);
    bool ExtandedSelect() const { return ListBox_->ExtendedSelect(); }
    void SetExtandedSelect(bool v);
    int Columns() const { return ListBox_->Columns(); }
    void SetColumns(int v);
    bool Selected(int index) const { return ListBox_->Selected(index); }
    void SetSelected(int index, bool v) { ListBox_->SetSelected(index, v); }
    int SelCount() const { return ListBox_->SelCount(); }
    TCanvas& ListBoxCanvas() { return ListBox_->Canvas(); }
    void Clear();
    int ItemAtPos(TPoint p, bool existing) const { return ListBox_->ItemAtPos(p, existing); }
    TRect ItemRect(int item) const { return ListBox_->ItemRect(item); }

    // --- settings -------------------------------------------------------------------------------
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int v);
    bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
    void SetUseSkinItemHeight(bool v);
    bool HorizontalExtent() const { return FHorizontalExtent; }
    void SetHorizontalExtent(bool v);
    // Non-zero: the control's height shows exactly this many items.
    int RowCount() const { return FRowCount; }
    void SetRowCount(int v);
    TStringList& TabWidths() { return FTabWidths; }
    void SetTabWidths(const TStrings& v);
    TCustomImageList* Images() const { return FImages.get(); }
    void SetImages(TCustomImageList* v);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v);
    bool CaptionMode() const { return FCaptionMode; }
    void SetCaptionMode(bool v);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    void SetDefaultCaptionHeight(int v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool ShowCaptionButtons() const { return FShowCaptionButtons; }
    void SetShowCaptionButtons(bool v);
    TFont& DefaultCaptionFont() { return FDefaultCaptionFont; }
    // The caption's picture: a strip of NumGlyphs frames (the second for the disabled look); its
    // bottom-left pixel's colour is transparent. Spacing is the gap to the caption text.
    TspBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TspBitmap& v);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int v);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v);

    // The control height that shows count items, and the inputs of that rule.
    int CalcHeight(int count) const;
    TListBoxHeightInput HeightInput(int count) const;
    // Brings the skinned bars in step with the native list: made, set or freed as needed.
    void UpDateScrollBar();
    // The bars while they exist.
    TspSkinScrollBar* VertScrollBar() const { return ScrollBar; }
    TspSkinScrollBar* HorzScrollBar() const { return HScrollBar; }

    void GetSkinData() override;
    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    bool SetProperty(const String& name, const TPropValue& value) override;

    // --- events ---------------------------------------------------------------------------------
    TNotifyEvent OnListBoxClick;
    TNotifyEvent OnListBoxDblClick;
    TMouseEvent OnListBoxMouseDown;
    TMouseMoveEvent OnListBoxMouseMove;
    TMouseEvent OnListBoxMouseUp;
    TKeyEvent OnListBoxKeyDown;
    TKeyPressEvent OnListBoxKeyPress;
    TKeyEvent OnListBoxKeyUp;
    TspDrawSkinItemEvent OnDrawItem;
    TNotifyEvent OnUpButtonClick, OnDownButtonClick, OnCheckButtonClick;

protected:
    void DefaultFontChanged() override;
    void RenderDefaultLook(TspBitmap& bitmap) override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    void WndProc(TMessage& msg) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    friend class TspListBox;
    static constexpr UINT_PTR kTimerId = 1;

    // The record's look, when the control has a list box record.
    const TListBoxLook* Look() const { return look_ ? &*look_ : nullptr; }
    // Places the bars and the native list.
    void Layout();
    void ApplyItemHeight();
    void ApplyRowCount();
    TspSkinScrollBar* MakeBar(bool vertical);
    void FreeBar(TspSkinScrollBar*& bar);
    void ApplyBarSkins();
    // The widest item text in the list's item font.
    int WidestItemText();
    void SetItemFont(TCanvas& canvas, bool forMeasure);
    // One item's image (width x height) in its look; the list paints it at the item's place.
    void RenderItem(TspBitmap& img, int index, int width, int height, TOwnerDrawState state);
    // The list's background below the items: the window colour, or the record's client picture.
    void RenderListBackground(TspBitmap& img, const TRect& area);
    void AfterWheel(int delta);
    // Left and right arrows move the horizontal bar while it exists; true when taken.
    bool HorzArrowKey(WORD key);

    // Caption strip and its three buttons (up, down, check).
    int CaptionHeight() const;
    void LayoutCaptionButtons();
    int ButtonAt(int x, int y) const;
    void CaptionButtonStep(int button);
    void RenderCaption(TspBitmap& bitmap, const TRect& strip);

    TspListBox* ListBox_ = nullptr;
    TspSkinScrollBar* ScrollBar = nullptr;   // vertical, or the bottom bar with columns
    TspSkinScrollBar* HScrollBar = nullptr;
    std::optional<TListBoxLook> look_;
    TRect NewClRect;
    bool FShowCaptionButtons = true;
    TStringList FTabWidths;
    TspBitmap FGlyph;
    int FNumGlyphs = 1;
    int FSpacing = 2;
    bool FUseSkinItemHeight = true;
    bool FHorizontalExtent = false;
    bool FStopUpDateHScrollBar = false;
    int FRowCount = 0;
    TComponentRef<TCustomImageList> FImages;
    int FImageIndex = -1;
    int FDefaultItemHeight = 20;
    int FDefaultCaptionHeight = 20;
    TFont FDefaultCaptionFont;
    bool FCaptionMode = false;
    TAlignment FAlignment = taLeftJustify;
    struct TCaptionButton {
        TRect R;
        bool MouseIn = false;
        bool Down = false;
    };
    TCaptionButton Buttons[3];
    int ActiveButton = -1, CaptureButton = -1;
    bool WaitMode = false;
    bool updating_ = false;
    // The image items are composed in, kept between items so its DC and canvas are reused.
    TspBitmap itemImage_;
};

class TspSkinListBox : public TspSkinCustomListBox {
    VT_CLASS_NAME(TspSkinListBox)
public:
    using TspSkinCustomListBox::TspSkinCustomListBox;
};

// An item's image (from images: imageIndex, or the item's own index when that is below 0) and
// text (tabbed when tabWidths has entries) drawn into textRect of canvas, shifted left by offset.
void DrawListItemContent(TCanvas& canvas, const std::wstring& text, int index, TRect textRect, TCustomImageList* images,
                         int imageIndex, const TStringList& tabWidths, int offset, bool enabled);

// A list of lines from a description (Items.Strings, TabWidths.Strings).
TStringList StringsValue(const TPropValue& v);

void RegisterListBoxClasses();

} // namespace vt
