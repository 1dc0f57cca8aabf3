#include "raster/layer_win.h"

#include <algorithm>

#include "framework/win/timer.h"
#include "framework/win/window_class.h"
#include "raster/compose_win.h"

namespace vt {

namespace {

const wchar_t kLayerClass[] = L"TspLayerWindow";

struct TEntryPoints {
    using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    using DwmIsCompositionEnabledFn = HRESULT(WINAPI*)(BOOL*);
    using DwmSetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    struct BlurBehind {
        DWORD dwFlags;
        BOOL fEnable;
        HRGN hRgnBlur;
        BOOL fTransitionOnMaximized;
    };
    using DwmEnableBlurBehindWindowFn = HRESULT(WINAPI*)(HWND, const BlurBehind*);

    UpdateLayeredWindowFn UpdateLayeredWindow = nullptr;
    SetLayeredWindowAttributesFn SetLayeredWindowAttributes = nullptr;
    DwmIsCompositionEnabledFn DwmIsCompositionEnabled = nullptr;
    DwmSetWindowAttributeFn DwmSetWindowAttribute = nullptr;
    DwmEnableBlurBehindWindowFn DwmEnableBlurBehindWindow = nullptr;

    TEntryPoints()
    {
        if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
            UpdateLayeredWindow = reinterpret_cast<UpdateLayeredWindowFn>(
                reinterpret_cast<void*>(GetProcAddress(user, "UpdateLayeredWindow")));
            SetLayeredWindowAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(
                reinterpret_cast<void*>(GetProcAddress(user, "SetLayeredWindowAttributes")));
        }
        // Loaded only when present; without it there is no blur and no transition control.
        if ((dwm_ = LoadLibraryW(L"dwmapi.dll")) != nullptr) {
            DwmIsCompositionEnabled = reinterpret_cast<DwmIsCompositionEnabledFn>(
                reinterpret_cast<void*>(GetProcAddress(dwm_, "DwmIsCompositionEnabled")));
            DwmSetWindowAttribute = reinterpret_cast<DwmSetWindowAttributeFn>(
                reinterpret_cast<void*>(GetProcAddress(dwm_, "DwmSetWindowAttribute")));
            DwmEnableBlurBehindWindow = reinterpret_cast<DwmEnableBlurBehindWindowFn>(
                reinterpret_cast<void*>(GetProcAddress(dwm_, "DwmEnableBlurBehindWindow")));
        }
    }
    ~TEntryPoints()
    {
        if (dwm_)
            FreeLibrary(dwm_);
    }

private:
    HMODULE dwm_ = nullptr;
};

const TEntryPoints& Api()
{
    static TEntryPoints api;
    return api;
}

void RegisterLayerClass()
{
    WNDCLASSEXW wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kLayerClass;
    EnsureWindowClass(wc);
}

} // namespace

TspLayerWindow::TspLayerWindow(int left, int top, int width, int height) : left_(left), top_(top)
{
    RegisterLayerClass();
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT, kLayerClass, L"", WS_POPUP, left, top, width,
                            height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd_)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TspLayerWindow::WndProc));
}

TspLayerWindow::~TspLayerWindow()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

LRESULT CALLBACK TspLayerWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void PushLayeredBitmap(TspBitmap& Bitmap, uint8_t Alpha, HWND window, POINT at)
{
    if (!window || !Api().UpdateLayeredWindow || Bitmap.Empty())
        return;
    SIZE size{Bitmap.FWidth, Bitmap.FHeight};
    POINT src{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, Alpha, AC_SRC_ALPHA};
    Api().UpdateLayeredWindow(window, nullptr, &at, &size, BitmapDC(Bitmap), &src, 0, &blend, ULW_ALPHA);
}

void PushLayeredBitmap(TspBitmap& Bitmap, uint8_t Alpha, const TspLayerWindow* Window)
{
    if (Window)
        PushLayeredBitmap(Bitmap, Alpha, Window->Handle(), POINT{Window->Left(), Window->Top()});
}

