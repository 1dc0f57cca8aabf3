#include "controls/list_box_win.h"

#include "controls/control_font_win.h"
#include "controls/framed_record.h"
#include "controls/scroll_bar_win.h"
#include "framework/base/property_table.h"
#include "framework/base/form_loader.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose.h"
#include "raster/caption.h"
#include "raster/image_list.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"

#include <windowsx.h>

#include <algorithm>

namespace vt {

namespace {

// The message a frame engine sends for a control's image, and the answer that says it was drawn;
// and the window-image query with its answer.
constexpr UINT kControlImageMsg = 48202;
constexpr LPARAM kControlImageTag = 16802;
constexpr UINT kWindowImageQuery = 45513;
constexpr LRESULT kWindowImageAnswer = 12851;

constexpr int kCaptionButtonMax = 17;

std::vector<String> ToVector(const TStringList& list)
{
    std::vector<String> v;
    v.reserve(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        v.push_back(list[i]);
    return v;
}

} // namespace

// --- the native list --------------------------------------------------------------------------------

TspListBox::TspListBox(TComponent* owner) : TCustomListBox(owner) {}

void TspListBox::CreateParams(TCreateParams& params)
{
    TCustomListBox::CreateParams(params);
    params.Style = (params.Style & ~WS_BORDER) | WS_TABSTOP;
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TspListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (!SkinListBox) {
        TCustomListBox::DrawItem(index, rect, state);
        return;
    }
    if (index < 0 || index >= Items().Count())
        return;
    TspBitmap& img = SkinListBox->itemImage_;
    SkinListBox->RenderItem(img, index, rect.Width(), rect.Height(), state);
    if (HDC src = BitmapDC(img))
        BitBlt(Canvas().Handle(), rect.Left, rect.Top, img.Width(), img.Height(), src, 0, 0, SRCCOPY);
}

void TspListBox::PaintList(HDC dc)
{
    RECT cr;
    GetClientRect(Handle(), &cr);
    const int w = cr.right, h = cr.bottom;
    if (w < 1 || h < 1)
        return;
    TspBitmap whole;
    whole.SetSize(w, h);
    const int count = Items().Count();
    const int ih = std::max(ItemHeight(), 1);
    const bool focused = GetFocus() == Handle();
    const int itemIndex = ItemIndex(), selCount = SelCount();
    int bottom = 0;
    auto paintItem = [&](int i, const TRect& r) {
        TItemStateInput s;
        s.Index = i;
        s.ItemIndex = itemIndex;
        s.ListFocused = focused;
        s.SelCount = selCount;
        s.Selected = selCount >= 1 && Selected(i);
        // One image for every item: its memory DC and canvas are made once per paint size.
        TspBitmap& img = SkinListBox->itemImage_;
        SkinListBox->RenderItem(img, i, r.Width(), r.Height(), ListItemState(s));
        img.Draw(whole, r.Left, r.Top);
    };
    if (Columns() > 0) {
        SkinListBox->RenderListBackground(whole, {0, 0, w, h});
        for (int i = std::max(TopIndex(), 0); i < count; ++i) {
            const TRect r = ItemRect(i);
            if (r.Left >= w)
                break;
            if (!r.IsEmpty())
                paintItem(i, r);
        }
    } else {
        const TVisibleItems v = VisibleItems(TopIndex(), count, h, ih);
        for (int i = v.First; i < v.Last; ++i)
            paintItem(i, Rect(0, (i - v.First) * ih, w, (i - v.First + 1) * ih));
        bottom = v.Bottom;
        if (bottom < h)
            SkinListBox->RenderListBackground(whole, {0, bottom, w, h});
    }
    if (HDC src = BitmapDC(whole))
        BitBlt(dc, 0, 0, w, h, src, 0, 0, SRCCOPY);
}

void TspListBox::EraseBelowItems(HDC dc)
{
    RECT cr;
    GetClientRect(Handle(), &cr);
    TRect area{0, 0, cr.right, cr.bottom};
    if (Columns() == 0) {
        const TVisibleItems v = VisibleItems(TopIndex(), Items().Count(), area.Height(), std::max(ItemHeight(), 1));
        area.Top = std::min(v.Bottom, area.Bottom);
    }
    if (area.IsEmpty())
        return;
    TspBitmap bg;
    bg.SetSize(area.Width(), area.Height());
    SkinListBox->RenderListBackground(bg, {0, 0, area.Width(), area.Height()});
    if (HDC src = BitmapDC(bg))
        BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), src, 0, 0, SRCCOPY);
}

