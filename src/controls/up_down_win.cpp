#include "controls/up_down_win.h"

#include "controls/framed_record.h"
#include "framework/base/property_table.h"
#include "raster/caption.h"
#include "raster/compose.h"
#include "skin/skin_data.h"

namespace vt {

namespace {


int ArrowKind(TUDOrientation o, int button)
{
    if (o == udVertical)
        return button == 0 ? kArrowUp : kArrowDown;
    return button == 0 ? kArrowRight : kArrowLeft;
}

} // namespace

TspSkinUpDown::TspSkinUpDown(TComponent* owner) : TspSkinCustomControl(owner)
{
    SetSkinDataName(L"hupdown");
    SetBounds(0, 0, 25, 50);
}

TspSkinUpDown::~TspSkinUpDown() = default;

void TspSkinUpDown::SetUseSkinSize(bool value)
{
    if (FUseSkinSize == value)
        return;
    FUseSkinSize = value;
    if (LoadedSkin())
        ChangeSkinData();
}

void TspSkinUpDown::SetOrientation(TUDOrientation value)
{
    FOrientation = value;
    UpdateButtonRects();
    Refresh();
}

void TspSkinUpDown::Changed() { Raise(OnChange, this); }

void TspSkinUpDown::GetSkinData()
{
    TspSkinCustomControl::GetSkinData();
    const auto* r = HasRecord() ? dynamic_cast<const TspDataSkinUpDownControl*>(
                                      SkinData()->CtrlList[static_cast<size_t>(FIndex)].get())
                                : nullptr;
    if (r) {
        UpButtonRect = r->UpButtonRect;
        ActiveUpButtonRect = r->ActiveUpButtonRect;
        DownUpButtonRect = r->DownUpButtonRect.IsEmpty() ? r->ActiveUpButtonRect : r->DownUpButtonRect;
        DownButtonRect = r->DownButtonRect;
        ActiveDownButtonRect = r->ActiveDownButtonRect;
        DownDownButtonRect =
            r->DownDownButtonRect.IsEmpty() ? r->ActiveDownButtonRect : r->DownDownButtonRect;
    }
    UpdateButtonRects();
}

void TspSkinUpDown::UpdateButtonRects()
{
    model_.SetButtonRects(
        UpDownButtonRects(SkinSized(), UpButtonRect, DownButtonRect, FOrientation, Width(), Height()));
}

void TspSkinUpDown::CalcSkinSize(int& width, int& height)
{
    if (FUseSkinSize)
        TspSkinCustomControl::CalcSkinSize(width, height);
}

void TspSkinUpDown::ApplySkinRegion()
{
    if (FUseSkinSize)
        TspSkinCustomControl::ApplySkinRegion();
}

void TspSkinUpDown::RenderDefaultLook(TspBitmap& bitmap)
{
    bitmap.Clear(ColorToPixel(clBtnFace, 255));
    for (int i = 0; i < 2; ++i) {
        const TUpDownButton& b = model_.Button(i);
        if (b.Down && b.MouseIn)
            FrameAndFill(bitmap, b.Rect, kDefaultFrame, kDefaultDownFill);
        else if (b.MouseIn)
            FrameAndFill(bitmap, b.Rect, kDefaultFrame, kDefaultHotFill);
        else
            FrameAndFill(bitmap, b.Rect, clBtnShadow, clBtnFace);
        DrawShapes(bitmap, Arrow(b.Rect, ArrowKind(FOrientation, i)), Enabled() ? 0 : 0x00808080);
    }
}

void TspSkinUpDown::RenderResizeButton(TspBitmap& bitmap, int i)
{
    const TspSkinData* sd = LoadedSkin();
    const TUpDownButton& b = model_.Button(i);
    TRecordLookup found = FindControlRecord<TspDataSkinButtonControl>(sd, L"resizebutton");
    if (!found || b.Rect.IsEmpty())
        return;
    const auto& r = static_cast<const TspDataSkinButtonControl&>(*found.Record);
    const bool down = b.Down && b.MouseIn;
    const TRect& source = down ? r.DownSkinRect : b.MouseIn ? r.ActiveSkinRect : r.SkinRect;
    TColor colour = down ? r.DownFontColor : b.MouseIn ? r.ActiveFontColor : r.FontColor;
    if (!b.MouseIn && !Enabled())
        colour = r.DisabledFontColor;
    TspBitmap face;
    if (!ComposeRecordRect(face, *sd, r, source, b.Rect.Width(), b.Rect.Height()))
        return;
    CopyRect(bitmap, b.Rect, face.View(), face.BoundsRect());
    DrawShapes(bitmap, Arrow(b.Rect, ArrowKind(FOrientation, i)), colour);
}

void TspSkinUpDown::RenderSkinLook(TspBitmap& bitmap)
{
    if (!FUseSkinSize) {
        bitmap.Clear(ColorToPixel(clBtnFace, 255));
        RenderResizeButton(bitmap, 0);
        RenderResizeButton(bitmap, 1);
        return;
    }
    TspSkinCustomControl::RenderSkinLook(bitmap);
    TPixelView picture = Picture();
    for (int i = 0; i < 2; ++i) {
        const TUpDownButton& b = model_.Button(i);
        if (!b.MouseIn)
            continue;
        const TRect& source = b.Down ? (i == 0 ? DownUpButtonRect : DownDownButtonRect)
                                     : (i == 0 ? ActiveUpButtonRect : ActiveDownButtonRect);
        // A rectangle of another size than the button's, or outside the picture, draws nothing.
        if (source.Width() == b.Rect.Width() && source.Height() == b.Rect.Height() &&
            RectInsidePicture(source, picture.Width, picture.Height))
            CopyRect(bitmap, b.Rect, picture, source);
    }
}

namespace {
TUpDownMouse UpDownMouse(TMouseButton b)
{
    return b == mbRight ? TUpDownMouse::Right : b == mbMiddle ? TUpDownMouse::Middle : TUpDownMouse::Left;
}
} // namespace

void TspSkinUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    model_.MouseDown(UpDownMouse(button), {x, y});
    TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TComponentRef<TControl> self(this);
    model_.MouseUp(UpDownMouse(button), {x, y});
    if (self)
        TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinUpDown::MouseMove(TShiftState shift, int x, int y)
{
    model_.MouseMove({x, y});
    TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinUpDown::WndProc(TMessage& msg)
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
        UpdateButtonRects();
        return;
    case CM_CAPTURELOST:
        model_.CaptureLost();
        break;
    case CM_MOUSEENTER:
        model_.MouseEnter();
        break;
    case CM_MOUSELEAVE:
        model_.MouseLeave();
        break;
    default:
        break;
    }
    TspSkinCustomControl::WndProc(msg);
}

