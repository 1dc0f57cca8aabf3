// Sections: the tab sheet; binding and properties; geometry corrections; hide and show;
// scroller; painting (frame, tab strip, one tab, close button); hover and closing; messages.
#include "controls/page_control_win.h"

#include "controls/button_model.h"
#include "controls/framed_record.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "raster/bitmap_win.h"
#include "raster/compose.h"
#include "skin/skin_data.h"

#include <windowsx.h>

#include <algorithm>

namespace vt {

namespace {

// Tiles srcRect of src over dstRect of dst at natural size.
void TileView(TspBitmap& dst, const TRect& dstRect, TPixelView src, const TRect& srcRect)
{
    if (src.Empty() || !RectInsidePicture(srcRect, src.Width, src.Height))
        return;
    for (const TTilePiece& p : TilePieces(dstRect, TRect{}, srcRect, dst.BoundsRect()))
        CopyRect(dst, p.Dst, src, p.Src);
}

// Stretches (StretchEffect) or tiles srcRect over dstRect.
void FillFromPicture(TspBitmap& dst, const TRect& dstRect, TPixelView src, const TRect& srcRect, bool stretch,
                     TspStretchType type)
{
    if (src.Empty() || !RectInsidePicture(srcRect, src.Width, src.Height))
        return;
    if (!stretch) {
        TileView(dst, dstRect, src, srcRect);
        return;
    }
    // Horizontal or vertical stretch keeps the other direction at natural size, tiled.
    if (type == spstHorz) {
        for (int32_t y = dstRect.Top; y < dstRect.Bottom; y += srcRect.Height())
            CopyRect(dst, TRect{dstRect.Left, y, dstRect.Right, y + srcRect.Height()}, src, srcRect);
    } else if (type == spstVert) {
        for (int32_t x = dstRect.Left; x < dstRect.Right; x += srcRect.Width())
            CopyRect(dst, TRect{x, dstRect.Top, x + srcRect.Width(), dstRect.Bottom}, src, srcRect);
    } else {
        CopyRect(dst, dstRect, src, srcRect);
    }
}

// Copies piece to (x, y) of dst, leaving dst's pixels inside keep as they are.
void DrawAround(TspBitmap& dst, const TspBitmap& piece, int32_t x, int32_t y, const TRect& keep)
{
    const TRect at = IntersectRect(Bounds(x, y, piece.Width(), piece.Height()), dst.BoundsRect());
    if (at.IsEmpty())
        return;
    const TRect k = IntersectRect(keep, at);
    if (k.IsEmpty()) {
        CopyRect(dst, at, piece.View(), at.Offset(-x, -y));
        return;
    }
    // What of at lies above, below, left and right of k.
    const TRect parts[] = {{at.Left, at.Top, at.Right, k.Top},
                           {at.Left, k.Bottom, at.Right, at.Bottom},
                           {at.Left, k.Top, k.Left, k.Bottom},
                           {k.Right, k.Top, at.Right, k.Bottom}};
    for (const TRect& r : parts)
        if (!r.IsEmpty())
            CopyRect(dst, r, piece.View(), r.Offset(-x, -y));
}

// A button record's face: its down, active or normal rectangle, completed as a button completes
// them, with the matching font colour.
struct TButtonFace {
    TRect Rect;
    TColor FontColor = 0;
};
TButtonFace ButtonFace(const TspDataSkinButtonControl& record, bool down, bool hot)
{
    const TButtonSkin s = ReadButtonSkin(record);
    if (down)
        return {s.DownSkinRect, s.DownFontColor};
    if (hot)
        return {s.ActiveSkinRect, s.ActiveFontColor};
    return {s.SkinRect, s.FontColor};
}

// A quarter turn of the image: clockwise when clockwise, else the other way.
void Turn(TspBitmap& src, bool clockwise)
{
    TspBitmap out;
    out.SetSize(src.Height(), src.Width());
    for (int32_t y = 0; y < src.Height(); ++y)
        for (int32_t x = 0; x < src.Width(); ++x) {
            if (clockwise)
                out.SetPixel(src.Height() - 1 - y, x, src.GetPixel(x, y));
            else
                out.SetPixel(y, src.Width() - 1 - x, src.GetPixel(x, y));
        }
    src.Assign(out);
}

// Composes a w x h image with render and puts it on dc in one blit.
template <class Render> void PaintComposed(HDC dc, int32_t w, int32_t h, Render render)
{
    if (w < 1 || h < 1)
        return;
    TspBitmap b;
    b.SetSize(w, h);
    render(b);
    if (HDC src = BitmapDC(b))
        BitBlt(dc, 0, 0, b.Width(), b.Height(), src, 0, 0, SRCCOPY);
}

} // namespace

// --- TspSkinTabSheet ------------------------------------------------------------------------

TspSkinTabSheet::TspSkinTabSheet(TComponent* owner) : TTabSheet(owner) {}

void TspSkinTabSheet::CreateParams(TCreateParams& p)
{
    TTabSheet::CreateParams(p);
    p.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

TspSkinPageControl* TspSkinTabSheet::SkinPageControl() const
{
    return dynamic_cast<TspSkinPageControl*>(PageControl());
}

void TspSkinTabSheet::RenderBackground(TspBitmap& b)
{
    b.Clear(ColorToPixel(clBtnFace, 255));
    if (!FWallPaper.Empty()) {
        TileView(b, b.BoundsRect(), FWallPaper.View(), FWallPaper.BoundsRect());
        return;
    }
    TspSkinPageControl* pc = SkinPageControl();
    if (!pc)
        return;
    pc->GetSkinData();
    if (!pc->HasRecord())
        return;
    const TTabRecordCopy& r = pc->Record();
    if (r.BGPictureIndex != -1) {
        TPixelView bg = pc->PictureView(r.BGPictureIndex);
        FillFromPicture(b, b.BoundsRect(), bg, bg.BoundsRect(), r.StretchEffect, r.StretchType);
        return;
    }
    const TRect client = r.ClRect.Offset(r.SkinRect.Left, r.SkinRect.Top);
    TPixelView picture = pc->PictureView(r.Picture);
    if (r.StretchEffect) {
        // Stretched over the whole page control from the sheet's origin.
        TspBitmap whole;
        whole.SetSize(std::max(pc->Width(), 1), std::max(pc->Height(), 1));
        FillFromPicture(whole, whole.BoundsRect(), picture, client, true, r.StretchType);
        CopyRect(b, b.BoundsRect(), whole.View(), Bounds(0, 0, b.Width(), b.Height()));
    } else {
        TileView(b, b.BoundsRect(), picture, client);
    }
}

void TspSkinTabSheet::PaintTabBackground(HDC dc)
{
    PaintComposed(dc, Width(), Height(), [this](TspBitmap& b) { RenderBackground(b); });
}

void TspSkinTabSheet::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_ERASEBKGND:
        PaintTabBackground(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = 1;
        return;
    case WM_SIZE: {
        TTabSheet::WndProc(msg);
        Invalidate();
        TspSkinPageControl* pc = SkinPageControl();
        if (pc && pc->HasRecord() && pc->Record().StretchEffect)
            for (int i = 0; i < ControlCount(); ++i)
                if (auto* w = dynamic_cast<TWinControl*>(Controls(i)); w && w->HandleAllocated())
                    SendMessageW(w->Handle(), WM_USER + 260, 0, 0);
        return;
    }
    default:
        break;
    }
    TTabSheet::WndProc(msg);
}

// --- binding and properties -----------------------------------------------------------------

TspSkinPageControl::TspSkinPageControl(TComponent* owner) : TPageControl(owner)
{
    FDefaultFont.SetName(L"Tahoma");
    FDefaultFont.SetHeight(13);
    FDefaultFont.SetColor(clBtnText);
    Font().SetName(L"Tahoma");
    Font().SetHeight(13);
    Font().SetColor(clBtnText);
    ApplyReserve();
}

TspSkinPageControl::~TspSkinPageControl()
{
    DestroyScroller();
    if (FTempImages) {
        if (HandleAllocated())
            TabCtrl_SetImageList(Handle(), nullptr);
        ImageList_Destroy(FTempImages);
    }
}

void TspSkinPageControl::SetSkinData(TspSkinData* value)
{
    FSD = value;
    if (value && !value->Empty)
        ChangeSkinData();
}

TPixelView TspSkinPageControl::PictureView(int32_t index) const
{
    const TspSkinData* sd = FSD.get();
    if (!sd || sd->Empty)
        return {};
    return RecordPicture(*sd, index);
}

void TspSkinPageControl::GetSkinData()
{
    rec_.BGPictureIndex = -1;
    TRecordLookup found = FindControlRecord<TspDataSkinControl>(FSD.get(), FSkinDataName);
    if (!found) {
        FIndex = -1;
        return;
    }
    const auto* r = dynamic_cast<const TspDataSkinTabControl*>(found.Record);
    if (!r) {
        // Another kind of record under our name: no record, never a copy of foreign values.
        FIndex = -1;
        return;
    }
    FIndex = found.Index;
    const TspSkinData& sd = *FSD;
    TTabRecordCopy& c = rec_;
    c.Picture = r->PictureIndex >= 0 && static_cast<size_t>(r->PictureIndex) < sd.FActivePictures.size()
                    ? r->PictureIndex
                    : -1;
    c.SkinRect = r->SkinRect;
    c.ClRect = r->ClRect;
    c.TabRect = r->TabRect;
    c.ActiveTabRect = r->ActiveTabRect.IsEmpty() ? r->TabRect : r->ActiveTabRect;
    c.FocusTabRect = r->FocusTabRect.IsEmpty() ? r->ActiveTabRect : r->FocusTabRect;
    c.MouseInTabRect = r->MouseInTabRect;
    c.TabsBGRect = r->TabsBGRect.IsEmpty() ? r->ClRect.Offset(r->SkinRect.Left, r->SkinRect.Top) : r->TabsBGRect;
    c.LTPoint = r->LTPoint;
    c.RTPoint = r->RTPoint;
    c.LBPoint = r->LBPoint;
    c.RBPoint = r->RBPoint;
    c.TabLeftOffset = r->TabLeftOffset;
    c.TabRightOffset = r->TabRightOffset;
    c.FontName = r->FontName;
    c.FontStyle = r->FontStyle;
    c.FontHeight = r->FontHeight;
    c.FontColor = r->FontColor;
    c.ActiveFontColor = r->ActiveFontColor;
    c.FocusFontColor = r->FocusFontColor;
    c.MouseInFontColor = r->MouseInFontColor;
    c.UpDown = r->UpDown;
    c.BGPictureIndex = r->BGPictureIndex;
    c.TabStretchEffect = r->TabStretchEffect;
    c.ShowFocus = r->ShowFocus;
    c.FocusOffsetX = r->FocusOffsetX;
    c.FocusOffsetY = r->FocusOffsetY;
    c.StretchEffect = r->StretchEffect;
    c.LeftStretch = r->LeftStretch;
    c.TopStretch = r->TopStretch;
    c.RightStretch = r->RightStretch;
    c.BottomStretch = r->BottomStretch;
    c.StretchType = r->StretchType;
    c.Close = CompleteCloseLooks(r->CloseButtonRect, r->CloseButtonActiveRect, r->CloseButtonDownRect);
    c.ButtonTransparent = r->ButtonTransparent;
    c.ButtonTransparentColor = r->ButtonTransparentColor;
    c.TabLeftBottomActiveRect = r->TabLeftBottomActiveRect;
    c.TabLeftBottomFocusRect =
        r->TabLeftBottomFocusRect.IsEmpty() ? r->TabLeftBottomActiveRect : r->TabLeftBottomFocusRect;
}

int TspSkinPageControl::ItemHeight() const
{
    if (TabHeight() > 0)
        return TabHeight();
    return HasRecord() ? rec_.TabRect.Height() : FDefaultItemHeight;
}

void TspSkinPageControl::ApplyReserve()
{
    TTabReserveInput in;
    in.HasImages = FImages.get() != nullptr;
    if (in.HasImages) {
        in.ImagesWidth = FImages->Width();
        in.ImagesHeight = FImages->Height();
    }
    in.ShowCloseButtons = FShowCloseButtons;
    in.CloseSize = FCloseSize;
    in.Position = TabPosition();
    const TTabReserve want = TabReserveOf(in);
    if (want == reserve_ && FTempImages)
        return;
    reserve_ = want;
    HIMAGELIST old = FTempImages;
    FTempImages = ImageList_Create(want.Width, want.Height, ILC_COLOR32, 1, 1);
    SetNativeImages(FTempImages);
    if (old)
        ImageList_Destroy(old);
}

void TspSkinPageControl::ChangeSkinData()
{
    GetSkinData();
    FCloseSize = CloseSizeOf(HasRecord(), rec_.Close.Normal);
    ApplyReserve();
    if (!HasRecord() || !FUseSkinFont) {
        Font().Assign(FDefaultFont);
    } else {
        Font().SetName(rec_.FontName);
        Font().SetHeight(rec_.FontHeight);
        Font().SetStyle(rec_.FontStyle);
        Font().SetColor(rec_.FontColor);
    }
    if (FOldTabHeight == -1)
        SetItemSize(TabWidth(), ItemHeight());
    UpdateScrollerPosition();
    Invalidate();
    Realign();
    if (FSkinUpDown) {
        DestroyScroller();
        CheckScroller();
    }
    if (ActivePage())
        ActivePage()->Invalidate();
}

void TspSkinPageControl::Loaded()
{
    TPageControl::Loaded();
    if (pendingTabsInCenter_) {
        pendingTabsInCenter_ = false;
        SetTabsInCenter(true);
    }
    RefreshDefaultItemSize();
}

void TspSkinPageControl::RefreshDefaultItemSize()
{
    GetSkinData();
    if (!HasRecord() && FOldTabHeight == -1)
        SetItemSize(TabWidth(), ItemHeight());
    UpdateScrollerPosition();
    Invalidate();
    Realign();
}

void TspSkinPageControl::CreateParams(TCreateParams& p)
{
    TPageControl::CreateParams(p);
    p.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinPageControl::CreateWnd()
{
    TPageControl::CreateWnd();
    GetSkinData();
    if (FOldTabHeight == -1)
        SetItemSize(TabWidth(), ItemHeight());
    else
        SetItemSize(TabWidth(), 1);
    Realign();
}

void TspSkinPageControl::Notification(TComponent* component, TOperation operation)
{
    TPageControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FSkinUpDown)
        FSkinUpDown = nullptr;
}

void TspSkinPageControl::SetTabExtendedDraw(bool v) { SetLookField(FTabExtendedDraw, v); }

void TspSkinPageControl::SetTabMargin(int v)
{
    if (v < -1 || v == FTabMargin)
        return;
    FTabMargin = v;
    Invalidate();
}

void TspSkinPageControl::SetTabSpacing(int v) { SetLookField(FTabSpacing, v); }

void TspSkinPageControl::SetTabLayout(TspButtonLayout v) { SetLookField(FTabLayout, v); }

void TspSkinPageControl::SetTextInHorizontal(bool v) { SetLookField(FTextInHorizontal, v); }

void TspSkinPageControl::SetTabsBGTransparent(bool v) { SetLookField(FTabsBGTransparent, v); }

void TspSkinPageControl::SetTabsInCenter(bool v)
{
    if (v && TabWidth() == 0) {
        // TabWidth may still come later in the description.
        if (IsLoading())
            pendingTabsInCenter_ = true;
        return;
    }
    FTabsInCenter = v;
    if (v)
        PinTabRowTop();
    Invalidate();
}

void TspSkinPageControl::SetTabsOffset(int v)
{
    FTabsOffset = v;
    if (v > 0)
        PinTabRowTop();
    Invalidate();
}

void TspSkinPageControl::PinTabRowTop()
{
    SetTabPosition(tpTop);
    SetMultiLine(false);
    FTabsBGTransparent = true;
}

void TspSkinPageControl::SetShowCloseButtons(bool v)
{
    if (v == FShowCloseButtons)
        return;
    FShowCloseButtons = v;
    ApplyReserve();
    Invalidate();
}

void TspSkinPageControl::SetImages(TCustomImageList* v)
{
    FImages = v;
    ApplyReserve();
    Invalidate();
}

void TspSkinPageControl::SetDefaultItemHeight(int v)
{
    FDefaultItemHeight = v;
    RefreshDefaultItemSize();
}

// --- geometry corrections -------------------------------------------------------------------

TFrameMargins TspSkinPageControl::Margins() const
{
    return HasRecord() ? FrameMarginsOf(rec_.SkinRect, rec_.ClRect) : TFrameMargins{};
}

int TspSkinPageControl::TabsStart() const
{
    return TabsStartOf(FTabsOffset, TabWidth(), Width(), VisibleTabCount());
}

void TspSkinPageControl::AdjustClientRect(TRect& r) const
{
    if (!const_cast<TspSkinPageControl*>(this)->HandleAllocated()) {
        if (FHideBorder && FHideTabs)
            return;
        r = Rect(r.Left + 4, r.Top + 24, r.Right - 4, r.Bottom - 4);
        return;
    }
    RECT rc = ToRECT(r);
    SendMessageW(const_cast<TspSkinPageControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE,
                 reinterpret_cast<LPARAM>(&rc));
    r = PageAreaOf(FromRECT(rc), TabPosition());
    if (r.Right < r.Left)
        r.Right = r.Left;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
}

TRect TspSkinPageControl::PageArea() const
{
    TRect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

TRect TspSkinPageControl::TabRect(int tabIndex)
{
    RECT rc{};
    if (!HandleAllocated() || !TabCtrl_GetItemRect(Handle(), tabIndex, &rc))
        return {};
    return FromRECT(rc);
}

TspSkinTabSheet* TspSkinPageControl::SheetOfPage(int pageIndex) const
{
    if (pageIndex < 0 || pageIndex >= PageCount())
        return nullptr;
    return dynamic_cast<TspSkinTabSheet*>(Pages(pageIndex));
}

// --- hide and show --------------------------------------------------------------------------

void TspSkinPageControl::HideBorderAndTabs()
{
    if (TabPosition() != tpTop)
        SetTabPosition(tpTop);
    FHideTabs = true;
    FHideBorder = true;
    DestroyScroller();
    Realign();
    Invalidate();
}

void TspSkinPageControl::ShowBorderAndTabs()
{
    FHideBorder = false;
    FHideTabs = false;
    ShowTabs();
    Realign();
    Invalidate();
}

void TspSkinPageControl::HideBorder()
{
    FHideBorder = true;
    Realign();
    Invalidate();
}

void TspSkinPageControl::ShowBorder()
{
    FHideBorder = false;
    Realign();
    Invalidate();
}

void TspSkinPageControl::HideTabs()
{
    if (FOldTabHeight != -1 || VisibleTabCount() == 0)
        return;
    FHideTabs = true;
    FOldTabPosition = TabPosition();
    FOldMultiLine = MultiLine();
    if (IsSideTabs(TabPosition()))
        SetTabPosition(tpTop);
    SetMultiLine(false);
    FOldTabHeight = TabHeight();
    SetItemSize(TabWidth(), 1);
    DestroyScroller();
    Realign();
    Invalidate();
}

void TspSkinPageControl::ShowTabs()
{
    if (FOldTabHeight == -1)
        return;
    SetTabPosition(FOldTabPosition);
    SetMultiLine(FOldMultiLine);
    FHideTabs = false;
    const int height = FOldTabHeight;
    FOldTabHeight = -1;
    GetSkinData();
    SetItemSize(TabWidth(), height > 0 ? height : ItemHeight());
    Realign();
    Invalidate();
    if (!MultiLine())
        CheckScroller();
}

void TspSkinPageControl::UpDateTabs()
{
    GetSkinData();
    SetItemSize(TabWidth(), ItemHeight());
    if (MultiLine())
        DestroyScroller();
    Realign();
}

// --- scroller -------------------------------------------------------------------------------

std::vector<int32_t> TspSkinPageControl::TabRightEdges()
{
    std::vector<int32_t> edges;
    const int n = HandleAllocated() ? TabCtrl_GetItemCount(Handle()) : 0;
    for (int i = 0; i < n; ++i) {
        RECT rc{};
        // The platform's own rectangles: the corrections move them for painting only.
        TMessage m{TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc), 0};
        DefaultHandler(m);
        edges.push_back(rc.right);
    }
    return edges;
}

void TspSkinPageControl::DestroyNativeUpDown()
{
    if (!HandleAllocated())
        return;
    if (HWND native = FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr))
        DestroyWindow(native);
}

