// The skinned combo box: TspSkinCustomComboBox (published as TspSkinComboBox) shows the selected
// item and a drop-down button drawn from a combo box record, and opens a TspPopupListBox, a skinned
// list box in a pop-up window that never takes activation or the focus. The decisions (selection,
// open and close, keys, search, the press that drags into the list, auto-scroll) are the portable
// TComboBoxModel's; this half feeds it the window's input and carries out what it asks.
#pragma once

#include "controls/combo_box_model.h"
#include "controls/edit_win.h"
#include "controls/list_box_win.h"

#include <optional>

namespace vt {

class TspSkinCustomComboBox;

// The drop-down list: a pop-up tool window answering every activating press with MA_NOACTIVATE.
class TspPopupListBox : public TspSkinListBox {
    VT_CLASS_NAME(TspPopupListBox)
public:
    explicit TspPopupListBox(TComponent* owner);

    // Moves the window to origin (screen) and shows it without activation; with the owning combo's
    // alpha blending the window is layered, and with its animation it fades in while the
    // application's messages are processed (a Hide or the owner's destruction ends the fade).
    void Show(TPoint origin);
    void Hide();
    // The combo box that owns the list, when it is one.
    TspSkinCustomComboBox* Combo = nullptr;
    // Sizes the window while it is hidden, in screen coordinates.
    void PlaceOnScreen(const TRect& r);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;

private:
    void FadeIn(uint8_t target);

    bool FOldAlphaBlend = false;
    int FOldAlphaBlendValue = 0;
    // Counts the Show and Hide calls: a fade stops when another one happened.
    unsigned showSerial_ = 0;
};

class TspSkinCustomComboBox : public TspSkinCustomControl, private IComboBoxSink {
    VT_CLASS_NAME(TspSkinCustomComboBox)
public:
    explicit TspSkinCustomComboBox(TComponent* owner);
    ~TspSkinCustomComboBox() override;

    // --- items and selection (kept in the drop-down list) -------------------------------------------
    // Read-only: changes go through SetItems so the selection logic sees them.
    const TListBoxStrings& Items() const { return FListBox->Items(); }
    void SetItems(const TStrings& v);
    int ItemIndex() const { return model_.ItemIndex(); }
    // OnClick fires on every set, OnChange when the text changed.
    void SetItemIndex(int v);
    bool Sorted() const { return FListBox->Sorted(); }
    void SetSorted(bool v);
    using TspSkinCustomControl::Text;
    void SetText(const String& v) override;

    // --- the drop-down -----------------------------------------------------------------------------
    void DropDown() { model_.DropDown(); }
    void CloseUp(bool accept) { model_.CloseUp(accept); }
    bool IsPopupVisible() const { return FListBox->Visible(); }
    // The list is open and the mouse is not over the control.
    bool CanCancelDropDown() const { return IsPopupVisible() && !FMouseIn; }
    TspPopupListBox* ListBox() const { return FListBox; }
    const TComboBoxModel& Model() const { return model_; }

    // --- settings ---------------------------------------------------------------------------------
    TspSkinCustomComboBoxStyle Style() const { return model_.Style(); }
    // The edit style places a skinned edit (a numeric one with NumEdit) in the item area.
    void SetStyle(TspSkinCustomComboBoxStyle v);
    bool NumEdit() const { return FNumEdit; }
    void SetNumEdit(bool v) { FNumEdit = v; }
    // The edit of the edit style, null in the fixed style.
    TspCustomEdit* Edit() const { return FEdit; }
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase v);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool v);
    int SelStart() const { return FEdit ? FEdit->SelStart() : 0; }
    void SetSelStart(int v) { if (FEdit) FEdit->SetSelStart(v); }
    int SelLength() const { return FEdit ? FEdit->SelLength() : 0; }
    void SetSelLength(int v) { if (FEdit) FEdit->SetSelLength(v); }
    bool ToolButtonStyle() const { return FToolButtonStyle; }
    void SetToolButtonStyle(bool v);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool v);
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor v);
    int DropDownCount() const { return model_.DropDownCount(); }
    void SetDropDownCount(int v) { model_.SetDropDownCount(v); }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool v);
    int ListBoxWidth() const { return FListBoxWidth; }
    void SetListBoxWidth(int v) { FListBoxWidth = v; }
    bool ListBoxAlphaBlend() const { return FListBoxAlphaBlend; }
    void SetListBoxAlphaBlend(bool v) { FListBoxAlphaBlend = v; }
    bool ListBoxAlphaBlendAnimation() const { return FListBoxAlphaBlendAnimation; }
    void SetListBoxAlphaBlendAnimation(bool v) { FListBoxAlphaBlendAnimation = v; }
    uint8_t ListBoxAlphaBlendValue() const { return FListBoxAlphaBlendValue; }
    void SetListBoxAlphaBlendValue(uint8_t v) { FListBoxAlphaBlendValue = v; }
    // The list's settings of the same meaning.
    bool ListBoxUseSkinItemHeight() const { return FListBox->UseSkinItemHeight(); }
    void SetListBoxUseSkinItemHeight(bool v) { FListBox->SetUseSkinItemHeight(v); }
    bool ListBoxUseSkinFont() const { return FListBox->UseSkinFont(); }
    void SetListBoxUseSkinFont(bool v) { FListBox->SetUseSkinFont(v); }
    int ListBoxDefaultItemHeight() const { return FListBox->DefaultItemHeight(); }
    void SetListBoxDefaultItemHeight(int v) { FListBox->SetDefaultItemHeight(v); }
    TFont& ListBoxDefaultFont() { return FListBox->DefaultFont(); }
    TFont& ListBoxDefaultCaptionFont() { return FListBox->DefaultCaptionFont(); }
    const String& ListBoxCaption() const { return FListBox->Caption(); }
    void SetListBoxCaption(const String& v) { FListBox->SetCaption(v); }
    TAlignment ListBoxCaptionAlignment() const { return FListBox->Alignment(); }
    void SetListBoxCaptionAlignment(TAlignment v) { FListBox->SetAlignment(v); }
    bool HorizontalExtent() const { return FListBox->HorizontalExtent(); }
    void SetHorizontalExtent(bool v) { FListBox->SetHorizontalExtent(v); }
    bool ListBoxCaptionMode() const { return FListBox->CaptionMode(); }
    void SetListBoxCaptionMode(bool v) { FListBox->SetCaptionMode(v); }
    TCustomImageList* Images() const { return FListBox->Images(); }
    void SetImages(TCustomImageList* v) { FListBox->SetImages(v); }
    int ImageIndex() const { return FListBox->ImageIndex(); }
    void SetImageIndex(int v) { FListBox->SetImageIndex(v); }
    TStringList& TabWidths() { return FListBox->TabWidths(); }

    TNotifyEvent OnChange, OnDropDown, OnCloseUp;
    TspDrawSkinItemEvent OnComboBoxDrawItem;
    void SetOnListBoxDrawItem(TspDrawSkinItemEvent v) { FListBox->OnDrawItem = std::move(v); }

    void GetSkinData() override;
    void ChangeSkinData() override;
    void CalcSkinSize(int& width, int& height) override;
    void ApplySkinRegion() override;
    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void RenderDefaultLook(TspBitmap& bitmap) override;
    void RenderSkinLook(TspBitmap& bitmap) override;
    void WndProc(TMessage& msg) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(wchar_t& key) override;
    // OnClick comes from the selection, not from clicks on the control.
    bool MouseClicks() const override { return false; }