void TspListBox::WndProc(TMessage& msg)
{
    TspSkinCustomListBox* owner = SkinListBox;
    if (!owner || !HandleAllocated()) {
        TCustomListBox::WndProc(msg);
        return;
    }
    switch (msg.Msg) {
    case WM_NCCALCSIZE:
        // No non-client area: the native bars never show, their state stays valid.
        msg.Result = 0;
        return;
    case WM_NCHITTEST:
        msg.Result = HTCLIENT;
        return;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = msg.WParam ? reinterpret_cast<HDC>(msg.WParam) : BeginPaint(Handle(), &ps);
        PaintList(dc);
        if (!msg.WParam)
            EndPaint(Handle(), &ps);
        msg.Result = 0;
        return;
    }
    case WM_ERASEBKGND:
        EraseBelowItems(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = 1;
        owner->UpDateScrollBar();
        return;
    case kControlImageMsg:
        if (msg.LParam == kControlImageTag && Items().Count() == 0) {
            EraseBelowItems(reinterpret_cast<HDC>(msg.WParam));
            msg.Result = kControlImageTag;
            return;
        }
        break;
    case kWindowImageQuery:
        msg.Result = kWindowImageAnswer;
        return;
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
        TCustomListBox::WndProc(msg);
        owner->UpDateScrollBar();
        return;
    case WM_MOUSEWHEEL: {
        TComponentRef<TspListBox> self(this);
        TCustomListBox::WndProc(msg);
        if (self)
            owner->AfterWheel(GET_WHEEL_DELTA_WPARAM(msg.WParam));
        return;
    }
    case WM_KEYDOWN:
        if (owner->HorzArrowKey(static_cast<WORD>(msg.WParam))) {
            msg.Result = 0;
            return;
        }
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_SIZE:
        TCustomListBox::WndProc(msg);
        owner->UpDateScrollBar();
        return;
    default:
        break;
    }
    TCustomListBox::WndProc(msg);
}

// --- the skinned list box ---------------------------------------------------------------------------

TspSkinCustomListBox::TspSkinCustomListBox(TComponent* owner) : TspSkinCustomControl(owner)
{
    SetSkinDataName(L"listbox");
    SetForceBackground(true);
    SetDrawBackground(false);
    TFont f;
    f.SetName(L"Tahoma");
    f.SetHeight(13);
    f.SetColor(clWindowText);
    Font().Assign(f);
    DefaultFont().Assign(f);
    FDefaultCaptionFont.Assign(f);
    TspSkinCustomControl::SetBounds(Left(), Top(), 120, 120);

    ListBox_ = new TspListBox(this);
    ListBox_->SkinListBox = this;
    ListBox_->SetItemHeight(FDefaultItemHeight);
    ListBox_->SetParent(this);
    // The list's notices and input are reported with the skinned control as the sender.
    ListBox_->OnClick = [this](TObject*) { Raise(OnListBoxClick, this); };
    ListBox_->OnDblClick = [this](TObject*) { Raise(OnListBoxDblClick, this); };
    ListBox_->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        Raise(OnListBoxMouseDown, this, b, s, x, y);
    };
    ListBox_->OnMouseMove = [this](TObject*, TShiftState s, int x, int y) { Raise(OnListBoxMouseMove, this, s, x, y); };
    ListBox_->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        Raise(OnListBoxMouseUp, this, b, s, x, y);
    };
    ListBox_->OnKeyDown = [this](TObject*, WORD& k, TShiftState s) { Raise(OnListBoxKeyDown, this, k, s); };
    ListBox_->OnKeyPress = [this](TObject*, wchar_t& k) { Raise(OnListBoxKeyPress, this, k); };
    ListBox_->OnKeyUp = [this](TObject*, WORD& k, TShiftState s) { Raise(OnListBoxKeyUp, this, k, s); };
    Layout();
}

TspSkinCustomListBox::~TspSkinCustomListBox()
{
    // The list and bars are children and go with the control; nothing may call back meanwhile.
    if (ListBox_)
        ListBox_->SkinListBox = nullptr;
}

