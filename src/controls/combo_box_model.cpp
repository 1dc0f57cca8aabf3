#include "controls/combo_box_model.h"

#include "skin/control_records.h"

#include <algorithm>

namespace vt {

namespace {

constexpr int32_t kDefaultButtonWidth = 19;

} // namespace

TComboBoxLook CopyComboBoxLook(const TspDataSkinComboBox& r)
{
    TComboBoxLook l;
    l.SkinRect = r.SkinRect;
    l.ClRect = r.ClRect;
    l.RTPt = r.RTPoint;
    l.ActiveSkinRect = r.ActiveSkinRect;
    l.ActiveFontColor = r.ActiveFontColor;
    l.FontColor = r.FontColor;
    l.FocusFontColor = r.FocusFontColor;
    l.FontName = r.FontName;
    l.FontStyle = r.FontStyle;
    l.FontHeight = r.FontHeight;
    l.SItemRect = r.SItemRect;
    l.FocusItemRect = r.FocusItemRect;
    l.ActiveItemRect = r.ActiveItemRect;
    l.ItemLeftOffset = r.ItemLeftOffset;
    l.ItemRightOffset = r.ItemRightOffset;
    l.ItemTextRect = r.ItemTextRect;
    l.ButtonRect = r.ButtonRect;
    l.ActiveButtonRect = r.ActiveButtonRect;
    l.DownButtonRect = r.DownButtonRect;
    l.UnEnabledButtonRect = r.UnEnabledButtonRect;
    l.ListBoxName = r.ListBoxName;
    l.ItemStretchEffect = r.ItemStretchEffect;
    l.FocusItemStretchEffect = r.FocusItemStretchEffect;
    l.ShowFocus = r.ShowFocus;
    return l;
}

TComboRects ComboBoxRects(const TComboRectsInput& in)
{
    TComboRects r;
    if (!in.Look || in.ToolButtonStyle) {
        r.Button = Rect(in.Width - kDefaultButtonWidth, 0, in.Width, in.Height);
        r.Item = Rect(2, 2, r.Button.Left - 1, in.Height - 2);
        return r;
    }
    const TComboBoxLook& l = *in.Look;
    const int32_t dw = in.Width - l.SkinRect.Width();
    r.Button = l.ButtonRect;
    // A button in the right-hand fixed part keeps its distance from the right edge.
    if (l.ButtonRect.Left >= l.RTPt.X)
        r.Button = r.Button.Offset(dw, 0);
    r.Item = l.ClRect;
    r.Item.Right += dw;
    if (!in.UseSkinSize) {
        const int32_t dh = in.Height - l.SkinRect.Height();
        r.Button.Bottom += dh;
        r.Item.Bottom += dh;
    }
    return r;
}

TRect ComboEditRect(const TRect& item, int32_t textHeight)
{
    return Bounds(item.Left, item.Top + (item.Height() - textHeight) / 2, item.Width(), textHeight);
}

int32_t ComboItemHeight(const TComboBoxLook& look, const TRect& item)
{
    if (!look.SItemRect.IsEmpty())
        return look.SItemRect.Height();
    if (!look.FocusItemRect.IsEmpty())
        return look.FocusItemRect.Height();
    return item.Height();
}

TRect ComboItemTextRect(const TComboBoxLook& look, const TRect& item)
{
    TRect r = look.ItemTextRect;
    r.Right += item.Width() - (look.SItemRect.IsEmpty() ? look.ClRect.Width() : look.SItemRect.Width());
    return r;
}

bool ComboCalcSkinSize(TControlGeometry& geometry, bool useSkinSize, int32_t& width, int32_t& height)
{
    if (useSkinSize) {
        geometry.CalcSkinSize(width, height);
        return true;
    }
    if (!geometry.HasRecord || geometry.Mode == rmNone)
        return false;
    const TSkinRecordGeometry& r = geometry.Record;
    const int32_t dw = width - r.SkinRect.Width();
    geometry.NewLTPoint = r.LTPt;
    geometry.NewRTPoint = TPoint{r.RTPt.X + dw, r.RTPt.Y};
    geometry.NewLBPoint = r.LBPt;
    geometry.NewRBPoint = r.RBPt;
    geometry.NewClRect = r.ClRect;
    geometry.NewClRect.Right += dw;
    return false;
}

TRect PlaceDropDown(const TDropDownInput& in)
{
    const int32_t width = in.ListBoxWidth > 0 ? in.ListBoxWidth : in.Control.Width();
    TListBoxHeightInput list = in.List;
    list.Count = std::clamp(in.Count, 0, std::max(in.DropDownCount, 1));
    const int32_t height = CalcListBoxHeight(list);
    int64_t x = in.Control.Left, y = in.Control.Bottom;
    if (y + height > in.WorkArea.Bottom)
        y = int64_t(in.Control.Top) - height;
    if (x + width > in.WorkArea.Right)
        x = int64_t(in.WorkArea.Right) - width;
    if (x < in.WorkArea.Left)
        x = in.WorkArea.Left;
    const int32_t left = Saturated(x), top = Saturated(y);
    return Rect(left, top, Saturated(int64_t(left) + width), Saturated(int64_t(top) + height));
}

// ---- TComboBoxModel: selection and text

void TComboBoxModel::SetItems(std::vector<String> items)
{
    items_ = std::move(items);
    // A new item list starts without selection, as the native list does.
    listIndex_ = -1;
    oldItemIndex_ = -1;
}

void TComboBoxModel::SetDropDownCount(int32_t value)
{
    if (value >= 1)
        dropDownCount_ = value;
}

void TComboBoxModel::SetText(const String& value)
{
    if (value == text_)
        return;
    text_ = value;
    sink_.Change();
}

void TComboBoxModel::SetListIndex(int32_t index)
{
    if (index == listIndex_)
        return;
    listIndex_ = index;
    sink_.ListIndexChanged(index);
}

void TComboBoxModel::SetItemIndex(int32_t index)
{
    if (!Valid(index))
        index = -1;
    SetListIndex(index);
    if (index >= 0)
        SetText(items_[static_cast<size_t>(index)]);
    else if (style_ == spcbFixedStyle)
        SetText(String());
    oldItemIndex_ = index;
    if (style_ == spcbFixedStyle)
        sink_.Redraw();
    if (!loading_)
        sink_.Click();
}

// ---- Open and close

void TComboBoxModel::DropDown()
{
    if (Count() == 0 || dropDown_)
        return;
    wasInLB_ = false;
    SetTimerMode(0);
    sink_.DropDownEvent();
    // The handler may have emptied the list.
    if (Count() == 0)
        return;
    oldItemIndex_ = listIndex_;
    dropDown_ = true;
    sink_.Redraw();
    sink_.ShowList();
}

void TComboBoxModel::CloseUp(bool accept)
{
    if (!dropDown_)
        return;
    sink_.HideList();
    if (listIndex_ < 0) {
        SetListIndex(Valid(oldItemIndex_) ? oldItemIndex_ : -1);
    } else if (Valid(listIndex_) && accept) {
        SetText(items_[static_cast<size_t>(listIndex_)]);
        if (style_ == spcbEditStyle)
            sink_.SelectEditText();
        sink_.Redraw();
        if (!loading_)
            sink_.Click();
    } else if (!accept) {
        SetListIndex(Valid(oldItemIndex_) ? oldItemIndex_ : -1);
    }
    dropDown_ = false;
    sink_.Redraw();
    if (accept)
        sink_.CloseUpEvent();
}

// ---- Keys, search, wheel, focus

bool TComboBoxModel::KeyDown(TComboKey key, bool alt)
{
    const int32_t last = Count() - 1;
    const bool edit = style_ == spcbEditStyle;
    // The fixed style moves the selection through ItemIndex; the edit style moves the open
    // list's selection on page keys and puts stepped items into the edit.
    auto stepTo = [&](int32_t index) {
        if (index == listIndex_ || !Valid(index))
            return;
        SetItemIndex(index);
        if (edit)
            sink_.SelectEditText();
    };
    auto pageTo = [&](int64_t target) {
        if (Count() == 0)
            return;
        const int32_t index = static_cast<int32_t>(std::clamp<int64_t>(target, 0, last));
        if (edit) {
            if (dropDown_)
                SetListIndex(index);
        } else {
            SetItemIndex(index);
        }
    };
    switch (key) {
    case TComboKey::Enter:
    case TComboKey::Escape:
        if (!dropDown_)
            return false;
        CloseUp(key == TComboKey::Enter);
        return true;
    case TComboKey::PageUp:
        // Back by DropDownCount + 1, forward by DropDownCount - 1, as the control always paged.
        pageTo(int64_t(listIndex_) - dropDownCount_ - 1);
        return true;
    case TComboKey::PageDown:
        pageTo(int64_t(listIndex_) + dropDownCount_ - 1);
        return true;
    case TComboKey::Home:
        if (edit)
            return false;
        stepTo(0);
        return true;
    case TComboKey::End:
        if (edit)
            return false;
        stepTo(last);
        return true;
    case TComboKey::Left:
    case TComboKey::Up:
        if (alt) {
            CloseUp(false);
            return true;
        }
        if (edit && key == TComboKey::Left)
            return false;
        if (listIndex_ > 0)
            stepTo(listIndex_ - 1);
        return true;
    case TComboKey::Right:
    case TComboKey::Down:
        if (alt) {
            DropDown();
            return true;
        }
        if (edit && key == TComboKey::Right)
            return false;
        if (listIndex_ < last)
            stepTo(listIndex_ + 1);
        return true;
    case TComboKey::F4:
        if (dropDown_)
            CloseUp(false);
        else
            DropDown();
        return true;
    }
    return false;
}

int32_t TComboBoxModel::FindPrefix(const String& prefix, int32_t start) const
{
    const int32_t n = Count();
    if (n == 0 || prefix.empty())
        return -1;
    if (start < -1 || start >= n)
        start = -1;
    for (int32_t k = 1; k <= n; ++k) {
        const String& item = items_[static_cast<size_t>((start + k) % n)];
        if (item.size() >= prefix.size() && SameText(std::wstring_view(item).substr(0, prefix.size()), prefix))
            return (start + k) % n;
    }
    return -1;
}

void TComboBoxModel::KeyPress(wchar_t ch, uint32_t now)
{
    // Control characters (Enter, Escape, Backspace) are keys, not search text.
    if (style_ != spcbFixedStyle || ch < L' ')
        return;
    String search(1, ch);
    if (autoComplete_) {
        // The tick count wraps; the difference still measures the gap.
        if (!typed_ || now - lastTime_ >= kSearchResetMs)
            filter_.clear();
        typed_ = true;
        lastTime_ = now;
        filter_ += ch;
        search = filter_;
    }
    const int32_t found = FindPrefix(search, search.size() == 1 ? listIndex_ : -1);
    if (found >= 0)
        SetItemIndex(found);
}

void TComboBoxModel::Wheel(int32_t delta)
{
    if (style_ != spcbFixedStyle || Count() == 0)
        return;
    const int32_t index = delta <= 0 ? listIndex_ + 1 : listIndex_ - 1;
    if (!Valid(index))
        return;
    if (dropDown_)
        SetListIndex(index);
    else
        SetItemIndex(index);
}

void TComboBoxModel::FocusLost()
{
    if (style_ == spcbFixedStyle)
        CloseUp(false);
    sink_.Redraw();
}

void TComboBoxModel::CancelMode(bool fromOwnWindows)
{
    if (!fromOwnWindows)
        CloseUp(false);
}

// ---- Mouse and auto-scroll

void TComboBoxModel::MouseDown(TPoint p, bool leftButton)
{
    if (!leftButton)
        return;
    const bool onButton = rects_.Button.Contains(p);
    const bool onItem = style_ == spcbFixedStyle && rects_.Item.Contains(p);
    if (onButton || onItem || toolButton_) {
        buttonDown_ = true;
        sink_.Redraw();
        if (!dropDown_) {
            wasInLB_ = false;
            // Without items nothing opens and there is no list to drag into.
            lbDown_ = Count() > 0;
            // Last: showing the list may process messages that free the control.
            DropDown();
        } else {
            CloseUp(false);
        }
    } else {
        CloseUp(false);
    }
}

void TComboBoxModel::MouseMove(TPoint p, const TListTrack& track)
{
    if (lbDown_) {
        const int32_t y = track.Pointer.Y;
        if (y < 0) {
            if (track.VertBar && wasInLB_)
                SetTimerMode(1);
        } else if (y >= track.ListHeight) {
            if (track.VertBar && wasInLB_)
                SetTimerMode(2);
        } else {
            SetTimerMode(0);
            sink_.ListMouseMove(TPoint{1, y});
            wasInLB_ = true;
        }
        return;
    }
    const bool in = rects_.Button.Contains(p);
    if (in != buttonMouseIn_) {
        buttonMouseIn_ = in;
        sink_.Redraw();
    }
}

void TComboBoxModel::EndPress()
{
    lbDown_ = false;
    // A scroll outliving its press would run on with nothing to end it.
    SetTimerMode(0);
}

void TComboBoxModel::MouseUp(bool overNativeList)
{
    if (lbDown_ && wasInLB_) {
        // Cleared first: releasing the capture reports its loss straight back.
        EndPress();
        sink_.ReleaseMouse();
        CloseUp(overNativeList);
    } else {
        EndPress();
    }
    if (buttonDown_) {
        buttonDown_ = false;
        sink_.Redraw();
    }
}

void TComboBoxModel::MouseLeave()
{
    if (buttonMouseIn_) {
        buttonMouseIn_ = false;
        sink_.Redraw();
    }
}

void TComboBoxModel::ListPress()
{
    lbDown_ = true;
    wasInLB_ = true;
    sink_.CaptureMouse();
}

void TComboBoxModel::ListHover(int32_t row)
{
    if (Valid(row))
        SetListIndex(row);
}

void TComboBoxModel::SetTimerMode(int mode)
{
    if (mode == timerMode_)
        return;
    timerMode_ = mode;
    if (mode == 0)
        sink_.StopTimer();
    else
        sink_.StartTimer(kAutoScrollMs);
}

void TComboBoxModel::TimerTick()
{
    if (!lbDown_ || !dropDown_) {
        SetTimerMode(0);
        return;
    }
    if (timerMode_ == 1 && listIndex_ >= 1)
        SetListIndex(listIndex_ - 1);
    else if (timerMode_ == 2 && listIndex_ < Count() - 1)
        SetListIndex(listIndex_ + 1);
}

void TComboBoxModel::CaptureLost()
{
    if (lbDown_)
        EndPress();
    if (buttonDown_) {
        buttonDown_ = false;
        sink_.Redraw();
    }
}

} // namespace vt
