#include "controls/label_win.h"

#include "controls/control_font_win.h"
#include "controls/skin_look.h"
#include "framework/base/property_table.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose.h"
#include "skin/skin_data.h"

namespace vt {

TspSkinLabel::TspSkinLabel(TComponent* owner) : TspSkinCustomControl(owner)
{
    SetSkinDataName(L"label");
    SetBounds(Left(), Top(), 75, 21);
}

// --- properties -------------------------------------------------------------------------------

void TspSkinLabel::SetEllipsType(TspEllipsType2 value)
{
    FEllipsType = value;
    Invalidate();
}

void TspSkinLabel::SetUseSkinSize(bool value)
{
    if (FUseSkinSize == value)
        return;
    FUseSkinSize = value;
    ApplySizeRule();
    Refresh();
}

void TspSkinLabel::SetUseSkinFontColor(bool value) { Store(FUseSkinFontColor, value); }

void TspSkinLabel::SetBorderStyle(TspSkinBorderStyle value)
{
    FBorderStyle = value;
    if (!HasRecord())
        Refresh();
}

void TspSkinLabel::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (value)
        AdjustSize();
}

void TspSkinLabel::Loaded()
{
    TspSkinCustomControl::Loaded();
    if (FAutoSize)
        AdjustSize();
}

// --- record and size --------------------------------------------------------------------------

TRecordLookup TspSkinLabel::LookupRecord() const
{
    return FindControlRecord<TspDataSkinLabelControl>(SkinData(), SkinDataName());
}

void TspSkinLabel::GetSkinData()
{
    TspSkinCustomControl::GetSkinData();
    // Only the skin's own size has the mask's shape.
    if (!FUseSkinSize)
        MutableGeometry().Record.MaskPicture = -1;
    if (!HasRecord())
        return;
    const auto& r = static_cast<const TspDataSkinLabelControl&>(*SkinData()->CtrlList[static_cast<size_t>(FIndex)]);
    FFontName = r.FontName;
    FFontStyle = r.FontStyle;
    FFontHeight = r.FontHeight;
    FFontColor = r.FontColor;
    if (!LabelRecordAllowsAutoSize(Geometry()))
        FAutoSize = false;
}

void TspSkinLabel::ComputeGeometry(int& width, int& height)
{
    LabelCalcSkinSize(MutableGeometry(), FUseSkinSize, width, height);
}

void TspSkinLabel::PrepareGeometry()
{
    int w = Width(), h = Height();
    ComputeGeometry(w, h);
}

void TspSkinLabel::PrepareFont(TCanvas& canvas)
{
    TRecordFont record;
    if (HasRecord())
        record = {&FFontName, FFontHeight, FFontStyle};
    AssignControlFont(canvas.Font(), DefaultFont(), SkinData(), record, UseSkinFont());
    canvas.Font().SetColor(HasRecord() && FUseSkinFontColor ? FFontColor : DefaultFont().Color());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
}

int TspSkinLabel::CaptionWidth()
{
    TspBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas& canvas = GetCanvas(scratch);
    PrepareFont(canvas);
    return MeasureTextWidthPrefixed(canvas, Caption());
}

int TspSkinLabel::AutoSizeDelta()
{
    GetSkinData();
    int w = Width(), h = Height();
    ComputeGeometry(w, h);
    return LabelAutoSizeDelta(Geometry(), CaptionWidth(), Width());
}

void TspSkinLabel::CalcSkinSize(int& width, int& height)
{
    ComputeGeometry(width, height);
    if (!FAutoSize)
        return;
    const int delta = LabelAutoSizeDelta(Geometry(), CaptionWidth(), width);
    if (delta > 0) {
        width += delta;
        ComputeGeometry(width, height);
    }
}

void TspSkinLabel::AdjustSize()
{
    if (IsLoading() || Align() == alTop || Align() == alBottom || Align() == alClient)
        return;
    const int delta = AutoSizeDelta();
    if (delta != 0)
        SetBounds(Left(), Top(), Width() + delta, Height());
}