void TspSkinPageControl::DestroyScroller()
{
    if (!FSkinUpDown)
        return;
    TspSkinUpDown* s = FSkinUpDown;
    FSkinUpDown = nullptr;
    delete s;
}

void TspSkinPageControl::CheckScroller()
{
    if (!HandleAllocated() || IsDestroying())
        return;
    DestroyNativeUpDown();
    TScrollerInput in;
    in.RightEdges = TabRightEdges();
    in.Limit = Width() - 1;
    in.MultiLine = MultiLine() || IsSideTabs(TabPosition());
    in.TabsHidden = FHideTabs;
    in.Exists = FSkinUpDown != nullptr;
    const TScrollerDecision d = DecideScroller(in);
    if (d.Action == TScrollerAction::Destroy) {
        DestroyScroller();
        return;
    }
    if (d.Action == TScrollerAction::Create) {
        auto* s = new TspSkinUpDown(this);
        s->SetBounds(0, 0, 2 * FDefaultItemHeight, FDefaultItemHeight);
        s->SetMin(0);
        s->SetMax(d.Hidden);
        s->SetPosition(d.Position);
        s->SetIncrement(1);
        s->SetSkinDataName(HasRecord() ? rec_.UpDown : String());
        s->SetParent(this);
        s->SetSkinData(FSD.get());
        s->OnChange = [this](TObject*) { ScrollerChanged(); };
        FSkinUpDown = s;
        s->SetVisible(true);
    }
    if (!FSkinUpDown)
        return;
    FSkinUpDown->SetMax(d.Hidden);
    UpdateScrollerPosition();
}

