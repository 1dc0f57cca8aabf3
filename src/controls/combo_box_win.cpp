#include "controls/combo_box_win.h"

#include "controls/control_font_win.h"
#include "controls/framed_record.h"
#include "controls/scroll_bar_win.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "framework/win/forms.h"
#include "raster/bitmap_win.h"
#include "raster/caption.h"
#include "raster/caption_win.h"
#include "raster/compose.h"
#include "raster/compose_win.h"
#include "raster/layer_win.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"

#include <algorithm>

namespace vt {

namespace {

// A font's description property by its name after the font's prefix; false for another name.
bool SetFontMember(TFont& f, std::wstring_view member, const TPropValue& v)
{
    if (member == L"Name")
        f.SetName(v.AsString());
    else if (member == L"Height")
        f.SetHeight(v.AsInteger());
    else if (member == L"Color")
        f.SetColor(ColorFromValue(v));
    else if (member == L"Style")
        f.SetStyle(FontStylesFromSet(v.AsSet()));
    else if (member == L"Charset")
        f.SetCharset(CharsetFromValue(v));
    else
        return false;
    return true;
}

std::optional<TComboKey> ComboKeyOf(WPARAM vk)
{
    switch (vk) {
    case VK_RETURN: return TComboKey::Enter;
    case VK_ESCAPE: return TComboKey::Escape;
    case VK_PRIOR: return TComboKey::PageUp;
    case VK_NEXT: return TComboKey::PageDown;
    case VK_HOME: return TComboKey::Home;
    case VK_END: return TComboKey::End;
    case VK_LEFT: return TComboKey::Left;
    case VK_UP: return TComboKey::Up;
    case VK_RIGHT: return TComboKey::Right;
    case VK_DOWN: return TComboKey::Down;
    case VK_F4: return TComboKey::F4;
    default: return std::nullopt;
    }
}

TPoint CursorPos()
{
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

} // namespace

// --- the drop-down list ------------------------------------------------------------------------------

TspPopupListBox::TspPopupListBox(TComponent* owner) : TspSkinListBox(owner)
{
    SetVisible(false);
    ListBox()->SetTabStop(false);
}

void TspPopupListBox::CreateParams(TCreateParams& params)
{
    TspSkinListBox::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.ClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

void TspPopupListBox::WndProc(TMessage& msg)
{
    if (msg.Msg == WM_MOUSEACTIVATE) {
        msg.Result = MA_NOACTIVATE;
        return;
    }
    TspSkinListBox::WndProc(msg);
}

void TspPopupListBox::PlaceOnScreen(const TRect& r)
{
    // A pop-up's position is on the screen; the framework's bounds follow the window.
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspPopupListBox::Show(TPoint origin)
{
    const unsigned serial = ++showSerial_;
    HWND wnd = Handle();
    bool alpha = false, animate = false;
    uint8_t value = 255;
    if (Combo) {
        alpha = Combo->ListBoxAlphaBlend();
        animate = alpha && Combo->ListBoxAlphaBlendAnimation();
        value = Combo->ListBoxAlphaBlendValue();
        const LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
        if (alpha && !(ex & WS_EX_LAYERED))
            SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        else if (!alpha && (ex & WS_EX_LAYERED))
            SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        if (alpha && (value != FOldAlphaBlendValue || !FOldAlphaBlend || animate)) {
            SetWindowAlphaValue(wnd, animate ? 0 : value);
            FOldAlphaBlendValue = value;
        }
        FOldAlphaBlend = alpha;
    }
    SetWindowPos(wnd, HWND_TOPMOST, origin.X, origin.Y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    SetVisible(true);
    if (animate && serial == showSerial_)
        FadeIn(value);
}

void TspPopupListBox::FadeIn(uint8_t target)
{
    // Messages are processed during the fade: a close or the owner's destruction may come in.
    TComponentRef<TspPopupListBox> self(this);
    const unsigned serial = showSerial_;
    auto interrupted = [&] { return !self || serial != showSerial_ || !HandleAllocated(); };
    Application->ProcessMessages();
    if (interrupted())
        return;
    const int step = std::max(target / 15, 1);
    int alpha = 0;
    ULONGLONG last = GetTickCount64();
    while (alpha < target) {
        const ULONGLONG now = GetTickCount64();
        if (now - last > 5) {
            alpha = std::min<int>(alpha + step, target);
            SetWindowAlphaValue(Handle(), static_cast<uint8_t>(alpha));
            last = now;
        }
        Application->ProcessMessages();
        if (interrupted())
            return;
        Sleep(1);
    }
}

void TspPopupListBox::Hide()
{
    ++showSerial_;
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    SetVisible(false);
}

// --- the combo box --------------------------------------------------------------------------------

TspSkinCustomComboBox::TspSkinCustomComboBox(TComponent* owner) : TspSkinCustomControl(owner)
{
    SetSkinDataName(L"combobox");
    SetTabStop(true);
    TFont f;
    f.SetName(L"Tahoma");
    f.SetHeight(13);
    f.SetColor(clWindowText);
    Font().Assign(f);
    DefaultFont().Assign(f);
    TspSkinCustomControl::SetBounds(Left(), Top(), 120, 20);

    FListBox = new TspPopupListBox(this);
    FListBox->Combo = this;
    FListBox->SetParent(this);
    FListBox->OnListBoxMouseMove = [this](TObject*, TShiftState, int x, int y) {
        model_.ListHover(FListBox->ItemAtPos({x, y}, true));
    };
    FListBox->OnCheckButtonClick = [this](TObject*) { model_.CloseUp(true); };
    listHook_.emplace(*FListBox->ListBox(),
                      [this](TMessage& msg, const TWndMethod& previous) { ListHook(msg, previous); });
    CalcButtonAndItemRects();
}

TspSkinCustomComboBox::~TspSkinCustomComboBox()
{
    // The list and the edit outlive this part of the control: nothing of theirs may call back.
    listHook_.reset();
    editHook_.reset();
    FListBox->Combo = nullptr;
    FListBox->OnListBoxMouseMove = nullptr;
    FListBox->OnCheckButtonClick = nullptr;
    if (FEdit) {
        FEdit->OnChange = nullptr;
        FEdit->OnEditCancelMode = nullptr;
        FEdit->OnKeyDown = nullptr;
        FEdit->OnKeyPress = nullptr;
        FEdit->OnKeyUp = nullptr;
    }
}

void TspSkinCustomComboBox::SyncItems()
{
    std::vector<String> items;
    const TListBoxStrings& list = FListBox->Items();
    items.reserve(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list[i]);
    model_.SetItems(std::move(items));
}

void TspSkinCustomComboBox::SetItems(const TStrings& v)
{
    FListBox->SetItems(v);
    SyncItems();
    Refresh();
}

void TspSkinCustomComboBox::SetSorted(bool v)
{
    if (Sorted() == v)
        return;
    // The selected item stays selected at its new place, quietly: no item was chosen.
    const int old = model_.ItemIndex();
    const String selected = old >= 0 ? Items()[old] : String();
    const String text = Text();
    FListBox->SetSorted(v);
    SyncItems();
    if (old >= 0) {
        const auto& items = model_.Items();
        const auto at = std::find(items.begin(), items.end(), selected);
        model_.SetLoading(true);
        model_.SetItemIndex(static_cast<int>(at - items.begin()));
        model_.SetLoading(IsLoading());
    }
    model_.SetText(text);
}

void TspSkinCustomComboBox::SetItemIndex(int v)
{
    model_.SetLoading(IsLoading());
    model_.SetItemIndex(v);
}

void TspSkinCustomComboBox::SetText(const String& v) { model_.SetText(v); }

void TspSkinCustomComboBox::SetToolButtonStyle(bool v)
{
    if (FToolButtonStyle == v)
        return;
    FToolButtonStyle = v;
    model_.SetToolButtonStyle(v);
    if (v)
        FUseSkinSize = false;
    CalcButtonAndItemRects();
    Refresh();
}

void TspSkinCustomComboBox::SetUseSkinSize(bool v)
{
    if (FUseSkinSize == v || (v && FToolButtonStyle))
        return;
    FUseSkinSize = v;
    ApplySizeRule();
    CalcButtonAndItemRects();
    Refresh();
}

void TspSkinCustomComboBox::SetDefaultColor(TColor v)
{
    FDefaultColor = v;
    if (!HasRecord())
        Refresh();
}

void TspSkinCustomComboBox::SetAutoComplete(bool v)
{
    FAutoComplete = v;
    model_.SetAutoComplete(v);
}

// --- the sink -------------------------------------------------------------------------------------

void TspSkinCustomComboBox::ListIndexChanged(int32_t index)
{
    FListBox->SetItemIndex(index);
    // Selecting scrolls the native list without a scroll message; the skinned bar follows.
    if (FListBox->Visible())
        FListBox->UpDateScrollBar();
}

void TspSkinCustomComboBox::ShowList()
{
    TDropDownInput in;
    RECT wr;
    GetWindowRect(Handle(), &wr);
    in.Control = FromRECT(wr);
    if (!GetMonitorAreaOfWindow(Handle(), true, in.WorkArea)) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        in.WorkArea = FromRECT(work);
    }
    in.ListBoxWidth = FListBoxWidth;
    in.Count = FListBox->Items().Count();
    in.DropDownCount = model_.DropDownCount();
    in.List = FListBox->HeightInput(0);
    const TRect r = PlaceDropDown(in);
    if (FEdit && FEdit->CanFocus() && GetFocus() != FEdit->Handle())
        FEdit->SetFocus();
    FListBox->PlaceOnScreen(r);
    FListBox->SetTopIndex(std::max(model_.ItemIndex(), 0));
    FListBox->Show(TPoint{r.Left, r.Top});
}

void TspSkinCustomComboBox::HideList() { FListBox->Hide(); }

void TspSkinCustomComboBox::ListMouseMove(TPoint p)
{
    TspListBox* list = FListBox->ListBox();
    if (list->HandleAllocated())
        SendMessageW(list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y));
}

void TspSkinCustomComboBox::SelectEditText()
{
    if (FEdit)
        FEdit->SelectAll();
}

void TspSkinCustomComboBox::Change()
{
    TspSkinCustomControl::SetText(model_.Text());
    // The edit follows first; its own change notice then finds the text unchanged.
    if (FEdit && FEdit->Text() != model_.Text())
        FEdit->SetText(model_.Text());
    Refresh();
    Raise(OnChange, this);
}

void TspSkinCustomComboBox::Click() { TspSkinCustomControl::Click(); }

// --- the list hook ------------------------------------------------------------------------------------

void TspSkinCustomComboBox::ListHook(TMessage& msg, const TWndMethod& previous)
{
    switch (msg.Msg) {
    case WM_MOUSEACTIVATE:
        msg.Result = MA_NOACTIVATE;
        return;
    case WM_LBUTTONDOWN:
        // The press is the control's: the native list must not select or take the focus.
        model_.ListPress();
        msg.Result = 0;
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        msg.Result = 0;
        return;
    default:
        previous(msg);
    }
}

bool TspSkinCustomComboBox::IsOwnWindow(const TControl* c) const
{
    return c && (c == this || c == FListBox || c == FListBox->ListBox() ||
                 c == FListBox->VertScrollBar() || c == FListBox->HorzScrollBar());
}

// --- skin -------------------------------------------------------------------------------------------

void TspSkinCustomComboBox::GetSkinData()
{
    TspSkinCustomControl::GetSkinData();
    const auto* r = HasRecord() ? dynamic_cast<const TspDataSkinComboBox*>(
                                      SkinData()->CtrlList[static_cast<size_t>(FIndex)].get())
                                : nullptr;
    if (r)
        look_ = CopyComboBoxLook(*r);
    else
        look_.reset();
    CalcButtonAndItemRects();
}

void TspSkinCustomComboBox::ChangeSkinData()
{
    TspSkinCustomControl::ChangeSkinData();
    CalcButtonAndItemRects();
    FListBox->SetSkinDataName(look_ ? look_->ListBoxName : String());
    FListBox->SetSkinData(SkinData());
    if (!LoadedSkin())
        FListBox->ChangeSkinData();
    FListBox->UpDateScrollBar();
    if (FEdit) {
        ApplyEditFont();
        FEdit->SetEditTransparent(look_.has_value());
        PlaceEdit();
    }
    Refresh();
}

void TspSkinCustomComboBox::CalcSkinSize(int& width, int& height)
{
    ComboCalcSkinSize(MutableGeometry(), FUseSkinSize, width, height);
}

void TspSkinCustomComboBox::ApplySkinRegion()
{
    if (FUseSkinSize)
        TspSkinCustomControl::ApplySkinRegion();
}

void TspSkinCustomComboBox::CalcButtonAndItemRects()
{
    TComboRectsInput in;
    in.Width = Width();
    in.Height = Height();
    in.Look = Look();
    in.ToolButtonStyle = FToolButtonStyle;
    in.UseSkinSize = FUseSkinSize;
    rects_ = ComboBoxRects(in);
    model_.SetRects(rects_);
}

TColor TspSkinCustomComboBox::DisabledFontColor() const
{
    TRecordLookup edit = FindControlRecord<TspDataSkinEditControl>(LoadedSkin(), L"edit");
    if (edit) {
        const auto& r = static_cast<const TspDataSkinEditControl&>(*edit.Record);
        if (r.DisabledFontColor != r.FontColor)
            return r.DisabledFontColor;
    }
    return clGrayText;
}

// --- painting ---------------------------------------------------------------------------------------

void TspSkinCustomComboBox::DrawItemContent(TCanvas& canvas, int index, int w, int h, const TRect& textRect,
                                            TOwnerDrawState state)
{
    if (OnComboBoxDrawItem) {
        Raise(OnComboBoxDrawItem, this, canvas, index, w, h, textRect, state);
        return;
    }
    if (index < 0 || index >= FListBox->Items().Count())
        return;
    DrawListItemContent(canvas, FListBox->Items()[index], index, textRect, FListBox->Images(),
                        FListBox->ImageIndex(), FListBox->TabWidths(), 0, Enabled());
}

void TspSkinCustomComboBox::RenderDefaultLook(TspBitmap& bitmap)
{
    CalcButtonAndItemRects();
    if (FToolButtonStyle) {
        RenderToolButton(bitmap);
        return;
    }
    FrameAndFill(bitmap, bitmap.BoundsRect(), clBtnShadow, FDefaultColor);
    const TRect& b = rects_.Button;
    if (model_.ButtonDown() && model_.ButtonMouseIn())
        FrameAndFill(bitmap, b, kDefaultFrame, kDefaultDownFill);
    else if (model_.ButtonMouseIn())
        FrameAndFill(bitmap, b, kDefaultFrame, kDefaultHotFill);
    else
        FrameAndFill(bitmap, b, clBtnShadow, clBtnFace);
    DrawShapes(bitmap, Arrow(b, kArrowDown), Enabled() ? clBlack : clBtnShadow);
    if (!FEdit)
        RenderDefaultItem(bitmap);
}

void TspSkinCustomComboBox::RenderDefaultItem(TspBitmap& bitmap)
{
    const TRect& item = rects_.Item;
    if (item.Width() <= 0 || item.Height() <= 0)
        return;
    const bool focused = Focused();
    TspBitmap img;
    img.SetSize(item.Width(), item.Height());
    img.Clear(ColorToPixel(focused ? clHighlight : FDefaultColor, 255));
    TCanvas& canvas = GetCanvas(img);
    canvas.Font().SetName(Font().Name());
    canvas.Font().SetStyle(Font().Style());
    canvas.Font().SetHeight(Font().Height());
    canvas.Font().SetColor(focused ? clHighlightText : (Enabled() ? DefaultFont().Color() : clGrayText));
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const TRect textRect{2, 0, img.Width() - 2, img.Height()};
    DrawItemContent(canvas, model_.ShownIndex(), img.Width(), img.Height(), textRect, focused ? ODS_FOCUS : 0);
    CopyRect(bitmap, item, img.View(), img.BoundsRect());
}

void TspSkinCustomComboBox::RenderSkinLook(TspBitmap& bitmap)
{
    CalcButtonAndItemRects();
    if (FToolButtonStyle) {
        RenderToolButton(bitmap);
        return;
    }
    const TComboBoxLook& l = *look_;
    const TPixelView picture = Picture();
    const TSkinRecordGeometry& g = Geometry().Record;
    const bool active = !l.ActiveSkinRect.IsEmpty() && (FMouseIn || Focused()) &&
                        RectInsidePicture(l.ActiveSkinRect, picture.Width, picture.Height);
    if (FUseSkinSize) {
        if (active)
            ComposeHorzBand(g.LTPt.X, l.SkinRect.Width() - g.RTPt.X, bitmap, picture, l.ActiveSkinRect, Width(),
                            g.StretchEffect);
        else
            TspSkinCustomControl::RenderSkinLook(bitmap);
        RenderSkinButton(bitmap);
    } else {
        const TRect& source = active ? l.ActiveSkinRect : l.SkinRect;
        if (RectInsidePicture(source, picture.Width, picture.Height))
            ComposeFramedPictureFromClient(bitmap, picture, source, Rect(l.ClRect.Left + 3, l.ClRect.Top + 1, l.ClRect.Right - 3, l.ClRect.Bottom - 1), true);
        RenderButtonRecord(bitmap);
    }
    if (!FEdit)
        RenderSkinItem(bitmap);
}

void TspSkinCustomComboBox::RenderSkinButton(TspBitmap& bitmap)
{
    const TComboBoxLook& l = *look_;
    const TPixelView picture = Picture();
    const TRect* source = nullptr;
    if (!Enabled() && !l.UnEnabledButtonRect.IsEmpty())
        source = &l.UnEnabledButtonRect;
    else if (model_.ButtonDown() && model_.ButtonMouseIn())
        source = &l.DownButtonRect;
    else if (model_.ButtonMouseIn())
        source = &l.ActiveButtonRect;
    // The idle button is part of the body picture.
    if (source && RectInsidePicture(*source, picture.Width, picture.Height))
        CopyRect(bitmap, rects_.Button, picture, *source);
}

void TspSkinCustomComboBox::RenderButtonRecord(TspBitmap& bitmap)
{
    const TspSkinData* sd = LoadedSkin();
    TRecordLookup found;
    for (const wchar_t* name : {L"combobutton", L"editbutton", L"resizebutton"})
        if ((found = FindControlRecord<TspDataSkinButtonControl>(sd, name)))
            break;
    const TRect& b = rects_.Button;
    if (!found || b.IsEmpty())
        return;
    const auto& r = static_cast<const TspDataSkinButtonControl&>(*found.Record);
    const bool down = model_.ButtonDown() && model_.ButtonMouseIn();
    const bool hot = model_.ButtonMouseIn();
    const TRect& activeRect = r.ActiveSkinRect.IsEmpty() ? r.SkinRect : r.ActiveSkinRect;
    const TRect& source = down ? (r.DownSkinRect.IsEmpty() ? activeRect : r.DownSkinRect) : hot ? activeRect : r.SkinRect;
    TspBitmap face;
    if (!ComposeRecordRect(face, *sd, r, source, b.Width(), b.Height()))
        return;
    if (r.MenuMarkerRect.IsEmpty()) {
        if (Enabled())
            DrawShapes(face, Arrow(face.BoundsRect(), kArrowDown),
                       down ? r.DownFontColor : hot ? r.ActiveFontColor : r.FontColor);
    } else {
        const TRect& marker = down && !r.MenuMarkerDownRect.IsEmpty()    ? r.MenuMarkerDownRect
                              : hot && !r.MenuMarkerActiveRect.IsEmpty() ? r.MenuMarkerActiveRect
                                                                         : r.MenuMarkerRect;
        CopyKeyed(face, (face.Width() - marker.Width()) / 2, (face.Height() - marker.Height()) / 2,
                  RecordPicture(*sd, r.PictureIndex), marker, true, r.MenuMarkerTransparentColor);
    }
    CopyRect(bitmap, b, face.View(), face.BoundsRect());
}

void TspSkinCustomComboBox::RenderSkinItem(TspBitmap& bitmap)
{
    const TComboBoxLook& l = *look_;
    const TRect& item = rects_.Item;
    const int w = item.Width();
    if (w <= 0)
        return;
    const TPixelView picture = Picture();
    const bool focused = Focused();
    const bool hot = !focused && FMouseIn && !l.ActiveItemRect.IsEmpty() && !l.ActiveSkinRect.IsEmpty();
    const TRect& source = focused ? l.FocusItemRect : hot ? l.ActiveItemRect : l.SItemRect;
    const bool stretch = focused ? l.FocusItemStretchEffect : l.ItemStretchEffect;
    const bool drawable = !source.IsEmpty() && RectInsidePicture(source, picture.Width, picture.Height);
    TspBitmap img;
    TRect textRect = ComboItemTextRect(l, item);
    if (FUseSkinSize) {
        const int h = ComboItemHeight(l, item);
        if (drawable) {
            ComposeHorzBand(l.ItemLeftOffset, l.ItemRightOffset, img, picture, source, w, stretch);
        } else {
            // A copy of the body under the item.
            img.SetSize(w, h);
            CopyRect(img, img.BoundsRect(), bitmap.View(), Bounds(item.Left, item.Top, w, h));
        }
    } else {
        img.SetSize(w, item.Height());
        if (drawable) {
            // The text rectangle is the picture's inner part; the focus and active pictures are
            // one pixel in from it.
            TRect inner = l.ItemTextRect;
            if (&source != &l.SItemRect)
                inner = Rect(inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1);
            inner.Right = std::min(inner.Right, source.Width());
            inner.Bottom = std::min(inner.Bottom, source.Height());
            ComposeFramedPictureFromClient(img, picture, source, inner, true);
        } else {
            CopyRect(img, img.BoundsRect(), bitmap.View(), item);
        }
        textRect.Bottom += Height() - l.SkinRect.Height();
    }
    TCanvas& canvas = GetCanvas(img);
    TRecordFont rf{&l.FontName, l.FontHeight, l.FontStyle};
    AssignControlFont(canvas.Font(), DefaultFont(), SkinData(), rf, UseSkinFont());
    TColor colour = focused ? l.FocusFontColor : (FMouseIn && !l.ActiveSkinRect.IsEmpty()) ? l.ActiveFontColor : l.FontColor;
    if (!Enabled())
        colour = DisabledFontColor();
    canvas.Font().SetColor(colour);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (focused && l.ShowFocus && !OnComboBoxDrawItem)
        DrawDottedFrame(canvas, img.BoundsRect());
    DrawItemContent(canvas, model_.ShownIndex(), img.Width(), img.Height(), textRect, focused ? ODS_FOCUS : 0);
    CopyRect(bitmap, Bounds(item.Left, item.Top, img.Width(), img.Height()), img.View(), img.BoundsRect());
}

void TspSkinCustomComboBox::RenderToolButton(TspBitmap& bitmap)
{
    const int w = Width(), h = Height();
    const bool open = model_.IsDropDown();
    const bool hot = FMouseIn || Focused();
    const TspSkinData* sd = LoadedSkin();
    TRecordLookup found = FindControlRecord<TspDataSkinButtonControl>(sd, L"resizetoolbutton");
    if (!found)
        found = FindControlRecord<TspDataSkinButtonControl>(sd, L"resizebutton");
    TColor text = DefaultFont().Color();
    TspBitmap face;
    bool composed = false;
    if (found) {
        const auto& r = static_cast<const TspDataSkinButtonControl&>(*found.Record);
        const TRect& state = open ? r.DownSkinRect : hot ? r.ActiveSkinRect : r.SkinRect;
        composed = ComposeRecordRect(face, *sd, r, state.IsEmpty() ? r.SkinRect : state, w, h);
        text = open ? r.DownFontColor : hot ? r.ActiveFontColor : r.FontColor;
    }
    if (composed) {
        CopyRect(bitmap, bitmap.BoundsRect(), face.View(), face.BoundsRect());
    } else if (open) {
        FrameAndFill(bitmap, bitmap.BoundsRect(), kDefaultFrame, kDefaultDownFill);
    } else if (hot) {
        FrameAndFill(bitmap, bitmap.BoundsRect(), kDefaultFrame, kDefaultHotFill);
    } else {
        FrameAndFill(bitmap, bitmap.BoundsRect(), clBtnShadow, clBtnFace);
    }
    if (!Enabled())
        text = DisabledFontColor();
    DrawShapes(bitmap, Arrow(Rect(w - 17, 0, w, h), kArrowDown), text);
    TCanvas& canvas = GetCanvas(bitmap);
    canvas.Font().Assign(DefaultFont());
    canvas.Font().SetColor(text);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawItemContent(canvas, model_.ShownIndex(), w, h, Rect(2, 2, w - 17, h - 2), 0);
}

// --- input ------------------------------------------------------------------------------------------

void TspSkinCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (Style() == spcbFixedStyle && CanFocus() && !Focused())
        SetFocus();
    TComponentRef<TControl> self(this);
    model_.MouseDown({x, y}, button == mbLeft);
    if (self)
        TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinCustomComboBox::MouseMove(TShiftState shift, int x, int y)
{
    TListTrack track;
    TspListBox* list = FListBox->ListBox();
    if (model_.Pressing() && list->HandleAllocated()) {
        POINT p{x, y};
        ::ClientToScreen(Handle(), &p);
        ::ScreenToClient(list->Handle(), &p);
        RECT cr;
        GetClientRect(list->Handle(), &cr);
        track.Pointer = {p.x, p.y};
        track.ListHeight = cr.bottom;
        track.VertBar = FListBox->VertScrollBar() != nullptr;
    }
    model_.MouseMove({x, y}, track);
    TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TComponentRef<TControl> self(this);
    if (button == mbLeft) {
        const TPoint at = CursorPos();
        TspListBox* list = FListBox->ListBox();
        const bool overList = list->HandleAllocated() && WindowFromPoint(POINT{at.X, at.Y}) == list->Handle();
        model_.MouseUp(overList);
    }
    if (self)
        TspSkinCustomControl::MouseUp(button, shift, x, y);
}

bool TspSkinCustomComboBox::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos)
{
    if (TspSkinCustomControl::DoMouseWheel(shift, delta, mousePos))
        return true;
    model_.SetLoading(IsLoading());
    model_.Wheel(delta);
    return true;
}

void TspSkinCustomComboBox::KeyDown(WORD& key, TShiftState shift)
{
    TspSkinCustomControl::KeyDown(key, shift);
    const std::optional<TComboKey> k = ComboKeyOf(key);
    model_.SetLoading(IsLoading());
    if (k && model_.KeyDown(*k, (shift & ssAlt) != 0))
        key = 0;
}

void TspSkinCustomComboBox::KeyPress(wchar_t& key)
{
    TspSkinCustomControl::KeyPress(key);
    if (key == 0)
        return;
    model_.SetLoading(IsLoading());
    model_.KeyPress(key, GetTickCount());
}

void TspSkinCustomComboBox::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_GETDLGCODE:
        msg.Result = DLGC_WANTARROWS;
        return;
    case CM_WANTSPECIALKEY:
        // Enter and Escape close an open list instead of reaching the form's buttons.
        if ((msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE) && model_.IsDropDown()) {
            msg.Result = 1;
            return;
        }
        break;
    case WM_TIMER:
        if (msg.WParam == kTimerId) {
            model_.TimerTick();
            return;
        }
        break;
    case WM_SIZE:
        TspSkinCustomControl::WndProc(msg);
        CalcButtonAndItemRects();
        PlaceEdit();
        return;
    case WM_SETFOCUS:
        // The edit takes the keys in the edit style.
        if (FEdit && FEdit->CanFocus()) {
            FEdit->SetFocus();
            return;
        }
        TspSkinCustomControl::WndProc(msg);
        Refresh();
        return;
    case WM_KILLFOCUS:
        TspSkinCustomControl::WndProc(msg);
        model_.FocusLost();
        return;
    case CM_CANCELMODE:
        model_.CancelMode(IsOwnWindow(reinterpret_cast<const TControl*>(msg.LParam)));
        return;
    case WM_CANCELMODE:
        // The system's cancel notice comes from none of the control's windows.
        model_.CancelMode(false);
        break;
    case CM_CAPTURELOST:
        model_.CaptureLost();
        break;
    case CM_ENABLEDCHANGED:
        TspSkinCustomControl::WndProc(msg);
        if (FEdit) {
            FEdit->SetEnabled(Enabled());
            ApplyEditFont();
        }
        Refresh();
        return;
    case CM_MOUSEENTER:
        FMouseIn = true;
        ApplyEditFont();
        if ((look_ && !look_->ActiveSkinRect.IsEmpty()) || FToolButtonStyle)
            Refresh();
        break;
    case CM_MOUSELEAVE:
        FMouseIn = false;
        model_.MouseLeave();
        ApplyEditFont();
        if ((look_ && !look_->ActiveSkinRect.IsEmpty()) || FToolButtonStyle)
            Refresh();
        break;
    default:
        break;
    }
    TspSkinCustomControl::WndProc(msg);
}

