// What the menu models need from the platform, as small interfaces: a timer, a message sink, the
// work area, and one view (a popup window) per open level. The Win32 half implements them; tests
// use fakes.
#pragma once

#include "framework/base/strings.h"
#include "framework/base/types.h"

#include <cstdint>
#include <memory>

namespace vt {

class ITextRenderer;
class TComponent;
class TspPopupLevel;

// Sent to the form at Hide and to the popup control whenever a menu closes.
inline constexpr uint32_t kMenuClosedMessage = 1024 + 204;
// Sent to the remembered popup control after an item's command ran.
inline constexpr uint32_t kMenuCommandMessage = 1024 + 205;

// A font as the menus choose it; the platform makes a text renderer for it.
struct TMenuFont {
    String Name = L"Tahoma";
    int32_t Height = 13; // the font's lfHeight
    TFontStyles Style = 0;
    uint8_t Charset = 1; // the platform's default charset
    friend bool operator==(const TMenuFont&, const TMenuFont&) = default;
};

class IMenuFonts {
public:
    virtual ~IMenuFonts() = default;
    // A renderer for font, alive as long as the provider.
    virtual ITextRenderer* Renderer(const TMenuFont& font) = 0;
};

// The controller's submenu delay; the host calls TspSkinMenu::WaitTimerTick when it fires.
class IMenuTimer {
public:
    virtual ~IMenuTimer() = default;
    virtual void Start(uint32_t intervalMs) = 0;
    virtual void Stop() = 0;
};

class IMenuMessageSink {
public:
    virtual ~IMenuMessageSink() = default;
    // SendMessage to a windowed control, the control's own dispatch for a graphic one.
    virtual void SendMenuMessage(TComponent* target, uint32_t message) = 0;
};

class IMenuWorkArea {
public:
    virtual ~IMenuWorkArea() = default;
    // The work area of the monitor nearest p, in screen coordinates.
    virtual TRect WorkAreaOf(TPoint p) = 0;
};

// The window of one open level. Hide must take effect at once; the level itself is freed only
// after the handler that closed it returns.
class IMenuLevelView {
public:
    virtual ~IMenuLevelView() = default;
    // First: the root level of a newly opened menu (the only one that fades in).
    virtual void Show(TPoint position, int32_t width, int32_t height, bool first) = 0;
    virtual void Hide() = 0;
    virtual void Invalidate() = 0;
    // The 100 ms auto-scroll timer; the view calls TspPopupLevel::ScrollTick when it fires.
    virtual void SetScrollTimer(bool on) = 0;
    // The morph and animation timer, (re)started at intervalMs; the view calls
    // TspPopupLevel::EffectTick when it fires and stops it when that returns false.
    virtual void StartEffectTimer(uint32_t intervalMs) = 0;
};

class IMenuLevelViews {
public:
    virtual ~IMenuLevelViews() = default;
    virtual std::unique_ptr<IMenuLevelView> CreateView(TspPopupLevel& level) = 0;
};

// Every pointer may be null: a missing timer means submenus open only on clicks and keys, a
// missing work area means the whole coordinate space, missing views mean nothing is shown.
// Fonts, when given, make the renderers; otherwise Text measures every level.
struct TMenuServices {
    ITextRenderer* Text = nullptr;
    IMenuTimer* WaitTimer = nullptr;
    IMenuMessageSink* Messages = nullptr;
    IMenuWorkArea* WorkArea = nullptr;
    IMenuLevelViews* Views = nullptr;
    IMenuFonts* Fonts = nullptr;
};

} // namespace vt
