// The shared button layer and TspSkinButton. Sections: timers and groups; record and size;
// painting; mouse; properties; TspSkinButton (focus, keys, glow frame).
#include "controls/button_win.h"

#include "controls/control_font_win.h"
#include "controls/skin_look.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "framework/base/streams.h"
#include "framework/win/forms.h"
#include "framework/win/timer.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "raster/layer_win.h"
#include "skin/bmp_codec.h"
#include "skin/skin_data.h"

namespace vt {

namespace {

// The default look's palette.
constexpr TColor kDefaultFrame = 0x00B76B3B;
constexpr TColor kDefaultHotFill = 0x00F3D4C1;
constexpr TColor kDefaultDownFill = 0x00E4BCA2;

TColor SkinColourOr(const TspSkinData* sd, TColor TspSkinColors::*field, TColor fallback)
{
    return sd && sd->FSkinColors ? sd->FSkinColors.get()->*field : fallback;
}

} // namespace

// --- Timers and groups ------------------------------------------------------------------------

template <class Base> TSkinButtonLayer<Base>::TSkinButtonLayer(TComponent* owner) : Base(owner)
{
    this->SetSkinDataName(L"button");
}

template <class Base> TSkinButtonLayer<Base>::~TSkinButtonLayer()
{
    for (TTimer*& t : timers_) {
        delete t;
        t = nullptr;
    }
}

template <class Base> void TSkinButtonLayer<Base>::StartTimer(TButtonTimer timer, int ms)
{
    TTimer*& slot = TimerSlot(timer);
    if (!slot) {
        slot = new TTimer(this);
        slot->SetEnabled(false);
        slot->SetOnTimer([this, timer](TObject*) { model_.TimerTick(timer); });
    }
    slot->SetEnabled(false);
    slot->SetInterval(static_cast<unsigned>(ms > 0 ? ms : 1));
    slot->SetEnabled(true);
}

template <class Base> void TSkinButtonLayer<Base>::StopTimer(TButtonTimer timer)
{
    if (TTimer* t = TimerSlot(timer))
        t->SetEnabled(false);
}

template <class Base> void TSkinButtonLayer<Base>::RaiseGroupSiblings()
{
    TWinControl* parent = this->Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TSkinButtonLayer<Base>*>(parent->Controls(i));
        if (sibling && sibling != this && sibling->GroupIndex() == GroupIndex() && sibling->Down())
            sibling->SetDown(false);
    }
}

template <class Base> void TSkinButtonLayer<Base>::ButtonClick()
{
    this->Raise(this->OnClick, this);
}

template <class Base> void TSkinButtonLayer<Base>::SetDown(bool value)
{
    if (model_.Down() == value)
        return;
    if (this->IsLoading())
        model_.SetDownFlag(value);
    else
        model_.SetDown(value);
}

template <class Base> void TSkinButtonLayer<Base>::SetGroupIndex(int value)
{
    model_.Options.GroupIndex = value;
}

template <class Base> void TSkinButtonLayer<Base>::SetCheckedMode(bool value)
{
    model_.Options.CheckedMode = value;
    if (value)
        SetGroupIndex(-1);
    else if (GroupIndex() == -1)
        SetGroupIndex(0);
}

// --- Record and size --------------------------------------------------------------------------

template <class Base> TRecordLookup TSkinButtonLayer<Base>::LookupRecord() const
{
    return FindControlRecord<TspDataSkinButtonControl>(this->SkinData(), this->SkinDataName());
}

template <class Base> void TSkinButtonLayer<Base>::GetSkinData()
{
    Base::GetSkinData();
    const bool record = this->HasRecord();
    if (record) {
        const TspSkinData& sd = *this->SkinData();
        skin_ = ReadButtonSkin(
            static_cast<const TspDataSkinButtonControl&>(*sd.CtrlList[static_cast<size_t>(this->SkinIndex())]));
        // A button of any size has no shape to cut.
        if (!FUseSkinSize)
            this->MutableGeometry().Record.MaskPicture = -1;
    } else {
        skin_ = TButtonSkin{};
    }
    // What the skin allows the state machine.
    const TspSkinData* sd = this->LoadedSkin();
    const bool effects = record && sd && sd->EnableSkinEffects();
    model_.Skin.HasRecord = record;
    model_.Skin.MorphOn = effects && skin_.Morphing;
    model_.Skin.AnimationOn = effects && !skin_.AnimateSkinRect.IsEmpty() && skin_.FrameCount >= 1;
    model_.Skin.FrameCount = skin_.FrameCount;
    model_.Skin.AnimateInterval = skin_.AnimateInterval;
}

