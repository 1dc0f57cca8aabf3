// Layered windows: TspLayerWindow (a passive per-pixel-alpha popup), TspLayerManager (shows a
// picture with its mask in such a window and fades it in), the pixel push, constant-alpha
// windows, and the desktop-composition helpers, each a no-op where the platform lacks it.
#pragma once

#include <memory>

#include "framework/base/component.h"
#include "framework/win/canvas.h"
#include "raster/bitmap_win.h"
#include "raster/layer.h"

namespace vt {

class TTimer;

// A hidden WS_POPUP with WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT (mouse input passes through) that
// never activates.
class TspLayerWindow {
public:
    TspLayerWindow(int left, int top, int width, int height);
    ~TspLayerWindow();
    TspLayerWindow(const TspLayerWindow&) = delete;
    TspLayerWindow& operator=(const TspLayerWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    int Left() const { return left_; }
    int Top() const { return top_; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    int left_, top_;
};

// UpdateLayeredWindow of the bitmap's pixels at the window's position with constant alpha.
void PushLayeredBitmap(TspBitmap& Bitmap, uint8_t Alpha, const TspLayerWindow* Window);
void PushLayeredBitmap(TspBitmap& Bitmap, uint8_t Alpha, HWND window, POINT at);
// SetLayeredWindowAttributes(LWA_ALPHA); the window must already be layered.
void SetWindowAlphaValue(HWND window, uint8_t alpha);
bool IsDesktopCompositionOn();
// The value handed to DWMWA_TRANSITIONS_FORCEDISABLED: 0 to allow, -1 (TRUE) to disable.
inline int TransitionsValue(bool enable) { return enable ? 0 : -1; }
void SetWindowTransitions(HWND window, bool enable);
void EnableBlurBehind(HWND window, bool enable, HRGN region);

class TspLayerManager : public TComponent {
public:
    explicit TspLayerManager(TComponent* owner);
    ~TspLayerManager() override;

    void Show(int X, int Y, const TspBitmap& AImage, const TspBitmap& AImageMask, int AAlphaBlendValue);
    void Hide();
    void Update();
    void StartTimer();
    void StopTimer();
    // One fade step (what the 25 ms timer calls).
    void TimerTick();

    bool IsVisible() const { return isVisible_; }
    bool TopMostMode = true;
    const TLayerFade& Fade() const { return fade_; }
    bool TimerEnabled() const;
    TspLayerWindow* LayerWindow() const { return window_.get(); }
    TspBitmap* Bmp() const { return bmp_.get(); }

private:
    std::unique_ptr<TspLayerWindow> window_;
    std::unique_ptr<TspBitmap> bmp_;
    TTimer* timer_ = nullptr;  // owned as a component
    TLayerFade fade_;
    bool isVisible_ = false;
};

} // namespace vt
