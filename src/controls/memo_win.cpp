#include "controls/memo_win.h"

#include "controls/composed_edit_win.h"
#include "controls/control_font_win.h"
#include "controls/framed_record.h"
#include "controls/scroll_bar_win.h"
#include "controls/skin_control_base_win.h"
#include "controls/skin_look.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "framework/win/messages.h"
#include "menus/menu_services.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"

#include <algorithm>

#include <windowsx.h>

namespace vt {

namespace {

// The answer to the window-image query.
constexpr LRESULT kControlImageAnswer = 12851;

TMemoScrollInfo NativeScroll(HWND wnd, int bar)
{
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(wnd, bar, &si))
        return {};
    return {si.nMin, si.nMax, static_cast<int32_t>(si.nPage), si.nPos};
}

void ApplyBar(TspSkinScrollBar* bar, const TMemoBarDecision& d)
{
    if (!bar)
        return;
    if (d.Range)
        bar->SetRange(d.Range->Min, d.Range->Max, d.Range->Page, d.Range->Position);
    bar->SetEnabled(d.Enabled);
}

} // namespace

TspSkinMemo::TspSkinMemo(TComponent* owner)
    : TCustomMemo(owner)
{
    FDefaultFont.SetName(L"Tahoma");
    FDefaultFont.SetHeight(13);
    FDefaultFont.SetColor(clBlack);
    Font().Assign(FDefaultFont);
    SetScrollBars(ssBoth);
    FDefaultFont.OnChange = [this] {
        if (FIndex < 0 || !FUseSkinFont)
            ApplyLook();
    };
}

TspSkinMemo::~TspSkinMemo()
{
    FDefaultFont.OnChange = nullptr;
    // The bars may outlive the memo: their OnChange must not reach it.
    if (FVScrollBar)
        FVScrollBar->OnChange = nullptr;
    if (FHScrollBar)
        FHScrollBar->OnChange = nullptr;
}

void TspSkinMemo::SetSkinData(TspSkinData* value)
{
    FSD = value;
    if (value && !value->Empty)
        ChangeSkinData();
}

void TspSkinMemo::SetSkinDataName(const String& value)
{
    FSkinDataName = value;
    if (FSD && !FSD->Empty)
        ChangeSkinData();
}

void TspSkinMemo::BeforeChangeSkinData()
{
    FIndex = -1;
    look_.reset();
}

void TspSkinMemo::ChangeSkinData()
{
    const TRecordLookup found = FindControlRecord<TspDataSkinMemoControl>(FSD.get(), FSkinDataName);
    FIndex = found.Index;
    look_.reset();
    if (found)
        look_ = CopyMemoLook(*FSD, static_cast<const TspDataSkinMemoControl&>(*found.Record));
    ApplyLook();
    UpDateScrollRange();
    Invalidate();
}

void TspSkinMemo::SetUseSkinFont(bool value)
{
    FUseSkinFont = value;
    ApplyLook();
}

void TspSkinMemo::SetUseSkinFontColor(bool value)
{
    FUseSkinFontColor = value;
    ApplyLook();
}

void TspSkinMemo::SetBitMapBG(bool value)
{
    if (FBitMapBG == value)
        return;
    FBitMapBG = value;
    ApplyLook();
    if (HandleAllocated())
        RecreateWnd();
}

TMemoState TspSkinMemo::State() const
{
    return {Enabled(), Focused(), FMouseIn};
}

void TspSkinMemo::ApplyLook()
{
    const TMemoLook* look = Look();
    TRecordFont rf;
    if (look)
        rf = {&look->FontName, look->FontHeight, look->FontStyle};
    TFont font;
    AssignControlFont(font, FDefaultFont, FSD.get(), rf, FUseSkinFont);
    TMemoLookInput in;
    in.Look = look;
    in.State = State();
    in.UseSkinFontColor = FUseSkinFontColor;
    in.BitMapBG = FBitMapBG;
    in.DefaultFontColor = FDefaultFont.Color();
    const TMemoLookChoice choice = ChooseMemoLook(in);
    font.SetColor(choice.FontColor);
    Font().Assign(font);
    SetColor(choice.Color.value_or(clWindow));
    ApplyTextRect();
}

