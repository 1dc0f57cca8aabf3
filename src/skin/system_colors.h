// System colour redirection: while a loaded container redirects, the process-wide queries for the
// window and highlight colour pairs answer with the skin's colours, so parts the platform draws
// (list selections, edit fields) match the skin. One container at most redirects at a time.
//
// The state machine and the mapping are portable; the mechanism that makes the platform's
// functions answer sits behind ISystemColorRedirector (code patching on Windows, flags only
// elsewhere).
#pragma once

#include "framework/base/types.h"

#include <cstdint>
#include <optional>

namespace vt {

class TspSkinData;

enum class TSysColorFunction : uint8_t { fnGetSysColor = 0, fnGetSysColorBrush, fnCreatePen };
inline constexpr int kSysColorFunctionCount = 3;

class ISystemColorRedirector {
public:
    virtual bool IsRedirected(TSysColorFunction fn) const = 0;
    // Each does nothing when the function already is (or is not) redirected; a function that
    // cannot be redirected stays as it is.
    virtual void Redirect(TSysColorFunction fn) = 0;
    virtual void Restore(TSysColorFunction fn) = 0;

protected:
    ~ISystemColorRedirector() = default;
};

// The platform's mechanism: code patches of user32/gdi32 on Windows, flags elsewhere.
ISystemColorRedirector& PlatformSystemColorRedirector();
// Replaces the mechanism (tests); null goes back to the platform's.
void SetSystemColorRedirector(ISystemColorRedirector* redirector);
ISystemColorRedirector& SystemColorRedirector();

// The container whose colours the platform answers with, or null.
TspSkinData* RedirectingSkinData();

// Stores the container's ChangeSystemColors option and switches the redirection: the first
// loaded container to switch it on redirects the three functions; switching it off releases
// them. While another container redirects, nothing happens.
void SwitchSystemColors(TspSkinData& skinData, bool value);
// Removes every redirection and forgets the container, when it is the redirecting one (clear,
// destruction).
void ReleaseSystemColors(TspSkinData& skinData);

// The skin colour that answers the colour query index (COLOR_WINDOW 5, COLOR_WINDOWTEXT 8,
// COLOR_HIGHLIGHT 13, COLOR_HIGHLIGHTTEXT 14) when its pair is among the container's hooks;
// nothing for every other index. The colour may itself name a system colour.
std::optional<TColor> RedirectedSysColor(const TspSkinData& skinData, int index);

} // namespace vt