void TspSkinCustomListBox::SetItems(const TStrings& v)
{
    ListBox_->SetItems(v);
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetTopIndex(int v)
{
    ListBox_->SetTopIndex(v);
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetSorted(bool v)
{
    ListBox_->SetSorted(v);
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetMultiSelect(bool v)
{
    ListBox_->SetMultiSelect(v);
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetExtandedSelect(bool v)
{
    ListBox_->SetExtendedSelect(v);
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetColumns(int v)
{
    if (v == Columns())
        return;
    FreeBar(ScrollBar);
    ListBox_->SetColumns(v);
    Layout();
    UpDateScrollBar();
}

void TspSkinCustomListBox::Clear()
{
    ListBox_->Clear();
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetDefaultItemHeight(int v)
{
    FDefaultItemHeight = v;
    if (!HasRecord() || !FUseSkinItemHeight)
        ApplyItemHeight();
}

void TspSkinCustomListBox::SetUseSkinItemHeight(bool v)
{
    FUseSkinItemHeight = v;
    ApplyItemHeight();
}

void TspSkinCustomListBox::SetHorizontalExtent(bool v)
{
    FHorizontalExtent = v;
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetRowCount(int v)
{
    FRowCount = std::max(v, 0);
    ApplyRowCount();
    UpDateScrollBar();
}

void TspSkinCustomListBox::SetTabWidths(const TStrings& v)
{
    FTabWidths.Assign(v);
    ListBox_->Invalidate();
}

void TspSkinCustomListBox::SetImages(TCustomImageList* v)
{
    FImages = v;
    UpDateScrollBar();
    ListBox_->Invalidate();
}

void TspSkinCustomListBox::SetImageIndex(int v)
{
    FImageIndex = v;
    ListBox_->Invalidate();
}

void TspSkinCustomListBox::SetCaptionMode(bool v)
{
    FCaptionMode = v;
    Layout();
    Refresh();
}

void TspSkinCustomListBox::SetDefaultCaptionHeight(int v)
{
    FDefaultCaptionHeight = std::max(v, 0);
    Layout();
    Refresh();
}

void TspSkinCustomListBox::SetAlignment(TAlignment v)
{
    FAlignment = v;
    Refresh();
}

void TspSkinCustomListBox::SetShowCaptionButtons(bool v)
{
    FShowCaptionButtons = v;
    Refresh();
}

void TspSkinCustomListBox::SetGlyph(const TspBitmap& v)
{
    FGlyph.Assign(v);
    Refresh();
}

void TspSkinCustomListBox::SetNumGlyphs(int v)
{
    if (v < 1 || v > 2)
        return;
    FNumGlyphs = v;
    Refresh();
}

void TspSkinCustomListBox::SetSpacing(int v)
{
    FSpacing = v;
    Refresh();
}

int TspSkinCustomListBox::CalcHeight(int count) const
{
    return CalcListBoxHeight(HeightInput(count));
}

TListBoxHeightInput TspSkinCustomListBox::HeightInput(int count) const
{
    TListBoxHeightInput in;
    in.Count = count;
    in.ItemHeight = ListBox_->ItemHeight();
    in.Look = Look();
    in.CaptionMode = FCaptionMode;
    in.DefaultCaptionHeight = FDefaultCaptionHeight;
    in.HorzBar = HScrollBar != nullptr;
    in.HorzBarHeight = HScrollBar ? HScrollBar->Height() : 0;
    return in;
}

// --- skin change and layout ------------------------------------------------------------------------

void TspSkinCustomListBox::GetSkinData()
{
    TspSkinCustomControl::GetSkinData();
    const auto* r = HasRecord() ? dynamic_cast<const TspDataSkinListBox*>(
                                      SkinData()->CtrlList[static_cast<size_t>(FIndex)].get())
                                : nullptr;
    if (r)
        look_ = CopyListBoxLook(*r);
    else
        look_.reset();
    if (look_)
        NewClRect = ListBoxClientRect(*look_, Width(), Height());
}

void TspSkinCustomListBox::ChangeSkinData()
{
    TspSkinCustomControl::ChangeSkinData();
    if (!HasRecord())
        Font().Assign(DefaultFont());
    ApplyItemHeight();
    ApplyBarSkins();
    ApplyRowCount();
    Layout();
    UpDateScrollBar();
    ListBox_->Invalidate();
}

void TspSkinCustomListBox::DefaultFontChanged()
{
    if (!HasRecord())
        Font().Assign(DefaultFont());
}

void TspSkinCustomListBox::ApplyItemHeight()
{
    ListBox_->SetItemHeight(ListBoxItemHeight(Look(), FUseSkinItemHeight, FDefaultItemHeight));
    ApplyRowCount();
    UpDateScrollBar();
    ListBox_->Invalidate();
}

void TspSkinCustomListBox::ApplyRowCount()
{
    if (FRowCount > 0 && !IsLoading())
        SetBounds(Left(), Top(), Width(), CalcHeight(FRowCount));
}

void TspSkinCustomListBox::ApplyBarSkins()
{
    auto apply = [this](TspSkinScrollBar* bar, TListBar which) {
        if (!bar)
            return;
        const TBarSkin skin = BarSkinOf(Look(), which);
        bar->SetSkinDataName(skin.SkinDataName);
        bar->SetBothMarkerWidth(skin.BothMarkerWidth);
        bar->SetSkinData(SkinData());
    };
    apply(ScrollBar, Columns() > 0 ? TListBar::HorizontalAlone : TListBar::Vertical);
    apply(HScrollBar, ScrollBar ? TListBar::HorizontalBesideVertical : TListBar::HorizontalAlone);
}

void TspSkinCustomListBox::SetBounds(int left, int top, int width, int height)
{
    TspSkinCustomControl::SetBounds(left, top, width, height);
    if (look_)
        NewClRect = ListBoxClientRect(*look_, Width(), Height());
    Layout();
    UpDateScrollBar();
}

void TspSkinCustomListBox::Layout()
{
    if (!ListBox_)
        return;
    TListBoxLayoutInput in;
    in.Width = Width();
    in.Height = Height();
    in.Look = Look();
    in.CaptionMode = FCaptionMode;
    in.DefaultCaptionHeight = FDefaultCaptionHeight;
    in.Columns = Columns() > 0;
    in.HorzBar = HScrollBar && HScrollBar->Visible();
    in.HorzBarHeight = HScrollBar ? HScrollBar->Height() : 0;
    in.VertBar = ScrollBar && ScrollBar->Visible();
    in.VertBarWidth = ScrollBar ? ScrollBar->Width() : 0;
    in.ColumnBarHeight = ScrollBar ? ScrollBar->Height() : 0;
    const TListBoxLayout l = LayoutListBox(in);
    if (l.HorzBar && HScrollBar)
        HScrollBar->SetBounds(l.HorzBar->Left, l.HorzBar->Top, l.HorzBar->Width(), l.HorzBar->Height());
    if (l.VertBar && ScrollBar)
        ScrollBar->SetBounds(l.VertBar->Left, l.VertBar->Top, l.VertBar->Width(), l.VertBar->Height());
    const TRect& r = l.List;
    ListBox_->SetBounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
    LayoutCaptionButtons();
}

TspSkinScrollBar* TspSkinCustomListBox::MakeBar(bool vertical)
{
    auto* bar = new TspSkinScrollBar(this);
    bar->SetVisible(false);
    bar->SetKind(vertical ? sbVertical : sbHorizontal);
    bar->SetBounds(0, 0, 20, 100);
    bar->SetRange(0, 0, 0, 0);
    bar->SetParent(this);
    return bar;
}

void TspSkinCustomListBox::FreeBar(TspSkinScrollBar*& bar)
{
    if (!bar)
        return;
    TspSkinScrollBar* old = bar;
    bar = nullptr;
    delete old;
}

int TspSkinCustomListBox::WidestItemText()
{
    TCanvas& canvas = ListBox_->Canvas();
    SetItemFont(canvas, true);
    int widest = 0;
    for (int i = 0; i < Items().Count(); ++i)
        widest = std::max(widest, canvas.TextWidth(Items()[i]));
    return widest;
}

void TspSkinCustomListBox::UpDateScrollBar()
{
    if (updating_ || !ListBox_ || !ListBox_->HandleAllocated() || IsLoading())
        return;
    updating_ = true;
    struct TReset {
        bool& flag;
        ~TReset() { flag = false; }
    } reset{updating_};

    const int itemHeight = std::max(ListBox_->ItemHeight(), 1);
    const int count = Items().Count();
    bool relayout = false;
    if (Columns() == 0) {
        // Sideways: the widest item text against the list's width.
        THorzBarInput h;
        h.HorizontalExtent = FHorizontalExtent;
        h.Suspended = FStopUpDateHScrollBar;
        h.ListWidth = ListBox_->Width();
        h.Look = Look();
        h.ImageWidth = FImages ? FImages->Width() : -1;
        h.Position = HScrollBar ? HScrollBar->Position() : 0;
        if (FHorizontalExtent && !FStopUpDateHScrollBar) {
            h.WidestText = WidestItemText();
            h.DigitWidth = ListBox_->Canvas().TextWidth(L"0");
        }
        const TBarDecision d = DecideHorzBar(h);
        if (d.Action == TBarAction::Show) {
            if (!HScrollBar) {
                HScrollBar = MakeBar(false);
                HScrollBar->OnChange = [this](TObject*) {
                    ListBox_->FHorizontalExtentValue = HScrollBar->Position();
                    ListBox_->Invalidate();
                };
                ApplyBarSkins();
                HScrollBar->SetVisible(true);
                relayout = true;
            }
            HScrollBar->SetRange(d.Setting.Min, d.Setting.Max, d.Setting.Page, d.Setting.Position);
            HScrollBar->SetSmallChange(d.Setting.SmallChange);
            HScrollBar->SetLargeChange(d.Setting.LargeChange);
        } else if (d.Action == TBarAction::Hide && HScrollBar) {
            FreeBar(HScrollBar);
            ListBox_->FHorizontalExtentValue = 0;
            ListBox_->Invalidate();
            relayout = true;
        }
        if (relayout) {
            Layout();
            relayout = false;
        }
        // Down: the native vertical range against the items that fit.
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_POS;
        GetScrollInfo(ListBox_->Handle(), SB_VERT, &si);
        TVertBarInput v;
        v.Native = {si.nMin, si.nMax, si.nPos};
        v.RowCount = FRowCount;
        v.ItemCount = count;
        v.ListHeight = ListBox_->Height();
        v.ItemHeight = itemHeight;
        const TBarDecision dv = DecideVertBar(v);
        if (dv.Action == TBarAction::Show) {
            if (!ScrollBar) {
                ScrollBar = MakeBar(true);
                ScrollBar->OnChange = [this](TObject*) {
                    SendMessageW(ListBox_->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, ScrollBar->Position()), 0);
                };
                ApplyBarSkins();
                ScrollBar->SetVisible(true);
                relayout = true;
            }
            ScrollBar->SetRange(dv.Setting.Min, dv.Setting.Max, dv.Setting.Page, dv.Setting.Position);
            if (dv.Setting.LargeChange > 0)
                ScrollBar->SetLargeChange(dv.Setting.LargeChange);
        } else if (dv.Action == TBarAction::Hide && ScrollBar) {
            FreeBar(ScrollBar);
            relayout = true;
        }
    } else {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_POS;
        GetScrollInfo(ListBox_->Handle(), SB_HORZ, &si);
        TColumnBarInput c;
        c.Native = {si.nMin, si.nMax, si.nPos};
        c.Columns = Columns();
        c.ItemCount = count;
        c.ListHeight = ListBox_->Height();
        c.ItemHeight = itemHeight;
        const TBarDecision d = DecideColumnBar(c);
        if (d.Action == TBarAction::Show) {
            if (!ScrollBar) {
                ScrollBar = MakeBar(false);
                ScrollBar->OnChange = [this](TObject*) {
                    SendMessageW(ListBox_->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, ScrollBar->Position()), 0);
                };
                ApplyBarSkins();
                ScrollBar->SetVisible(true);
                relayout = true;
            }
            ScrollBar->SetRange(d.Setting.Min, d.Setting.Max, d.Setting.Page, d.Setting.Position);
        } else if (d.Action == TBarAction::Hide && ScrollBar) {
            FreeBar(ScrollBar);
            relayout = true;
        }
    }
    if (relayout) {
        ApplyBarSkins();
        Layout();
        Refresh();
        ListBox_->Invalidate();
    }
}

void TspSkinCustomListBox::AfterWheel(int delta)
{
    switch (WheelStep(ScrollBar != nullptr && Columns() == 0, HScrollBar != nullptr, delta)) {
    case TWheelStep::LineUp:
        SendMessageW(ListBox_->Handle(), WM_VSCROLL, SB_LINEUP, 0);
        break;
    case TWheelStep::LineDown:
        SendMessageW(ListBox_->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
        break;
    case TWheelStep::HorzLeft:
        HScrollBar->SetPosition(HScrollBar->Position() - HScrollBar->SmallChange());
        break;
    case TWheelStep::HorzRight:
        HScrollBar->SetPosition(HScrollBar->Position() + HScrollBar->SmallChange());
        break;
    case TWheelStep::None:
        break;
    }
    UpDateScrollBar();
}

bool TspSkinCustomListBox::HorzArrowKey(WORD key)
{
    if (!HScrollBar || (key != VK_LEFT && key != VK_RIGHT))
        return false;
    const int step = HScrollBar->SmallChange();
    HScrollBar->SetPosition(HScrollBar->Position() + (key == VK_LEFT ? -step : step));
    return true;
}

// --- items -------------------------------------------------------------------------------------------

void TspSkinCustomListBox::SetItemFont(TCanvas& canvas, bool forMeasure)
{
    static const std::wstring kNoName;
    TRecordFont rf;
    if (look_) {
        rf.Name = &look_->FontName;
        rf.Height = look_->FontHeight;
        rf.Style = look_->FontStyle;
    }
    // With a record: its font, or the default font when the skin's font is not wanted. Without
    // one the items use the control's font (the default font after a skin change).
    AssignControlFont(canvas.Font(), look_ ? DefaultFont() : Font(), SkinData(), rf, look_ && UseSkinFont());
    if (forMeasure)
        return;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
}

void TspSkinCustomListBox::RenderListBackground(TspBitmap& img, const TRect& area)
{
    if (area.IsEmpty())
        return;
    const TPixelView picture = Picture();
    if (look_ && !look_->ClRect.IsEmpty()) {
        // The record picture's client part, tiled.
        const TRect src = look_->ClRect.Offset(look_->SkinRect.Left, look_->SkinRect.Top);
        if (RectInsidePicture(src, picture.Width, picture.Height)) {
            for (int y = area.Top; y < area.Bottom; y += src.Height())
                for (int x = area.Left; x < area.Right; x += src.Width()) {
                    const int cw = std::min(src.Width(), area.Right - x), ch = std::min(src.Height(), area.Bottom - y);
                    CopyRect(img, Bounds(x, y, cw, ch), picture, Bounds(src.Left, src.Top, cw, ch));
                }
            return;
        }
    }
    img.FillRect(area, ColorToPixel(clWindow, 255));
}

void TspSkinCustomListBox::RenderItem(TspBitmap& img, int index, int width, int height, TOwnerDrawState state)
{
    const TPixelView picture = Picture();
    const bool skin = look_ && RectInsidePicture(look_->SItemRect, picture.Width, picture.Height);
    TRect textRect;
    TColor textColour;
    bool focusFrame = false;
    if (skin) {
        const TSkinItemLook l = ChooseSkinItemLook(*look_, state, width, static_cast<bool>(OnDrawItem));
        const TRect source = RectInsidePicture(l.Source, picture.Width, picture.Height) ? l.Source : look_->SItemRect;
        if (FUseSkinItemHeight) {
            img.SetSize(width, look_->SItemRect.Height());
            img.Clear(0);
            ComposeHorzBand(look_->ItemLeftOffset, look_->ItemRightOffset, img, picture, source, width, l.Stretch);
        } else {
            img.SetSize(width, height);
            img.Clear(0);
            ComposeFramedPictureFromClient(img, picture, source, SkinItemInnerRect(*look_), true);
        }
        textRect = l.TextRect;
        if (!FUseSkinItemHeight)
            textRect.Bottom += height - look_->SItemRect.Height();
        textColour = l.TextColor;
        focusFrame = l.FocusFrame || l.ShowFocusFrame;
    } else {
        img.SetSize(width, height);
        const TDefaultItemLook l = ChooseDefaultItemLook(state, Rect(0, 0, width, height), Font().Color());
        img.Clear(ColorToPixel(l.Brush, 255));
        textRect = l.TextRect;
        textColour = l.TextColor;
        focusFrame = l.FocusFrame;
    }
    TCanvas& canvas = GetCanvas(img);
    SetItemFont(canvas, false);
    canvas.Font().SetColor(textColour);
    if (OnDrawItem)
        Raise(OnDrawItem, this, canvas, index, img.Width(), img.Height(), textRect, state);
    else {
        // Columns draw plain text.
        static const TStringList kNoTabs;
        DrawListItemContent(canvas, Items()[index], index, textRect, FImages.get(), FImageIndex,
                            Columns() == 0 ? FTabWidths : kNoTabs, ListBox_->FHorizontalExtentValue, Enabled());
    }
    if (focusFrame) {
        if (skin && SkinData() && SkinData()->FSkinColors)
            canvas.Brush().SetColor(SkinData()->FSkinColors->cBtnFace);
        DrawDottedFrame(canvas, img.BoundsRect());
    }
}

// --- frame and caption ------------------------------------------------------------------------------

int TspSkinCustomListBox::CaptionHeight() const
{
    if (!FCaptionMode)
        return 0;
    if (look_ && !look_->CaptionRect.IsEmpty())
        return look_->CaptionRect.Height();
    return FDefaultCaptionHeight;
}

void TspSkinCustomListBox::LayoutCaptionButtons()
{
    for (auto& b : Buttons)
        b.R = {};
    if (!FCaptionMode || !FShowCaptionButtons)
        return;
    if (look_ && !look_->CaptionRect.IsEmpty()) {
        // The record's buttons keep their places, moved with the control's right edge.
        const int dx = Width() - look_->SkinRect.Width();
        for (int i = 0; i < 3; ++i) {
            const TRect& n = look_->Buttons[i].Normal;
            if (!n.IsEmpty())
                Buttons[i].R = Bounds(look_->ButtonsArea.Left + dx + (n.Left - look_->Buttons[0].Normal.Left),
                                      look_->CaptionRect.Top + (look_->CaptionRect.Height() - n.Height()) / 2,
                                      n.Width(), n.Height());
        }
        return;
    }
    const int s = std::min(FDefaultCaptionHeight - 3, kCaptionButtonMax);
    if (s <= 0)
        return;
    const int top = (FDefaultCaptionHeight - s) / 2;
    int x = Width() - 2 - s;
    for (int i = 2; i >= 0; --i) {
        Buttons[i].R = Bounds(x, top, s, s);
        x -= s + 1;
    }
}

int TspSkinCustomListBox::ButtonAt(int x, int y) const
{
    for (int i = 0; i < 3; ++i)
        if (Buttons[i].R.Contains({x, y}))
            return i;
    return -1;
}

void TspSkinCustomListBox::CaptionButtonStep(int button)
{
    const int i = ItemIndex(), last = Items().Count() - 1;
    if (button == 0 && i >= 1)
        SetItemIndex(i - 1);
    else if (button == 1 && i < last)
        SetItemIndex(i + 1);
    else
        return;
    Raise(OnListBoxClick, this);
}

void TspSkinCustomListBox::RenderCaption(TspBitmap& bitmap, const TRect& strip)
{
    TCanvas& canvas = GetCanvas(bitmap);
    const bool skin = look_ && !look_->CaptionRect.IsEmpty();
    if (skin) {
        AssignControlFont(canvas.Font(), FDefaultCaptionFont, SkinData(),
                          {&look_->CaptionFontName, look_->CaptionFontHeight, look_->CaptionFontStyle}, UseSkinFont());
        canvas.Font().SetColor(look_->CaptionFontColor);
    } else {
        bitmap.FillRect(strip, ColorToPixel(clBtnShadow, 255));
        canvas.Font().Assign(FDefaultCaptionFont);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect text = strip;
    text.Left += 4;
    for (const auto& b : Buttons)
        if (!b.R.IsEmpty())
            text.Right = std::min(text.Right, b.R.Left - 2);
    if (!FGlyph.Empty()) {
        // One frame of the strip, keyed on its bottom-left pixel, left of the text.
        const int gw = FGlyph.Width() / FNumGlyphs, gh = FGlyph.Height();
        const int frame = !Enabled() && FNumGlyphs == 2 ? 1 : 0;
        const TspColor key = FGlyph.GetScanLine(gh - 1)[0] & 0xFFFFFF;
        const int gx = text.Left, gy = strip.Top + (strip.Height() - gh) / 2;
        for (int y = 0; y < gh; ++y) {
            const int ty = gy + y;
            if (ty < 0 || ty >= bitmap.Height())
                continue;
            const TspColor* src = FGlyph.GetScanLine(y) + frame * gw;
            TspColor* dst = bitmap.GetScanLine(ty);
            for (int x = 0; x < gw; ++x)
                if (gx + x >= 0 && gx + x < bitmap.Width() && (src[x] & 0xFFFFFF) != key)
                    dst[gx + x] = src[x] | 0xFF000000;
        }
        text.Left += gw + FSpacing;
    }
    const UINT align = FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
    TRect r = text;
    CanvasDrawText(canvas, Caption(), r, align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    const TPixelView picture = Picture();
    for (int i = 0; i < 3; ++i) {
        const TCaptionButton& b = Buttons[i];
        if (b.R.IsEmpty())
            continue;
        if (skin) {
            const auto& l = look_->Buttons[i];
            const TRect& src = b.Down && b.MouseIn ? l.Down : b.MouseIn ? l.Active : l.Normal;
            if (RectInsidePicture(src, picture.Width, picture.Height))
                CopyRect(bitmap, b.R, picture, src);
            continue;
        }
        const bool hot = b.MouseIn, down = b.Down && b.MouseIn;
        FrameAndFill(bitmap, b.R, down || hot ? kDefaultFrame : clBtnShadow,
                     down ? kDefaultDownFill : hot ? kDefaultHotFill : clBtnFace);
        if (i == 2)
            DrawShapes(bitmap, CheckMark(b.R.Left + b.R.Width() / 2 - 3, b.R.Top + b.R.Height() / 2 - 3), clBlack);
        else
            DrawShapes(bitmap, Arrow(b.R, i == 0 ? kArrowUp : kArrowDown), clBlack);
    }
    if (!FShowCaptionButtons && skin) {
        // The record's buttons hidden: their place shows the disabled picture or the strip.
        const int dx = Width() - look_->SkinRect.Width();
        const TRect area = look_->ButtonsArea.Offset(dx, 0);
        if (!look_->DisabledButtonsRect.IsEmpty() &&
            RectInsidePicture(look_->DisabledButtonsRect, picture.Width, picture.Height))
            CopyRect(bitmap, Bounds(area.Left, area.Top, look_->DisabledButtonsRect.Width(),
                                    look_->DisabledButtonsRect.Height()),
                     picture, look_->DisabledButtonsRect);
    }
}

void TspSkinCustomListBox::RenderDefaultLook(TspBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    bitmap.Clear(ColorToPixel(clBtnFace, 255));
    const int capH = FCaptionMode ? FDefaultCaptionHeight : 0;
    const TRect client{0, capH, w, h};
    FrameAndFill(bitmap, client, clBtnShadow, ListBox_->Color());
    if (FCaptionMode)
        RenderCaption(bitmap, {0, 0, w, capH});
}

void TspSkinCustomListBox::RenderSkinLook(TspBitmap& bitmap)
{
    TspSkinCustomControl::RenderSkinLook(bitmap);
    if (FCaptionMode && look_ && !look_->CaptionRect.IsEmpty()) {
        const TRect strip{look_->CaptionRect.Left, look_->CaptionRect.Top,
                          look_->CaptionRect.Right + Width() - look_->SkinRect.Width(), look_->CaptionRect.Bottom};
        RenderCaption(bitmap, strip);
    }
}

void TspSkinCustomListBox::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_TIMER:
        if (msg.WParam == kTimerId) {
            if (WaitMode) {
                WaitMode = false;
                SetWindowTimer(kTimerId, 100);
            }
            if (CaptureButton == 0 || CaptureButton == 1)
                CaptionButtonStep(CaptureButton);
            return;
        }
        break;
    case CM_CAPTURELOST:
        // Another window took the mouse: the press ends without a click.
        KillWindowTimer(kTimerId);
        if (CaptureButton >= 0) {
            Buttons[CaptureButton].Down = false;
            CaptureButton = -1;
            Refresh();
        }
        break;
    case WM_SETFOCUS:
        // The list takes the keys.
        if (ListBox_ && ListBox_->CanFocus()) {
            ListBox_->SetFocus();
            return;
        }
        break;
    default:
        break;
    }
    TspSkinCustomControl::WndProc(msg);
}

void TspSkinCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TspSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    const int b = ButtonAt(x, y);
    if (b < 0)
        return;
    CaptureButton = b;
    Buttons[b].Down = true;
    Buttons[b].MouseIn = true;
    Refresh();
    const bool assigned = b == 0 ? static_cast<bool>(OnUpButtonClick) : b == 1 ? static_cast<bool>(OnDownButtonClick) : true;
    if (!assigned) {
        WaitMode = true;
        SetWindowTimer(kTimerId, 500);
    }
}

void TspSkinCustomListBox::MouseMove(TShiftState shift, int x, int y)
{
    TspSkinCustomControl::MouseMove(shift, x, y);
    const int b = ButtonAt(x, y);
    const int hot = CaptureButton >= 0 && b != CaptureButton ? -1 : b;
    if (hot == ActiveButton)
        return;
    if (ActiveButton >= 0)
        Buttons[ActiveButton].MouseIn = false;
    ActiveButton = hot;
    if (hot >= 0)
        Buttons[hot].MouseIn = true;
    Refresh();
}

void TspSkinCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TspSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || CaptureButton < 0)
        return;
    const int b = CaptureButton;
    CaptureButton = -1;
    KillWindowTimer(kTimerId);
    Buttons[b].Down = false;
    Refresh();
    if (ButtonAt(x, y) != b)
        return;
    const TNotifyEvent& event = b == 0 ? OnUpButtonClick : b == 1 ? OnDownButtonClick : OnCheckButtonClick;
    if (event) {
        Raise(event, this);
        return;
    }
    if (b == 2)
        Raise(OnListBoxClick, this);
    else
        CaptionButtonStep(b);
}

bool TspSkinCustomListBox::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSkinCustomListBox>;
    using L = TspSkinCustomListBox;
    static const Row rows[] = {
        {L"Items.Strings", [](L& c, const TPropValue& v) { c.SetItems(StringsValue(v)); }},
        {L"ItemIndex", [](L& c, const TPropValue& v) { c.SetItemIndex(v.AsInteger()); }},
        {L"Sorted", [](L& c, const TPropValue& v) { c.SetSorted(v.AsBoolean()); }},
        {L"MultiSelect", [](L& c, const TPropValue& v) { c.SetMultiSelect(v.AsBoolean()); }},
        {L"ExtandedSelect", [](L& c, const TPropValue& v) { c.SetExtandedSelect(v.AsBoolean()); }},
        {L"Columns", [](L& c, const TPropValue& v) { c.SetColumns(v.AsInteger()); }},
        {L"RowCount", [](L& c, const TPropValue& v) { c.SetRowCount(v.AsInteger()); }},
        {L"DefaultItemHeight", [](L& c, const TPropValue& v) { c.SetDefaultItemHeight(v.AsInteger()); }},
        {L"UseSkinItemHeight", [](L& c, const TPropValue& v) { c.SetUseSkinItemHeight(v.AsBoolean()); }},
        {L"HorizontalExtent", [](L& c, const TPropValue& v) { c.SetHorizontalExtent(v.AsBoolean()); }},
        {L"TabWidths.Strings", [](L& c, const TPropValue& v) { c.SetTabWidths(StringsValue(v)); }},
        {L"ImageIndex", [](L& c, const TPropValue& v) { c.SetImageIndex(v.AsInteger()); }},
        {L"CaptionMode", [](L& c, const TPropValue& v) { c.SetCaptionMode(v.AsBoolean()); }},
        {L"DefaultCaptionHeight", [](L& c, const TPropValue& v) { c.SetDefaultCaptionHeight(v.AsInteger()); }},
        {L"ShowCaptionButtons", [](L& c, const TPropValue& v) { c.SetShowCaptionButtons(v.AsBoolean()); }},
        {L"NumGlyphs", [](L& c, const TPropValue& v) { c.SetNumGlyphs(CheckedRange(v, 1, 2)); }},
        {L"Spacing", [](L& c, const TPropValue& v) { c.SetSpacing(v.AsInteger()); }},
        {L"OnListBoxClick", [](L& c, const TPropValue& v) { c.OnListBoxClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnListBoxDblClick", [](L& c, const TPropValue& v) { c.OnListBoxDblClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnUpButtonClick", [](L& c, const TPropValue& v) { c.OnUpButtonClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDownButtonClick", [](L& c, const TPropValue& v) { c.OnDownButtonClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnCheckButtonClick", [](L& c, const TPropValue& v) { c.OnCheckButtonClick = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value) || TspSkinCustomControl::SetProperty(name, value);
}

TStringList StringsValue(const TPropValue& v)
{
    if (v.Kind != TValueKind::vkList)
        throw EReadError(L"Invalid property value");
    TStringList lines;
    for (const TPropValue& line : v.List)
        lines.Add(line.AsString());
    return lines;
}

void DrawListItemContent(TCanvas& canvas, const std::wstring& text, int index, TRect textRect, TCustomImageList* images,
                         int imageIndex, const TStringList& tabWidths, int offset, bool enabled)
{
    int imageWidth = 0;
    if (images) {
        const int image = ItemImageIndex(imageIndex, index, images->Count());
        imageWidth = images->Width() + 2;
        if (image >= 0)
            DrawListImage(canvas, images, image, textRect.Left - offset,
                          textRect.Top + (textRect.Height() - images->Height()) / 2, enabled);
    }
    if (tabWidths.Count() > 0) {
        const std::vector<int32_t> stops = ListBoxTabStops(ToVector(tabWidths));
        std::vector<INT> tabs(stops.begin(), stops.end());
        const int th = canvas.TextHeight(text);
        const TPoint at = TabbedTextOrigin(textRect, imageWidth, th, canvas.Font().Height());
        TabbedTextOutW(canvas.Handle(), at.X - offset, at.Y, text.c_str(), static_cast<int>(text.size()),
                       static_cast<int>(tabs.size()), tabs.empty() ? nullptr : tabs.data(), 0);
    } else {
        DrawTextAtLeft(canvas, text, textRect, imageWidth - offset);
    }
}

void RegisterListBoxClasses()
{
    RegisterComponentClass<TspSkinListBox>();
}

} // namespace vt