void TspSkinMemo::ApplyTextRect()
{
    TMemoTextAreaInput in;
    in.Width = Width();
    in.Height = Height();
    in.Look = Look();
    in.BitMapBG = FBitMapBG;
    in.Border = BorderStyle() != bsNone;
    FTextArea = MemoTextArea(in);
    SetFormatRect(FTextArea, Redraw::No);
}

void TspSkinMemo::ApplyTextArea()
{
    // A new window or font resets the native rectangle; the border may have changed with it.
    TCustomMemo::ApplyTextArea();
    ApplyTextRect();
}

void TspSkinMemo::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    if (FBitMapBG)
        RefreshComposed();
}

void TspSkinMemo::SetWallpaper(const TspBitmap& value)
{
    FWallpaper.Assign(value);
    if (!FWallpaper.Empty())
        FTransparent = true;
    RefreshComposed();
}

void TspSkinMemo::SetWallpaperStretch(bool value)
{
    if (FWallpaperStretch == value)
        return;
    FWallpaperStretch = value;
    if (FTransparent && !FWallpaper.Empty())
        RefreshComposed();
}

void TspSkinMemo::SetAlphaBlend(bool value)
{
    if (FAlphaBlend == value)
        return;
    FAlphaBlend = value;
    RefreshComposed();
}

void TspSkinMemo::SetAlphaBlendValue(uint8_t value)
{
    if (FAlphaBlendValue == value)
        return;
    FAlphaBlendValue = value;
    RefreshComposed();
}

bool TspSkinMemo::ShowsParent() const
{
    return FBitMapBG && ((FTransparent && FWallpaper.Empty()) || FAlphaBlend);
}

void TspSkinMemo::CreateParams(TCreateParams& params)
{
    TCustomMemo::CreateParams(params);
    params.Style &= ~WS_BORDER;
    params.ExStyle &= ~(WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT);
    params.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinMemo::RenderParent(TspBitmap& bitmap)
{
    bitmap.Clear(ColorToPixel(clBtnFace, 255));
    PaintParentBackground(*this, GetCanvas(bitmap));
}

TRect TspSkinMemo::RenderLook(TspBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    const bool border = BorderStyle() != bsNone;
    const TRect whole{0, 0, w, h};
    const TMemoLook* look = Look();
    if (look && FSD) {
        TMemoLookInput in;
        in.Look = look;
        in.State = State();
        in.BitMapBG = FBitMapBG;
        TSkinRecordGeometry record = look->Geometry;
        record.SkinRect = ChooseMemoLook(in).Background;
        const TPixelView picture = RecordPicture(*FSD, record.Picture);
        if (!picture.Empty()) {
            if (!border) {
                ComposeClientFill(record.ClRect, whole, bitmap, picture, record.SkinRect, w, h,
                                  record.StretchEffect, record.StretchType);
                return whole;
            }
            TControlGeometry g;
            g.Assign(record);
            int cw = w, ch = h;
            g.CalcSkinSize(cw, ch);
            TspBitmap composed;
            ComposeSplitFrame(composed, picture, g, w, h, true, {});
            composed.Draw(bitmap, 0, 0);
            return g.NewClRect;
        }
    }
    const TColor fill = FBitMapBG ? clWindow : Color();
    if (!border) {
        bitmap.FillRect(whole, ColorToPixel(fill, 255));
        return whole;
    }
    // The plain look: a shadow line with a face line inside it around the window colour.
    FrameAndFill(bitmap, whole, clBtnShadow, clBtnFace);
    FrameAndFill(bitmap, {1, 1, w - 1, h - 1}, clBtnFace, fill);
    return {2, 2, w - 2, h - 2};
}

void TspSkinMemo::RenderBackground(TspBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w < 1 || h < 1)
        return;
    if (FTransparent) {
        if (FWallpaper.Empty())
            RenderParent(bitmap);
        else if (FWallpaperStretch)
            FWallpaper.Draw(bitmap, TRect{0, 0, w, h}, FWallpaper.BoundsRect());
        else
            FWallpaper.Tile(bitmap, {0, 0, w, h}, FWallpaper.BoundsRect());
        return;
    }
    const TRect inside = RenderLook(bitmap);
    if (!FAlphaBlend)
        return;
    TspBitmap parent;
    parent.SetSize(w, h);
    RenderParent(parent);
    if (FAlphaBlendValue == 255) {
        // The parent replaces the background; the frame stays.
        CopyRect(bitmap, inside, parent.View(), inside);
        return;
    }
    TspEffectBmp mixed(bitmap.View());
    mixed.Morph(TspEffectBmp(parent.View()), AlphaBlendFactor(FAlphaBlendValue));
    mixed.ToBitmap(bitmap);
}