template <class Base> void TSkinButtonLayer<Base>::BeforeChangeSkinData()
{
    model_.StopEffects();
    Base::BeforeChangeSkinData();
}

template <class Base> void TSkinButtonLayer<Base>::ChangeSkinData()
{
    model_.StopEffects();
    Base::ChangeSkinData();
    model_.SkinChanged();
}

template <class Base> void TSkinButtonLayer<Base>::SetBounds(int left, int top, int width, int height)
{
    if (!FUseSkinSize) {
        GetSkinData();
        // Without the skin's size any size goes, except for a record that stretches both ways.
        if (this->HasRecord() && this->ResizeMode() != rmBoth) {
            const bool changed = width != this->Width() || height != this->Height();
            if constexpr (Base::kWindowed)
                TWinControl::SetBounds(left, top, width, height);
            else
                TControl::SetBounds(left, top, width, height);
            if (changed) {
                this->ApplySkinRegion();
                this->Refresh();
            }
            return;
        }
    }
    Base::SetBounds(left, top, width, height);
}

template <class Base> TRect TSkinButtonLayer<Base>::ContentRect() const
{
    const TControlGeometry& g = this->Geometry();
    if (FUseSkinSize || g.Mode == rmBoth)
        return g.NewClRect;
    TRect r = g.Record.ClRect;
    r.Right += this->Width() - g.Record.SkinRect.Width();
    r.Bottom += this->Height() - g.Record.SkinRect.Height();
    return r;
}

// --- Painting ---------------------------------------------------------------------------------

template <class Base> TButtonLook TSkinButtonLayer<Base>::CurrentLook() const
{
    TButtonLookInput in;
    in.Enabled = this->Enabled();
    in.Down = model_.Down();
    in.Grouped = model_.Grouped();
    in.MouseIn = model_.MouseIn();
    in.Focused = HasButtonFocus();
    in.LeftHeld = model_.MouseDown();
    in.HasDisabledRect = !skin_.DisabledSkinRect.IsEmpty();
    in.HasFocusedRect = !skin_.FocusedSkinRect.IsEmpty();
    in.Animating = model_.Animating();
    in.MorphOn = model_.Skin.MorphOn;
    in.MorphKf = model_.MorphKf();
    return ChooseButtonLook(in);
}

template <class Base> TButtonSkin TSkinButtonLayer<Base>::PaintSkin() const
{
    TButtonSkin s = skin_;
    if (!model_.Skin.AnimationOn || !model_.Animating())
        return s;
    TPixelView picture = this->Picture();
    TRect frame = AnimationFrameRect(s, model_.CurrentFrame());
    if (!RectInsidePicture(frame, picture.Width, picture.Height))
        return s;
    if (model_.AnimatingForward())
        s.ActiveSkinRect = frame;
    else
        s.SkinRect = frame;
    return s;
}

template <class Base> void TSkinButtonLayer<Base>::RenderSkinLook(TspBitmap& bitmap)
{
    const TButtonSkin s = PaintSkin();
    const TButtonLook look = CurrentLook();
    if (look == TButtonLook::blFade) {
        TspBitmap hot;
        hot.SetSize(bitmap.Width(), bitmap.Height());
        hot.Clear(0);
        RenderButtonState(bitmap, s.SkinRect, false, false);
        RenderButtonState(hot, s.ActiveSkinRect, true, false);
        if (hot.Width() != bitmap.Width() || hot.Height() != bitmap.Height())
            return;
        TspEffectBmp mixed(bitmap.View());
        mixed.MorphByKind(static_cast<uint8_t>(s.MorphKind), TspEffectBmp(hot.View()), model_.MorphKf());
        mixed.ToBitmap(bitmap);
        return;
    }
    RenderButtonState(bitmap, LookRect(s, look), LookIsActive(look), LookIsDown(look));
}

