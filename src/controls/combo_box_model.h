// The skinned combo box's portable half: what it copies from its record, where its button, item
// and edit go, its size rule, the drop-down list's size and place, and the state machine of the
// selection, the open list, the keys, incremental search, the wheel and the press that drags into
// the list. The window class feeds it sizes, keys, mouse and timer events and carries out what it
// asks through IComboBoxSink.
//
//   TComboBoxLook / CopyComboBoxLook   the record copy
//   ComboBoxRects                      the button, item and edit rectangles at a size
//   ComboItemHeight / ComboItemTextRect   the item bitmap's height and its text rectangle
//   ComboCalcSkinSize                  the size rule with and without the skin's height
//   PlaceDropDown                      the drop-down list's rectangle on the screen
//   TComboBoxModel                     selection, open and close, keys, search, mouse, auto-scroll
#pragma once

#include "controls/list_box_model.h"
#include "controls/skin_control_model.h"
#include "framework/base/strings.h"
#include "framework/base/types.h"

#include <cstdint>
#include <vector>

namespace vt {

class TspDataSkinComboBox;

enum TspSkinCustomComboBoxStyle : uint8_t { spcbEditStyle = 0, spcbFixedStyle = 1 };

// What the combo box copies from its record at every skin change, beside the base geometry.
struct TComboBoxLook {
    TRect SkinRect, ClRect;
    TPoint RTPt;
    TRect ActiveSkinRect;
    TColor ActiveFontColor = 0, FontColor = 0, FocusFontColor = 0;
    String FontName;
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 0;
    TRect SItemRect, FocusItemRect, ActiveItemRect;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    String ListBoxName;
    bool ItemStretchEffect = false, FocusItemStretchEffect = false;
    bool ShowFocus = false;
};

TComboBoxLook CopyComboBoxLook(const TspDataSkinComboBox& r);

struct TComboRects {
    TRect Button;
    TRect Item;   // CBItem
};

struct TComboRectsInput {
    int32_t Width = 0, Height = 0;
    const TComboBoxLook* Look = nullptr;   // null: no record
    bool ToolButtonStyle = false;
    bool UseSkinSize = true;
};
// CalcButtonAndItemRects. The tool button look and the default look use a 19-pixel button at the
// right; a record's button moves with the right edge when it lies in the right fixed part.
TComboRects ComboBoxRects(const TComboRectsInput& in);

// Where the edit of the edit style sits in the item rectangle: its full width, the text height,
// centred vertically.
TRect ComboEditRect(const TRect& item, int32_t textHeight);

// The skinned item bitmap's height: the item picture's, else the focused one's, else the item
// rectangle's.
int32_t ComboItemHeight(const TComboBoxLook& look, const TRect& item);
// The record's text rectangle with its right edge following the item rectangle's width.
TRect ComboItemTextRect(const TComboBoxLook& look, const TRect& item);

// The size rule: with the skin's size the base rule; without it only the width follows (the
// height is free) and no region is applied. Returns whether the mask's region applies.
bool ComboCalcSkinSize(TControlGeometry& geometry, bool useSkinSize, int32_t& width, int32_t& height);

struct TDropDownInput {
    TRect Control;       // the control on the screen
    TRect WorkArea;      // of the monitor that holds the control
    int32_t ListBoxWidth = 0;   // 0: the control's width
    int32_t Count = 0, DropDownCount = 8;
    // The list's own height rule; its Count is replaced by the rows shown.
    TListBoxHeightInput List;
};
// Below the control, or above it when the list would pass the work area's bottom; moved left or
// right so that it stays inside the work area horizontally.
TRect PlaceDropDown(const TDropDownInput& in);

// Keys the model handles (the window maps virtual keys to these).
enum class TComboKey : uint8_t { Enter, Escape, PageUp, PageDown, Home, End, Left, Up, Right, Down, F4 };

// What the model asks of its window.
class IComboBoxSink {
public:
    virtual ~IComboBoxSink() = default;
    // The drop-down list's selection changed to index (-1: none); the native list follows.
    virtual void ListIndexChanged(int32_t index) = 0;
    // Show the list at PlaceDropDown's place with its top row at the selection; hide it.
    virtual void ShowList() = 0;
    virtual void HideList() = 0;
    // The edit style takes an accepted item's text whole-selected (the edit sends the text back
    // through SetText as it changes).
    virtual void SelectEditText() = 0;
    virtual void Redraw() = 0;
    // The window's mouse capture, for a press that started in the list.
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // Sends the native list a mouse move at (x, y) of its own, so it selects the row there.
    virtual void ListMouseMove(TPoint p) = 0;
    // The auto-scroll timer: started at ms milliseconds, stopped.
    virtual void StartTimer(unsigned ms) = 0;
    virtual void StopTimer() = 0;
    // Events, raised after the state changed.
    virtual void Change() = 0;
    virtual void Click() = 0;
    virtual void DropDownEvent() = 0;
    virtual void CloseUpEvent() = 0;
};

// Where the pointer is relative to the native list while a press is tracked.
struct TListTrack {
    TPoint Pointer;          // in the native list's coordinates
    int32_t ListHeight = 0;  // the native list's client height
    bool VertBar = false;    // the list has a vertical scroll bar
};

class TComboBoxModel {
public:
    static constexpr unsigned kAutoScrollMs = 25;
    static constexpr uint32_t kSearchResetMs = 500;