private:
    static constexpr UINT_PTR kTimerId = 1;

    // IComboBoxSink
    void ListIndexChanged(int32_t index) override;
    void ShowList() override;
    void HideList() override;
    void SelectEditText() override;
    void Redraw() override { Refresh(); }
    void CaptureMouse() override { SetMouseCapture(true); }
    void ReleaseMouse() override { SetMouseCapture(false); }
    void ListMouseMove(TPoint p) override;
    void StartTimer(unsigned ms) override { SetWindowTimer(kTimerId, ms); }
    void StopTimer() override { KillWindowTimer(kTimerId); }
    void Change() override;
    void Click() override;
    void DropDownEvent() override { Raise(OnDropDown, this); }
    void CloseUpEvent() override { Raise(OnCloseUp, this); }

    const TComboBoxLook* Look() const { return look_ ? &*look_ : nullptr; }
    // The items of the list in the list's order.
    void SyncItems();
    void CalcButtonAndItemRects();
    // The list hook in front of the native list's window procedure.
    void ListHook(TMessage& msg, const TWndMethod& previous);
    // Whether a window is the control, the list, the list's bars or its native list.
    bool IsOwnWindow(const TControl* c) const;
    bool SkinSized() const { return FUseSkinSize && look_.has_value(); }
    TColor DisabledFontColor() const;
    // The item's image and text into canvas (OnComboBoxDrawItem when assigned).
    void DrawItemContent(TCanvas& canvas, int index, int w, int h, const TRect& textRect, TOwnerDrawState state);
    void RenderDefaultItem(TspBitmap& bitmap);
    void RenderSkinItem(TspBitmap& bitmap);
    void RenderSkinButton(TspBitmap& bitmap);
    void RenderButtonRecord(TspBitmap& bitmap);
    void RenderToolButton(TspBitmap& bitmap);
    // The edit style: the edit's font and colour, its place, its window's hook, its changes.
    void ApplyEditFont();
    void PlaceEdit();
    void EditHook(TMessage& msg, const TWndMethod& previous);
    void EditChanged();
    // Completes the edit's text to the first item it begins, the rest selected.
    void CompleteEditText();
    // The first item that begins with text, -1 when none.
    int FindItemStart(const String& text) const;

    TComboBoxModel model_{*this};
    TspPopupListBox* FListBox = nullptr;
    std::optional<TWindowProcHook> listHook_;
    TspCustomEdit* FEdit = nullptr;
    std::optional<TWindowProcHook> editHook_;
    bool FNumEdit = false;
    TEditCharCase FCharCase = ecNormal;
    bool FHideSelection = true;
    DWORD lastCompletion_ = 0;
    bool completed_ = false;
    std::optional<TComboBoxLook> look_;
    TComboRects rects_;
    bool FToolButtonStyle = false;
    bool FUseSkinSize = true;
    bool FMouseIn = false;
    bool FAutoComplete = true;
    TColor FDefaultColor = clWindow;
    int FListBoxWidth = 0;
    bool FListBoxAlphaBlend = false, FListBoxAlphaBlendAnimation = false;
    uint8_t FListBoxAlphaBlendValue = 200;
};

class TspSkinComboBox : public TspSkinCustomComboBox {
    VT_CLASS_NAME(TspSkinComboBox)
public:
    using TspSkinCustomComboBox::TspSkinCustomComboBox;
};

void RegisterComboBoxClasses();

} // namespace vt