// --- the edit style ----------------------------------------------------------------------------------

void TspSkinCustomComboBox::SetStyle(TspSkinCustomComboBoxStyle v)
{
    if (v == model_.Style())
        return;
    const bool hadFocus = HandleAllocated() && (GetFocus() == Handle() || (FEdit && GetFocus() == FEdit->Handle()));
    model_.CloseUp(false);
    model_.SetStyle(v);
    if (v == spcbEditStyle) {
        FEdit = FNumEdit ? new TspSkinNumEdit(this) : new TspCustomEdit(this);
        FEdit->SetParent(this);
        FEdit->SetColor(FDefaultColor);
        FEdit->SetHideSelection(FHideSelection);
        FEdit->SetCharCase(FCharCase);
        FEdit->SetEditTransparent(look_.has_value());
        FEdit->SetText(Text());
        FEdit->OnChange = [this](TObject*) { EditChanged(); };
        // Keys typed into the edit are the control's too.
        FEdit->OnKeyDown = [this](TObject*, WORD& k, TShiftState sh) { Raise(OnKeyDown, this, k, sh); };
        FEdit->OnKeyPress = [this](TObject*, wchar_t& k) { Raise(OnKeyPress, this, k); };
        FEdit->OnKeyUp = [this](TObject*, WORD& k, TShiftState sh) { Raise(OnKeyUp, this, k, sh); };
        FEdit->OnEditCancelMode = [this](TControl* pressed) {
            model_.CancelMode(IsOwnWindow(pressed) || pressed == FEdit);
        };
        editHook_.emplace(*FEdit, [this](TMessage& msg, const TWndMethod& previous) { EditHook(msg, previous); });
        SetTabStop(false);
        FEdit->SetTabStop(true);
        ApplyEditFont();
    } else {
        editHook_.reset();
        delete FEdit;
        FEdit = nullptr;
        SetTabStop(true);
    }
    CalcButtonAndItemRects();
    PlaceEdit();
    RecreateWnd();
    if (hadFocus) {
        if (FEdit && FEdit->CanFocus())
            FEdit->SetFocus();
        else if (!FEdit && CanFocus())
            SetFocus();
    }
    Refresh();
}