void TspSkinLabel::SetBounds(int left, int top, int width, int height)
{
    GetSkinData();
    const bool changed = HasRecord() && (width != Width() || height != Height());
    if (changed)
        CalcSkinSize(width, height);
    TspSkinControl::SetBounds(left, top, width, height);
    if (changed) {
        ApplySkinRegion();
        Refresh();
    }
    if (HasRecord() && Geometry().Record.StretchEffect)
        CheckControlsBackground();
}

void TspSkinLabel::ChangeSkinData()
{
    // Record, cursor and repaint from the plain layer; the size by the label's own rule.
    TspSkinControl::ChangeSkinData();
    int w = Width(), h = Height();
    if (HasRecord()) {
        CalcSkinSize(w, h);
    } else {
        if (DefaultWidth() > 0)
            w = DefaultWidth();
        if (DefaultHeight() > 0)
            h = DefaultHeight();
    }
    if (w != Width() || h != Height()) {
        TspSkinControl::SetBounds(Left(), Top(), w, h);
        PrepareGeometry();
    }
    ApplySkinRegion();
    Refresh();
}

// --- painting ---------------------------------------------------------------------------------

void TspSkinLabel::DrawCaption(TspBitmap& bitmap, const TRect& r)
{
    std::wstring text = Caption();
    if (text.empty() || bitmap.Empty())
        return;
    TCanvas& canvas = GetCanvas(bitmap);
    PrepareFont(canvas);
    if (FEllipsType == spetEllips)
        ShortenWithEllipsisPrefixed(canvas, text, r.Width());
    const TPoint size{MeasureTextWidthPrefixed(canvas, text), MeasureTextHeightPrefixed(canvas, text)};
    const TPoint at = LabelCaptionPos(r, size, canvas.Font().Height(), FAlignment);
    const TRect line = Rect(r.Left, at.Y, r.Right, at.Y + size.Y);
    const uint32_t format = LabelAlignmentFormat(FAlignment) | dt::SingleLine;
    if (FShadowEffect) {
        TColor shadow = FShadowColor;
        const TspSkinData* sd = LoadedSkin();
        if (HasRecord() && FUseSkinFontColor && sd && sd->FSkinColors)
            shadow = DarkenColour(ColorToRGB(sd->FSkinColors->cBtnFace), 70);
        DrawGlowText(canvas, line, text, FShadowSize, ColorToRGB(shadow), FShadowOffset, format);
    } else if (FReflectionEffect) {
        DrawReflectedText(canvas, line, text, ColorToRGB(canvas.Font().Color()), FReflectionOffset, format);
    } else {
        const int saved = canvas.SaveState();
        canvas.IntersectClip(r);
        TRect place = Bounds(at.X, at.Y, size.X, size.Y);
        canvas.DrawText(text, place, dt::SingleLine | dt::NoClip);
        canvas.RestoreState(saved);
    }
}

void TspSkinLabel::RenderSkinLook(TspBitmap& bitmap)
{
    const int w = Width(), h = Height();
    const TControlGeometry& g = Geometry();
    const TLabelLookChoice choice = ChooseLabelLook(g, {w, h, FTransparent, FUseSkinSize});
    const TRect& skinRect = g.Record.SkinRect;
    switch (choice.Look) {
    case TLabelLook::llParentImage:
        PaintParentBackground(*this, GetCanvas(bitmap));
        break;
    case TLabelLook::llSkinRect:
        vt::RenderSkinRect(bitmap, Picture(), skinRect, g, false, w, h);
        break;
    case TLabelLook::llFramedFromClient:
        if (!Picture().Empty() && !skinRect.IsEmpty())
            ComposeFramedPictureFromClient(bitmap, Picture(), skinRect, g.Record.ClRect, true);
        break;
    case TLabelLook::llDefault:
        break;
    }
    DrawCaption(bitmap, choice.Caption);
}

void TspSkinLabel::RenderDefaultLook(TspBitmap& bitmap)
{
    const int w = Width(), h = Height();
    const TLabelLookChoice choice = ChooseLabelLook(Geometry(), {w, h, FTransparent, FUseSkinSize});
    TCanvas& canvas = GetCanvas(bitmap);
    if (choice.Look == TLabelLook::llParentImage) {
        PaintParentBackground(*this, canvas);
    } else {
        TspSkinCustomControl::RenderDefaultLook(bitmap);
        if (auto colours = LabelFrameColours(FBorderStyle))
            DrawTwoColourFrame(canvas, Rect(0, 0, w, h), colours->first, colours->second);
    }
    DrawCaption(bitmap, choice.Caption);
}

