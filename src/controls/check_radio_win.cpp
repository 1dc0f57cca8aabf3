#include "controls/check_radio_win.h"

#include "controls/control_font_win.h"
#include "controls/label_win.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "skin/skin_data.h"

namespace vt {

namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr unsigned kFadeInterval = 20;
constexpr TColor kDefaultHotFrame = 0x00B76B3B;

} // namespace

TspSkinCheckRadioBox::TspSkinCheckRadioBox(TComponent* owner) : TspSkinCustomControl(owner)
{
    SetSkinDataName(L"checkbox");
    SetBounds(Left(), Top(), 150, 25);
}

TspSkinCheckRadioBox::~TspSkinCheckRadioBox() { StopFade(); }

// --- values -----------------------------------------------------------------------------------

void TspSkinCheckRadioBox::SetChecked(bool value) { Apply(state_.SetChecked(value)); }

void TspSkinCheckRadioBox::SetState(TCheckBoxState value) { Apply(state_.SetState(value)); }

void TspSkinCheckRadioBox::Toggle() { Apply(state_.Toggle()); }

void TspSkinCheckRadioBox::Apply(const TCheckChange& change)
{
    if (change.Repaint)
        Refresh();
    if (change.UncheckGroup)
        UncheckGroup();
    if (change.Click)
        Raise(OnClick, this);
}

void TspSkinCheckRadioBox::UncheckGroup()
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    // A click handler may free siblings: collect them first, then follow them by reference.
    std::vector<TComponentRef<TspSkinCheckRadioBox>> siblings;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* box = dynamic_cast<TspSkinCheckRadioBox*>(parent->Controls(i));
        if (box && box != this && box->GroupIndex() == GroupIndex() && box->Checked())
            siblings.emplace_back(box);
    }
    for (auto& box : siblings)
        if (box && box->Checked())
            box->SetChecked(false);
}

void TspSkinCheckRadioBox::SetRadio(bool value)
{
    state_.Radio = value;
    if (!HasRecord() && DrawDefault())
        Refresh();
}

void TspSkinCheckRadioBox::SetAllowGrayed(bool value)
{
    state_.AllowGrayed = value;
    Refresh();
}

void TspSkinCheckRadioBox::SetFlat(bool value)
{
    if (FFlat == value)
        return;
    FFlat = value;
    StopFade();
    // The framed look takes the skin's size and region again; the flat one drops the region.
    ApplySizeRule();
    Refresh();
}

void TspSkinCheckRadioBox::SetWordWrap(bool value)
{
    FWordWrap = value;
    if (FFlat)
        Refresh();
}

void TspSkinCheckRadioBox::SetUseSkinFontColor(bool value)
{
    FUseSkinFontColor = value;
    Refresh();
}

void TspSkinCheckRadioBox::SetCanFocused(bool value)
{
    FCanFocused = value;
    SetTabStop(value);
}

void TspSkinCheckRadioBox::SetImages(TCustomImageList* value)
{
    FImages = value;
    Refresh();
}

void TspSkinCheckRadioBox::SetImageIndex(int value)
{
    FImageIndex = value;
    Refresh();
}

// --- record and size --------------------------------------------------------------------------

TRecordLookup TspSkinCheckRadioBox::LookupRecord() const
{
    return FindControlRecord<TspDataSkinCheckRadioControl>(SkinData(), SkinDataName());
}

void TspSkinCheckRadioBox::GetSkinData()
{
    TspSkinCustomControl::GetSkinData();
    // The flat look takes any size and uses no mask.
    if (FFlat)
        MutableGeometry().Record.MaskPicture = -1;
    if (!HasRecord()) {
        look_.Morphing = false;
        fade_.Set(0);
        return;
    }
    const auto& r = static_cast<const TspDataSkinCheckRadioControl&>(*SkinData()->CtrlList[static_cast<size_t>(FIndex)]);
    look_.FontName = r.FontName;
    look_.FontStyle = r.FontStyle;
    look_.FontHeight = r.FontHeight;
    look_.FontColor = r.FontColor;
    look_.ActiveFontColor = r.ActiveFontColor;
    look_.FrameFontColor = r.FrameFontColor;
    look_.UnEnabledFontColor = r.UnEnabledFontColor;
    look_.ActiveSkinRect = r.ActiveSkinRect.IsEmpty() ? r.SkinRect : r.ActiveSkinRect;
    look_.CheckImageArea = r.CheckImageArea;
    look_.TextArea = r.TextArea;
    look_.Images = CheckImageRectsOf(r);
    look_.Morphing = r.Morphing && !FFlat;
    look_.MorphKind = r.MorphKind;
}