void TspSkinCustomComboBox::SetCharCase(TEditCharCase v)
{
    FCharCase = v;
    if (FEdit)
        FEdit->SetCharCase(v);
}

void TspSkinCustomComboBox::SetHideSelection(bool v)
{
    FHideSelection = v;
    if (FEdit)
        FEdit->SetHideSelection(v);
}

void TspSkinCustomComboBox::ApplyEditFont()
{
    if (!FEdit)
        return;
    TFont f;
    TColor colour = DefaultFont().Color();
    if (look_) {
        const TRecordFont rf{&look_->FontName, look_->FontHeight, look_->FontStyle};
        AssignControlFont(f, DefaultFont(), SkinData(), rf, UseSkinFont());
        const bool active = !look_->ActiveSkinRect.IsEmpty() &&
                            ((FEdit->HandleAllocated() && GetFocus() == FEdit->Handle()) || FMouseIn);
        colour = active ? look_->ActiveFontColor : look_->FontColor;
    } else {
        f.Assign(Font());
    }
    if (!Enabled())
        colour = DisabledFontColor();
    f.SetColor(colour);
    FEdit->Font().Assign(f);
    FEdit->SetColor(FDefaultColor);
}

void TspSkinCustomComboBox::PlaceEdit()
{
    if (!FEdit)
        return;
    TspBitmap probe;
    probe.SetSize(1, 1);
    TCanvas& canvas = GetCanvas(probe);
    canvas.Font().Assign(FEdit->Font());
    const TRect r = ComboEditRect(rects_.Item, canvas.TextHeight(L"Wg"));
    FEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

int TspSkinCustomComboBox::FindItemStart(const String& text) const
{
    if (text.empty())
        return -1;
    const auto& items = model_.Items();
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].size() >= text.size() && SameText(std::wstring_view(items[i]).substr(0, text.size()), text))
            return static_cast<int>(i);
    return -1;
}

