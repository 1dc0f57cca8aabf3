// Sections: construction and properties; record; painting (plain look, skin look, thumb);
// mouse, keys and messages; registration.
#include "controls/scroll_bar_win.h"

#include "controls/framed_record.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "raster/caption.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "skin/skin_data.h"

namespace vt {

namespace {

// Arrow kinds of the glyph helpers.

TScrollMouse ScrollMouse(TMouseButton b)
{
    return b == mbRight ? TScrollMouse::Right : b == mbMiddle ? TScrollMouse::Middle : TScrollMouse::Left;
}

} // namespace

// --- construction and properties ------------------------------------------------------------

TspSkinScrollBar::TspSkinScrollBar(TComponent* owner) : TspSkinCustomControl(owner)
{
    SetSkinDataName(L"hscrollbar");
    SetBounds(0, 0, 200, kDefaultHeight);
    SetDefaultHeight(kDefaultHeight);
}

TspSkinScrollBar::~TspSkinScrollBar() = default;

void TspSkinScrollBar::SetKind(TScrollBarKind value)
{
    if (model_.Kind() == value)
        return;
    model_.SetKind(value);
}

void TspSkinScrollBar::SetBoth(bool value)
{
    if (model_.Both() == value)
        return;
    if (value) {
        FNormalSkinDataName = SkinDataName();
        SetSkinDataName(FBothSkinDataName);
    } else if (!FNormalSkinDataName.empty()) {
        SetSkinDataName(FNormalSkinDataName);
    }
    model_.SetBoth(value);
    if (IsLoading())
        return;
    GetSkinData();
    if (HasRecord())
        ChangeSkinData();
    else
        Refresh();
}

void TspSkinScrollBar::SetCanFocused(bool value)
{
    FCanFocused = value;
    SetTabStop(value);
}

bool TspSkinScrollBar::UpButtonClick()
{
    if (!OnUpButtonClick)
        return false;
    Raise(OnUpButtonClick, this);
    return true;
}

bool TspSkinScrollBar::DownButtonClick()
{
    if (!OnDownButtonClick)
        return false;
    Raise(OnDownButtonClick, this);
    return true;
}

bool TspSkinScrollBar::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSkinScrollBar>;
    using B = TspSkinScrollBar;
    static const Row rows[] = {
        {L"Kind",
         [](B& c, const TPropValue& v) {
             static const wchar_t* const names[] = {L"sbHorizontal", L"sbVertical"};
             c.SetKind(static_cast<TScrollBarKind>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"Min", [](B& c, const TPropValue& v) { c.SetMin(v.AsInteger()); }},
        {L"Max", [](B& c, const TPropValue& v) { c.SetMax(v.AsInteger()); }},
        {L"Position", [](B& c, const TPropValue& v) { c.SetPosition(v.AsInteger()); }},
        {L"PageSize", [](B& c, const TPropValue& v) { c.SetPageSize(v.AsInteger()); }},
        {L"SmallChange", [](B& c, const TPropValue& v) { c.SetSmallChange(v.AsInteger()); }},
        {L"LargeChange", [](B& c, const TPropValue& v) { c.SetLargeChange(v.AsInteger()); }},
        {L"Both", [](B& c, const TPropValue& v) { c.SetBoth(v.AsBoolean()); }},
        {L"BothMarkerWidth", [](B& c, const TPropValue& v) { c.SetBothMarkerWidth(v.AsInteger()); }},
        {L"BothSkinDataName", [](B& c, const TPropValue& v) { c.SetBothSkinDataName(v.AsString()); }},
        {L"CanFocused", [](B& c, const TPropValue& v) { c.SetCanFocused(v.AsBoolean()); }},
        {L"OnChange", [](B& c, const TPropValue& v) { c.OnChange = v.AsMethod<TNotifyEvent>(); }},
        {L"OnLastChange", [](B& c, const TPropValue& v) { c.OnLastChange = v.AsMethod<TNotifyEvent>(); }},
        {L"OnUpButtonClick", [](B& c, const TPropValue& v) { c.OnUpButtonClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDownButtonClick",
         [](B& c, const TPropValue& v) { c.OnDownButtonClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnPageUp", [](B& c, const TPropValue& v) { c.OnPageUp = v.AsMethod<TNotifyEvent>(); }},
        {L"OnPageDown", [](B& c, const TPropValue& v) { c.OnPageDown = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value) || TspSkinCustomControl::SetProperty(name, value);
}

// --- record ---------------------------------------------------------------------------------

void TspSkinScrollBar::GetSkinData()
{
    TspSkinCustomControl::GetSkinData();
    const auto* r = HasRecord() ? dynamic_cast<const TspDataSkinScrollBarControl*>(
                                      SkinData()->CtrlList[static_cast<size_t>(FIndex)].get())
                                : nullptr;
    model_.SetSkin(r ? std::optional<TScrollBarSkin>(CopyScrollBarRecord(*r)) : std::nullopt);
    model_.SetSize(Width(), Height());
}

void TspSkinScrollBar::PrepareGeometry()
{
    TspSkinCustomControl::PrepareGeometry();
    model_.SetSize(Width(), Height());
    model_.UpdateGeometry();
}

// --- painting -------------------------------------------------------------------------------

bool TspSkinScrollBar::ThumbPressed() const
{
    return model_.Dragging() || (FCanFocused && Focused());
}

void TspSkinScrollBar::RenderDefaultLook(TspBitmap& bitmap)
{
    bitmap.Clear(ColorToPixel(clBtnFace, 255));
    const bool vertical = model_.Kind() == sbVertical;
    for (int i : {sbpUp, sbpDown}) {
        const TScrollBarPart& b = model_.Part(i);
        if (b.Down && b.MouseIn)
            FrameAndFill(bitmap, b.Rect, kDefaultFrame, kDefaultDownFill);
        else if (b.MouseIn)
            FrameAndFill(bitmap, b.Rect, kDefaultFrame, kDefaultHotFill);
        else
            FrameAndFill(bitmap, b.Rect, clBtnShadow, clBtnFace);
        const int kind = i == sbpUp ? (vertical ? kArrowDown : kArrowRight)
                                    : (vertical ? kArrowUp : kArrowLeft);
        DrawShapes(bitmap, Arrow(b.Rect, kind), 0x000000);
    }
    if (!Enabled())
        return;
    const TScrollBarPart& t = model_.Part(sbpThumb);
    if (ThumbPressed())
        FrameAndFill(bitmap, t.Rect, kDefaultFrame, kDefaultDownFill);
    else if (t.MouseIn)
        FrameAndFill(bitmap, t.Rect, kDefaultFrame, kDefaultHotFill);
    else
        FrameAndFill(bitmap, t.Rect, clBtnShadow, clBtnFace);
}

void TspSkinScrollBar::RenderSkinLook(TspBitmap& bitmap)
{
    const std::optional<TScrollBarSkin>& skin = model_.Skin();
    if (!skin) {
        // A record of another kind under the name: the plain look.
        RenderDefaultLook(bitmap);
        return;
    }
    const TScrollBarSkin& s = *skin;
    TspSkinCustomControl::RenderSkinLook(bitmap);
    TPixelView picture = Picture();
    // Idle buttons are part of the skin image; only hot and pressed looks are drawn over it.
    for (int i : {sbpUp, sbpDown}) {
        const TScrollBarPart& b = model_.Part(i);
        if (b.Rect.IsEmpty() || !b.MouseIn)
            continue;
        const TRect& source = b.Down ? (i == sbpUp ? s.DownUpButtonRect : s.DownDownButtonRect)
                                     : (i == sbpUp ? s.ActiveUpButtonRect : s.ActiveDownButtonRect);
        if (RectInsidePicture(source, picture.Width, picture.Height))
            CopyRect(bitmap, b.Rect, picture, source);
    }
    if (Enabled())
        RenderThumb(bitmap, s);
}

void TspSkinScrollBar::RenderThumb(TspBitmap& bitmap, const TScrollBarSkin& s)
{
    TPixelView picture = Picture();
    const TScrollBarPart& t = model_.Part(sbpThumb);
    const bool pressed = ThumbPressed();
    const TRect& source = pressed ? s.DownThumbRect : t.MouseIn ? s.ActiveThumbRect : s.ThumbRect;
    if (t.Rect.IsEmpty() || !RectInsidePicture(source, picture.Width, picture.Height))
        return;

    TspBitmap thumb;
    const bool vertical = model_.Kind() == sbVertical;
    if (model_.PageSize() > 0 || s.ThumbMinPageSize != 0) {
        // Fixed ends, the middle stretched or tiled to the thumb's length.
        if (vertical)
            ComposeVertBand(s.ThumbOffset1, s.ThumbOffset2, thumb, picture, source, t.Rect.Height(),
                            s.ThumbStretchEffect);
        else
            ComposeHorzBand(s.ThumbOffset1, s.ThumbOffset2, thumb, picture, source, t.Rect.Width(),
                            s.ThumbStretchEffect);
    } else {
        thumb.SetSize(t.Rect.Width(), t.Rect.Height());
        CopyRect(thumb, thumb.BoundsRect(), picture, source);
    }
    if (thumb.Empty())
        return;

    const TRect& glyph = pressed ? s.DownGlyphRect : t.MouseIn ? s.ActiveGlyphRect : s.GlyphRect;
    if (!glyph.IsEmpty())
        CopyKeyed(thumb, thumb.Width() / 2 - glyph.Width() / 2,
            thumb.Height() / 2 - glyph.Height() / 2, picture, glyph, s.GlyphTransparent,
            s.GlyphTransparentColor);

    if (AlphaBlend()) {
        // The thumb over the track under it.
        TspBitmap under;
        under.SetSize(thumb.Width(), thumb.Height());
        CopyRect(under, under.BoundsRect(), bitmap.View(),
            Bounds(t.Rect.Left, t.Rect.Top, thumb.Width(), thumb.Height()));
        TspEffectBmp mixed(thumb.View());
        mixed.Morph(TspEffectBmp(under.View()), AlphaBlendFactor(AlphaBlendValue()));
        mixed.ToBitmap(thumb);
    }
    CopyKeyed(bitmap, t.Rect.Left, t.Rect.Top, thumb.View(), thumb.BoundsRect(), s.ThumbTransparent,
              s.ThumbTransparentColor);
}

// --- mouse, keys and messages ---------------------------------------------------------------

void TspSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TComponentRef<TControl> self(this);
    bool take = true;
    if (button == mbLeft && FCanFocused && !Focused()) {
        if (CanFocus())
            SetFocus();
        // Without the focus the press is dropped.
        take = self && Focused();
    }
    if (!self)
        return;
    if (take)
        model_.MouseDown(ScrollMouse(button), {x, y});
    if (self)
        TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TComponentRef<TControl> self(this);
    model_.MouseUp(ScrollMouse(button), {x, y});
    if (self)
        TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    TComponentRef<TControl> self(this);
    model_.MouseMove({x, y});
    if (self)
        TspSkinCustomControl::MouseMove(shift, x, y);
}

bool TspSkinScrollBar::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos)
{
    if (TspSkinCustomControl::DoMouseWheel(shift, delta, mousePos))
        return true;
    if (!FCanFocused || !Focused())
        return false;
    model_.Wheel(delta);
    return true;
}

void TspSkinScrollBar::KeyDown(WORD& key, TShiftState shift)
{
    TComponentRef<TControl> self(this);
    TspSkinCustomControl::KeyDown(key, shift);
    if (!self || !FCanFocused)
        return;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        model_.StepBy(-1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        model_.StepBy(1);
        break;
    default:
        break;
    }
}

void TspSkinScrollBar::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_TIMER:
        if (msg.WParam == kTimerId) {
            model_.TimerTick();
            return;
        }
        break;
    case WM_SIZE:
        TspSkinCustomControl::WndProc(msg);
        model_.SetSize(Width(), Height());
        return;
    case WM_GETDLGCODE:
        msg.Result = FCanFocused ? DLGC_WANTARROWS : 0;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TspSkinCustomControl::WndProc(msg);
        Refresh();
        return;
    case WM_ERASEBKGND:
        // A parent capturing its children's images through erase messages gets the whole look.
        if (!FromWMPaint && msg.WParam)
            PaintWindow(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = 1;
        return;
    case CM_CAPTURELOST:
        model_.CaptureLost();
        break;
    case CM_MOUSELEAVE:
        model_.MouseLeave();
        break;
    default:
        break;
    }
    TspSkinCustomControl::WndProc(msg);
}

// --- registration ---------------------------------------------------------------------------

void RegisterScrollBarClasses() { RegisterComponentClass<TspSkinScrollBar>(); }

} // namespace vt
