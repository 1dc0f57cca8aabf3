#include "menus/popup_window_win.h"

#include "framework/base/exceptions.h"
#include "framework/win/cursors.h"
#include "framework/win/exception_funnel.h"
#include "framework/win/window_class.h"
#include "framework/win/window_region.h"
#include "menus/popup_level.h"
#include "raster/bitmap_win.h"
#include "raster/compose_win.h"
#include "raster/layer_win.h"
#include "skin/skin_data.h"
#include "skin/skin_records.h"

#include <algorithm>

namespace vt {

const wchar_t* const TspSkinPopupWindow::kClassName = L"VantrelSkinPopupWindow";

namespace {

void RegisterPopupClass()
{
    WNDCLASSEXW wc{};
    wc.style = CS_SAVEBITS | CS_DROPSHADOW;
    wc.lpfnWndProc = DefWindowProcW; // replaced per window, before anything can reach it
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = TspSkinPopupWindow::kClassName;
    EnsureWindowClass(wc);
}

// Paint messages only: the screen under a fading menu stays up to date, and nothing else (no
// input, no timer) can run while the menu is half shown.
void PumpPaintMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageW(&msg);
}

} // namespace

TspSkinPopupWindow::TspSkinPopupWindow(TspPopupLevel& level, TPopupWindowSettings settings)
    : level_(level)
    , settings_(std::move(settings))
{
    RegisterPopupClass();
    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | (settings_.AlphaBlend ? WS_EX_LAYERED : 0);
    hwnd_ = CreateWindowExW(exStyle, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
        GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        throw EOutOfResources(L"Cannot create a menu window");
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TspSkinPopupWindow::WndProc));
}

TspSkinPopupWindow::~TspSkinPopupWindow()
{
    if (!hwnd_)
        return;
    // Nothing reaches this object once it is going (the window may be inside its own handler).
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK TspSkinPopupWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TspSkinPopupWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return msg == WM_MOUSEACTIVATE ? MA_NOACTIVATE : DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    // The level's handlers may close the menu and free this window: nothing touches self after.
    if (!GuardedCall(nullptr, [&] { result = self->Handle(msg, wParam, lParam); }))
        return 0;
    return result;
}

LRESULT TspSkinPopupWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        TspBitmap picture;
        PaintTo(picture);
        Draw(picture, dc, 0, 0);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            if (HCURSOR cursor = SkinCursor()) {
                SetCursor(cursor);
                return TRUE;
            }
        }
        break;
    case WM_TIMER:
        switch (wParam) {
        case kMouseTimer:
            MouseTick();
            return 0;
        case kScrollTimer:
            level_.ScrollTick();
            return 0;
        case kEffectTimer:
            // Stopped first: the tick may close the menu and free this window.
            if (!level_.EffectTick())
                KillTimer(hwnd_, kEffectTimer);
            return 0;
        default:
            break;
        }
        break;
    case WM_LBUTTONUP:
        level_.MouseUp({static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))});
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void TspSkinPopupWindow::PaintTo(TspBitmap& out) const
{
    PaintPopupLevel(level_, settings_.Paint, out);
}

HCURSOR TspSkinPopupWindow::SkinCursor() const
{
    const TspSkinData* sd = settings_.Paint.Skin;
    if (!sd || sd->Empty || !sd->PopupWindow || sd->PopupWindow->CursorIndex < 0)
        return nullptr;
    return CursorHandle(static_cast<TCursor>(sd->StartCursorIndex + sd->PopupWindow->CursorIndex));
}

void TspSkinPopupWindow::UpdateRegion()
{
    const TspSkinData* sd = settings_.Paint.Skin;
    const TMenuLevelLook& look = level_.Look();
    if (!sd || sd->Empty || !look.HasFrame || !sd->PopupWindow)
        return;
    const TPixelImage* mask = MenuPicture(*sd, sd->PopupWindow->MaskPictureIndex);
    if (!mask)
        return;
    const TFrameGeometry ng
        = ResizeFrameGeometry(look.Frame, look.FrameWidth, look.FrameHeight, level_.Width, level_.Height);
    const std::optional<TRegion> region
        = BuildFramedRegion(look.Frame, ng, mask->View(), level_.Width, level_.Height);
    if (!region)
        return; // a mask that yields no region leaves the window rectangular
    if (HRGN rgn = RegionToHandle(*region))
        SetWindowRegion(hwnd_, rgn, true);
}

void TspSkinPopupWindow::Show(TPoint position, int32_t width, int32_t height, bool first)
{
    const bool fade = first && settings_.AlphaBlend && settings_.AlphaBlendAnimation;
    if (fade)
        PumpPaintMessages();
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateRegion();
    if (settings_.AlphaBlend)
        SetWindowAlphaValue(hwnd_, fade ? 0 : settings_.AlphaBlendValue);
    SetWindowPos(hwnd_, HWND_TOPMOST, position.X, position.Y, 0, 0,
        SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    visible_ = true;
    if (fade)
        FadeIn();
    lastCursor_ = {-1, -1};
    SetTimer(hwnd_, kMouseTimer, kMouseIntervalMs, nullptr);
}

void TspSkinPopupWindow::FadeIn()
{
    const uint8_t target = settings_.AlphaBlendValue;
    const int step = std::max(target / 15, 1);
    int alpha = 0;
    ULONGLONG last = GetTickCount64();
    UpdateWindow(hwnd_);
    while (alpha < target) {
        const ULONGLONG now = GetTickCount64();
        if (now - last > 5) {
            alpha = std::min<int>(alpha + step, target);
            SetWindowAlphaValue(hwnd_, static_cast<uint8_t>(alpha));
            last = now;
        }
        PumpPaintMessages();
        Sleep(1);
    }
}

void TspSkinPopupWindow::Hide()
{
    KillTimer(hwnd_, kMouseTimer);
    KillTimer(hwnd_, kScrollTimer);
    KillTimer(hwnd_, kEffectTimer);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    visible_ = false;
}

void TspSkinPopupWindow::Invalidate()
{
    if (visible_)
        InvalidateRect(hwnd_, nullptr, FALSE);
}

void TspSkinPopupWindow::SetScrollTimer(bool on)
{
    if (on)
        SetTimer(hwnd_, kScrollTimer, kScrollIntervalMs, nullptr);
    else
        KillTimer(hwnd_, kScrollTimer);
}

void TspSkinPopupWindow::StartEffectTimer(uint32_t intervalMs)
{
    SetTimer(hwnd_, kEffectTimer, intervalMs, nullptr);
}

void TspSkinPopupWindow::MouseTick()
{
    POINT p;
    if (!GetCursorPos(&p) || (p.x == lastCursor_.X && p.y == lastCursor_.Y))
        return;
    lastCursor_ = {p.x, p.y};
    if (WindowFromPoint(p) == hwnd_) {
        ScreenToClient(hwnd_, &p);
        level_.TrackMouse({p.x, p.y});
    } else if (level_.Scroll) {
        level_.StopScroll();
    }
}

} // namespace vt
