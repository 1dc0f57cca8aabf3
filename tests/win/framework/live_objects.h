// Test helper: how many GDI and USER objects this process holds.
//
// GetGuiResources answers 0 under Wine, so the counts come from probing the handle tables: GDI
// objects and USER objects are looked up by the low word of their handle (the table index) when
// the high word (the generation) is 0, on Windows and under Wine alike. A probe finds exactly the
// live objects, whatever created them. Windows are counted when they belong to this process;
// icons and cursors by a successful GetIconInfo (whose bitmap copies are freed at once).
#pragma once

#include <windows.h>

namespace vt::test {

struct TLiveObjects {
    int gdi = 0;
    int windows = 0;
    int menus = 0;
    int icons = 0;
    int user() const { return windows + menus + icons; }
};

inline TLiveObjects CountLiveObjects()
{
    TLiveObjects n;
    // The GDI table: indexes from 32 up (the first ones are never handed out).
    for (UINT i = 32; i < 0x10000; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(i))) != 0)
            ++n.gdi;
    const DWORD self = GetCurrentProcessId();
    // USER handles are even table positions from 0x20.
    for (UINT i = 0x20; i < 0x10000; i += 2) {
        auto h = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(i));
        auto wnd = static_cast<HWND>(h);
        DWORD pid = 0;
        if (IsWindow(wnd)) {
            GetWindowThreadProcessId(wnd, &pid);
            if (pid == self)
                ++n.windows;
            continue;
        }
        if (IsMenu(static_cast<HMENU>(h))) {
            ++n.menus;
            continue;
        }
        ICONINFO info{};
        if (GetIconInfo(static_cast<HICON>(h), &info)) {
            if (info.hbmMask)
                DeleteObject(info.hbmMask);
            if (info.hbmColor)
                DeleteObject(info.hbmColor);
            ++n.icons;
        }
    }
    return n;
}

} // namespace vt::test