void TspSkinMemo::DrawDisabledText(HDC dc)
{
    const TMemoLook* look = Look();
    TFont font;
    TRecordFont rf;
    if (look)
        rf = {&look->FontName, look->FontHeight, look->FontStyle};
    AssignControlFont(font, FDefaultFont, FSD.get(), rf, FUseSkinFont);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    SIZE wq{};
    GetTextExtentPoint32W(dc, L"Wq", 2, &wq);
    const TDisabledLines lines = DisabledMemoLines(TopLine(), Lines().Count(), Height(), wq.cy);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(DisabledMemoTextColor(look)));
    UINT format = DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;
    format |= Alignment() == taRightJustify ? DT_RIGHT : Alignment() == taCenter ? DT_CENTER : DT_LEFT;
    RECT r = ToRECT(FTextArea);
    const auto& text = Lines();
    for (int i = 0; i < lines.Count; ++i) {
        const String line = text[lines.First + i];
        RECT lr = r;
        lr.top += i * lines.LineHeight;
        lr.bottom = std::min<LONG>(r.bottom, lr.top + lines.LineHeight);
        if (lr.top >= r.bottom)
            break;
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &lr, format);
    }
    SelectObject(dc, old);
}

void TspSkinMemo::PaintComposed(HDC dc)
{
    PaintComposedEdit(*this, dc, FStopDraw, [this](HDC mem) {
        if (Enabled())
            Perform(WM_PAINT, reinterpret_cast<WPARAM>(mem), 0);
        else
            DrawDisabledText(mem);  // the native edit would grey it its own way
    });
}

void TspSkinMemo::RefreshComposed()
{
    RefreshComposedEdit(*this, [this](HDC dc) { PaintComposed(dc); });
}

void TspSkinMemo::Apply(const TMemoRedrawAction& action)
{
    if (action.RedrawOff)
        Perform(WM_SETREDRAW, FALSE, 0);
    if (action.RedrawOn)
        Perform(WM_SETREDRAW, TRUE, 0);
    if (action.Refresh)
        RefreshComposed();
}

void TspSkinMemo::UpDateScrollRange()
{
    if (updatingBars_ || !HandleAllocated())
        return;
    updatingBars_ = true;
    ApplyBar(FVScrollBar.get(), DecideMemoBar(TMemoBar::Vertical, Enabled(), NativeScroll(Handle(), SB_VERT)));
    ApplyBar(FHScrollBar.get(), DecideMemoBar(TMemoBar::Horizontal, Enabled(), NativeScroll(Handle(), SB_HORZ)));
    updatingBars_ = false;
}

void TspSkinMemo::LinkBar(TComponentRef<TspSkinScrollBar>& slot, TspSkinScrollBar* bar, UINT scrollMsg)
{
    if (slot)
        slot->OnChange = nullptr;
    slot = bar;
    if (!bar)
        return;
    updatingBars_ = true;
    bar->SetRange(0, 0, 0, 0);
    updatingBars_ = false;
    bar->OnChange = [this, scrollMsg](TObject* sender) {
        auto* b = static_cast<TspSkinScrollBar*>(sender);
        if (updatingBars_ || !HandleAllocated() || !b)
            return;
        // The bar moved by the user: scroll without native redrawing, then one refresh.
        updatingBars_ = true;
        Perform(WM_SETREDRAW, FALSE, 0);
        Perform(scrollMsg, MAKEWPARAM(SB_THUMBPOSITION, b->Position()), 0);
        Perform(WM_SETREDRAW, TRUE, 0);
        updatingBars_ = false;
        RefreshComposed();
    };
    UpDateScrollRange();
}

