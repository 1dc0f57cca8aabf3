// TIcon: one owned HICON (loaded from a resource or a file, or adopted), drawn at any size, and
// the small-icon size the caption draws at.
#pragma once

// types.h before windows.h: its GetRValue/GetGValue/GetBValue would otherwise meet the macros.
#include "framework/base/strings.h"
#include "framework/base/types.h"

#include <windows.h>

#include <functional>

namespace vt {

class TIcon {
public:
    TIcon() = default;
    // Takes ownership of icon (destroyed with DestroyIcon).
    explicit TIcon(HICON icon) : handle_(icon) {}
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;
    TIcon(TIcon&& o) noexcept : handle_(o.ReleaseHandle()) {}
    TIcon& operator=(TIcon&& o) noexcept;
    ~TIcon() { Destroy(); }

    // Makes this icon a copy (CopyIcon) of other's, or empty when other is.
    void Assign(const TIcon& other);
    bool Empty() const { return handle_ == nullptr; }
    HICON Handle() const { return handle_; }
    // Takes ownership of icon, destroying the one held before.
    void SetHandle(HICON icon);
    // Gives up ownership: the caller destroys the handle returned.
    HICON ReleaseHandle();

    // The icon resource nameOrId of module (MAKEINTRESOURCE for a number) at size (0: the
    // system's large-icon size). Raises EInvalidGraphic when there is no such icon.
    void LoadFromResource(HINSTANCE module, const wchar_t* nameOrId, int size = 0);
    void LoadFromResource(HINSTANCE module, int id, int size = 0)
    {
        LoadFromResource(module, MAKEINTRESOURCEW(id), size);
    }
    // An .ico file at size (0: the system's large-icon size). Raises EInvalidGraphic when the
    // file is missing or not an icon.
    void LoadFromFile(const String& path, int size = 0);

    // Pixel size of the held icon; 0, 0 when empty.
    SIZE Size() const;
    // Draws the icon stretched to width x height; nothing when empty.
    void Draw(HDC dc, int x, int y, int width, int height) const;
    // Draws at the small-icon size (SmallIconSize).
    void DrawSmall(HDC dc, int x, int y) const;
    // True when the colour image has 32 bits per pixel and any pixel has a non-zero alpha:
    // such an icon blends by its alpha, others by their mask.
    bool HasAlpha() const;

    // Called after the handle changed.
    std::function<void()> OnChange;

private:
    void Destroy();
    void Changed();
    HICON handle_ = nullptr;
};

// SM_CXSMICON x SM_CYSMICON.
SIZE SmallIconSize();

// Whether icon's colour image carries alpha (see TIcon::HasAlpha); false for null.
bool IconHasAlpha(HICON icon);

} // namespace vt