void TspSkinPageControl::UpdateScrollerPosition()
{
    if (!FSkinUpDown)
        return;
    GetSkinData();
    TScrollerPlaceInput in;
    in.Position = TabPosition();
    in.HasRecord = HasRecord();
    in.PageArea = PageArea();
    in.Margins = Margins();
    in.Width = Width();
    in.Height = Height();
    in.ScrollerWidth = FSkinUpDown->Width();
    in.ScrollerHeight = FSkinUpDown->Height();
    const TPoint p = PlaceScroller(in);
    FSkinUpDown->SetBounds(p.X, p.Y, FSkinUpDown->Width(), FSkinUpDown->Height());
    if (FSkinUpDown->HandleAllocated())
        SetWindowPos(FSkinUpDown->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TspSkinPageControl::ScrollerChanged()
{
    if (!FSkinUpDown || !HandleAllocated())
        return;
    TScrollerInput in;
    in.RightEdges = TabRightEdges();
    in.Limit = Width() - FSkinUpDown->Width();
    const TScrollerDecision d = DecideScroller(in);
    // The scroller's Max follows what is hidden now; its position is the first tab shown.
    FSkinUpDown->SetMax(d.Hidden);
    const int position = FSkinUpDown->Position();
    SendMessageW(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
}

// --- painting -------------------------------------------------------------------------------

void TspSkinPageControl::PaintWindow(HDC dc) { PaintTo(dc); }

void TspSkinPageControl::PaintTo(HDC dc)
{
    PaintComposed(dc, Width(), Height(), [this](TspBitmap& out) { Render(out); });
}

void TspSkinPageControl::Render(TspBitmap& out)
{
    GetSkinData();
    out.Clear(ColorToPixel(clBtnFace, 255));
    const TRect area = PageArea();
    const TRect frame = PageFrameOf(area, Margins());
    // The selected tab reaches over the frame's edge and the tab strip: neither is drawn under it.
    const TRect keep = SelectedTabExtent();
    if (!HasRecord()) {
        if (!FHideBorder) {
            const TRect f{area.Left - 1, area.Top - 1, area.Right + 1, area.Bottom + 1};
            FrameAndFill(out, f, clBtnShadow, clBtnFace);
        }
    } else if (!FHideBorder) {
        RenderFrame(out, frame, keep);
    }
    RenderTabs(out, frame, keep);
}

void TspSkinPageControl::RenderFrame(TspBitmap& out, const TRect& f, const TRect& keep)
{
    TPixelView picture = PictureView(rec_.Picture);
    if (picture.Empty() || f.Width() < 1 || f.Height() < 1)
        return;
    const TFrameGeometry g{rec_.LTPoint, rec_.RTPoint, rec_.LBPoint, rec_.RBPoint, rec_.ClRect};
    const TFrameGeometry ng = ResizeFrameGeometry(g, rec_.SkinRect.Width(), rec_.SkinRect.Height(), f.Width(), f.Height());
    const TFrameStretch s{rec_.LeftStretch, rec_.TopStretch, rec_.RightStretch, rec_.BottomStretch,
                          rec_.StretchEffect, rec_.StretchType};
    TspBitmap left, top, right, bottom;
    BuildFrameStrips(g, ng, left, top, right, bottom, picture, rec_.SkinRect, f.Width(), f.Height(), s);
    DrawAround(out, top, f.Left, f.Top, keep);
    DrawAround(out, left, f.Left, f.Top + top.Height(), keep);
    DrawAround(out, right, f.Right - right.Width(), f.Top + top.Height(), keep);
    DrawAround(out, bottom, f.Left, f.Bottom - bottom.Height(), keep);
}

TRect TspSkinPageControl::SelectedTabExtent()
{
    if (FHideTabs || Style() != tsTabs || !HasRecord())
        return {};
    const int tab = TabIndexOfPage(ActivePageIndex());
    if (tab < 0)
        return {};
    TRect r = TabRect(tab);
    const int grow = rec_.ActiveTabRect.Height() - rec_.TabRect.Height();
    switch (TabPosition()) {
    case tpTop: r.Bottom += grow; break;
    case tpBottom: r.Top -= grow; break;
    case tpLeft: r.Right += grow; break;
    case tpRight: r.Left -= grow; break;
    }
    return r;
}

void TspSkinPageControl::RenderTabs(TspBitmap& out, const TRect& f, const TRect& keep)
{
    if (FHideTabs || PageCount() == 0)
        return;
    const int selectedTab = TabIndexOfPage(ActivePageIndex());
    const int n = HandleAllocated() ? TabCtrl_GetItemCount(Handle()) : 0;
    if (!HasRecord()) {
        for (int i = 0; i < n; ++i)
            RenderTab(out, PageIndexOfTab(i), TabRect(i), i == FActiveTabIndex, i == selectedTab);
        return;
    }
    // The tabs other than the selected one go into one strip along the tab side.
    TRect strip;
    switch (TabPosition()) {
    case tpTop: strip = {0, 0, Width(), f.Top}; break;
    case tpBottom: strip = {0, f.Bottom, Width(), Height()}; break;
    case tpLeft: strip = {0, 0, f.Left, Height()}; break;
    case tpRight: strip = {f.Right, 0, Width(), Height()}; break;
    }
    if (!strip.IsEmpty()) {
        TspBitmap s;
        s.SetSize(strip.Width(), strip.Height());
        s.Clear(ColorToPixel(clBtnFace, 255));
        if (FTabsBGTransparent && Parent()) {
            TspBitmap whole;
            whole.SetSize(Width(), Height());
            whole.Clear(ColorToPixel(clBtnFace, 255));
            PaintParentBackground(*this, GetCanvas(whole));
            CopyRect(s, s.BoundsRect(), whole.View(), strip);
        } else {
            TileView(s, s.BoundsRect(), PictureView(rec_.Picture), rec_.TabsBGRect);
        }
        for (int i = 0; i < n; ++i)
            if (i != selectedTab)
                RenderTab(s, PageIndexOfTab(i), TabRect(i).Offset(-strip.Left, -strip.Top), i == FActiveTabIndex,
                          false);
        DrawAround(out, s, strip.Left, strip.Top, keep);
    }
    if (selectedTab >= 0) {
        TRect r = TabRect(selectedTab);
        if (Style() == tsTabs && (TabPosition() == tpBottom || TabPosition() == tpRight)) {
            const int grow = rec_.ActiveTabRect.Height() - rec_.TabRect.Height();
            r = TabPosition() == tpBottom ? r.Offset(0, -grow) : r.Offset(-grow, 0);
        }
        RenderTab(out, ActivePageIndex(), r, selectedTab == FActiveTabIndex, true);
    }
}

void TspSkinPageControl::SetTabFont(TCanvas& canvas, bool mouseIn, bool selected, TColor& colour)
{
    if (HasRecord() && FUseSkinFont) {
        canvas.Font().SetName(rec_.FontName);
        canvas.Font().SetHeight(rec_.FontHeight);
        canvas.Font().SetStyle(rec_.FontStyle);
    } else {
        canvas.Font().Assign(Font());
    }
    if (!HasRecord()) {
        colour = Font().Color();
        return;
    }
    const bool focused = Focused();
    if (!selected)
        colour = mouseIn ? rec_.MouseInFontColor : rec_.FontColor;
    else
        colour = focused ? rec_.FocusFontColor : rec_.ActiveFontColor;
}

void TspSkinPageControl::RenderTab(TspBitmap& out, int page, TRect r, bool mouseIn, bool selected)
{
    TspSkinTabSheet* sheet = SheetOfPage(page);
    if (FHideTabs || page < 0 || r.IsEmpty())
        return;
    const bool side = IsSideTabs(TabPosition());
    const bool turn = side && !FTextInHorizontal;
    int32_t w = turn ? r.Height() : r.Width();
    int32_t h = turn ? r.Width() : r.Height();
    const bool focused = Focused();
    TspBitmap img;
    TColor colour = clBtnText;
    bool shiftContent = false;
    if (!HasRecord()) {
        img.SetSize(w, h);
        if (mouseIn && !selected)
            img.Clear(ColorToPixel(kDefaultHotFill, 255));
        else if (selected)
            FrameAndFill(img, img.BoundsRect(), kDefaultFrame, focused ? kDefaultDownFill : kDefaultHotFill);
        else
            img.Clear(ColorToPixel(clBtnFace, 255));
    } else if (Style() != tsTabs) {
        img.SetSize(w, h);
        img.Clear(ColorToPixel(clBtnFace, 255));
        TRecordLookup found = FindControlRecord<TspDataSkinButtonControl>(FSD.get(), FButtonTabSkinDataName);
        if (found) {
            const auto& b = static_cast<const TspDataSkinButtonControl&>(*found.Record);
            const TButtonFace face = ButtonFace(b, selected, mouseIn);
            ComposeRecordRect(img, *FSD, b, face.Rect, w, h);
            colour = face.FontColor;
        }
    } else {
        const TTabLook look = ChooseTabLook(selected, focused, mouseIn, !rec_.MouseInTabRect.IsEmpty());
        const TRect& source = look == TTabLook::MouseIn ? rec_.MouseInTabRect
                              : look == TTabLook::Focus ? rec_.FocusTabRect
                              : look == TTabLook::Active ? rec_.ActiveTabRect
                                                         : rec_.TabRect;
        TPixelView picture = PictureView(rec_.Picture);
        if (TabHeight() > 0) {
            int32_t ih = h;
            if (selected && rec_.ActiveTabRect.Height() > rec_.TabRect.Height())
                ih += rec_.ActiveTabRect.Height() - rec_.TabRect.Height();
            if (selected && focused && rec_.FocusTabRect.Height() > rec_.TabRect.Height())
                ih = h + rec_.FocusTabRect.Height() - rec_.TabRect.Height();
            img.SetSize(w, ih);
            img.Clear(0);
            const int32_t q = rec_.TabRect.Height() / 4;
            ComposeFramedPictureFromClient(img, picture, source,
                                           Rect(rec_.TabLeftOffset, q, source.Width() - rec_.TabRightOffset,
                                                source.Height() - q),
                                           true);
        } else if (RectInsidePicture(source, picture.Width, picture.Height)) {
            img.SetSize(w, source.Height());
            img.Clear(0);
            ComposeHorzBand(rec_.TabLeftOffset, rec_.TabRightOffset, img, picture, source, w, rec_.TabStretchEffect);
        } else {
            img.SetSize(w, h);
            img.Clear(ColorToPixel(clBtnFace, 255));
        }
        if (selected && r.Left == 0 && !rec_.TabLeftBottomActiveRect.IsEmpty() && !MultiLine() && !side) {
            const TRect& corner = focused ? rec_.TabLeftBottomFocusRect : rec_.TabLeftBottomActiveRect;
            if (RectInsidePicture(corner, picture.Width, picture.Height))
                CopyRect(img, Bounds(0, img.Height() - corner.Height(), corner.Width(), corner.Height()), picture,
                         corner);
        }
        if (TabPosition() == tpBottom)
            img.FlipVert();
        shiftContent = !selected && rec_.TabRect.Height() != rec_.ActiveTabRect.Height();
    }
    TColor fontColour = colour;
    SetTabFont(GetCanvas(img), mouseIn, selected, fontColour);
    if (!HasRecord() || Style() == tsTabs)
        colour = fontColour;
    GetCanvas(img).Font().SetColor(colour);

    // Side tabs with horizontal text draw on a turned image.
    if (side && FTextInHorizontal)
        Turn(img, TabPosition() == tpLeft);
    RenderTabContent(img, page, mouseIn, selected, shiftContent);
    if (HasRecord() && rec_.ShowFocus && focused && selected) {
        const TRect fr{rec_.FocusOffsetX, rec_.FocusOffsetY, img.Width() - rec_.FocusOffsetX,
                       img.Height() - rec_.FocusOffsetY};
        DrawDottedFrame(GetCanvas(img), fr);
    }
    if (FShowCloseButtons && sheet)
        RenderCloseButton(img, *sheet, img.Width() - (FCloseSize + 2), mouseIn);
    if (side && FTextInHorizontal)
        Turn(img, TabPosition() != tpLeft);
    if (turn)
        Turn(img, TabPosition() == tpRight);
    if (sheet && turn && FShowCloseButtons)
        sheet->ButtonRect = TurnTabRect(sheet->ButtonRect, TabPosition(), false, w, h);
    img.Draw(out, r.Left, r.Top);
}

void TspSkinPageControl::RenderTabContent(TspBitmap& img, int page, bool mouseIn, bool selected, bool shift)
{
    const int c = FShowCloseButtons ? FCloseSize + 2 : 0;
    TCanvas& canvas = GetCanvas(img);
    // The caption goes over the tab's picture, never on a box of the brush's colour.
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect content{0, 0, img.Width() - c, img.Height()};
    if (shift) {
        const int d = TabPosition() == tpTop || TabPosition() == tpLeft ? 2 : -2;
        content = content.Offset(0, d);
    }
    if (OnDrawSkinTab) {
        OnDrawSkinTab(page, img.BoundsRect(), selected, mouseIn, canvas);
        return;
    }
    const std::wstring caption = Pages(page)->Text();
    const int imageIndex = Pages(page)->ImageIndex();
    const bool hasImage = FImages && FImages->HasImage(imageIndex);
    if (hasImage || FTabExtendedDraw) {
        if (FTabExtendedDraw) {
            DrawImageListGlyphAndText(canvas, content, FTabMargin, FTabSpacing, FTabLayout, caption, imageIndex,
                                      FImages.get(), false, Pages(page)->Enabled(), false, 0, false);
            return;
        }
        const int tw = caption.empty() ? 0 : MeasureTextWidth(canvas, caption) + 2;
        const int iw = FImages->Width(), ih = FImages->Height();
        const int total = tw + iw + 2;
        const int x = (img.Width() - c) / 2 - total / 2;
        const int y = content.Top + (content.Height() - ih) / 2;
        FImages->Draw(img, x, y, imageIndex, Pages(page)->Enabled());
        TRect tr{x + iw + 2, content.Top, x + iw + 2 + tw, content.Bottom};
        CanvasDrawText(canvas, caption, tr, dt::SingleLine | dt::VCenter);
        return;
    }
    TRect tr = content;
    tr.Right -= HasRecord() && c > 0 ? 3 : 0;
    CanvasDrawText(canvas, caption, tr, dt::SingleLine | dt::VCenter | dt::Center);
}

void TspSkinPageControl::RenderCloseButton(TspBitmap& img, TspSkinTabSheet& sheet, int roomLeft, bool mouseOverTab)
{
    if (!mouseOverTab)
        sheet.ButtonMouseIn = false;
    const TCloseLook look = ChooseCloseLook(sheet.ButtonMouseIn, sheet.ButtonMouseDown);
    const int h = img.Height();
    if (!HasRecord()) {
        const TRect b = Bounds(roomLeft, h / 2 - 7, 14, 14);
        DrawShapes(img, CloseGlyph(b.Left + 2, b.Top + 2), sheet.ButtonMouseIn ? 0x00FFFFFF : 0);
        sheet.ButtonRect = b;
        return;
    }
    if (rec_.Close.Normal.IsEmpty()) {
        const TRect b = Bounds(roomLeft, h / 2 - FCloseSize / 2, FCloseSize, FCloseSize);
        sheet.ButtonRect = b;
        TRecordLookup found = FindControlRecord<TspDataSkinButtonControl>(FSD.get(), L"resizetoolbutton");
        if (!found)
            return;
        const auto& r = static_cast<const TspDataSkinButtonControl&>(*found.Record);
        const TButtonFace face =
            ButtonFace(r, look == TCloseLook::Down, look == TCloseLook::Active);
        const int size = FCloseSize;
        TspBitmap picture;
        if (ComposeRecordRect(picture, *FSD, r, face.Rect, size, size))
            picture.Draw(img, b.Left, b.Top);
        DrawShapes(img, CloseGlyph(b.Left + size / 2 - 5, b.Top + size / 2 - 5), face.FontColor);
        return;
    }
    const TRect& source = look == TCloseLook::Down ? rec_.Close.Down
                          : look == TCloseLook::Active ? rec_.Close.Active
                                                       : rec_.Close.Normal;
    const TRect b = Bounds(roomLeft, h / 2 - source.Height() / 2, source.Width(), source.Height());
    sheet.ButtonRect = b;
    CopyKeyed(img, b.Left, b.Top, PictureView(rec_.Picture), source, rec_.ButtonTransparent,
              rec_.ButtonTransparentColor);
}

// --- hover and closing ----------------------------------------------------------------------

void TspSkinPageControl::RepaintTabs()
{
    if (!HandleAllocated())
        return;
    HDC dc = GetDC(Handle());
    PaintTo(dc);
    ReleaseDC(Handle(), dc);
}

bool TspSkinPageControl::OverCloseButton(int page, TPoint p)
{
    TspSkinTabSheet* sheet = SheetOfPage(page);
    const int tab = TabIndexOfPage(page);
    if (!FShowCloseButtons || !sheet || tab < 0)
        return false;
    const TRect r = TabRect(tab);
    return sheet->ButtonRect.Offset(r.Left, r.Top).Contains(p);
}

void TspSkinPageControl::TrackHover(TPoint p)
{
    if (FHideTabs)
        return;
    int tab = -1;
    const int n = HandleAllocated() ? TabCtrl_GetItemCount(Handle()) : 0;
    for (int i = 0; i < n && tab < 0; ++i)
        if (TabRect(i).Contains(p))
            tab = i;
    const int page = PageIndexOfTab(tab);
    if (tab != FActiveTabIndex) {
        const int old = HoveredPage();
        FActiveTabIndex = tab;
        if (TspSkinTabSheet* s = SheetOfPage(old); s && old != ActivePageIndex()) {
            s->ButtonMouseIn = false;
            s->ButtonMouseDown = false;
        }
        RepaintTabs();
    }
    if (!FShowCloseButtons)
        return;
    TspSkinTabSheet* sheet = SheetOfPage(page);
    if (!sheet)
        return;
    const bool in = OverCloseButton(page, p);
    if (in != sheet->ButtonMouseIn) {
        sheet->ButtonMouseIn = in;
        if (!in)
            sheet->ButtonMouseDown = false;
        RepaintTabs();
    }
}

void TspSkinPageControl::PressCloseButton(TPoint p, bool down)
{
    const int page = HoveredPage();
    TspSkinTabSheet* sheet = SheetOfPage(page);
    if (!FShowCloseButtons || !sheet) {
        pressedClosePage_ = -1;
        return;
    }
    const bool in = OverCloseButton(page, p);
    sheet->ButtonMouseIn = in;
    sheet->ButtonMouseDown = in && down;
    RepaintTabs();
    if (down) {
        pressedClosePage_ = in ? page : -1;
        return;
    }
    // Only the page whose cross took both the press and the release closes, whatever the
    // selection did in between.
    const int pressed = pressedClosePage_;
    pressedClosePage_ = -1;
    if (in && pressed == page)
        ClosePage(page);
}

void TspSkinPageControl::ClosePage(int page)
{
    TspSkinTabSheet* sheet = SheetOfPage(page);
    if (!sheet)
        return;
    bool canClose = true;
    TComponentRef<TControl> self(this);
    Raise(OnClose, sheet, canClose);
    if (!self)
        return;
    if (canClose) {
        sheet->ButtonMouseIn = false;
        sheet->ButtonMouseDown = false;
        sheet->SetTabVisible(false);
        FActiveTabIndex = -1;
        if (FFreeOnClose)
            delete sheet;
        Raise(OnAfterClose, this);
        Invalidate();
        return;
    }
    POINT cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != Handle()) {
        sheet->ButtonMouseIn = false;
        sheet->ButtonMouseDown = false;
        RepaintTabs();
    }
}

// --- messages -------------------------------------------------------------------------------

void TspSkinPageControl::Change()
{
    if (FSkinUpDown)
        FSkinUpDown->SetPosition(ScrolledOffTabs(TabRightEdges()));
    TPageControl::Change();
    Invalidate();
    if (ActivePage())
        ActivePage()->Invalidate();
}

void TspSkinPageControl::ActivePageChanged()
{
    if (!IsLoading())
        Invalidate();
}

void TspSkinPageControl::TabsUpdated()
{
    if (!MultiLine())
        CheckScroller();
}

bool TspSkinPageControl::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos)
{
    if (TPageControl::DoMouseWheel(shift, delta, mousePos))
        return true;
    if (!FMouseWheelSupport || !Focused())
        return false;
    std::vector<bool> visible;
    for (int i = 0; i < PageCount(); ++i)
        visible.push_back(Pages(i)->TabVisible());
    const std::optional<int> target = WheelTarget(ActivePageIndex(), visible, delta);
    if (!target)
        return true;
    // As a click on the tab would: OnChanging may refuse, OnChange follows.
    bool allow = true;
    OnChanging(this, allow);
    if (!allow)
        return true;
    SetActivePageIndex(*target);
    Change();
    return true;
}

void TspSkinPageControl::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case TCM_ADJUSTRECT:
        DefaultHandler(msg);
        if (msg.WParam == FALSE && msg.LParam) {
            GetSkinData();
            auto* rc = reinterpret_cast<RECT*>(msg.LParam);
            TDisplayRectInput in;
            in.Platform = FromRECT(*rc);
            in.Position = TabPosition();
            in.HasRecord = HasRecord();
            in.HideTabs = FHideTabs;
            in.HideBorder = FHideBorder;
            in.Margins = Margins();
            const TRect client = ClientRect();
            in.ClientWidth = client.Width();
            in.ClientHeight = client.Height();
            in.Width = Width();
            in.Height = Height();
            *rc = ToRECT(CorrectDisplayRect(in));
        }
        return;
    case TCM_GETITEMRECT:
        DefaultHandler(msg);
        if (msg.Result && msg.LParam) {
            auto* rc = reinterpret_cast<RECT*>(msg.LParam);
            TItemRectInput in{FromRECT(*rc), TabPosition(), MultiLine(), Style(), TabsStart(),
                              ShiftsTabRow(FTabsInCenter, FTabsOffset)};
            *rc = ToRECT(CorrectItemRect(in));
        }
        return;
    case WM_MOUSEMOVE:
        if (!FHideTabs)
            TrackHover({GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)});
        break;
    case CM_MOUSELEAVE:
        if (!FHideTabs) {
            TrackHover({-1, -1});
            FActiveTabIndex = -1;
            RepaintTabs();
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_NCHITTEST: {
        const TPoint p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
        const bool press = msg.Msg == WM_LBUTTONDOWN, release = msg.Msg == WM_LBUTTONUP;
        if ((press || release) && !FHideTabs) {
            TrackHover(p);
            if (press)
                PressCloseButton(p, true);
        }
        if (ShiftsTabRow(FTabsInCenter, FTabsOffset))
            msg.LParam = MAKELPARAM(p.X - TabsStart(), p.Y);
        TComponentRef<TControl> self(this);
        TPageControl::WndProc(msg);
        // The cross acts on the release once the platform has had it.
        if (self && release && !FHideTabs)
            PressCloseButton(p, false);
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TPageControl::WndProc(msg);
        Invalidate();
        return;
    case WM_SIZE:
        TPageControl::WndProc(msg);
        if (!MultiLine())
            CheckScroller();
        UpdateScrollerPosition();
        return;
    case WM_HSCROLL:
        TPageControl::WndProc(msg);
        DestroyNativeUpDown();
        Invalidate();
        return;
    case WM_ERASEBKGND:
        msg.Result = 1;
        return;
    default:
        break;
    }
    TPageControl::WndProc(msg);
}

