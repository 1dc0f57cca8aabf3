#include "form/dynamic_skin_form_win.h"

#include "form/caption_menu_button.h"
#include "form/object_paint.h"
#include "form/shortcut_order.h"
#include "form/system_menu.h"
#include "framework/base/exceptions.h"
#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "framework/win/dc_scope.h"
#include "framework/win/exception_funnel.h"
#include "framework/win/forms.h"
#include "framework/win/icon.h"
#include "framework/win/timer.h"
#include "framework/win/window_region.h"
#include "controls/skin_control_base_win.h"
#include "menus/form_menus_win.h"
#include "menus/skin_menu.h"
#include "menus/skin_popup_menu_win.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "raster/compose_win.h"
#include "raster/layer_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms.h"
#include "skin/skinned_element.h"

#include <chrono>
#include <optional>

namespace vt {

namespace {

constexpr unsigned kEffectTimerMs = 25;
// The owner's window timer that starts the show's fade-in.
constexpr UINT_PTR kFadeTimerId = 1;
// The answers to the frame queries.
constexpr LRESULT kDrawsOwnFrame = 12853, kPlatformFrame = 12852, kFramePainted = 12851, kPaintToDCKey = 16802;

TCustomForm& OwnerForm(TComponent* owner, const TComponent* self)
{
    auto* form = dynamic_cast<TCustomForm*>(owner);
    if (!form)
        throw EComponentError(L"TspDynamicSkinForm must be owned by a form");
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (form->Components(i) != self && dynamic_cast<TspDynamicSkinForm*>(form->Components(i)))
            throw EComponentError(L"The form " + form->Name() + L" has a TspDynamicSkinForm already");
    return *form;
}

TFormBorder BorderOf(TBorderStyle style) { return static_cast<TFormBorder>(style); }

// Where a frame is painted: the caller's DC, or the window's own for the painting's length.
class TFrameTarget {
public:
    TFrameTarget(HWND window, HDC external, bool useExternal)
    {
        if (useExternal) {
            dc_ = external;
        } else {
            windowDC_.emplace(window, TDCArea::Window);
            dc_ = windowDC_->get();
        }
    }
    HDC get() const { return dc_; }

private:
    std::optional<TWindowDC> windowDC_;
    HDC dc_ = nullptr;
};

} // namespace

class TspDynamicSkinForm::TCapture final : public IMouseCapture {
public:
    explicit TCapture(TCustomForm& form) : form_(form) {}
    void SetCapture() override
    {
        if (form_.HandleAllocated())
            ::SetCapture(form_.Handle());
    }
    void ReleaseCapture() override
    {
        if (form_.HandleAllocated() && GetCapture() == form_.Handle())
            ::ReleaseCapture();
    }

private:
    TCustomForm& form_;
};

// Window coordinates of a screen point, and of a client point of the skinned window.
static TPoint ScreenToWindow(HWND hwnd, TPoint p)
{
    RECT wr;
    GetWindowRect(hwnd, &wr);
    return {p.X - wr.left, p.Y - wr.top};
}

static TPoint PointOf(LPARAM lParam) { return {static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))}; }

TspDynamicSkinForm::TspDynamicSkinForm(TComponent* owner)
    : TComponent(owner), Objects(this), form_(OwnerForm(owner, this)), fonts_(std::make_unique<TGdiTextRenderers>())
{
    // Owned by the engine, so a popup menu looking among the form's components finds the engine.
    menus_ = new TspFormMenus(form_, this);
    layerManager_ = new TspLayerManager(this);
    menuLayerManager_ = new TspLayerManager(this);
    morphTimer_ = new TTimer(this);
    morphTimer_->SetEnabled(false);
    morphTimer_->SetInterval(kEffectTimerMs);
    morphTimer_->SetOnTimer([this](TObject*) {
        if (!Objects.MorphTick())
            morphTimer_->SetEnabled(false);
    });
    animateTimer_ = new TTimer(this);
    animateTimer_->SetEnabled(false);
    animateTimer_->SetInterval(kEffectTimerMs);
    animateTimer_->SetOnTimer([this](TObject*) {
        if (!Objects.AnimationTick(GetFormActive()))
            animateTimer_->SetEnabled(false);
    });
    capture_ = std::make_unique<TCapture>(form_);
    tracker_ = std::make_unique<TspMouseTracker>(Objects, Geometry, *capture_);
    mouseTimer_ = new TTimer(this);
    mouseTimer_->SetEnabled(false);
    mouseTimer_->SetInterval(50);
    mouseTimer_->SetOnTimer([this](TObject*) {
        POINT c;
        if (!form_.HandleAllocated() || !GetCursorPos(&c)) {
            mouseTimer_->SetEnabled(false);
            return;
        }
        tracker_->Facts.FormActive = GetFormActive();
        const bool over = WindowFromPoint(c) == form_.Handle();
        const TPoint p = ScreenToWindow(form_.Handle(), {c.x, c.y});
        if (!tracker_->Poll(over, p))
            mouseTimer_->SetEnabled(false);
        CaptionExtrasMouse(WM_TIMER, p, TspMouseButton::Left);
    });
    Objects.CreateObjects(nullptr);
    BorderIconsChanged();
    // The platform's caption buttons are never shown; the frame is ours, and so is the state.
    form_.SetBorderIcons(0);
    FWindowStateInit = form_.WindowState();
    form_.SetFrameOwner(this);
    Extras.OnRepaint = [this] { UpDateFormNC(); };
    menus_->MenuModeEnded = [this] { MenuModeEnded(); };
    previousShortCut_ = std::move(form_.OnShortCut);
    form_.OnShortCut = [this](TWMKey& key, bool& handled) { HandleShortCut(key, handled); };
    windowHook_ = std::make_unique<TWindowProcHook>(
        form_, [this](TMessage& msg, const TWndMethod& previous) { NewWndProc(msg, previous); });
    if (form_.HandleAllocated())
        form_.RecreateWnd();
}

TspDynamicSkinForm::~TspDynamicSkinForm()
{
    *alive_ = false;
    if (form_.FrameOwner() == this)
        form_.SetFrameOwner(nullptr);
    form_.OnShortCut = std::move(previousShortCut_);
    if (fade_ && form_.HandleAllocated())
        StopFadeIn();
    windowHook_.reset();
    if (capture_)
        capture_->ReleaseCapture();
}

// --- properties -------------------------------------------------------------------------------

void TspDynamicSkinForm::SetSkinData(TspSkinData* value)
{
    if (skinData_.get() == value)
        return;
    skinData_ = value;
    ChangeSkinData();
}

void TspDynamicSkinForm::SetMenusSkinData(TspSkinData* value)
{
    menusSkinData_ = value;
}

void TspDynamicSkinForm::BorderIconsChanged()
{
    StateChanged();
    Objects.CheckObjects({BorderIcons, HideCaptionButtons, DisableSystemMenu, HideCloseButton,
                          UseDefaultObjectHint, form_.Caption()},
                         skinData_.get());
    UpDateFormNC();
}

bool TspDynamicSkinForm::GetFormActive() const
{
    if (PreviewMode)
        return true;
    // MDI parents and children follow the tracked FFormActive once MDI exists. The window that
    // loses the activation is still the active one while it is told so: FFormActive, set from
    // that message, lets it paint its inactive look then.
    return FFormActive && form_.HandleAllocated() && Screen && Screen->ActiveForm() == &form_;
}

// --- state --------------------------------------------------------------------------------------

void TspDynamicSkinForm::UpdateFacts()
{
    TFormFacts& f = Geometry.Form;
    if (form_.HandleAllocated()) {
        RECT r;
        GetWindowRect(form_.Handle(), &r);
        f.Width = r.right - r.left;
        f.Height = r.bottom - r.top;
        TRect area;
        if (GetMonitorAreaOfWindow(form_.Handle(), true, f.Monitor.WorkArea) &&
            GetMonitorAreaOfWindow(form_.Handle(), false, area))
            f.Monitor.MonitorArea = area;
    } else {
        f.Width = form_.Width();
        f.Height = form_.Height();
    }
    f.Monitor.Screen = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    f.BorderStyle = BorderOf(form_.BorderStyle());
    f.SupportNCArea = SupportNCArea;
    f.SkinnableForm = !skinData_ || skinData_->SkinnableForm();
    f.Sizeable = Sizeable;
    // The engine owns the window state; the platform's stays normal.
    f.Maximized = States.FWindowState == TspWindowState::Maximized;
    f.Minimized = States.FWindowState == TspWindowState::Minimized ||
                  (form_.HandleAllocated() && IsIconic(form_.Handle()));
    f.RollUp = States.FRollUpState;
    f.OldHeight = States.OldHeight;
    f.MaximizeOnFullScreen = MaximizeOnFullScreen;
    f.MinWidth = MinWidth;
    f.MinHeight = MinHeight;
    f.MaxWidth = MaxWidth;
    f.MaxHeight = MaxHeight;
    f.MinClientWidth = MinClientWidth;
    f.MinClientHeight = MinClientHeight;
    f.MaxClientWidth = MaxClientWidth;
    f.MaxClientHeight = MaxClientHeight;
    f.SmallIconSize = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    Geometry.FFormWidth = f.Width;
    Geometry.FFormHeight = f.Height;
    StateChanged();
}