template <class Base>
void TSkinButtonLayer<Base>::RenderButtonState(TspBitmap& bitmap, const TRect& rect, bool active, bool down)
{
    const int W = this->Width(), H = this->Height();
    const TControlGeometry& g = this->Geometry();
    const TspSkinData* sd = this->LoadedSkin();
    if (down || active || !IdleShowsParent()) {
        TPixelView picture = this->Picture();
        if (!RectInsidePicture(rect, picture.Width, picture.Height)) {
            // A rectangle outside the picture draws no skin image.
            bitmap.Clear(ColorToPixel(SkinColourOr(sd, &TspSkinColors::cBtnFace, clBtnFace), 255));
        } else if (FUseSkinSize || g.Mode == rmBoth) {
            this->RenderSkinRect(bitmap, picture, rect);
        } else if (g.Mode == rmFixed) {
            CopyRect(bitmap, Rect(0, 0, W, H), picture, rect);
        } else {
            ComposeFramedPictureFromClient(bitmap, picture, rect, g.Record.ClRect, true);
        }
    } else {
        PaintParentBackground(*this, GetCanvas(bitmap));
    }

    TCanvas& canvas = GetCanvas(bitmap);
    TFont& font = canvas.Font();
    AssignControlFont(font, this->DefaultFont(), sd, {&skin_.FontName, skin_.FontHeight, skin_.FontStyle},
                      this->UseSkinFont());
    TButtonColourInput colour;
    colour.UseSkinFontColor = FUseSkinFontColor;
    colour.Enabled = this->Enabled();
    colour.Active = active;
    colour.Down = down;
    colour.Transparent = FTransparent;
    colour.DefaultFontColor = this->DefaultFont().Color();
    colour.ButtonTextColor = SkinColourOr(sd, &TspSkinColors::cBtnText, clBtnText);
    font.SetColor(ButtonFontColour(skin_, colour));

    const TRect content = ContentRect();
    if (skin_.ShowFocus && HasButtonFocus()) {
        canvas.Brush().SetColor(SkinColourOr(sd, &TspSkinColors::cBtnFace, clBtnFace));
        DrawDottedFrame(canvas, content);
    }
    bool drawDefault = true;
    this->Raise(OnPaint, this, canvas, content, down, active, drawDefault);
    if (drawDefault)
        DrawContent(canvas, content, active, down);
}

template <class Base> void TSkinButtonLayer<Base>::RenderDefaultLook(TspBitmap& bitmap)
{
    const TRect r = Rect(0, 0, this->Width(), this->Height());
    bitmap.Clear(ColorToPixel(clBtnFace, 255));
    // Without a record there is no fade, animation or state picture: the look is down, hot or idle.
    const TButtonLook look = CurrentLook();
    const bool down = LookIsDown(look), active = LookIsActive(look);
    TCanvas& canvas = GetCanvas(bitmap);
    canvas.Brush().SetColor(down ? kDefaultDownFill : active ? kDefaultHotFill : clBtnFace);
    canvas.FillRect(r);
    canvas.Brush().SetColor(active ? kDefaultFrame : clBtnShadow);
    canvas.FrameRect(r);

    AssignControlFont(canvas.Font(), this->DefaultFont(), this->SkinData(), {}, false);
    if (!this->Enabled())
        canvas.Font().SetColor(clBtnShadow);
    bool drawDefault = true;
    this->Raise(OnPaint, this, canvas, r, down, active, drawDefault);
    if (drawDefault)
        DrawContent(canvas, r, active, down);
}

template <class Base>
void TSkinButtonLayer<Base>::DrawContent(TCanvas& canvas, const TRect& r, bool active, bool down)
{
    const bool enabled = this->Enabled();
    const std::wstring caption = ContentCaption();
    const bool glyph = !FGlyph.Empty();
    const TCustomImageList* list = FImageList.get();
    const bool listImage = list && list->HasImage(FImageIndex) && !(glyphFirst_ && glyph);
    if (listImage) {
        DrawImageListGlyphAndText(canvas, r, FMargin, FSpacing, FLayout, caption, FImageIndex, list, down, enabled,
                                  false, 0, false);
        return;
    }
    DrawBitmapGlyphAndText(canvas, r, FMargin, FSpacing, FLayout, caption, FGlyph, FNumGlyphs,
                           ButtonGlyphIndex(down, active, enabled, FNumGlyphs), down, false, 0);
}

// --- Mouse ------------------------------------------------------------------------------------

template <class Base> bool TSkinButtonLayer<Base>::PointOver(int x, int y) const
{
    return this->ClientRect().Contains({x, y});
}

template <class Base> void TSkinButtonLayer<Base>::HoverChanged(bool in)
{
    pointerIn_ = in;
    if (in)
        model_.MouseEnter();
    else
        model_.MouseLeave();
}