void TspSkinCustomComboBox::EditChanged()
{
    const String text = FEdit->Text();
    const int found = FindItemStart(text);
    if (found >= 0) {
        if (FAutoComplete)
            model_.ListHover(found);
        else
            FListBox->SetTopIndex(found);
    }
    model_.SetText(text);
}

void TspSkinCustomComboBox::CompleteEditText()
{
    const String typed = FEdit->Text();
    const int found = FindItemStart(typed);
    if (found < 0)
        return;
    TComponentRef<TControl> self(this);
    model_.SetLoading(IsLoading());
    model_.SetItemIndex(found);
    if (!self || !FEdit)
        return;
    FEdit->SetSelStart(static_cast<int>(typed.size()));
    FEdit->SetSelLength(static_cast<int>(FEdit->Text().size() - typed.size()));
}

void TspSkinCustomComboBox::EditHook(TMessage& msg, const TWndMethod& previous)
{
    model_.SetLoading(IsLoading());
    switch (msg.Msg) {
    case WM_SETFOCUS:
        previous(msg);
        ApplyEditFont();
        Refresh();
        return;
    case WM_KILLFOCUS:
        previous(msg);
        model_.CloseUp(false);
        ApplyEditFont();
        Refresh();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const bool alt = msg.Msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0;
        // The model leaves Left, Right, Home and End to the edit in the edit style, and Enter
        // and Escape to the edit (and then the form) unless they close the list.
        const std::optional<TComboKey> k = ComboKeyOf(msg.WParam);
        if (k && model_.KeyDown(*k, alt)) {
            msg.Result = 0;
            return;
        }
        break;
    }
    case WM_KEYUP: {
        TComponentRef<TControl> self(this);
        previous(msg);
        if (!self || !FEdit)
            return;
        // Completion at most every 200 ms, after a character key; double-byte input is the
        // edit's own.
        const uint8_t cs = FEdit->Font().Charset();
        const bool doubleByte = cs == SHIFTJIS_CHARSET || cs == HANGEUL_CHARSET || cs == GB2312_CHARSET ||
                                cs == CHINESEBIG5_CHARSET || cs == JOHAB_CHARSET;
        const DWORD now = GetTickCount();
        if (FAutoComplete && !doubleByte && msg.WParam >= L'0' &&
            (!completed_ || now - lastCompletion_ >= 200)) {
            completed_ = true;
            lastCompletion_ = now;
            CompleteEditText();
        }
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        model_.CloseUp(false);
        break;
    case WM_MOUSEWHEEL: {
        const int delta = GET_WHEEL_DELTA_WPARAM(msg.WParam);
        const int index = delta < 1 ? model_.ItemIndex() + 1 : model_.ItemIndex() - 1;
        if (index >= 0 && index < static_cast<int>(model_.Items().size())) {
            if (model_.IsDropDown()) {
                model_.ListHover(index);
            } else {
                model_.SetItemIndex(index);
                SelectEditText();
            }
        }
        msg.Result = 0;
        return;
    }
    default:
        break;
    }
    previous(msg);
}