void TspSkinMemo::SetVScrollBar(TspSkinScrollBar* bar) { LinkBar(FVScrollBar, bar, WM_VSCROLL); }
void TspSkinMemo::SetHScrollBar(TspSkinScrollBar* bar) { LinkBar(FHScrollBar, bar, WM_HSCROLL); }

void TspSkinMemo::Change()
{
    TCustomMemo::Change();
    Apply(redraw_.Resume());
    UpDateScrollRange();
}

void TspSkinMemo::JudgeState(TMemoEvent e)
{
    TMemoState before = State();
    before.MouseIn = FMouseIn;
    if (e == TMemoEvent::FocusGain)
        before.Focused = false;
    else if (e == TMemoEvent::FocusLoss)
        before.Focused = true;
    if (!MemoStateJudged(e, before))
        return;
    ApplyLook();
    RefreshComposed();
}

void TspSkinMemo::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_NCCALCSIZE:
        // No non-client area: the native bars never show, their state stays valid.
        msg.Result = 0;
        return;
    case WM_NCHITTEST:
        msg.Result = HTCLIENT;
        return;
    case WM_NCPAINT:
        RefreshComposed();
        msg.Result = 0;
        return;
    case WM_ERASEBKGND:
        if (FStopDraw || !FBitMapBG) {
            TspBitmap bg;
            bg.SetSize(Width(), Height());
            if (!bg.Empty()) {
                RenderBackground(bg);
                Draw(bg, reinterpret_cast<HDC>(msg.WParam), 0, 0);
            }
        }
        msg.Result = 1;
        return;
    case WM_PAINT:
        if ((FBitMapBG || !Enabled()) && !FStopDraw) {
            PAINTSTRUCT ps;
            HDC dc = msg.WParam ? reinterpret_cast<HDC>(msg.WParam) : BeginPaint(Handle(), &ps);
            PaintComposed(dc);
            if (!msg.WParam)
                EndPaint(Handle(), &ps);
            msg.Result = 0;
            return;
        }
        break;
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORSTATIC:
        if (FBitMapBG) {
            // The native text lands on the composed background.
            HDC dc = reinterpret_cast<HDC>(msg.WParam);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ColorToRGB(Font().Color()));
            msg.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            return;
        }
        break;
    case CN_COMMAND:
        if (HIWORD(msg.WParam) == EN_VSCROLL || HIWORD(msg.WParam) == EN_HSCROLL) {
            UpDateScrollRange();
            Apply(redraw_.Scrolled(FIsCanScroll, FBitMapBG));
            return;
        }
        break;
    case WM_MOUSEWHEEL: {
        const TWheelStep step = MemoWheelStep(GET_WHEEL_DELTA_WPARAM(msg.WParam));
        Perform(WM_VSCROLL, step == TWheelStep::LineDown ? SB_LINEDOWN : SB_LINEUP, 0);
        UpDateScrollRange();
        RefreshComposed();
        msg.Result = 0;
        return;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        // Scrolling by message: no native redrawing in between, one refresh after.
        if (msg.LParam == 0 && HandleAllocated()) {
            Perform(WM_SETREDRAW, FALSE, 0);
            TCustomMemo::WndProc(msg);
            Perform(WM_SETREDRAW, TRUE, 0);
            UpDateScrollRange();
            RefreshComposed();
            return;
        }
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        if (msg.Msg != WM_CHAR && msg.Msg != WM_LBUTTONDOWN)
            Apply(redraw_.Resume());
        const bool was = FIsCanScroll;
        FIsCanScroll = true;
        TCustomMemo::WndProc(msg);
        FIsCanScroll = was;
        if (msg.Msg == WM_KEYDOWN || msg.Msg == WM_KEYUP)
            UpDateScrollRange();
        return;
    }
    case WM_SIZE:
        TCustomMemo::WndProc(msg);
        Apply(redraw_.Resume());
        ApplyTextRect();
        UpDateScrollRange();
        return;
    case WM_SETFOCUS:
        TCustomMemo::WndProc(msg);
        JudgeState(TMemoEvent::FocusGain);
        return;
    case WM_KILLFOCUS:
        TCustomMemo::WndProc(msg);
        JudgeState(TMemoEvent::FocusLoss);
        return;
    case CM_MOUSEENTER:
        TCustomMemo::WndProc(msg);
        JudgeState(TMemoEvent::MouseEnter);
        FMouseIn = true;
        Raise(OnMouseEnter, this);
        return;
    case CM_MOUSELEAVE:
        TCustomMemo::WndProc(msg);
        JudgeState(TMemoEvent::MouseLeave);
        FMouseIn = false;
        Raise(OnMouseLeave, this);
        return;
    case CM_ENABLEDCHANGED:
        TCustomMemo::WndProc(msg);
        if (HandleAllocated())
            Perform(WM_HSCROLL, SB_LEFT, 0);
        ApplyLook();
        UpDateScrollRange();
        Invalidate();
        return;
    case WM_CONTEXTMENU:
        if (FSysPopupMenu.Popup(*this, *this, FSD.get(),
                                {GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)})) {
            msg.Result = 0;
            return;
        }
        break;  // no skinned menu can open: the native one
    case kMenuCommandMessage:
        FSysPopupMenu.Free();
        msg.Result = 0;
        return;
    case SKINMSG_PARENT_BG_CHANGED:
        if (ShowsParent())
            RefreshComposed();
        msg.Result = 0;
        return;
    case WM_MOVE:
        TCustomMemo::WndProc(msg);
        // What lies under a blended memo changed.
        if (FAlphaBlend && FBitMapBG && Look())
            RefreshComposed();
        return;
    case MSG_PAINT_FRAME_TO_DC: {
        TspBitmap bg;
        bg.SetSize(Width(), Height());
        if (msg.WParam && !bg.Empty()) {
            RenderBackground(bg);
            Draw(bg, reinterpret_cast<HDC>(msg.WParam), 0, 0);
        }
        msg.Result = kControlImageAnswer;
        return;
    }
    default:
        break;
    }
    TCustomMemo::WndProc(msg);
}