void TspSkinCheckRadioBox::ChangeSkinData()
{
    if (FFlat) {
        // Any size suits the flat look: only the record is looked up again.
        GetSkinData();
        Refresh();
        return;
    }
    StopFade();
    TspSkinCustomControl::ChangeSkinData();
    fade_.Set(HotTarget() ? 5 : 0);
}

void TspSkinCheckRadioBox::SetBounds(int left, int top, int width, int height)
{
    if (FFlat)
        TspSkinControl::SetBounds(left, top, width, height);
    else
        TspSkinCustomControl::SetBounds(left, top, width, height);
}

void TspSkinCheckRadioBox::CalcSkinSize(int& width, int& height)
{
    if (!FFlat)
        TspSkinCustomControl::CalcSkinSize(width, height);
}

// --- fade -------------------------------------------------------------------------------------

bool TspSkinCheckRadioBox::FadeActive() const { return !FFlat && HasRecord() && look_.Morphing && Enabled(); }

bool TspSkinCheckRadioBox::HotTarget() { return state_.MouseIn() || (HandleAllocated() && Focused()); }

void TspSkinCheckRadioBox::HotChanged()
{
    if (!FadeActive() || !HandleAllocated()) {
        Refresh();
        return;
    }
    if (!fading_) {
        fading_ = true;
        SetWindowTimer(kFadeTimer, kFadeInterval);
    }
}

void TspSkinCheckRadioBox::FadeTick()
{
    const bool more = fade_.Tick(HotTarget());
    Refresh();
    if (!more)
        StopFade();
}

void TspSkinCheckRadioBox::StopFade()
{
    if (!fading_)
        return;
    fading_ = false;
    KillWindowTimer(kFadeTimer);
}

// --- input ------------------------------------------------------------------------------------

void TspSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        TComponentRef<TspSkinCheckRadioBox> self(this);
        if (FCanFocused && !Focused() && CanFocus()) {
            SetFocus();
            // An OnEnter handler may free the control or keep the focus away: drop the press.
            if (!self || !Focused()) {
                if (self)
                    TspSkinCustomControl::MouseDown(button, shift, x, y);
                return;
            }
        }
        if (state_.Press())
            HotChanged();
    }
    TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinCheckRadioBox::MouseMove(TShiftState shift, int x, int y)
{
    if (state_.Down()) {
        // While held the capture keeps the platform's notices away: the edge decides.
        const bool inside = PointInsideRect(Rect(0, 0, Width(), Height()), {x, y});
        if (state_.SetMouseIn(inside)) {
            HotChanged();
            Raise(inside ? OnMouseEnter : OnMouseLeave, this);
        }
    }
    TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TComponentRef<TspSkinCheckRadioBox> self(this);
    if (button == mbLeft)
        Apply(state_.Release());
    if (self)
        TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinCheckRadioBox::KeyUp(WORD& key, TShiftState shift)
{
    TComponentRef<TspSkinCheckRadioBox> self(this);
    TspSkinCustomControl::KeyUp(key, shift);
    if (self && key == VK_SPACE && FCanFocused && Focused())
        Toggle();
}

void TspSkinCheckRadioBox::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_TIMER:
        if (msg.WParam == kFadeTimer) {
            FadeTick();
            return;
        }
        break;
    case WM_ERASEBKGND:
        // A parent capturing its children's images through erasing gets the framed look.
        if (!FFlat && !FromWMPaint && msg.WParam) {
            PaintWindow(reinterpret_cast<HDC>(msg.WParam));
            msg.Result = 1;
            return;
        }
        break;
    case WM_MOVE:
        TspSkinCustomControl::WndProc(msg);
        Refresh();
        return;
    case SKINMSG_PARENT_BG_CHANGED:
        if (FFlat)
            Refresh();
        else
            TspSkinCustomControl::WndProc(msg);
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (state_.SetMouseIn(msg.Msg == CM_MOUSEENTER))
            HotChanged();
        break;
    case CM_CAPTURELOST:
        state_.CancelPress();
        break;
    case CM_ENABLEDCHANGED:
        TspSkinCustomControl::WndProc(msg);
        StopFade();
        fade_.Set(0);
        state_.ResetHover();
        Refresh();
        return;
    case CM_TEXTCHANGED:
        TspSkinCustomControl::WndProc(msg);
        if (HasRecord() || DrawDefault())
            Refresh();
        return;
    case CM_DIALOGCHAR:
        if (FCanFocused && Enabled() && Showing() && IsAccel(static_cast<wchar_t>(msg.WParam), Caption())) {
            TComponentRef<TspSkinCheckRadioBox> self(this);
            if (CanFocus())
                SetFocus();
            if (self)
                Toggle();
            msg.Result = 1;
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TspSkinCustomControl::WndProc(msg);
        HotChanged();
        return;
    default:
        break;
    }
    TspSkinCustomControl::WndProc(msg);
}