// --- description ------------------------------------------------------------------------------------

bool TspSkinCustomComboBox::SetProperty(const String& name, const TPropValue& value)
{
    using C = TspSkinCustomComboBox;
    using Row = TPropertyRow<C>;
    static const Row rows[] = {
        {L"Items.Strings", [](C& c, const TPropValue& v) { c.SetItems(StringsValue(v)); }},
        {L"ItemIndex", [](C& c, const TPropValue& v) { c.SetItemIndex(v.AsInteger()); }},
        {L"Text", [](C& c, const TPropValue& v) { c.SetText(v.AsString()); }},
        {L"Sorted", [](C& c, const TPropValue& v) { c.SetSorted(v.AsBoolean()); }},
        {L"DropDownCount", [](C& c, const TPropValue& v) { c.SetDropDownCount(v.AsInteger()); }},
        {L"AutoComplete", [](C& c, const TPropValue& v) { c.SetAutoComplete(v.AsBoolean()); }},
        {L"ToolButtonStyle", [](C& c, const TPropValue& v) { c.SetToolButtonStyle(v.AsBoolean()); }},
        {L"UseSkinSize", [](C& c, const TPropValue& v) { c.SetUseSkinSize(v.AsBoolean()); }},
        {L"DefaultColor", [](C& c, const TPropValue& v) { c.SetDefaultColor(ColorFromValue(v)); }},
        {L"ImageIndex", [](C& c, const TPropValue& v) { c.SetImageIndex(v.AsInteger()); }},
        {L"TabWidths.Strings", [](C& c, const TPropValue& v) { c.FListBox->SetTabWidths(StringsValue(v)); }},
        {L"ListBoxWidth", [](C& c, const TPropValue& v) { c.SetListBoxWidth(v.AsInteger()); }},
        {L"ListBoxUseSkinItemHeight", [](C& c, const TPropValue& v) { c.SetListBoxUseSkinItemHeight(v.AsBoolean()); }},
        {L"ListBoxUseSkinFont", [](C& c, const TPropValue& v) { c.SetListBoxUseSkinFont(v.AsBoolean()); }},
        {L"ListBoxDefaultItemHeight", [](C& c, const TPropValue& v) { c.SetListBoxDefaultItemHeight(v.AsInteger()); }},
        {L"ListBoxCaption", [](C& c, const TPropValue& v) { c.SetListBoxCaption(v.AsString()); }},
        {L"ListBoxCaptionMode", [](C& c, const TPropValue& v) { c.SetListBoxCaptionMode(v.AsBoolean()); }},
        {L"ListBoxCaptionAlignment",
         [](C& c, const TPropValue& v) { c.SetListBoxCaptionAlignment(AlignmentFromIdent(v.AsIdent())); }},
        {L"HorizontalExtent", [](C& c, const TPropValue& v) { c.SetHorizontalExtent(v.AsBoolean()); }},
        {L"ListBoxAlphaBlend", [](C& c, const TPropValue& v) { c.SetListBoxAlphaBlend(v.AsBoolean()); }},
        {L"ListBoxAlphaBlendAnimation", [](C& c, const TPropValue& v) { c.SetListBoxAlphaBlendAnimation(v.AsBoolean()); }},
        {L"ListBoxAlphaBlendValue",
         [](C& c, const TPropValue& v) { c.SetListBoxAlphaBlendValue(static_cast<uint8_t>(CheckedRange(v, 0, 255))); }},
        {L"Style",
         [](C& c, const TPropValue& v) {
             static const wchar_t* const names[] = {L"spcbEditStyle", L"spcbFixedStyle"};
             c.SetStyle(static_cast<TspSkinCustomComboBoxStyle>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"NumEdit", [](C& c, const TPropValue& v) { c.SetNumEdit(v.AsBoolean()); }},
        {L"HideSelection", [](C& c, const TPropValue& v) { c.SetHideSelection(v.AsBoolean()); }},
        {L"CharCase",
         [](C& c, const TPropValue& v) {
             static const wchar_t* const names[] = {L"ecNormal", L"ecUpperCase", L"ecLowerCase"};
             c.SetCharCase(static_cast<TEditCharCase>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"OnChange", [](C& c, const TPropValue& v) { c.OnChange = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDropDown", [](C& c, const TPropValue& v) { c.OnDropDown = v.AsMethod<TNotifyEvent>(); }},
        {L"OnCloseUp", [](C& c, const TPropValue& v) { c.OnCloseUp = v.AsMethod<TNotifyEvent>(); }},
    };
    if (SetFromTable(*this, rows, name, value))
        return true;
    for (auto [prefix, font] : {std::pair<std::wstring_view, TFont*>{L"ListBoxDefaultFont.", &ListBoxDefaultFont()},
                                std::pair<std::wstring_view, TFont*>{L"ListBoxDefaultCaptionFont.",
                                                                     &ListBoxDefaultCaptionFont()}})
        if (std::wstring_view(name).starts_with(prefix))
            return SetFontMember(*font, std::wstring_view(name).substr(prefix.size()), value);
    return TspSkinCustomControl::SetProperty(name, value);
}

void RegisterComboBoxClasses()
{
    RegisterComponentClass<TspSkinComboBox>();
}

} // namespace vt