    explicit TComboBoxModel(IComboBoxSink& sink) : sink_(sink) {}

    // Setup and properties.
    void SetItems(std::vector<String> items);
    const std::vector<String>& Items() const { return items_; }
    void SetStyle(TspSkinCustomComboBoxStyle style) { style_ = style; }
    TspSkinCustomComboBoxStyle Style() const { return style_; }
    void SetToolButtonStyle(bool value) { toolButton_ = value; }
    void SetAutoComplete(bool value) { autoComplete_ = value; }
    // Values below 1 are ignored.
    void SetDropDownCount(int32_t value);
    int32_t DropDownCount() const { return dropDownCount_; }
    void SetRects(const TComboRects& rects) { rects_ = rects; }
    // True while the control is loading or designed: ItemIndex sets raise no OnClick.
    void SetLoading(bool value) { loading_ = value; }

    const String& Text() const { return text_; }
    // The control's text; OnChange only when it differs.
    void SetText(const String& value);
    int32_t ItemIndex() const { return listIndex_; }
    // An index outside the items selects none, as the native list does. In the fixed style no
    // selection empties Text. OnClick fires on every set.
    void SetItemIndex(int32_t index);
    int32_t OldItemIndex() const { return oldItemIndex_; }
    // The item the control shows: the selection to restore while the list is open.
    int32_t ShownIndex() const { return dropDown_ ? oldItemIndex_ : listIndex_; }

    bool IsDropDown() const { return dropDown_; }
    void DropDown();
    void CloseUp(bool accept);

    // Returns true when the key was the control's.
    bool KeyDown(TComboKey key, bool alt);
    // A typed character at now (milliseconds of a wrapping tick count).
    void KeyPress(wchar_t ch, uint32_t now);
    void Wheel(int32_t delta);
    void FocusLost();
    // fromOwnWindows: the notification comes from the control, the list, its bars or its native list.
    void CancelMode(bool fromOwnWindows);

    // The mouse over the control, in its coordinates.
    void MouseDown(TPoint p, bool leftButton);
    void MouseMove(TPoint p, const TListTrack& track);
    // overNativeList: the window under the pointer is the native list.
    void MouseUp(bool overNativeList);
    void MouseLeave();
    // The list hook's left press: the press is the control's from now on.
    void ListPress();
    // A move over the native list onto row (or -1 where no item is).
    void ListHover(int32_t row);
    void TimerTick();
    // The capture went elsewhere: the press ends and the auto-scroll stops.
    void CaptureLost();

    bool ButtonMouseIn() const { return buttonMouseIn_; }
    bool ButtonDown() const { return buttonDown_; }
    bool Pressing() const { return lbDown_; }
    bool WasInList() const { return wasInLB_; }
    // 0 none, 1 up, 2 down.
    int TimerMode() const { return timerMode_; }
    const String& Filter() const { return filter_; }

private:
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    bool Valid(int32_t i) const { return i >= 0 && i < Count(); }
    void SetListIndex(int32_t index);
    void SetTimerMode(int mode);
    void EndPress();
    // The native list's prefix search from start (-1: from the top), wrapping; -1 when none.
    int32_t FindPrefix(const String& prefix, int32_t start) const;

    IComboBoxSink& sink_;
    std::vector<String> items_;
    String text_;
    int32_t listIndex_ = -1;
    int32_t oldItemIndex_ = -1;
    TspSkinCustomComboBoxStyle style_ = spcbFixedStyle;
    bool toolButton_ = false;
    bool autoComplete_ = true;
    bool loading_ = false;
    int32_t dropDownCount_ = 8;
    TComboRects rects_;
    bool dropDown_ = false;
    bool buttonMouseIn_ = false, buttonDown_ = false;
    bool lbDown_ = false, wasInLB_ = false;
    int timerMode_ = 0;
    String filter_;
    uint32_t lastTime_ = 0;
    bool typed_ = false;
};

} // namespace vt