// --- painting ---------------------------------------------------------------------------------

TPoint TspSkinCheckRadioBox::CheckSize() const
{
    return {look_.Images.Check.Width(), look_.Images.Check.Height()};
}

void TspSkinCheckRadioBox::PrepareFont(TCanvas& canvas)
{
    TRecordFont record;
    if (HasRecord())
        record = {&look_.FontName, look_.FontHeight, look_.FontStyle};
    AssignControlFont(canvas.Font(), DefaultFont(), SkinData(), record, UseSkinFont());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
}

void TspSkinCheckRadioBox::DrawCheckImage(TspBitmap& bitmap, int x, int y)
{
    const TCheckImageChoice choice = ChooseCheckImage(look_.Images, State(), Enabled(), state_.MouseIn());
    TPixelView picture = Picture();
    if (picture.Empty() || !RectInsidePicture(choice.Rect, picture.Width, picture.Height))
        return;
    TspBitmap image;
    image.SetSize(choice.Rect.Width(), choice.Rect.Height());
    CopyRect(image, image.BoundsRect(), picture, choice.Rect);
    if (choice.Lighten) {
        TspEffectBmp light(image.View());
        light.ChangeBrightness(0.5);
        light.ToBitmap(image);
    }
    DrawGlyphFrame(bitmap, x, y, 1, 1, image.View());
}

void TspSkinCheckRadioBox::DrawDefaultMark(TCanvas& canvas)
{
    const int h = Height();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clWindow);
    canvas.Pen().SetColor(state_.MouseIn() ? kDefaultHotFrame : clBtnShadow);
    canvas.Rectangle(DefaultCheckBox(h));
    if (State() == cbGrayed && !Radio()) {
        TPoint at = DefaultCheckMarkAt(h);
        DrawShapes(canvas, CheckMark(at.X, at.Y), clGrayText);
    } else if (State() == cbChecked) {
        const TColor colour = Enabled() ? clBlack : clBtnShadow;
        if (Radio()) {
            TPoint at = DefaultRadioDotAt(h);
            DrawShapes(canvas, SquareDot(at.X, at.Y), colour);
        } else {
            TPoint at = DefaultCheckMarkAt(h);
            DrawShapes(canvas, CheckMark(at.X, at.Y), colour);
        }
    }
}

void TspSkinCheckRadioBox::RenderFlat(TspBitmap& bitmap)
{
    TCanvas& canvas = GetCanvas(bitmap);
    PaintParentBackground(*this, canvas);
    PrepareFont(canvas);
    const bool record = HasRecord();
    if (!record)
        canvas.Font().SetColor(Enabled() ? DefaultFont().Color() : clBtnShadow);
    else if (!FUseSkinFontColor)
        canvas.Font().SetColor(DefaultFont().Color());
    else
        canvas.Font().SetColor(Enabled() ? look_.FrameFontColor : look_.UnEnabledFontColor);

    const std::wstring& caption = Caption();
    TFlatLayoutInput in;
    in.Width = Width();
    in.Height = Height();
    in.HasRecord = record;
    in.CheckSize = CheckSize();
    TCustomImageList* images = FImages.get();
    in.HasImage = images && images->HasImage(FImageIndex);
    if (in.HasImage)
        in.ImageSize = {images->Width(), images->Height()};
    in.HasCaption = !caption.empty();
    in.WordWrap = FWordWrap;
    if (in.HasCaption) {
        if (FWordWrap) {
            TRect r = Rect(FlatWrapLeft(in), 0, in.Width, 0);
            canvas.DrawText(caption, r, dt::CalcRect | dt::WordBreak | dt::ExpandTabs);
            in.CaptionSize = {r.Width(), r.Height()};
        } else {
            in.CaptionSize = {MeasureTextWidthPrefixed(canvas, caption), MeasureTextHeightPrefixed(canvas, caption)};
        }
    }
    const TFlatLayout layout = LayoutFlat(in);

    if (record)
        DrawCheckImage(bitmap, layout.Check.Left, layout.Check.Top);
    else
        DrawDefaultMark(canvas);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (in.HasImage)
        DrawListImage(canvas, images, FImageIndex, layout.Image.X, layout.Image.Y, Enabled());
    if (in.HasCaption) {
        if (FWordWrap) {
            TRect r = layout.Caption;
            canvas.DrawText(caption, r, dt::WordBreak | dt::ExpandTabs);
        } else {
            DrawCenteredLine(canvas, caption, layout.Caption);
        }
    }
    if (FCanFocused && HandleAllocated() && Focused())
        DrawDottedFrame(canvas, layout.Focus);
}

