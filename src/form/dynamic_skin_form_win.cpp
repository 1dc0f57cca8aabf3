#include "form/dynamic_skin_form_win.h"

#include "form/object_paint.h"
#include "framework/base/exceptions.h"
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

#include <optional>

namespace vt {

namespace {

constexpr unsigned kEffectTimerMs = 25;

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
        if (!tracker_->Poll(over, ScreenToWindow(form_.Handle(), {c.x, c.y})))
            mouseTimer_->SetEnabled(false);
    });
    Objects.CreateObjects(nullptr);
    BorderIconsChanged();
    // The platform's caption buttons are never shown; the frame is ours.
    form_.SetBorderIcons(0);
    windowHook_ = std::make_unique<TWindowProcHook>(
        form_, [this](TMessage& msg, const TWndMethod& previous) { NewWndProc(msg, previous); });
    if (form_.HandleAllocated())
        form_.RecreateWnd();
}

TspDynamicSkinForm::~TspDynamicSkinForm()
{
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
    // MDI parents and children follow the tracked FFormActive once MDI exists.
    return form_.HandleAllocated() && Screen && Screen->ActiveForm() == &form_;
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
    Geometry.Skin = TFormSkinInfo::From(sd);
    UpdateFacts();
    Objects.CreateObjects(sd && !sd->Empty ? sd : nullptr);
    BorderIconsChanged();
    UpdateFrame(true);
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
            ArrangeFormObjects(Geometry, Objects);
    }
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
    ArrangeFormObjects(Geometry, Objects);
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
            ComposeClientFill(src, Rect(0, 0, cr.right, cr.bottom), bg, pic->View(), src, cr.right, cr.bottom,
                              b.Stretch, b.StretchType);
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
    // notice ends the menu mode.
    if (menus_->FormMessage(msg))
        return;
    if (msg.Msg == WM_SIZE) {
        // The owner's own sizing first: the frame follows the size it settled on.
        previous(msg);
        HandleFrameMessage(msg);
        return;
    }
    if (HandleFrameMessage(msg))
        return;
    TspSkinData* container = reinterpret_cast<TspSkinData*>(msg.WParam);
    switch (msg.Msg) {
    case WM_NCACTIVATE: {
        if (SkinMenu()->Visible())
            SkinMenu()->Hide();
        layerManager_->Hide();
        menuLayerManager_->Hide();
        FFormActive = msg.WParam != 0;
        if (!FFormActive)
            Objects.ResetObjectStates();
        StateChanged();
        Objects.Form.FormActive = FFormActive;
        // The platform draws no caption of its own: the frame is repainted as it now looks.
        msg.Result = 1;
        UpDateFormNC();
        if (Objects.StartCaptionAnimation(FFormActive))
            animateTimer_->SetEnabled(true);
        return;
    }
    case WM_SETTEXT:
        previous(msg);
        BorderIconsChanged();  // the default caption object takes the new text
        return;
    case WM_NCHITTEST: {
        const std::optional<int32_t> code = HitTest(ScreenToWindow(form_.Handle(), PointOf(msg.LParam)));
        if (!code) {
            previous(msg);
            return;
        }
        msg.Result = *code;
        tracker_->Facts.FormActive = GetFormActive();
        if (tracker_->HitTestStartsTracking(*code, ScreenToWindow(form_.Handle(), PointOf(msg.LParam)),
                                            mouseTimer_->Enabled()))
            mouseTimer_->SetEnabled(true);
        return;
    }
    case WM_NCMOUSEMOVE:
        tracker_->NCMouseMove(ScreenToWindow(form_.Handle(), PointOf(msg.LParam)));
        previous(msg);
        return;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        if (msg.WParam == static_cast<WPARAM>(ht::Object)) {
            tracker_->MouseDown(msg.Msg == WM_NCLBUTTONDOWN ? TspMouseButton::Left : TspMouseButton::Right,
                                ScreenToWindow(form_.Handle(), PointOf(msg.LParam)));
            return;
        }
        tracker_->DropCapture();
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
        tracker_->MouseUp(msg.Msg == WM_RBUTTONUP ? TspMouseButton::Right : TspMouseButton::Left, p,
                          [this](TspFormCommand command) { RunCommand(command); });
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

// --- hit test and commands -----------------------------------------------------------------------

std::optional<int32_t> TspDynamicSkinForm::HitTest(TPoint windowPoint)
{
    THitTestInput in;
    in.Strips = &MaskStrips;
    in.CaptionRects = CaptionDragRects(Objects, Geometry);
    in.NCDraggAble = NCDraggAble;
    in.ObjectHot = Objects.ActiveObject != -1;
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
    f.IsMainForm = Application && Application->MainForm() == &form_;
    f.AppMinimized = Application && Application->Minimized();
    return f;
}

void TspDynamicSkinForm::ApplyStateActions(const TStateActions& actions)
{
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

void TspDynamicSkinForm::TrackMenu(TspSkinButtonObject& button, bool)
{
    TMenuItem* item = button.MenuItem;
    if (!item || !form_.HandleAllocated())
        return;
    layerManager_->Hide();
    menuLayerManager_->Hide();
    RECT wr;
    GetWindowRect(form_.Handle(), &wr);
    const TRect r = button.ObjectRect.Offset(wr.left, wr.top);
    if (auto* popup = dynamic_cast<TspSkinPopupMenu*>(item->GetParentMenu())) {
        popup->PopupFromRect(r, button.FPopupUp);
        return;
    }
    TspSkinMenu* menu = SkinMenu();
    if (menu->Visible())
        SkinMenuClose();
    SkinMenuOpen();
    TspSkinData* skin = menusSkinData_ ? menusSkinData_.get() : skinData_.get();
    if (!menu->Popup(nullptr, skin, 0, r, item, button.FPopupUp))
        SkinMenuClose();
}

// --- menus --------------------------------------------------------------------------------------

TspSkinMenu* TspDynamicSkinForm::SkinMenu() { return menus_->SkinMenu(); }
void TspDynamicSkinForm::SkinMenuOpen() { menus_->SkinMenuOpen(); }
void TspDynamicSkinForm::SkinMenuClose() { menus_->SkinMenuClose(); }

} // namespace vt
