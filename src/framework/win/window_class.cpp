#include "framework/win/window_class.h"

#include "framework/base/exceptions.h"
#include "framework/base/strings.h"

namespace vt {

bool EnsureWindowClass(WNDCLASSEXW wc)
{
    wc.cbSize = sizeof wc;
    wc.hInstance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing))
        return false;
    if (!RegisterClassExW(&wc))
        throw EOutOfResources(String(L"Cannot register window class ") + wc.lpszClassName);
    return true;
}

} // namespace vt