void TspDynamicSkinForm::StateChanged()
{
    TspObjectFormState& s = Objects.Form;
    const TspSkinData* sd = skinData_.get();
    s.SkinLoaded = sd && !sd->Empty;
    s.FormActive = GetFormActive();
    s.Maximized = Geometry.Form.Maximized;
    s.Minimized = Geometry.Form.Minimized;
    s.RolledUp = Geometry.Form.RollUp;
    s.IsMainForm = Application && Application->MainForm() == &form_;
    s.ShowIcon = ShowIcon;
    s.EnableSkinEffects = sd && sd->EnableSkinEffects();
    s.GlowFrames = sd && sd->ShowCaptionButtonGlowFrames();
}

void TspDynamicSkinForm::ChangeSkinData()
{
    const TspSkinData* sd = skinData_.get();
    skinApplied_ = true;
    appliedChangeCount_ = sd ? sd->ChangeCount : 0;
    Geometry.Skin = TFormSkinInfo::From(sd);
    extrasSkin_ = TspCaptionExtrasSkin::From(sd && !sd->Empty ? sd : nullptr);
    UpdateFacts();
    Objects.CreateObjects(sd && !sd->Empty ? sd : nullptr);
    BorderIconsChanged();
    if (form_.HandleAllocated() && SupportNCArea) {
        // The window takes the new frame's least size, or at least its new frame.
        RECT wr;
        GetWindowRect(form_.Handle(), &wr);
        const int w = wr.right - wr.left, h = wr.bottom - wr.top;
        const int minW = Geometry.GetMinWidth(), minH = Geometry.GetMinHeight();
        const bool collapsed = States.FRollUpState || States.FWindowState == TspWindowState::Minimized;
        const int newH = collapsed ? minH : std::max(h, minH);
        const int newW = States.FWindowState == TspWindowState::Minimized ? minW : std::max(w, minW);
        if (newW != w || newH != h)
            SetWindowPos(form_.Handle(), nullptr, 0, 0, newW, newH,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        else
            ForceResize();
    }
    UpdateFrame(true);
    if (form_.HandleAllocated()) {
        RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        CheckActiveState(GetFormActive());
        mouseTimer_->SetEnabled(true);
    }
    OnChangeSkinData(this);
    const bool framedNormal = SupportNCArea && !States.FRollUpState && States.FWindowState == TspWindowState::Normal;
    if (framedNormal && form_.HandleAllocated()) {
        if (ClientWidth > 0)
            form_.SetClientWidth(ClientWidth);
        if (ClientHeight > 0)
            form_.SetClientHeight(ClientHeight);
    }
}

void TspDynamicSkinForm::EnsureSkinApplied()
{
    const TspSkinData* sd = skinData_.get();
    if (sd && sd->ChangeSkinDataProcess)
        return;
    if (skinApplied_ && appliedChangeCount_ == (sd ? sd->ChangeCount : 0))
        return;
    ChangeSkinData();
}

void TspDynamicSkinForm::ForceResize()
{
    if (!form_.HandleAllocated())
        return;
    // Asks for WM_NCCALCSIZE at the same size: the client follows the frame as it is now.
    SetWindowPos(form_.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateFrame(true);
}

void TspDynamicSkinForm::ActivationChanged(bool active)
{
    if (SkinMenu()->Visible())
        SkinMenu()->Hide();
    layerManager_->Hide();
    menuLayerManager_->Hide();
    FFormActive = active;
    CheckActiveState(active);
    Objects.Form.FormActive = active;
    UpDateFormNC();
    if (FFormActive)
        OnActivate(this);
    else
        OnDeActivate(this);
}

void TspDynamicSkinForm::CheckActiveState(bool active)
{
    if (!active) {
        Objects.ResetObjectStates();
        // No quick button stays hot, and the ungrouped ones go up; grouped ones keep their state.
        if (TspSkinCaptionObject* caption = CaptionObject())
            RunCaptionResponse(TspCaptionExtrasMouse(*caption, Extras, CaptionMouseFacts()).Deactivate());
    }
    StateChanged();
    if (Objects.StartCaptionAnimation(active))
        animateTimer_->SetEnabled(true);
}

void TspDynamicSkinForm::BeforeChangeSkinData()
{
    // The objects copy their records, but the mask strips and pictures we compose from are read
    // from the container during painting: nothing is painted until the change is done.
    Objects.ClearObjects();
    MaskStrips.Clear();
}

// --- frame --------------------------------------------------------------------------------------

void TspDynamicSkinForm::UpdateFrame(bool full)
{
    const TspSkinData* sd = skinData_.get();
    if (!sd || sd->Empty) {
        CreateNewRegion(full);
        return;
    }
    UpdateFacts();
    if (Geometry.Form.SkinnableForm) {
        Geometry.CalcRects();
        if (full)
            ArrangeFormObjects(Geometry, Objects, {&Extras, BorderIcons.SystemMenu});
    }
    // The menu button opens the menu the extras name.
    for (const auto& o : Objects.ObjectList)
        if (auto* button = dynamic_cast<TspSkinCaptionMenuButton*>(o.get()))
            button->MenuItem = Extras.MenuButtonPopupMenu() ? Extras.MenuButtonPopupMenu()->Items() : nullptr;
    CreateNewRegion(full);
    OnChangeClientRect(this, Geometry.NewClRect);
    if (!SupportNCArea || !form_.HandleAllocated())
        return;
    if (!regionSet_ && Geometry.Form.SkinnableForm)
        UpDateFormNC();
    if (sd->StretchEffect) {
        // Stretched backgrounds change with the size: the form and the controls on it repaint.
        InvalidateRect(form_.Handle(), nullptr, TRUE);
        for (int i = 0; i < form_.ControlCount(); ++i)
            if (auto* child = dynamic_cast<TWinControl*>(form_.Controls(i)); child && child->HandleAllocated())
                SendMessageW(child->Handle(), SKINMSG_PARENT_BG_CHANGED, 0, 0);
    }
}

void TspDynamicSkinForm::CreateNewRegion(bool)
{
    if (!form_.HandleAllocated())
        return;
    const TspSkinData* sd = skinData_.get();
    const TPixelView mask = sd && !sd->Empty ? sd->FMask.View() : TPixelView{};
    const TFrameRegion region = vt::CreateNewRegion(Geometry, mask, true, MaskStrips);
    HRGN rgn = nullptr;
    if (region.Kind != TFrameRegionKind::None)
        rgn = RegionToHandle(region.Region);
    regionSet_ = SetWindowRegion(form_.Handle(), rgn, true) && rgn;
}

void TspDynamicSkinForm::UpDateFormNC()
{
    if (form_.HandleAllocated())
        SendMessageW(form_.Handle(), WM_NCPAINT, 1, 0);
}

ITextRenderer* TspDynamicSkinForm::CaptionRenderer(const TspCaptionFont& font)
{
    return &fonts_->For(font.Name, font.Height, font.Style, DEFAULT_CHARSET);
}

TFramePaintSources TspDynamicSkinForm::PaintSources()
{
    TFramePaintSources src;
    src.Skin = skinData_.get();
    src.Extras = &Extras;
    src.ExtrasSkin = &extrasSkin_;
    src.ExtrasFacts.ShowIcon = ShowIcon;
    src.ExtrasFacts.SystemMenu = BorderIcons.SystemMenu;
    src.FormActive = GetFormActive();
    src.Caption.FormCaption = form_.Caption();
    src.Caption.DefaultFont = src.FormActive ? DefCaptionFont : DefInActiveCaptionFont;
    src.Caption.UseSkinFont = UseSkinFontInCaption;
    src.Caption.Renderer = [this](const TspCaptionFont& font) { return CaptionRenderer(font); };
    if (OnCaptionPaint)
        src.Caption.CaptionPaint = [this](TspBitmap& target, const TRect& r, bool active) {
            OnCaptionPaint(this, GetCanvas(target), r, active);
            GdiFlush();
        };
    src.DrawIcon = [this](TspBitmap& target, const TRect& r) {
        GetCanvas(target);
        DrawIconEx(BitmapDC(target), r.Left, r.Top, ShownIcon(&form_), r.Width(), r.Height(), 0, nullptr,
                   DI_NORMAL);
        GdiFlush();
    };
    return src;
}

bool TspDynamicSkinForm::ComposeFramePictures(TFramePictures& out)
{
    UpdateFacts();
    const TFramePaintSources src = PaintSources();
    const bool composed = ComposeFrame(Geometry, Objects, src, out, &bare_);
    bareSize_ = composed ? TPoint{FFormWidth, FFormHeight} : TPoint{-1, -1};
    bareActive_ = src.FormActive;
    return composed;
}

bool TspDynamicSkinForm::PaintFrameTo(TspBitmap& out)
{
    TFramePictures p;
    if (!ComposeFramePictures(p))
        return false;
    const int32_t W = FFormWidth, H = FFormHeight;
    out.SetSize(W, H);
    const int32_t top = Geometry.NewClRect.Top;  // the top strip may be empty for a broken skin
    p.Top.Draw(out, 0, 0);
    p.Left.Draw(out, 0, top);
    p.Right.Draw(out, W - p.Right.Width(), top);
    p.Bottom.Draw(out, 0, H - p.Bottom.Height());
    return true;
}

void TspDynamicSkinForm::PaintNCSkin(HDC dc, bool useExternalDC)
{
    TFramePictures p;
    if (!form_.HandleAllocated() || !ComposeFramePictures(p))
        return;
    TFrameTarget frameDC(form_.Handle(), dc, useExternalDC);
    HDC target = frameDC.get();
    if (!target)
        return;
    const TRect& cl = Geometry.NewClRect;
    const int saved = SaveDC(target);
    if (cl.Top < cl.Bottom)
        ExcludeClipRect(target, cl.Left, cl.Top, cl.Right, cl.Bottom);
    const int32_t top = Geometry.NewClRect.Top;  // the top strip may be empty for a broken skin
    Draw(p.Top, target, 0, 0);
    Draw(p.Left, target, 0, top);
    Draw(p.Right, target, FFormWidth - p.Right.Width(), top);
    Draw(p.Bottom, target, 0, FFormHeight - p.Bottom.Height());
    RestoreDC(target, saved);
}

void TspDynamicSkinForm::PaintNCDefault(HDC dc, bool useExternalDC)
{
    if (!form_.HandleAllocated())
        return;
    UpdateFacts();
    if (Objects.ObjectList.empty())
        Objects.CreateObjects(nullptr);
    ArrangeFormObjects(Geometry, Objects, {&Extras, BorderIcons.SystemMenu});
    const int32_t W = FFormWidth, H = FFormHeight;
    const int32_t ch = Geometry.DefaultCaptionHeight();
    if (W <= 6 || H <= 6)
        return;
    TspBitmap caption;
    caption.SetSize(W - 6, ch);
    caption.FillRect(caption.BoundsRect(), ColorToPixel(clBtnFace, 255));
    const bool active = GetFormActive();
    const TspCaptionFont& font = active ? DefCaptionFont : DefInActiveCaptionFont;
    const TRect free = Rect(Geometry.NewDefCaptionRect.Left - 3, 0, Geometry.NewDefCaptionRect.Right - 3, ch);
    if (OnCaptionPaint) {
        OnCaptionPaint(this, GetCanvas(caption), free, active);
        GdiFlush();
    } else if (ITextRenderer* text = CaptionRenderer(font)) {
        std::wstring s = form_.Caption();
        constexpr uint32_t format = dt::SingleLine | dt::VCenter;
        s = ShortenWithEllipsis(s, free.Width(),
                                [&](const std::wstring& t) { return text->Measure(t, TRect{}, format).Width(); });
        const TRect m = text->Measure(s, TRect{}, format);
        const int x = free.Left + free.Width() / 2 - (m.Width() + 5) / 2;
        const int y = ch / 2 - m.Height() / 2;
        text->DrawText(caption, s, Rect(x, y, x + m.Width(), y + m.Height()), format, font.Colour);
    }
    TFramePaintSources src = PaintSources();
    for (const auto& object : Objects.ObjectList)
        if (object->Visible)
            DrawObject(*object, Geometry, src, true, caption, {object->ObjectRect.Left - 3, object->ObjectRect.Top - 3});

    TFrameTarget frameDC(form_.Handle(), dc, useExternalDC);
    HDC target = frameDC.get();
    if (!target)
        return;
    const int saved = SaveDC(target);
    ExcludeClipRect(target, 3, ch + 3, W - 3, H - 3);
    Draw(caption, target, 3, 3);
    const TColor rings[] = {cl3DDkShadow, clBtnFace, clBtnFace};
    for (int i = 0; i < 3; ++i) {
        HBRUSH brush = CreateSolidBrush(ResolveColor(rings[i]));
        RECT r{i, i, W - i, H - i};
        FrameRect(target, &r, brush);
        DeleteObject(brush);
    }
    RestoreDC(target, saved);
}

void TspDynamicSkinForm::PaintBG(HDC dc)
{
    if (!dc || !form_.HandleAllocated())
        return;
    RECT cr;
    GetClientRect(form_.Handle(), &cr);
    TspBitmap bg;
    bg.SetSize(cr.right, cr.bottom);
    if (bg.Empty())
        return;
    bg.FillRect(bg.BoundsRect(), ColorToPixel(form_.Color(), 255));
    const TspSkinData* sd = skinData_.get();
    const TClientBackground b = Geometry.GetClientBackground();
    if (sd && !sd->Empty && b.Source != TClientBGSource::Face) {
        const TPixelImage* pic = nullptr;
        if (b.Source == TClientBGSource::FramePiece)
            pic = &sd->FPicture;
        else if (b.PictureIndex >= 0 && static_cast<size_t>(b.PictureIndex) < sd->FActivePictures.size())
            pic = sd->FActivePictures[static_cast<size_t>(b.PictureIndex)].get();
        if (pic && !pic->Empty()) {
            const TRect src = b.SourceRect.IsEmpty() ? pic->View().BoundsRect() : b.SourceRect;
            // src is in the picture's own coordinates: the picture is the frame it is offset from.
            ComposeClientFill(src, Rect(0, 0, cr.right, cr.bottom), bg, pic->View(), pic->View().BoundsRect(),
                              cr.right, cr.bottom, b.Stretch, b.StretchType);
        }
    }
    if (!LogoBitMap.Empty()) {
        const TPoint at = LogoPosition({cr.right, cr.bottom}, {LogoBitMap.Width(), LogoBitMap.Height()});
        LogoBitMap.Draw(bg, at.X, at.Y);
    }
    Draw(bg, dc, 0, 0);
}

void TspDynamicSkinForm::DrawSkinObject(TspActiveSkinObject& object)
{
    // The menu button lies over the caption's own drawing: the frame is painted again whole.
    if (dynamic_cast<TspSkinCaptionMenuButton*>(&object)) {
        UpDateFormNC();
        return;
    }
    if (!form_.HandleAllocated() || !Geometry.IsObjectForState(ArrangeItemOf(object)))
        return;
    const TRect r = object.ObjectRect;
    if (r.IsEmpty())
        return;
    TFramePaintSources src = PaintSources();
    TspBitmap picture;
    picture.SetSize(r.Width(), r.Height());
    // The piece of bare frame under the object first, so a look with holes shows the frame; the
    // frame is composed again only when the size or the activation changed since.
    if (skinData_ && !skinData_->Empty) {
        UpdateFacts();
        if (bareSize_ != TPoint{FFormWidth, FFormHeight} || bareActive_ != src.FormActive) {
            TFramePictures scratch;
            ComposeFramePictures(scratch);
        }
        const TRect& cl = Geometry.NewClRect;
        if (bareSize_.X >= 0) {
            if (r.Bottom > cl.Top)
                CopyRect(picture, picture.BoundsRect(), bare_.Bottom.View(), r.Offset(0, -cl.Bottom));
            else
                CopyRect(picture, picture.BoundsRect(), bare_.Top.View(), r);
            if (GreysWhenInactive(src))
                ApplyInactiveEffect(picture, skinData_->InActiveEffect);
        }
    }
    DrawObject(object, Geometry, src, true, picture, {0, 0});
    TWindowDC windowDC(form_.Handle(), TDCArea::Window);
    if (windowDC.get())
        Draw(picture, windowDC.get(), r.Left, r.Top);
}

// --- messages -----------------------------------------------------------------------------------

void TspDynamicSkinForm::NewWndProc(TMessage& msg, const TWndMethod& previous)
{
    // First the menu side: the owner's closing messages close an open menu, the closed-menu
    // notice ends the menu mode. A press that closes a quick button's menu must not open it again.
    if (msg.Msg == WM_NCLBUTTONDOWN) {
        const TspSkinCaptionObject* caption = CaptionObject();
        menuClosedByPress_ = menus_->InMenu() && caption ? caption->PopupMenuQuickButton : -1;
    }
    if (menus_->FormMessage(msg))
        return;
    if (msg.Msg == WM_SIZE) {
        // The owner's own sizing first: the frame follows the size it settled on.
        previous(msg);
        HandleFrameMessage(msg);
        return;
    }
    if (HandleFrameMessage(msg) || HandleFrameQuery(msg))
        return;
    TspSkinData* container = reinterpret_cast<TspSkinData*>(msg.WParam);
    switch (msg.Msg) {
    case WM_NCACTIVATE:
        // The platform draws no caption of its own: the frame is repainted as it now looks.
        msg.Result = 1;
        ActivationChanged(msg.WParam != 0);
        return;
    case WM_ACTIVATE:
        previous(msg);
        // Wine activates a window restored from its icon with WM_NCACTIVATE saying inactive (it
        // is not yet in front) and then WM_ACTIVATE saying active: the activation has the last
        // word, or the frame would stay inactive.
        if (const bool active = LOWORD(msg.WParam) != WA_INACTIVE; active != FFormActive)
            ActivationChanged(active);
        return;
    case WM_CREATE:
        previous(msg);
        // The container may have changed its skin while the form had no window to be told.
        EnsureSkinApplied();
        return;
    case WM_DESTROY:
        morphTimer_->SetEnabled(false);
        mouseTimer_->SetEnabled(false);
        animateTimer_->SetEnabled(false);
        fade_.reset();
        previous(msg);
        return;
    case WM_SHOWWINDOW:
        if (msg.WParam) {
            WindowShown();
        } else {
            layerManager_->Hide();
            menuLayerManager_->Hide();
            if (fade_)
                StopFadeIn();
        }
        previous(msg);
        return;
    case WM_TIMER:
        if (msg.WParam == kFadeTimerId) {
            RunFadeIn();
            return;
        }
        previous(msg);
        return;
    case WM_SYSCOMMAND:
        HandleSysCommand(msg, previous);
        return;
    case WM_ENTERSIZEMOVE:
        previous(msg);
        if (SupportNCArea) {
            Objects.ResetObjectStates();
            mouseTimer_->SetEnabled(false);
            tracker_->DropCapture();
            Objects.ActiveObject = Objects.OldActiveObject = -1;
            FSizeMove = tracker_->Facts.SizeMove = true;
            BOOL full = TRUE;
            SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
            FFullDrag = full != FALSE;
        }
        return;
    case WM_EXITSIZEMOVE:
        previous(msg);
        if (SupportNCArea) {
            mouseTimer_->SetEnabled(false);
            Objects.ActiveObject = Objects.OldActiveObject = Objects.MouseCaptureObject = -1;
            const bool resized = FSizing;
            FSizeMove = FSizing = tracker_->Facts.SizeMove = false;
            if (resized)
                UpdateFrame(true);
            UpDateFormNC();
        }
        return;
    case WM_SIZING:
        // The loop resizes the window itself (full drag): the frame follows on each WM_SIZE, and
        // once more when the loop ends.
        if (SupportNCArea && FFullDrag)
            FSizing = true;
        previous(msg);
        return;
    case WM_MOVING: {
        auto* r = reinterpret_cast<RECT*>(msg.LParam);
        POINT c{};
        GetCursorPos(&c);
        TRect proposed = Rect(r->left, r->top, r->right, r->bottom);
        const TStateActions actions = States.Moving(proposed, {c.x, c.y}, StateFacts());
        if (!actions.empty())
            ApplyStateActions(actions);
        *r = RECT{proposed.Left, proposed.Top, proposed.Right, proposed.Bottom};
        msg.Result = TRUE;
        return;
    }
    case WM_SETCURSOR:
        if (SupportNCArea && UseFormCursorInNCArea && skinData_ && !skinData_->Empty) {
            const WORD code = LOWORD(msg.LParam);
            if (code != HTCLIENT && !(code >= HTLEFT && code <= HTBOTTOMRIGHT))
                msg.LParam = MAKELPARAM(HTCLIENT, HIWORD(msg.LParam));
        }
        previous(msg);
        return;
    case WM_SYNCPAINT:
        if (SupportNCArea && States.FRollUpState) {
            UpDateFormNC();
            msg.Result = 0;
            return;
        }
        previous(msg);
        return;
    case WM_SETTEXT:
        previous(msg);
        BorderIconsChanged();  // the default caption object takes the new text
        return;
    case WM_NCHITTEST: {
        const TPoint p = ScreenToWindow(form_.Handle(), PointOf(msg.LParam));
        const std::optional<int32_t> code = HitTest(p);
        if (!code) {
            previous(msg);
            return;
        }
        msg.Result = *code;
        tracker_->Facts.FormActive = GetFormActive();
        if (tracker_->HitTestStartsTracking(*code, p, mouseTimer_->Enabled()))
            mouseTimer_->SetEnabled(true);
        return;
    }
    case WM_NCMOUSEMOVE: {
        const TPoint p = ScreenToWindow(form_.Handle(), PointOf(msg.LParam));
        tracker_->NCMouseMove(p);
        CaptionExtrasMouse(WM_NCMOUSEMOVE, p, TspMouseButton::Left);
        previous(msg);
        return;
    }
    case WM_NCRBUTTONDOWN:
        if (msg.WParam == HTCAPTION && SupportNCArea) {
            // The platform's menu never opens: ours does, unless it is switched off.
            tracker_->DropCapture();
            const TPoint p = PointOf(msg.LParam);
            PopupSystemMenu(Rect(p.X, p.Y, p.X, p.Y));
            return;
        }
        [[fallthrough]];
    case WM_NCLBUTTONDOWN:
        if (msg.WParam == static_cast<WPARAM>(ht::Object)) {
            const TspMouseButton button = msg.Msg == WM_NCLBUTTONDOWN ? TspMouseButton::Left : TspMouseButton::Right;
            const TPoint p = ScreenToWindow(form_.Handle(), PointOf(msg.LParam));
            tracker_->MouseDown(button, p);
            CaptionExtrasMouse(msg.Msg, p, button);
            return;
        }
        tracker_->DropCapture();
        if (msg.Msg == WM_NCLBUTTONDOWN && msg.WParam == HTCAPTION && SupportNCArea && form_.HandleAllocated()) {
            // The window moves only once the pointer is dragged: a click, and the second click of
            // a double click, stay clicks (a window manager that runs the move itself would take
            // the second press otherwise).
            const TPoint p = PointOf(msg.LParam);
            if (!DragDetect(form_.Handle(), POINT{p.X, p.Y}))
                return;
            if (States.FWindowState == TspWindowState::Maximized) {
                // The drag's first step decides at once whether a maximized window leaves its
                // place, as WM_MOVING does where the platform's move loop sends it.
                POINT c{};
                GetCursorPos(&c);
                RECT wr;
                GetWindowRect(form_.Handle(), &wr);
                TRect proposed = Rect(wr.left, wr.top, wr.right, wr.bottom).Offset(0, c.y - p.Y);
                ApplyStateActions(States.Moving(proposed, {c.x, c.y}, StateFacts()));
                if (States.FWindowState == TspWindowState::Maximized)
                    return;
            }
            SendMessageW(form_.Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, msg.LParam);
            return;
        }
        previous(msg);
        return;
    case WM_NCLBUTTONDBLCLK:
        if (msg.WParam == HTCAPTION && SupportNCArea && skinData_ && !skinData_->Empty) {
            ApplyStateActions(States.CaptionDblClick(StateFacts()));
            return;
        }
        previous(msg);
        return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        TPoint p = PointOf(msg.LParam);
        p = msg.Msg == WM_NCLBUTTONUP ? ScreenToWindow(form_.Handle(), p)
                                      : TPoint{p.X + Geometry.NewClRect.Left, p.Y + Geometry.NewClRect.Top};
        const bool routed = Objects.MouseCaptureObject >= 0;
        const TspMouseButton button = msg.Msg == WM_RBUTTONUP ? TspMouseButton::Right : TspMouseButton::Left;
        tracker_->MouseUp(button, p, [this](TspFormCommand command) { RunCommand(command); });
        if (msg.Msg == WM_NCLBUTTONUP)
            CaptionExtrasMouse(msg.Msg, p, button);
        if (!routed)
            previous(msg);
        return;
    }
    case WM_MOUSEMOVE:
        if (tracker_->ClientMouseMove(PointOf(msg.LParam)))
            return;
        previous(msg);
        return;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
        previous(msg);
        // A maximized window follows its monitor's new work area.
        if (msg.Msg == WM_DISPLAYCHANGE || msg.WParam == SPI_SETWORKAREA)
            ApplyStateActions(States.WorkAreaChanged(StateFacts()));
        return;
    case WM_GETMINMAXINFO: {
        previous(msg);
        UpdateFacts();
        auto* info = reinterpret_cast<MINMAXINFO*>(msg.LParam);
        info->ptMinTrackSize = POINT{Geometry.GetMinWidth(), Geometry.GetMinHeight()};
        info->ptMaxTrackSize = POINT{Geometry.GetMaxWidth(), Geometry.GetMaxHeight()};
        msg.Result = 0;
        return;
    }
    case SKINMSG_BEGIN_CHANGE:
        if (container && container == skinData_.get())
            BeforeChangeSkinData();
        BeforeChangeSkinDataOf(form_, container);
        return;
    case SKINMSG_CHANGED:
        if (container && container == skinData_.get())
            ChangeSkinData();
        ChangeSkinDataOf(form_, container);
        return;
    case SKINMSG_STRINGS_CHANGED:
        Objects.SetObjectHints({BorderIcons, HideCaptionButtons, DisableSystemMenu, HideCloseButton,
                                UseDefaultObjectHint, form_.Caption()},
                               skinData_.get());
        return;
    default:
        previous(msg);
        return;
    }
}

bool TspDynamicSkinForm::HandleFrameMessage(TMessage& msg)
{
    const bool skinned = skinData_ && !skinData_->Empty;
    const bool framed = form_.BorderStyle() != bsNone;
    switch (msg.Msg) {
    case WM_NCCALCSIZE: {
        if (!SupportNCArea || !framed)
            return false;
        UpdateFacts();
        auto* rect = reinterpret_cast<RECT*>(msg.LParam);
        const TRect w = Rect(rect->left, rect->top, rect->right, rect->bottom);
        Geometry.FFormWidth = w.Width();
        Geometry.FFormHeight = w.Height();
        const TRect c = Geometry.CalcClientRect(w);
        *rect = RECT{c.Left, c.Top, c.Right, c.Bottom};
        msg.Result = 0;
        return true;
    }
    case WM_NCPAINT:
        if (!SupportNCArea || !framed)
            return false;
        if (skinned)
            PaintNCSkin(nullptr, false);
        else
            PaintNCDefault(nullptr, false);
        msg.Result = 0;
        return true;
    case WM_ERASEBKGND:
        if (!SupportNCArea)
            return false;
        PaintBG(reinterpret_cast<HDC>(msg.WParam));
        msg.Result = 1;
        return true;
    case WM_SIZE:
        UpdateFacts();
        if (skinned && SupportNCArea) {
            if (FFormWidth >= Geometry.GetMinWidth() && FFormHeight >= Geometry.GetMinHeight())
                UpdateFrame(true);
        } else if (SupportNCArea) {
            UpDateFormNC();
            CreateNewRegion(true);
        }
        return false;
    default:
        return false;
    }
}

// --- loading, window state and placement --------------------------------------------------------

void TspDynamicSkinForm::Loaded()
{
    TComponent::Loaded();
    Extras.Loaded();
    EnsureSkinApplied();
    if (SupportNCArea && FWindowStateInit != static_cast<TWindowState>(States.FWindowState))
        SetWindowState(FWindowStateInit);
}

TWindowState TspDynamicSkinForm::FrameWindowState() const
{
    return IsLoading() ? FWindowStateInit : static_cast<TWindowState>(States.FWindowState);
}

void TspDynamicSkinForm::SetFrameWindowState(TWindowState value) { SetWindowState(value); }

void TspDynamicSkinForm::SetWindowState(TWindowState value)
{
    FWindowStateInit = value;
    if (IsLoading() || !SupportNCArea)
        return;
    // The transitions place a window: it exists from here on, hidden until shown.
    form_.HandleNeeded();
    EnsureSkinApplied();
    ApplyStateActions(States.SetWindowState(static_cast<TspWindowState>(value), StateFacts()));
    FWindowStateInit = static_cast<TWindowState>(States.FWindowState);
}

TRect TspDynamicSkinForm::FrameClientRect(int width, int height)
{
    EnsureSkinApplied();
    UpdateFacts();
    Geometry.Form.Width = width;
    Geometry.Form.Height = height;
    const TRect c = Geometry.CalcClientRect(Rect(0, 0, width, height));
    return Rect(0, 0, std::max(c.Width(), 0), std::max(c.Height(), 0));
}

void TspDynamicSkinForm::EnableShadow(bool show, bool hideBefore)
{
    if (!form_.HandleAllocated())
        form_.HandleNeeded();
    HWND hwnd = form_.Handle();
    const ULONG_PTR style = GetClassLongPtrW(hwnd, GCL_STYLE);
    const bool has = (style & CS_DROPSHADOW) != 0;
    if (has == show)
        return;
    const bool visible = IsWindowVisible(hwnd);
    if (hideBefore && visible)
        ShowWindow(hwnd, SW_HIDE);
    SetClassLongPtrW(hwnd, GCL_STYLE, show ? (style | CS_DROPSHADOW) : (style & ~ULONG_PTR(CS_DROPSHADOW)));
    if (hideBefore && visible)
        ShowWindow(hwnd, SW_SHOWNA);
}

void TspDynamicSkinForm::SetFormBorderStyle(TBorderStyle style)
{
    form_.SetBorderStyle(style);
    TspSkinData* sd = skinData_.get();
    BeforeChangeSkinDataOf(form_, sd);
    ChangeSkinDataOf(form_, sd);
}

void TspDynamicSkinForm::SetFormStyle(TFormStyle style)
{
    if (style == fsNormal || style == fsStayOnTop)
        form_.SetFormStyle(style);
}

void TspDynamicSkinForm::Move(int x, int y) { SetBounds(x, y, form_.Width(), form_.Height()); }

void TspDynamicSkinForm::SetBounds(int x, int y, int width, int height)
{
    // Without a layered frame around the window its bounds are the window's own.
    form_.SetBounds(x, y, width, height);
}

void TspDynamicSkinForm::LinkMenu(const String& idName, TMenu* menu, bool popupUp)
{
    for (auto& object : Objects.ObjectList) {
        auto* button = dynamic_cast<TspSkinButtonObject*>(object.get());
        if (button && SameText(button->IDName, idName)) {
            button->MenuItem = menu ? menu->Items() : nullptr;
            button->FPopupUp = popupUp;
            return;
        }
    }
}

bool TspDynamicSkinForm::SetProperty(const String& name, const TPropValue& v)
{
    using Self = TspDynamicSkinForm;
    using Row = TPropertyRow<Self>;
    static const Row rows[] = {
        {L"WindowState",
         [](Self& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"wsNormal", L"wsMinimized", L"wsMaximized"};
             f.SetWindowState(static_cast<TWindowState>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"BorderIcons",
         [](Self& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"biSystemMenu", L"biMinimize", L"biMaximize", L"biRollUp",
                                                    L"biMinimizeToTray"};
             TspBorderIcons icons{false, false, false, false, false};
             bool* fields[] = {&icons.SystemMenu, &icons.Minimize, &icons.Maximize, &icons.RollUp,
                               &icons.MinimizeToTray};
             for (const String& m : v.AsSet())
                 *fields[IdentIndex(m, names)] = true;
             f.BorderIcons = icons;
             if (!f.IsLoading())
                 f.BorderIconsChanged();
         }},
        {L"PositionInMonitor",
         [](Self& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"sppDefault", L"sppScreenCenter", L"sppDesktopCenter"};
             f.PositionInMonitor = static_cast<TspPositionInMonitor>(IdentIndex(v.AsIdent(), names));
         }},
        {L"ClientInActiveEffectType",
         [](Self& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"spieSemiTransparent", L"spieBlur"};
             f.ClientInActiveEffectType = static_cast<uint8_t>(IdentIndex(v.AsIdent(), names));
         }},
        {L"Sizeable", [](Self& f, const TPropValue& v) { f.Sizeable = v.AsBoolean(); }},
        {L"DraggAble", [](Self& f, const TPropValue& v) { f.DraggAble = v.AsBoolean(); }},
        {L"NCDraggAble", [](Self& f, const TPropValue& v) { f.NCDraggAble = v.AsBoolean(); }},
        {L"Magnetic", [](Self& f, const TPropValue& v) { f.Magnetic = v.AsBoolean(); }},
        {L"MagneticSize", [](Self& f, const TPropValue& v) { f.MagneticSize = ByteValue(v); }},
        {L"MaximizeOnFullScreen", [](Self& f, const TPropValue& v) { f.MaximizeOnFullScreen = v.AsBoolean(); }},
        {L"MinWidth", [](Self& f, const TPropValue& v) { f.MinWidth = v.AsInteger(); }},
        {L"MinHeight", [](Self& f, const TPropValue& v) { f.MinHeight = v.AsInteger(); }},
        {L"MaxWidth", [](Self& f, const TPropValue& v) { f.MaxWidth = v.AsInteger(); }},
        {L"MaxHeight", [](Self& f, const TPropValue& v) { f.MaxHeight = v.AsInteger(); }},
        {L"MinClientWidth", [](Self& f, const TPropValue& v) { f.MinClientWidth = v.AsInteger(); }},
        {L"MinClientHeight", [](Self& f, const TPropValue& v) { f.MinClientHeight = v.AsInteger(); }},
        {L"MaxClientWidth", [](Self& f, const TPropValue& v) { f.MaxClientWidth = v.AsInteger(); }},
        {L"MaxClientHeight", [](Self& f, const TPropValue& v) { f.MaxClientHeight = v.AsInteger(); }},
        {L"ClientWidth", [](Self& f, const TPropValue& v) { f.ClientWidth = v.AsInteger(); }},
        {L"ClientHeight", [](Self& f, const TPropValue& v) { f.ClientHeight = v.AsInteger(); }},
        {L"ShowIcon", [](Self& f, const TPropValue& v) { f.ShowIcon = v.AsBoolean(); }},
        {L"HideCaptionButtons", [](Self& f, const TPropValue& v) { f.HideCaptionButtons = v.AsBoolean(); }},
        {L"HideCloseButton", [](Self& f, const TPropValue& v) { f.HideCloseButton = v.AsBoolean(); }},
        {L"UseSkinFontInCaption", [](Self& f, const TPropValue& v) { f.UseSkinFontInCaption = v.AsBoolean(); }},
        {L"DefCaptionFont.Name", [](Self& f, const TPropValue& v) { f.DefCaptionFont.Name = v.AsString(); }},
        {L"DefCaptionFont.Height", [](Self& f, const TPropValue& v) { f.DefCaptionFont.Height = v.AsInteger(); }},
        {L"DefCaptionFont.Color", [](Self& f, const TPropValue& v) { f.DefCaptionFont.Colour = ColorFromValue(v); }},
        {L"DefCaptionFont.Style",
         [](Self& f, const TPropValue& v) { f.DefCaptionFont.Style = FontStylesFromSet(v.AsSet()); }},
        {L"DefCaptionFont.Charset", [](Self&, const TPropValue& v) { CharsetFromIdent(v.AsIdent()); }},
        {L"DefInActiveCaptionFont.Name",
         [](Self& f, const TPropValue& v) { f.DefInActiveCaptionFont.Name = v.AsString(); }},
        {L"DefInActiveCaptionFont.Height",
         [](Self& f, const TPropValue& v) { f.DefInActiveCaptionFont.Height = v.AsInteger(); }},
        {L"DefInActiveCaptionFont.Color",
         [](Self& f, const TPropValue& v) { f.DefInActiveCaptionFont.Colour = ColorFromValue(v); }},
        {L"DefInActiveCaptionFont.Style",
         [](Self& f, const TPropValue& v) { f.DefInActiveCaptionFont.Style = FontStylesFromSet(v.AsSet()); }},
        {L"DefInActiveCaptionFont.Charset", [](Self&, const TPropValue& v) { CharsetFromIdent(v.AsIdent()); }},
        {L"LogoBitMapTransparent", [](Self& f, const TPropValue& v) { f.LogoBitMapTransparent = v.AsBoolean(); }},
        {L"UseSkinFontInMenu", [](Self& f, const TPropValue& v) { f.SkinMenu()->UseSkinFont = v.AsBoolean(); }},
        {L"UseSkinSizeInMenu", [](Self& f, const TPropValue& v) { f.SkinMenu()->UseSkinSize = v.AsBoolean(); }},
        {L"DefMenuItemHeight",
         [](Self& f, const TPropValue& v) { f.SkinMenu()->DefaultMenuItemHeight = v.AsInteger(); }},
        {L"DefMenuItemFont.Name",
         [](Self& f, const TPropValue& v) { f.SkinMenu()->DefaultMenuItemFont.Name = v.AsString(); }},
        {L"DefMenuItemFont.Height",
         [](Self& f, const TPropValue& v) { f.SkinMenu()->DefaultMenuItemFont.Height = v.AsInteger(); }},
        {L"DefMenuItemFont.Style",
         [](Self& f, const TPropValue& v) { f.SkinMenu()->DefaultMenuItemFont.Style = FontStylesFromSet(v.AsSet()); }},
        {L"DefMenuItemFont.Charset",
         [](Self& f, const TPropValue& v) {
             f.SkinMenu()->DefaultMenuItemFont.Charset = static_cast<uint8_t>(CharsetFromIdent(v.AsIdent()));
         }},
        // Menu items take their text colours from the skin, or the platform's without one.
        {L"DefMenuItemFont.Color", [](Self&, const TPropValue& v) { ColorFromValue(v); }},
        {L"UseDefaultSysMenu", [](Self& f, const TPropValue& v) { f.UseDefaultSysMenu = v.AsBoolean(); }},
        {L"DisableSystemMenu", [](Self& f, const TPropValue& v) { f.DisableSystemMenu = v.AsBoolean(); }},
        {L"MaxMenuItemsInWindow",
         [](Self& f, const TPropValue& v) { f.SkinMenu()->MaxMenuItemsInWindow = v.AsInteger(); }},
        {L"MenusAlphaBlend", [](Self& f, const TPropValue& v) { f.SkinMenu()->AlphaBlend = v.AsBoolean(); }},
        {L"MenusAlphaBlendAnimation",
         [](Self& f, const TPropValue& v) { f.SkinMenu()->AlphaBlendAnimation = v.AsBoolean(); }},
        {L"MenusAlphaBlendValue", [](Self& f, const TPropValue& v) { f.SkinMenu()->AlphaBlendValue = ByteValue(v); }},
        {L"AlphaBlend", [](Self& f, const TPropValue& v) { f.AlphaBlend = v.AsBoolean(); }},
        {L"AlphaBlendAnimation", [](Self& f, const TPropValue& v) { f.AlphaBlendAnimation = v.AsBoolean(); }},
        {L"AlphaBlendValue", [](Self& f, const TPropValue& v) { f.AlphaBlendValue = ByteValue(v); }},
        {L"ClientInActiveEffect", [](Self& f, const TPropValue& v) { f.ClientInActiveEffect = v.AsBoolean(); }},
        {L"UseRibbon", [](Self& f, const TPropValue& v) { f.UseRibbon = v.AsBoolean(); }},
        {L"SupportNCArea", [](Self& f, const TPropValue& v) { f.SupportNCArea = v.AsBoolean(); }},
        {L"ShowMDIScrollBars", [](Self& f, const TPropValue& v) { f.ShowMDIScrollBars = v.AsBoolean(); }},
        {L"AlwaysShowInTray", [](Self& f, const TPropValue& v) { f.AlwaysShowInTray = v.AsBoolean(); }},
        {L"AlwaysMinimizeToTray", [](Self& f, const TPropValue& v) { f.AlwaysMinimizeToTray = v.AsBoolean(); }},
        {L"UseFormCursorInNCArea", [](Self& f, const TPropValue& v) { f.UseFormCursorInNCArea = v.AsBoolean(); }},
        {L"UseSkinCursors", [](Self& f, const TPropValue& v) { f.UseSkinCursors = v.AsBoolean(); }},
        {L"ShowObjectHint", [](Self& f, const TPropValue& v) { f.ShowObjectHint = v.AsBoolean(); }},
        {L"UseDefaultObjectHint", [](Self& f, const TPropValue& v) { f.UseDefaultObjectHint = v.AsBoolean(); }},
        {L"OnActivate", [](Self& f, const TPropValue& v) { f.OnActivate = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDeActivate", [](Self& f, const TPropValue& v) { f.OnDeActivate = v.AsMethod<TNotifyEvent>(); }},
        {L"OnChangeSkinData", [](Self& f, const TPropValue& v) { f.OnChangeSkinData = v.AsMethod<TNotifyEvent>(); }},
        {L"OnMaximize", [](Self& f, const TPropValue& v) { f.OnMaximize = v.AsMethod<TNotifyEvent>(); }},
        {L"OnMinimize", [](Self& f, const TPropValue& v) { f.OnMinimize = v.AsMethod<TNotifyEvent>(); }},
        {L"OnRestore", [](Self& f, const TPropValue& v) { f.OnRestore = v.AsMethod<TNotifyEvent>(); }},
        {L"OnChangeRollUpState",
         [](Self& f, const TPropValue& v) { f.OnChangeRollUpState = v.AsMethod<TNotifyEvent>(); }},
        {L"OnShortCut", [](Self& f, const TPropValue& v) { f.OnShortCut = v.AsMethod<TShortCutEvent>(); }},
        {L"OnSkinMenuOpen", [](Self& f, const TPropValue& v) { f.Menus().OnSkinMenuOpen = v.AsMethod<TNotifyEvent>(); }},
        {L"OnSkinMenuClose",
         [](Self& f, const TPropValue& v) { f.Menus().OnSkinMenuClose = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, v) || Extras.SetProperty(name, v) || TComponent::SetProperty(name, v);
}

TCollection* TspDynamicSkinForm::GetCollectionProperty(const String& name)
{
    if (TCollection* c = Extras.GetCollectionProperty(name))
        return c;
    return TComponent::GetCollectionProperty(name);
}

bool TspDynamicSkinForm::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"SkinData")) {
        SetSkinData(ReferenceOfKind<TspSkinData>(value, L"a skin data container"));
        return true;
    }
    if (SameDescriptionName(name, L"MenusSkinData")) {
        SetMenusSkinData(ReferenceOfKind<TspSkinData>(value, L"a skin data container"));
        return true;
    }
    if (SameDescriptionName(name, L"SystemMenu")) {
        SystemMenu = ReferenceOfKind<TPopupMenu>(value, L"a popup menu");
        return true;
    }
    return Extras.SetReference(name, value) || TComponent::SetReference(name, value);
}