bool TspSkinMemo::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSkinMemo>;
    static const Row rows[] = {
        {L"SkinDataName", [](TspSkinMemo& c, const TPropValue& v) { c.SetSkinDataName(v.AsString()); }},
        {L"BitMapBG", [](TspSkinMemo& c, const TPropValue& v) { c.SetBitMapBG(v.AsBoolean()); }},
        {L"UseSkinFont", [](TspSkinMemo& c, const TPropValue& v) { c.SetUseSkinFont(v.AsBoolean()); }},
        {L"UseSkinFontColor", [](TspSkinMemo& c, const TPropValue& v) { c.SetUseSkinFontColor(v.AsBoolean()); }},
        {L"Transparent", [](TspSkinMemo& c, const TPropValue& v) { c.SetTransparent(v.AsBoolean()); }},
        {L"WallpaperStretch", [](TspSkinMemo& c, const TPropValue& v) { c.SetWallpaperStretch(v.AsBoolean()); }},
        {L"AlphaBlend", [](TspSkinMemo& c, const TPropValue& v) { c.SetAlphaBlend(v.AsBoolean()); }},
        {L"AlphaBlendValue",
         [](TspSkinMemo& c, const TPropValue& v) { c.SetAlphaBlendValue(ByteValue(v)); }},
    };
    return SetFromTable(*this, rows, name, value) || SetDefaultFontProperty(FDefaultFont, name, value) ||
           TCustomMemo::SetProperty(name, value);
}

bool TspSkinMemo::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"SkinData")) {
        auto* sd = dynamic_cast<TspSkinData*>(value);
        if (value && !sd)
            return false;
        SetSkinData(sd);
        return true;
    }
    for (const wchar_t* barName : {L"VScrollBar", L"HScrollBar"}) {
        if (!SameDescriptionName(name, barName))
            continue;
        auto* bar = dynamic_cast<TspSkinScrollBar*>(value);
        if (value && !bar)
            return false;
        if (barName[0] == L'V')
            SetVScrollBar(bar);
        else
            SetHScrollBar(bar);
        return true;
    }
    return TCustomMemo::SetReference(name, value);
}

void RegisterMemoClasses()
{
    RegisterComponentClass<TspSkinMemo>();
}

} // namespace vt