void SetWindowAlphaValue(HWND window, uint8_t alpha)
{
    if (window && Api().SetLayeredWindowAttributes)
        Api().SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

bool IsDesktopCompositionOn()
{
    if (!Api().DwmIsCompositionEnabled)
        return false;
    BOOL on = FALSE;
    return SUCCEEDED(Api().DwmIsCompositionEnabled(&on)) && on;
}

void SetWindowTransitions(HWND window, bool enable)
{
    if (!Api().DwmSetWindowAttribute)
        return;
    int value = TransitionsValue(enable);
    Api().DwmSetWindowAttribute(window, 3 /* DWMWA_TRANSITIONS_FORCEDISABLED */, &value, sizeof(value));
}

void EnableBlurBehind(HWND window, bool enable, HRGN region)
{
    if (!Api().DwmEnableBlurBehindWindow)
        return;
    TEntryPoints::BlurBehind bb{};
    bb.dwFlags = 1 | (region ? 2 : 0);
    bb.fEnable = enable ? TRUE : FALSE;
    bb.hRgnBlur = region;
    bb.fTransitionOnMaximized = FALSE;
    Api().DwmEnableBlurBehindWindow(window, &bb);
}

TspLayerManager::TspLayerManager(TComponent* owner) : TComponent(owner)
{
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(25);
    timer_->SetOnTimer([this](TObject*) { TimerTick(); });
}

TspLayerManager::~TspLayerManager()
{
    StopTimer();
    window_.reset();
    bmp_.reset();
}

bool TspLayerManager::TimerEnabled() const { return timer_ && timer_->Enabled(); }

void TspLayerManager::StartTimer()
{
    fade_.BeginAlphaBlendValue = 0;
    fade_.Running = true;
    timer_->SetEnabled(true);
}

void TspLayerManager::StopTimer()
{
    fade_.Running = false;
    if (timer_)
        timer_->SetEnabled(false);
}

void TspLayerManager::Show(int X, int Y, const TspBitmap& AImage, const TspBitmap& AImageMask, int AAlphaBlendValue)
{
    if (!IsWin2000OrLater(CurrentWinVersion()))
        return;
    if (window_)
        Hide();
    isVisible_ = true;
    window_ = std::make_unique<TspLayerWindow>(X, Y, AImage.FWidth, AImage.FHeight);
    HWND h = window_->Handle();
    SetWindowLongPtrW(h, GWL_EXSTYLE, GetWindowLongPtrW(h, GWL_EXSTYLE) | WS_EX_LAYERED);
    bmp_ = std::make_unique<TspBitmap>();
    ImageAndMaskToPixels(AImage, AImageMask, *bmp_);
    PushLayeredBitmap(*bmp_, 0, window_.get());
    SetWindowPos(h, TopMostMode ? HWND_TOPMOST : HWND_NOTOPMOST, X, Y, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    fade_.Start(AAlphaBlendValue);
    StartTimer();
}

void TspLayerManager::TimerTick()
{
    if (!bmp_ || !window_)
        return;
    int alpha = fade_.Tick();
    PushLayeredBitmap(*bmp_, static_cast<uint8_t>(std::clamp(alpha, 0, 255)), window_.get());
    if (!fade_.Running)
        StopTimer();
}

void TspLayerManager::Hide()
{
    if (!IsWin2000OrLater(CurrentWinVersion()))
        return;
    StopTimer();
    bmp_.reset();
    isVisible_ = false;
    if (window_) {
        SetWindowPos(window_->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        window_.reset();
    }
}

void TspLayerManager::Update()
{
    if (!isVisible_ || !window_)
        return;
    RECT r{};
    GetWindowRect(window_->Handle(), &r);
    SetWindowPos(window_->Handle(), TopMostMode ? HWND_TOPMOST : HWND_NOTOPMOST, r.left, r.top, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
}

} // namespace vt
