// TspSkinPopupWindow: the window of one open menu level. A top-level tool window that is never
// activated and never takes the focus: it shows the level where the controller placed it, cuts
// its corners with the skin's mask, fades in when the menu asks for it, polls the pointer,
// drives the level's scrolling and effects from its own timers, and paints the level in one blit.
#pragma once

#include "menus/menu_services.h"
#include "menus/popup_paint.h"
#include "raster/bitmap.h"

#include <windows.h>

namespace vt {

class TspPopupLevel;

struct TPopupWindowSettings {
    TMenuPaintSources Paint;
    // Layered alpha: the window's opacity, and whether the menu's first level fades in to it.
    bool AlphaBlend = false;
    uint8_t AlphaBlendValue = 200;
    bool AlphaBlendAnimation = false;
};

class TspSkinPopupWindow final : public IMenuLevelView {
public:
    TspSkinPopupWindow(TspPopupLevel& level, TPopupWindowSettings settings);
    ~TspSkinPopupWindow() override;
    TspSkinPopupWindow(const TspSkinPopupWindow&) = delete;
    TspSkinPopupWindow& operator=(const TspSkinPopupWindow&) = delete;

    void Show(TPoint position, int32_t width, int32_t height, bool first) override;
    void Hide() override;
    void Invalidate() override;
    void SetScrollTimer(bool on) override;
    void StartEffectTimer(uint32_t intervalMs) override;

    HWND Handle() const { return hwnd_; }
    // The level as the window shows it.
    void PaintTo(TspBitmap& out) const;

    // Timer ids: 1 is the auto-scroll timer, as the level expects.
    static constexpr UINT_PTR kScrollTimer = 1, kMouseTimer = 2, kEffectTimer = 3;
    static constexpr UINT kMouseIntervalMs = 50, kScrollIntervalMs = 100;
    static const wchar_t* const kClassName;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateRegion();
    void FadeIn();
    void MouseTick();
    HCURSOR SkinCursor() const;

    TspPopupLevel& level_;
    TPopupWindowSettings settings_;
    HWND hwnd_ = nullptr;
    TPoint lastCursor_{-1, -1};
    bool visible_ = false;
};

} // namespace vt
