// Scopes for device contexts: each frees or restores what it took when it goes, so no DC is
// released by hand and an exception cannot leak one.
//   TDCHandle   a DC we created (CreateCompatibleDC, CreateDC): DeleteDC
//   TWindowDC   a window's client or whole-window DC, or the screen's (GetDC, GetWindowDC):
//               ReleaseDC
//   TPaintDC    the DC of a WM_PAINT (BeginPaint): EndPaint
//   TSavedDC    a DC's state (SaveDC): RestoreDC
#pragma once

#include <windows.h>

#include <cstdint>

namespace vt {

class TDCHandle {
public:
    TDCHandle() = default;
    explicit TDCHandle(HDC dc) : dc_(dc) {}
    TDCHandle(const TDCHandle&) = delete;
    TDCHandle& operator=(const TDCHandle&) = delete;
    TDCHandle(TDCHandle&& o) noexcept : dc_(o.dc_) { o.dc_ = nullptr; }
    TDCHandle& operator=(TDCHandle&& o) noexcept
    {
        if (this != &o) {
            reset(o.dc_);
            o.dc_ = nullptr;
        }
        return *this;
    }
    ~TDCHandle() { reset(); }
    HDC get() const { return dc_; }
    void reset(HDC dc = nullptr)
    {
        if (dc_)
            DeleteDC(dc_);
        dc_ = dc;
    }

private:
    HDC dc_ = nullptr;
};

// Client: the client area (GetDC). Window: the whole window from its top-left corner, frame
// and caption included (GetWindowDC), for painting the non-client area.
enum class TDCArea : uint8_t { Client, Window };

class TWindowDC {
public:
    // wnd null: the screen.
    explicit TWindowDC(HWND wnd, TDCArea area = TDCArea::Client)
        : wnd_(wnd), dc_(area == TDCArea::Window ? GetWindowDC(wnd) : GetDC(wnd))
    {
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    ~TWindowDC()
    {
        if (dc_)
            ReleaseDC(wnd_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND wnd_;
    HDC dc_;
};

class TPaintDC {
public:
    explicit TPaintDC(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    ~TPaintDC() { EndPaint(wnd_, &ps_); }
    HDC get() const { return dc_; }
    const RECT& PaintRect() const { return ps_.rcPaint; }

private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;
    ~TSavedDC()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

} // namespace vt