bool TspSkinPageControl::SetProperty(const String& name, const TPropValue& value)
{
    using C = TspSkinPageControl;
    using Row = TPropertyRow<C>;
    static const Row rows[] = {
        {L"SkinDataName", [](C& c, const TPropValue& v) { c.SetSkinDataName(v.AsString()); }},
        {L"ButtonTabSkinDataName", [](C& c, const TPropValue& v) { c.SetButtonTabSkinDataName(v.AsString()); }},
        {L"MouseWheelSupport", [](C& c, const TPropValue& v) { c.SetMouseWheelSupport(v.AsBoolean()); }},
        {L"TabsOffset", [](C& c, const TPropValue& v) { c.SetTabsOffset(v.AsInteger()); }},
        {L"TabExtededDraw", [](C& c, const TPropValue& v) { c.SetTabExtendedDraw(v.AsBoolean()); }},
        {L"TabMargin",
         [](C& c, const TPropValue& v) {
             if (v.AsInteger() < -1)
                 throw EReadError(L"Invalid property value: TabMargin " + std::to_wstring(v.AsInteger()) +
                                  L" is below -1");
             c.SetTabMargin(v.AsInteger());
         }},
        {L"TabSpacing", [](C& c, const TPropValue& v) { c.SetTabSpacing(v.AsInteger()); }},
        {L"TabLayout",
         [](C& c, const TPropValue& v) {
             static const wchar_t* const names[] = {L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"};
             c.SetTabLayout(static_cast<TspButtonLayout>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"TextInHorizontal", [](C& c, const TPropValue& v) { c.SetTextInHorizontal(v.AsBoolean()); }},
        {L"TabsInCenter", [](C& c, const TPropValue& v) { c.SetTabsInCenter(v.AsBoolean()); }},
        {L"FreeOnClose", [](C& c, const TPropValue& v) { c.SetFreeOnClose(v.AsBoolean()); }},
        {L"ShowCloseButtons", [](C& c, const TPropValue& v) { c.SetShowCloseButtons(v.AsBoolean()); }},
        {L"TabsBGTransparent", [](C& c, const TPropValue& v) { c.SetTabsBGTransparent(v.AsBoolean()); }},
        {L"UseSkinFont", [](C& c, const TPropValue& v) { c.SetUseSkinFont(v.AsBoolean()); }},
        {L"DefaultItemHeight", [](C& c, const TPropValue& v) { c.SetDefaultItemHeight(v.AsInteger()); }},
        {L"DefaultFont.Name", [](C& c, const TPropValue& v) { c.FDefaultFont.SetName(v.AsString()); }},
        {L"DefaultFont.Height", [](C& c, const TPropValue& v) { c.FDefaultFont.SetHeight(v.AsInteger()); }},
        {L"DefaultFont.Color", [](C& c, const TPropValue& v) { c.FDefaultFont.SetColor(ColorFromValue(v)); }},
        {L"DefaultFont.Style",
         [](C& c, const TPropValue& v) { c.FDefaultFont.SetStyle(FontStylesFromSet(v.AsSet())); }},
        {L"DefaultFont.Charset",
         [](C& c, const TPropValue& v) { c.FDefaultFont.SetCharset(CharsetFromValue(v)); }},
        {L"OnClose", [](C& c, const TPropValue& v) { c.OnClose = v.AsMethod<TspCloseEvent>(); }},
        {L"OnAfterClose", [](C& c, const TPropValue& v) { c.OnAfterClose = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDrawSkinTab", [](C& c, const TPropValue& v) { c.OnDrawSkinTab = v.AsMethod<TspDrawSkinTabEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value) || TPageControl::SetProperty(name, value);
}

bool TspSkinPageControl::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"SkinData")) {
        SetSkinData(ReferenceOfKind<TspSkinData>(value, L"a skin data container"));
        return true;
    }
    if (SameDescriptionName(name, L"Images")) {
        SetImages(ReferenceOfKind<TCustomImageList>(value, L"an image list"));
        return true;
    }
    return TPageControl::SetReference(name, value);
}

void RegisterPageControlClasses()
{
    RegisterComponentClass<TspSkinPageControl>();
    RegisterComponentClass<TspSkinTabSheet>();
    RegisterComponentClass<TspSkinUpDown>();
}

} // namespace vt