template <class Base> void TSkinButtonLayer<Base>::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TComponentRef<TControl> self(this);
    if (button == mbLeft && !TakePress(x, y)) {
        if (!FocusForPress())
            return;
        pointerIn_ = true;
        model_.Press();
    }
    if (self)
        Base::MouseDown(button, shift, x, y);
}

template <class Base> void TSkinButtonLayer<Base>::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TComponentRef<TControl> self(this);
    if (button == mbLeft && !TakeRelease())
        model_.Release(PointOver(x, y));
    if (self)
        Base::MouseUp(button, shift, x, y);
}

template <class Base> void TSkinButtonLayer<Base>::MouseMove(TShiftState shift, int x, int y)
{
    // While the press holds the capture the platform reports no enter or leave: the point decides.
    if (model_.MouseDown()) {
        const bool over = PointOver(x, y);
        if (over != pointerIn_)
            HoverChanged(over);
    }
    Base::MouseMove(shift, x, y);
}

template <class Base> void TSkinButtonLayer<Base>::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case CM_MOUSEENTER:
        if (!pointerIn_)
            HoverChanged(true);
        break;
    case CM_MOUSELEAVE:
        if (pointerIn_)
            HoverChanged(false);
        break;
    case CM_CAPTURELOST:
        model_.CaptureLost();
        break;
    case CM_ENABLEDCHANGED:
        Base::WndProc(msg);
        model_.EnabledChanged();
        return;
    case CM_TEXTCHANGED:
        Base::WndProc(msg);
        if (this->HasRecord() || this->DrawDefault())
            this->Refresh();
        return;
    default:
        break;
    }
    Base::WndProc(msg);
}

// --- Properties -------------------------------------------------------------------------------

template <class Base> void TSkinButtonLayer<Base>::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetUseSkinSize(bool value)
{
    if (FUseSkinSize == value)
        return;
    FUseSkinSize = value;
    if (this->LoadedSkin() && !this->IsLoading())
        ChangeSkinData();
}