void TspSkinLabel::DefaultFontChanged()
{
    if (FAutoSize)
        AdjustSize();
}

// --- messages ---------------------------------------------------------------------------------

void TspSkinLabel::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_ERASEBKGND:
        // A parent capturing its children's images through erasing gets the whole look.
        if (!FromWMPaint && msg.WParam) {
            PaintWindow(reinterpret_cast<HDC>(msg.WParam));
            msg.Result = 1;
            return;
        }
        break;
    case WM_MOVE:
        TspSkinCustomControl::WndProc(msg);
        if (FTransparent)
            Refresh();
        return;
    case SKINMSG_PARENT_BG_CHANGED:
        if (FTransparent)
            Refresh();
        break;
    case CM_TEXTCHANGED:
        TspSkinCustomControl::WndProc(msg);
        if (FAutoSize)
            AdjustSize();
        Refresh();
        return;
    case CM_DIALOGCHAR: {
        TWinControl* target = FFocusControl.get();
        if (target && Enabled() && IsAccel(static_cast<wchar_t>(msg.WParam), Caption()) && target->CanFocus()) {
            target->SetFocus();
            msg.Result = 1;
            return;
        }
        break;
    }
    default:
        break;
    }
    TspSkinCustomControl::WndProc(msg);
}

// --- description ------------------------------------------------------------------------------

bool TspSkinLabel::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TspSkinLabel;
    using Row = TPropertyRow<Self>;
    static const wchar_t* const ellipses[] = {L"spetNoneEllips", L"spetEllips"};
    static const wchar_t* const borders[] = {L"bvFrame", L"bvRaised", L"bvLowered", L"bvNone"};
    static const Row rows[] = {
        {L"ShadowEffect", [](Self& c, const TPropValue& v) { c.SetShadowEffect(v.AsBoolean()); }},
        {L"ShadowOffset", [](Self& c, const TPropValue& v) { c.SetShadowOffset(v.AsInteger()); }},
        {L"ShadowSize", [](Self& c, const TPropValue& v) { c.SetShadowSize(v.AsInteger()); }},
        {L"ShadowColor", [](Self& c, const TPropValue& v) { c.SetShadowColor(ColorFromValue(v)); }},
        {L"ReflectionEffect", [](Self& c, const TPropValue& v) { c.SetReflectionEffect(v.AsBoolean()); }},
        {L"ReflectionOffset", [](Self& c, const TPropValue& v) { c.SetReflectionOffset(v.AsInteger()); }},
        {L"EllipsType",
         [](Self& c, const TPropValue& v) {
             c.SetEllipsType(static_cast<TspEllipsType2>(IdentIndex(v.AsIdent(), ellipses)));
         }},
        {L"UseSkinSize", [](Self& c, const TPropValue& v) { c.SetUseSkinSize(v.AsBoolean()); }},
        {L"Alignment",
         [](Self& c, const TPropValue& v) { c.SetAlignment(AlignmentFromIdent(v.AsIdent())); }},
        {L"AutoSize", [](Self& c, const TPropValue& v) { c.SetAutoSize(v.AsBoolean()); }},
        {L"BorderStyle",
         [](Self& c, const TPropValue& v) {
             c.SetBorderStyle(static_cast<TspSkinBorderStyle>(IdentIndex(v.AsIdent(), borders)));
         }},
        {L"UseSkinFontColor", [](Self& c, const TPropValue& v) { c.SetUseSkinFontColor(v.AsBoolean()); }},
        {L"Transparent", [](Self& c, const TPropValue& v) { c.SetTransparent(v.AsBoolean()); }},
    };
    return SetFromTable(*this, rows, name, value) || TspSkinCustomControl::SetProperty(name, value);
}

bool TspSkinLabel::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"FocusControl")) {
        SetFocusControl(ReferenceOfKind<TWinControl>(value, L"a windowed control"));
        return true;
    }
    return TspSkinCustomControl::SetReference(name, value);
}

} // namespace vt