void TspSkinCheckRadioBox::RenderFramedState(TspBitmap& bitmap, bool hot)
{
    RenderSkinRect(bitmap, Picture(), hot ? look_.ActiveSkinRect : Geometry().Record.SkinRect);
    if (bitmap.Empty())
        return;
    const int dw = Width() - Geometry().Record.SkinRect.Width();
    const TFramedLayout layout = LayoutFramed(look_.TextArea, look_.CheckImageArea, CheckSize(), dw);
    DrawCheckImage(bitmap, layout.CheckImage.Left, layout.CheckImage.Top);
    TCanvas& canvas = GetCanvas(bitmap);
    PrepareFont(canvas);
    canvas.Font().SetColor(!Enabled() ? look_.UnEnabledFontColor : hot ? look_.ActiveFontColor : look_.FontColor);
    DrawCenteredLine(canvas, Caption(), layout.TextArea);
}

void TspSkinCheckRadioBox::RenderSkinLook(TspBitmap& bitmap)
{
    if (FFlat) {
        RenderFlat(bitmap);
        return;
    }
    if (look_.Morphing && Enabled() && fade_.Mixing()) {
        TspBitmap normal, hot;
        normal.SetSize(bitmap.Width(), bitmap.Height());
        hot.SetSize(bitmap.Width(), bitmap.Height());
        RenderFramedState(normal, false);
        RenderFramedState(hot, true);
        if (normal.Empty() || hot.Empty() || normal.Width() != hot.Width() || normal.Height() != hot.Height())
            return;
        TspEffectBmp mixed(normal.View());
        mixed.MorphByKind(static_cast<uint8_t>(look_.MorphKind), TspEffectBmp(hot.View()), fade_.Factor());
        mixed.ToBitmap(bitmap);
        return;
    }
    RenderFramedState(bitmap, HotTarget());
}

void TspSkinCheckRadioBox::RenderDefaultLook(TspBitmap& bitmap)
{
    if (FFlat) {
        RenderFlat(bitmap);
        return;
    }
    TspSkinCustomControl::RenderDefaultLook(bitmap);
    TCanvas& canvas = GetCanvas(bitmap);
    if (HotTarget()) {
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(Rect(0, 0, Width(), Height()));
    }
    DrawDefaultMark(canvas);
    PrepareFont(canvas);
    canvas.Font().SetColor(Enabled() ? DefaultFont().Color() : clBtnShadow);
    DrawCenteredLine(canvas, Caption(), Rect(19, 0, Width(), Height()));
}

// --- description ------------------------------------------------------------------------------

bool TspSkinCheckRadioBox::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TspSkinCheckRadioBox;
    using Row = TPropertyRow<Self>;
    static const wchar_t* const states[] = {L"cbUnchecked", L"cbChecked", L"cbGrayed"};
    static const Row rows[] = {
        {L"Checked", [](Self& c, const TPropValue& v) { c.SetChecked(v.AsBoolean()); }},
        {L"State",
         [](Self& c, const TPropValue& v) { c.SetState(static_cast<TCheckBoxState>(IdentIndex(v.AsIdent(), states))); }},
        {L"Radio", [](Self& c, const TPropValue& v) { c.SetRadio(v.AsBoolean()); }},
        {L"AllowGrayed", [](Self& c, const TPropValue& v) { c.SetAllowGrayed(v.AsBoolean()); }},
        {L"Flat", [](Self& c, const TPropValue& v) { c.SetFlat(v.AsBoolean()); }},
        {L"GroupIndex", [](Self& c, const TPropValue& v) { c.SetGroupIndex(v.AsInteger()); }},
        {L"WordWrap", [](Self& c, const TPropValue& v) { c.SetWordWrap(v.AsBoolean()); }},
        {L"UseSkinFontColor", [](Self& c, const TPropValue& v) { c.SetUseSkinFontColor(v.AsBoolean()); }},
        {L"CanFocused", [](Self& c, const TPropValue& v) { c.SetCanFocused(v.AsBoolean()); }},
        {L"ImageIndex", [](Self& c, const TPropValue& v) { c.SetImageIndex(v.AsInteger()); }},
    };
    return SetFromTable(*this, rows, name, value) || TspSkinCustomControl::SetProperty(name, value);
}

bool TspSkinCheckRadioBox::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"Images")) {
        SetImages(ReferenceOfKind<TCustomImageList>(value, L"an image list"));
        return true;
    }
    return TspSkinCustomControl::SetReference(name, value);
}

void RegisterCheckLabelClasses()
{
    RegisterComponentClass<TspSkinCheckRadioBox>();
    RegisterComponentClass<TspSkinLabel>();
}

} // namespace vt