template <class Base> void TSkinButtonLayer<Base>::SetUseSkinFontColor(bool value)
{
    if (FUseSkinFontColor == value)
        return;
    FUseSkinFontColor = value;
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetGlyph(const TspBitmap& value)
{
    FGlyph.Assign(value);
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetNumGlyphs(int value)
{
    if (value < 1 || value > 4)
        return;
    FNumGlyphs = value;
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetMargin(int value)
{
    if (value < -1 || value == FMargin)
        return;
    FMargin = value;
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetSpacing(int value)
{
    if (value == FSpacing)
        return;
    FSpacing = value;
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetLayout(TspButtonLayout value)
{
    if (value == FLayout)
        return;
    FLayout = value;
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetImageList(TCustomImageList* value)
{
    FImageList = value;
    this->Refresh();
}

template <class Base> void TSkinButtonLayer<Base>::SetImageIndex(int value)
{
    if (value == FImageIndex)
        return;
    FImageIndex = value;
    this->Refresh();
}

namespace {

const wchar_t* const kLayoutNames[] = {L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"};

} // namespace

template <class Base> bool TSkinButtonLayer<Base>::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TSkinButtonLayer<Base>;
    using Row = TPropertyRow<Self>;
    static const Row rows[] = {
        {L"Transparent", [](Self& c, const TPropValue& v) { c.SetTransparent(v.AsBoolean()); }},
        {L"CheckedMode", [](Self& c, const TPropValue& v) { c.SetCheckedMode(v.AsBoolean()); }},
        {L"ImageIndex", [](Self& c, const TPropValue& v) { c.SetImageIndex(v.AsInteger()); }},
        {L"UseSkinSize", [](Self& c, const TPropValue& v) { c.SetUseSkinSize(v.AsBoolean()); }},
        {L"UseSkinFontColor", [](Self& c, const TPropValue& v) { c.SetUseSkinFontColor(v.AsBoolean()); }},
        {L"RepeatMode", [](Self& c, const TPropValue& v) { c.SetRepeatMode(v.AsBoolean()); }},
        {L"RepeatInterval", [](Self& c, const TPropValue& v) { c.SetRepeatInterval(v.AsInteger()); }},
        {L"AllowAllUp", [](Self& c, const TPropValue& v) { c.SetAllowAllUp(v.AsBoolean()); }},
        {L"Down", [](Self& c, const TPropValue& v) { c.SetDown(v.AsBoolean()); }},
        {L"GroupIndex", [](Self& c, const TPropValue& v) { c.SetGroupIndex(v.AsInteger()); }},
        {L"NumGlyphs", [](Self& c, const TPropValue& v) { c.SetNumGlyphs(CheckedRange(v, 1, 4)); }},
        {L"Margin", [](Self& c, const TPropValue& v) { c.SetMargin(CheckedRange(v, -1, INT32_MAX)); }},
        {L"Spacing", [](Self& c, const TPropValue& v) { c.SetSpacing(v.AsInteger()); }},
        {L"Layout",
         [](Self& c, const TPropValue& v) {
             c.SetLayout(static_cast<TspButtonLayout>(IdentIndex(v.AsIdent(), kLayoutNames)));
         }},
        {L"Glyph.Data",
         [](Self& c, const TPropValue& v) {
             TMemoryStream stream(v.AsBinary());
             TPixelImage image;
             ReadBitmapRecord(stream, image);
             TspBitmap glyph;
             glyph.Assign(image);
             c.SetGlyph(glyph);
         }},
        {L"OnPaint", [](Self& c, const TPropValue& v) { c.OnPaint = v.AsMethod<TspButtonPaintEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value) || Base::SetProperty(name, value);
}

template <class Base> bool TSkinButtonLayer<Base>::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"ImageList")) {
        SetImageList(ReferenceOfKind<TCustomImageList>(value, L"an image list"));
        return true;
    }
    return Base::SetReference(name, value);
}

template class TSkinButtonLayer<TspSkinCustomControl>;
template class TSkinButtonLayer<TspGraphicSkinCustomControl>;

// --- TspSkinButton ----------------------------------------------------------------------------

TspSkinButton::TspSkinButton(TComponent* owner) : TSkinButtonLayer(owner)
{
    FLayerManager = new TspLayerManager(this);
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TspSkinButton::SetCanFocused(bool value)
{
    model_.Options.CanFocused = value;
    SetTabStop(value);
}

void TspSkinButton::SetGroupIndex(int value)
{
    TSkinButtonLayer::SetGroupIndex(value);
    if (value != 0)
        SetCanFocused(false);
}

void TspSkinButton::SetDefault(bool value)
{
    model_.Options.Default = value;
    if (!HandleAllocated() || !CanFocused() || IsLoading())
        return;
    // Re-evaluate which button Enter presses, as a focus change would.
    TCustomForm* form = GetParentForm(this);
    FocusMovedTo(form ? form->ActiveControl() : nullptr);
}

void TspSkinButton::FocusMovedTo(TWinControl* focused)
{
    model_.FocusChanged(dynamic_cast<TspSkinButton*>(focused) != nullptr, focused == this);
}

void TspSkinButton::ButtonClick()
{
    if (CanFocused()) {
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    }
    TSkinButtonLayer::ButtonClick();
}

bool TspSkinButton::HasButtonFocus() const { return CanFocused() && model_.Focused(); }

bool TspSkinButton::FocusForPress()
{
    if (!CanFocused() || Focused())
        return true;
    if (CanFocus())
        SetFocus();
    // A press that could not take the focus is dropped.
    return Focused();
}

bool TspSkinButton::PointOver(int x, int y) const
{
    if (!TSkinButtonLayer::PointOver(x, y))
        return false;
    if (!HasSkinRegion())
        return true;
    // The window under the point decides: a corner cut by the mask is outside.
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    auto* self = const_cast<TspSkinButton*>(this);
    bool inside = GetWindowRgn(self->Handle(), rgn) != ERROR && PtInRegion(rgn, x, y);
    DeleteObject(rgn);
    return inside;
}

void TspSkinButton::KeyDown(WORD& key, TShiftState shift)
{
    TSkinButtonLayer::KeyDown(key, shift);
    if (key == VK_SPACE)
        model_.KeyDown(dkOther, true);
    else if (key == VK_RETURN)
        model_.KeyDown(dkEnter, false);
}

void TspSkinButton::KeyUp(WORD& key, TShiftState shift)
{
    TSkinButtonLayer::KeyUp(key, shift);
    if (key == VK_SPACE)
        model_.KeyUp(true);
}

void TspSkinButton::PostGlow(bool show)
{
    if (HandleAllocated())
        PostMessageW(Handle(), show ? SKINMSG_SHOW_GLOW : SKINMSG_HIDE_GLOW, 0, 0);
}

void TspSkinButton::ShowGlow()
{
    const TspSkinData* sd = LoadedSkin();
    if (!sd || !HasRecord() || !HandleAllocated() || skin_.GlowLayerPictureIndex == -1)
        return;
    if (!sd->ShowButtonGlowFrames() && !FAlwaysShowGlowFrame)
        return;
    // Indexes outside the pictures show nothing.
    TPixelView glow = ActivePicture(skin_.GlowLayerPictureIndex);
    TPixelView mask = ActivePicture(skin_.GlowLayerMaskPictureIndex);
    if (glow.Empty() || mask.Empty())
        return;
    const TGlowCompose how = ChooseGlow(ResizeMode(), UseSkinSize());
    const int dW = Width() - skin_.SkinRect.Width(), dH = Height() - skin_.SkinRect.Height();
    TspBitmap image, alpha;
    if (!ComposeGlowImage(image, glow, how, skin_, dW, dH) || !ComposeGlowImage(alpha, mask, how, skin_, dW, dH))
        return;
    if (image.Width() != alpha.Width() || image.Height() != alpha.Height())
        return;
    TCustomForm* form = GetParentForm(this);
    FLayerManager->TopMostMode =
        form && form->HandleAllocated() && (GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    const TPoint at = ClientToScreen({0, 0});
    FLayerManager->Show(at.X - skin_.GlowLayerShowOffsetX, at.Y - skin_.GlowLayerShowOffsetY, image, alpha,
                        skin_.GlowLayerAlphaBlendValue);
}

void TspSkinButton::HideGlow()
{
    if (FLayerManager->IsVisible())
        FLayerManager->Hide();
}

void TspSkinButton::BeforeChangeSkinData()
{
    HideGlow();
    TSkinButtonLayer::BeforeChangeSkinData();
}

void TspSkinButton::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_CREATE:
        TSkinButtonLayer::WndProc(msg);
        model_.SetActive(Default());
        return;
    case WM_SETFOCUS:
        TSkinButtonLayer::WndProc(msg);
        model_.FocusEnter();
        return;
    case WM_KILLFOCUS:
        TSkinButtonLayer::WndProc(msg);
        model_.FocusExit();
        return;
    case WM_ERASEBKGND:
        // A parent capturing its children's images through erase messages gets the whole look.
        if (!FromWMPaint && msg.WParam)
            PaintWindow(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = 1;
        return;
    case CM_DIALOGKEY: {
        const TDialogKey key = msg.WParam == VK_RETURN ? dkEnter : msg.WParam == VK_ESCAPE ? dkEscape : dkOther;
        const bool modifiers = (KeyDataToShiftState(msg.LParam) & (ssShift | ssCtrl | ssAlt)) != 0;
        if (key != dkOther && model_.DialogKey(key, Enabled(), CanFocus(), modifiers)) {
            msg.Result = 1;
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<wchar_t>(msg.WParam), Caption()) && CanFocus()) {
            if (CanFocused())
                SetFocus();
            ButtonClick();
            msg.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        FocusMovedTo(reinterpret_cast<TWinControl*>(msg.LParam));
        break;
    case SKINMSG_SHOW_GLOW:
        ShowGlow();
        return;
    case SKINMSG_HIDE_GLOW:
        HideGlow();
        return;
    default:
        break;
    }
    TSkinButtonLayer::WndProc(msg);
}

bool TspSkinButton::SetProperty(const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TspSkinButton>;
    static const Row rows[] = {
        {L"CanFocused", [](TspSkinButton& c, const TPropValue& v) { c.SetCanFocused(v.AsBoolean()); }},
        {L"Default", [](TspSkinButton& c, const TPropValue& v) { c.SetDefault(v.AsBoolean()); }},
        {L"Cancel", [](TspSkinButton& c, const TPropValue& v) { c.SetCancel(v.AsBoolean()); }},
        {L"ModalResult", [](TspSkinButton& c, const TPropValue& v) { c.SetModalResult(v.AsInteger()); }},
        {L"AlwaysShowLayeredFrame",
         [](TspSkinButton& c, const TPropValue& v) { c.SetAlwaysShowLayeredFrame(v.AsBoolean()); }},
    };
    return SetFromTable(*this, rows, name, value) || TSkinButtonLayer::SetProperty(name, value);
}

} // namespace vt
