// Test helper: reads and closes the next message box.
#pragma once

#include <windows.h>

#include <string>

namespace vt::test {

// Reads the text of the next message box and closes it, so a test does not block. The box is
// read shortly after it activates, once its dialog has set its texts.
struct BoxWatcher {
    static inline std::wstring text, title;
    static inline bool icon = false;
    static inline RECT rect{};
    static inline HWND owner = nullptr;
    static inline HHOOK hook = nullptr;
    static inline HWND box = nullptr;
    static void CALLBACK Read(HWND, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(nullptr, id);
        wchar_t buf[512] = {};
        GetDlgItemTextW(box, 0xFFFF, buf, 512);
        text = buf;
        GetWindowTextW(box, buf, 512);
        title = buf;
        GetWindowRect(box, &rect);
        owner = GetWindow(box, GW_OWNER);
        icon = false;
        for (int iconId : {0x14, 0x440})  // the icon control: Windows' id, Wine's id
            if (HWND c = GetDlgItem(box, iconId))
                icon = icon || (IsWindowVisible(c) && SendMessageW(c, STM_GETICON, 0, 0) != 0);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp)
    {
        wchar_t cls[16] = {};
        if (code == HCBT_ACTIVATE && GetClassNameW(reinterpret_cast<HWND>(wp), cls, 16) &&
            std::wstring(cls) == L"#32770") {  // the box's dialog class, not another window
            box = reinterpret_cast<HWND>(wp);
            SetTimer(nullptr, 0, 30, Read);
        }
        return CallNextHookEx(hook, code, wp, lp);
    }
    BoxWatcher()
    {
        text.clear();
        title.clear();
        hook = SetWindowsHookExW(WH_CBT, Proc, nullptr, GetCurrentThreadId());
    }
    ~BoxWatcher() { UnhookWindowsHookEx(hook); }
};

} // namespace vt::test