bool TspSkinUpDown::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSkinUpDown>;
    static const Row rows[] = {
        {L"UseSkinSize", [](TspSkinUpDown& c, const TPropValue& v) { c.SetUseSkinSize(v.AsBoolean()); }},
        {L"Orientation",
         [](TspSkinUpDown& c, const TPropValue& v) {
             static const wchar_t* const names[] = {L"udHorizontal", L"udVertical"};
             c.SetOrientation(static_cast<TUDOrientation>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"Increment", [](TspSkinUpDown& c, const TPropValue& v) { c.SetIncrement(v.AsInteger()); }},
        {L"Min", [](TspSkinUpDown& c, const TPropValue& v) { c.SetMin(v.AsInteger()); }},
        {L"Max", [](TspSkinUpDown& c, const TPropValue& v) { c.SetMax(v.AsInteger()); }},
        {L"Position", [](TspSkinUpDown& c, const TPropValue& v) { c.SetPosition(v.AsInteger()); }},
        {L"OnUpButtonClick",
         [](TspSkinUpDown& c, const TPropValue& v) { c.OnUpButtonClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDownButtonClick",
         [](TspSkinUpDown& c, const TPropValue& v) { c.OnDownButtonClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnChange", [](TspSkinUpDown& c, const TPropValue& v) { c.OnChange = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value) || TspSkinCustomControl::SetProperty(name, value);
}

} // namespace vt