// --- showing ------------------------------------------------------------------------------------

TspFadeInFacts TspDynamicSkinForm::FadeFacts() const
{
    const TspSkinData* sd = skinData_.get();
    TspFadeInFacts f;
    f.AlphaBlend = AlphaBlend;
    f.AlphaBlendValue = AlphaBlendValue;
    f.AlphaBlendAnimation = AlphaBlendAnimation;
    f.AnimationForAllWindows = sd && !sd->Empty && sd->AnimationForAllWindows();
    f.PreviewMode = PreviewMode;
    f.ChildOwner = form_.HandleAllocated() && (GetWindowLongPtrW(form_.Handle(), GWL_STYLE) & WS_CHILD) != 0;
    return f;
}

void TspDynamicSkinForm::WindowShown()
{
    EnsureSkinApplied();
    if (!SupportNCArea)
        return;
    ApplyStateActions(States.FirstShow(StateFacts()));
    AlphaBlendValue = ShownAlphaBlendValue(FadeFacts());
    if (ShowLayering(FadeFacts()) == TspShowLayering::FadeIn)
        StartFadeIn();
    ForceResize();
}

void TspDynamicSkinForm::StartFadeIn()
{
    fade_ = std::make_unique<TspFadeIn>(FadeFacts(), GetTickCount());
    HWND hwnd = form_.Handle();
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd, 0, 0, LWA_ALPHA);
    SetTimer(hwnd, kFadeTimerId, 1, nullptr);
}

