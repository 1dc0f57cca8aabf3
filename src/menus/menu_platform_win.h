// The platform services of a menu controller: the submenu wait as a window timer, menu messages
// sent to windowed controls and dispatched to window-less ones, monitor work areas, GDI text
// renderers per font, and a TspSkinPopupWindow per open level.
#pragma once

#include "framework/base/component.h"
#include "menus/menu_services.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace vt {

class TFont;
class TGdiTextRenderers;
class TspSkinMenu;

class TMenuPlatform final : public TComponent, IMenuTimer, IMenuMessageSink, IMenuWorkArea, IMenuLevelViews,
                            IMenuFonts {
    VT_CLASS_NAME(TMenuPlatform)
public:
    // Owned by menu, whose services it becomes; it goes only with the menu.
    explicit TMenuPlatform(TspSkinMenu& menu);
    ~TMenuPlatform() override;

    ITextRenderer* Renderer(const TMenuFont& font) override;
    // The GDI font behind a renderer this provider made (for items that draw themselves).
    TFont* FontOf(const TMenuFont& font);

private:
    void Start(uint32_t intervalMs) override;
    void Stop() override;
    void SendMenuMessage(TComponent* target, uint32_t message) override;
    TRect WorkAreaOf(TPoint p) override;
    std::unique_ptr<IMenuLevelView> CreateView(TspPopupLevel& level) override;
    static LRESULT CALLBACK TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    TspSkinMenu& menu_;
    HWND timerWindow_ = nullptr;
    std::unique_ptr<TGdiTextRenderers> fonts_;
};

// Gives menu the platform's services (once; later calls keep the first).
TMenuPlatform& UsePlatformServices(TspSkinMenu& menu);

} // namespace vt