void TspDynamicSkinForm::StopFadeIn()
{
    fade_.reset();
    HWND hwnd = form_.Handle();
    KillTimer(hwnd, kFadeTimerId);
    // Never left half transparent: the window goes back to an ordinary one.
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TspDynamicSkinForm::RunFadeIn()
{
    HWND hwnd = form_.Handle();
    KillTimer(hwnd, kFadeTimerId);
    if (!fade_)
        return;
    const std::shared_ptr<bool> alive = alive_;
    TspFadeIn* fade = fade_.get();
    // The step handler may hide or free the form too, which ends (and frees) the fade.
    auto ours = [&] { return *alive && fade_.get() == fade; };
    auto show = [&] {
        SetLayeredWindowAttributes(hwnd, 0, fade->Opacity(), LWA_ALPHA);
        if (OnFadeStep)
            OnFadeStep(fade->Opacity());
    };
    if (fade->Finished())
        show();
    while (ours() && !fade->Finished()) {
        // Other messages go on while the window fades in; any of them may hide, close or free
        // the form, which ends the fade.
        if (Application)
            Application->ProcessMessages();
        if (!*alive)
            return;
        if (fade_.get() != fade || !IsWindow(hwnd) || !IsWindowVisible(hwnd)) {
            if (fade_.get() == fade && IsWindow(hwnd))
                StopFadeIn();
            return;
        }
        if (fade->Tick(GetTickCount()))
            show();
        else
            Sleep(1);
    }
    if (!ours())
        return;
    const bool opaque = fade->RemovesLayeredStyle();
    fade_.reset();
    if (opaque) {
        SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

// --- frame queries and system commands ----------------------------------------------------------

bool TspDynamicSkinForm::HandleFrameQuery(TMessage& msg)
{
    const bool skinnable = !skinData_ || skinData_->SkinnableForm();
    switch (msg.Msg) {
    case MSG_QUERY_SKINNED_FRAME:
        msg.Result = skinnable ? kDrawsOwnFrame : kPlatformFrame;
        return true;
    case MSG_HOLD_FRAME_EFFECTS:
        FSmartEffectsShow = true;
        msg.Result = 0;
        return true;
    case MSG_RELEASE_FRAME_EFFECTS:
        // Without a layered frame there is nothing held back to show.
        FSmartEffectsShow = false;
        msg.Result = 0;
        return true;
    case MSG_PAINT_FRAME_TO_DC:
    case MSG_PAINT_FRAME_TO_DC2: {
        const bool second = msg.Msg == MSG_PAINT_FRAME_TO_DC2;
        if (!skinnable || (second && msg.LParam != kPaintToDCKey))
            return false;
        HDC dc = reinterpret_cast<HDC>(msg.WParam);
        if (dc && SupportNCArea && form_.BorderStyle() != bsNone) {
            if (skinData_ && !skinData_->Empty)
                PaintNCSkin(dc, true);
            else
                PaintNCDefault(dc, true);
        }
        msg.Result = second ? kPaintToDCKey : kFramePainted;
        return true;
    }
    default:
        return false;
    }
}

void TspDynamicSkinForm::HandleSysCommand(TMessage& msg, const TWndMethod& previous)
{
    const UINT command = static_cast<UINT>(msg.WParam & 0xFFF0);
    const bool iconic = form_.HandleAllocated() && IsIconic(form_.Handle());
    if (!SupportNCArea) {
        previous(msg);
        return;
    }
    switch (command) {
    case SC_MAXIMIZE:
        if (iconic && Application)
            Application->Restore();
        ApplyStateActions(States.Maximize(StateFacts()));
        return;
    case SC_MINIMIZE:
        ApplyStateActions(States.Minimize(StateFacts()));
        return;
    case SC_RESTORE:
        if (iconic || States.FWindowState == TspWindowState::Normal) {
            // The platform brings the minimized window back to the bounds the engine gave it.
            OnRestore(this);
            previous(msg);
        } else {
            ApplyStateActions(States.Restore(StateFacts()));
        }
        return;
    case SC_MOVE:
        FCaptionMove = true;
        previous(msg);
        FCaptionMove = false;
        // A window dropped against the top edge of its monitor is maximized.
        ApplyStateActions(States.MoveEnded(StateFacts()));
        return;
    case SC_KEYMENU:
        // Alt+Space opens the skinned system menu, never the platform's.
        if (msg.LParam == VK_SPACE) {
            OpenSystemMenuFromKeyboard();
            return;
        }
        previous(msg);
        return;
    default:
        previous(msg);
        return;
    }
}

// --- system menu and shortcuts --------------------------------------------------------------------

void TspDynamicSkinForm::PopupSystemMenu(const TRect& anchor)
{
    if (DisableSystemMenu || !form_.HandleAllocated())
        return;
    if (TPopupMenu* menu = PrepareSystemMenu())
        PopupMenuBelow(*menu, anchor);
}

void TspDynamicSkinForm::PopupItems(TComponent* popupCtrl, TMenuItem* items, const TRect& anchor, bool popupUp)
{
    // A menu open before closes first, ending its menu mode; then this one's mode starts.
    TspSkinMenu* skinMenu = SkinMenu();
    if (skinMenu->Visible())
        skinMenu->Hide();
    SkinMenuOpen();
    TspSkinData* skin = menusSkinData_ ? menusSkinData_.get() : skinData_.get();
    if (!skinMenu->Popup(popupCtrl, skin, 0, anchor, items, popupUp))
        SkinMenuClose();
}

void TspDynamicSkinForm::OpenSystemMenuFromKeyboard()
{
    if (!form_.HandleAllocated())
        return;
    RECT wr;
    GetWindowRect(form_.Handle(), &wr);
    for (const auto& object : Objects.ObjectList) {
        auto* button = dynamic_cast<TspSkinStdButtonObject*>(object.get());
        if (button && button->Command == cmSysMenu && button->Enabled && button->Visible &&
            Geometry.IsObjectForState(ArrangeItemOf(*button))) {
            const TRect r = button->ObjectRect.Offset(wr.left, wr.top);
            PopupSystemMenu(Rect(r.Left, r.Bottom, r.Right, r.Bottom));
            return;
        }
    }
}

TPopupMenu* TspDynamicSkinForm::PrepareSystemMenu()
{
    if (!FSysMenu)
        FSysMenu = new TPopupMenu(this);
    TspSysMenuFacts f;
    f.BorderIcons = BorderIcons;
    f.WindowState = States.FWindowState;
    f.RollUpState = States.FRollUpState;
    f.MaxRollUpState = States.MaxRollUpState;
    f.AlwaysMinimizeToTray = AlwaysMinimizeToTray;
    f.UseDefaultSysMenu = UseDefaultSysMenu;
    f.SystemMenu = SystemMenu.get();
    f.SkinData = skinData_.get();
    return vt::PrepareSystemMenu(*FSysMenu, f, [this](TspSysCommand c) { RunSysCommand(c); });
}

void TspDynamicSkinForm::RunSysCommand(TspSysCommand command)
{
    switch (command) {
    case TspSysCommand::Minimize:
        ApplyStateActions(States.Minimize(StateFacts()));
        break;
    case TspSysCommand::Maximize:
        ApplyStateActions(States.Maximize(StateFacts()));
        break;
    case TspSysCommand::Restore:
        ApplyStateActions(States.Restore(StateFacts()));
        break;
    case TspSysCommand::RollUp:
        ApplyStateActions(States.SetRollUpState(true, StateFacts()));
        break;
    case TspSysCommand::RollDown:
        ApplyStateActions(States.SetRollUpState(false, StateFacts()));
        break;
    case TspSysCommand::MinimizeToTray:
        // Minimizing to the notification area needs a tray icon, which no form has yet.
        break;
    case TspSysCommand::Close:
        form_.Close();
        break;
    }
}

void TspDynamicSkinForm::HandleShortCut(TWMKey& key, bool& handled)
{
    TspShortCutSteps steps;
    steps.OnShortCut = [&](TShortCut) {
        // Whoever had the form's slot before the engine first, then the engine's own event.
        if (previousShortCut_)
            previousShortCut_(key, handled);
        if (!handled && OnShortCut)
            OnShortCut(key, handled);
        return handled;
    };
    steps.SystemMenu = [this] { OpenSystemMenuFromKeyboard(); };
    steps.MenuButton = [this](TShortCut k) {
        TPopupMenu* menu = Extras.MenuButtonPopupMenu();
        if (!Extras.MenuButtonVisible() || !menu)
            return false;
        // Its items' shortcuts work while it is closed; Alt and its letter open it.
        if (menu->IsShortCut(k))
            return true;
        if (!IsAltAccel(k, Extras.MenuButtonCaption()))
            return false;
        MenuButtonTrackMenu();
        return true;
    };
    steps.CaptionTabs = [this](TShortCut k) {
        const int tab = Extras.CaptionTabForShortCut(k);
        if (tab >= 0)
            Extras.SetCaptionTabIndex(tab);
    };
    steps.UserSystemMenu = [this](TShortCut k) { return SystemMenu && SystemMenu->IsShortCut(k); };
    handled = DispatchShortCut(ShortCutOfKey(key), steps) || handled;
}

// --- caption extras -------------------------------------------------------------------------------

TspSkinCaptionObject* TspDynamicSkinForm::CaptionObject() const
{
    for (const auto& o : Objects.ObjectList)
        if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get());
            caption && Geometry.IsObjectForState(ArrangeItemOf(*caption)))
            return caption;
    return nullptr;
}

TspCaptionMouseFacts TspDynamicSkinForm::CaptionMouseFacts() const
{
    TspCaptionMouseFacts f;
    f.NCArea = SupportNCArea;
    f.ShowHints = false;  // no hint window yet
    f.DisableSystemMenu = DisableSystemMenu;
    return f;
}

void TspDynamicSkinForm::CaptionExtrasMouse(UINT msg, TPoint p, TspMouseButton button)
{
    TspSkinCaptionObject* caption = CaptionObject();
    if (!caption || !SupportNCArea)
        return;
    const int index = Objects.ActiveObject;
    const bool hot = index >= 0 && static_cast<size_t>(index) < Objects.ObjectList.size() &&
                     Objects.ObjectList[static_cast<size_t>(index)].get() == caption;
    TspCaptionExtrasMouse mouse(*caption, Extras, CaptionMouseFacts());
    const bool release = msg == WM_NCLBUTTONUP || msg == WM_NCRBUTTONUP;
    if (!hot) {
        // A release away from the caption still ends a press on one of its buttons.
        if (release && caption->MouseCaptureQuickButton >= 0)
            RunCaptionResponse(mouse.MouseUp(p, button));
        if (captionHot_) {
            captionHot_ = false;
            RunCaptionResponse(mouse.MouseLeave());
        }
        return;
    }
    captionHot_ = true;
    switch (msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        RunCaptionResponse(mouse.MouseDown(p, button, std::exchange(menuClosedByPress_, -1)));
        break;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
        RunCaptionResponse(mouse.MouseUp(p, button));
        break;
    default:
        RunCaptionResponse(mouse.MouseMove(p));
        break;
    }
}

void TspDynamicSkinForm::RunCaptionResponse(const TspCaptionResponse& response)
{
    if (response.Repaint)
        UpDateFormNC();
    // The events run last, with the state final: a click may show a modal box or free the form.
    const std::shared_ptr<bool> alive = alive_;
    for (const TspCaptionEvent& e : response.Events) {
        if (!*alive)
            return;
        TspQuickButtonItem* item = e.Index >= 0 && e.Index < Extras.QuickButtons.Count()
                                       ? Extras.QuickButtons.Items(e.Index)
                                       : nullptr;
        switch (e.Kind) {
        case TspCaptionEventKind::TabChange:
            Extras.SetCaptionTabIndex(e.Index);
            break;
        case TspCaptionEventKind::Click:
            if (item && item->OnClick)
                item->OnClick(this);
            break;
        case TspCaptionEventKind::MouseDown:
            if (item && item->OnMouseDown) {
                POINT c{};
                GetCursorPos(&c);
                const TPoint w = ScreenToWindow(form_.Handle(), {c.x, c.y});
                item->OnMouseDown(item, e.Button, w.X, w.Y);
            }
            break;
        case TspCaptionEventKind::OpenMenu:
            if (item && item->PopupMenu() && form_.HandleAllocated()) {
                layerManager_->Hide();
                menuLayerManager_->Hide();
                RECT wr;
                GetWindowRect(form_.Handle(), &wr);
                PopupMenuBelow(*item->PopupMenu(), item->ItemRect.Offset(wr.left, wr.top));
            }
            break;
        case TspCaptionEventKind::ShowHint:
        case TspCaptionEventKind::HideHint:
            // Object hints need the hint window, which forms do not have yet.
            break;
        case TspCaptionEventKind::SystemMenu: {
            POINT c{};
            GetCursorPos(&c);
            PopupSystemMenu(Rect(c.x, c.y, c.x, c.y));
            break;
        }
        }
    }
}

void TspDynamicSkinForm::PopupMenuBelow(TPopupMenu& menu, const TRect& screenRect)
{
    if (auto* skinned = dynamic_cast<TspSkinPopupMenu*>(&menu)) {
        skinned->PopupFromRect(screenRect, false);
        return;
    }
    if (menu.OnPopup)
        menu.OnPopup(&menu);
    PopupItems(&form_, menu.Items(), screenRect, false);
}

void TspDynamicSkinForm::MenuModeEnded()
{
    if (TspSkinCaptionObject* caption = CaptionObject())
        RunCaptionResponse(TspCaptionExtrasMouse(*caption, Extras, CaptionMouseFacts()).SkinMenuClose());
    // A button whose menu closed goes up, unless its own menu is the one being opened.
    for (const auto& o : Objects.ObjectList) {
        auto* button = dynamic_cast<TspSkinButtonObject*>(o.get());
        if (!button || !button->FDown || button == menuTrackObject_)
            continue;
        auto* standard = dynamic_cast<TspSkinStdButtonObject*>(button);
        if (button->IsMenuButton() || (standard && standard->Command == cmSysMenu))
            button->SetDown(false);
    }
}

void TspDynamicSkinForm::MenuButtonTrackMenu()
{
    TPopupMenu* menu = Extras.MenuButtonPopupMenu();
    if (!Extras.MenuButtonVisible() || !menu)
        return;
    for (const auto& o : Objects.ObjectList) {
        auto* button = dynamic_cast<TspSkinCaptionMenuButton*>(o.get());
        if (!button || button->FDown)
            continue;
        button->MenuItem = menu->Items();
        button->SetDown(true);
        TrackMenu(*button, false);
        return;
    }
}

// --- hit test and commands -----------------------------------------------------------------------

std::optional<int32_t> TspDynamicSkinForm::HitTest(TPoint windowPoint)
{
    THitTestInput in;
    in.Strips = &MaskStrips;
    in.CaptionRects = CaptionDragRects(Objects, Geometry);
    if (const TspSkinCaptionObject* caption = CaptionObject())
        in.CaptionItems = CaptionItemRects(*caption, Extras);
    in.NCDraggAble = NCDraggAble;
    in.ObjectHot = Objects.ActiveObject != -1;
    in.SizeMove = FSizeMove;
    return FormHitTest(Geometry, in, windowPoint);
}

TWindowStateFacts TspDynamicSkinForm::StateFacts()
{
    UpdateFacts();
    TWindowStateFacts f;
    f.Geometry = Geometry;
    if (form_.HandleAllocated()) {
        RECT wr;
        GetWindowRect(form_.Handle(), &wr);
        f.Bounds = Rect(wr.left, wr.top, wr.right, wr.bottom);
    }
    f.BorderIcons = BorderIcons;
    f.PositionInMonitor = PositionInMonitor;
    f.ClientHeight = ClientHeight;
    f.IsMainForm = Application && Application->MainForm() == &form_;
    f.AppMinimized = Application && Application->Minimized();
    return f;
}

void TspDynamicSkinForm::ApplyStateActions(const TStateActions& actions)
{
    if (actions.empty())
        return;
    HWND hwnd = form_.HandleAllocated() ? form_.Handle() : nullptr;
    UpdateFacts();
    for (const TStateAction& a : actions) {
        switch (a.Kind) {
        case TStateActionKind::SetBounds:
            if (hwnd)
                SetWindowPos(hwnd, nullptr, a.Bounds.Left, a.Bounds.Top, a.Bounds.Width(), a.Bounds.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case TStateActionKind::SetClientHeight:
            form_.SetClientHeight(a.Value);
            break;
        case TStateActionKind::MinimizeApplication:
            if (Application)
                Application->Minimize();
            break;
        case TStateActionKind::MinimizeWindow:
            if (hwnd)
                ShowWindow(hwnd, SW_MINIMIZE);
            break;
        case TStateActionKind::RestoreApplication:
            if (Application)
                Application->Restore();
            break;
        case TStateActionKind::StartMouseTimer:
            mouseTimer_->SetEnabled(true);
            break;
        case TStateActionKind::ForceResize:
            UpdateFrame(true);
            break;
        case TStateActionKind::Repaint:
            UpDateFormNC();
            break;
        case TStateActionKind::OnMaximize:
            OnMaximize(this);
            break;
        case TStateActionKind::OnMinimize:
            OnMinimize(this);
            break;
        case TStateActionKind::OnRestore:
            OnRestore(this);
            break;
        case TStateActionKind::OnChangeRollUpState:
            OnChangeRollUpState(this);
            break;
        }
    }
    UpdateFrame(true);
}

void TspDynamicSkinForm::RunCommand(TspFormCommand command)
{
    switch (command) {
    case TspFormCommand::Close:
        form_.Close();
        break;
    case TspFormCommand::Maximize:
        ApplyStateActions(States.FWindowState == TspWindowState::Maximized ? States.Restore(StateFacts())
                                                                            : States.Maximize(StateFacts()));
        break;
    case TspFormCommand::Minimize:
        ApplyStateActions(States.Minimize(StateFacts()));
        break;
    case TspFormCommand::RollUp:
        ApplyStateActions(States.RollUp(StateFacts()));
        break;
    default:
        break;
    }
}

// --- objects' requests --------------------------------------------------------------------------

void TspDynamicSkinForm::StartMorphTimer()
{
    if (!morphTimer_->Enabled())
        morphTimer_->SetEnabled(true);
}

void TspDynamicSkinForm::ShowGlowLayer(TspActiveSkinObject& object, bool menuLayer)
{
    const TspSkinData* sd = skinData_.get();
    if (!sd || sd->Empty || !form_.HandleAllocated())
        return;
    auto picture = [&](int32_t index) -> const TPixelImage* {
        if (index < 0 || static_cast<size_t>(index) >= sd->FActivePictures.size())
            return nullptr;
        const TPixelImage* p = sd->FActivePictures[static_cast<size_t>(index)].get();
        return p && !p->Empty() ? p : nullptr;
    };
    const TPixelImage* glow = picture(object.GlowLayerPictureIndex);
    const TPixelImage* mask = picture(object.GlowLayerMaskPictureIndex);
    if (!glow || !mask)
        return;
    RECT wr;
    GetWindowRect(form_.Handle(), &wr);
    TspBitmap image, alpha;
    image.Assign(*glow);
    alpha.Assign(*mask);
    TspLayerManager* manager = menuLayer ? menuLayerManager_ : layerManager_;
    manager->Show(wr.left + object.ObjectRect.Left - object.GlowLayerOffsetX,
                  wr.top + object.ObjectRect.Top - object.GlowLayerOffsetY, image, alpha,
                  object.GlowLayerAlphaBlendValue);
}

void TspDynamicSkinForm::HideGlowLayer(TspActiveSkinObject&, bool menuLayer)
{
    (menuLayer ? menuLayerManager_ : layerManager_)->Hide();
}

void TspDynamicSkinForm::TrackMenu(TspSkinButtonObject& button, bool systemMenu)
{
    if (systemMenu) {
        // The system button opens the system menu below itself.
        if (!form_.HandleAllocated())
            return;
        RECT wr;
        GetWindowRect(form_.Handle(), &wr);
        const TRect r = button.ObjectRect.Offset(wr.left, wr.top);
        PopupSystemMenu(Rect(r.Left, r.Bottom, r.Right, r.Bottom));
        return;
    }
    TMenuItem* item = button.MenuItem;
    if (!item || !form_.HandleAllocated())
        return;
    layerManager_->Hide();
    menuLayerManager_->Hide();
    RECT wr;
    GetWindowRect(form_.Handle(), &wr);
    const TRect r = button.ObjectRect.Offset(wr.left, wr.top);
    // The menu mode of a menu open before ends as this one opens: this button stays down.
    TspActiveSkinObject* const previousTrack = std::exchange(menuTrackObject_, &button);
    struct TRestore {
        TspActiveSkinObject*& field;
        TspActiveSkinObject* value;
        ~TRestore() { field = value; }
    } restore{menuTrackObject_, previousTrack};
    if (auto* popup = dynamic_cast<TspSkinPopupMenu*>(item->GetParentMenu())) {
        popup->PopupFromRect(r, button.FPopupUp);
        return;
    }
    PopupItems(nullptr, item, r, button.FPopupUp);
}

// --- menus --------------------------------------------------------------------------------------

void RegisterFormClasses() { RegisterComponentClass<TspDynamicSkinForm>(); }

TspSkinMenu* TspDynamicSkinForm::SkinMenu() { return menus_->SkinMenu(); }
void TspDynamicSkinForm::SkinMenuOpen() { menus_->SkinMenuOpen(); }
void TspDynamicSkinForm::SkinMenuClose() { menus_->SkinMenuClose(); }

} // namespace vt
