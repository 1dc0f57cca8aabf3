// Test helper: the clipboard's Unicode text, set and read as another program would.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

namespace vt::test {

// Empties the clipboard and, unless text is empty, puts text on it. False when it is busy.
inline bool SetClipboardText(HWND owner, const std::wstring& text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    if (!text.empty()) {
        HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(mem);
        SetClipboardData(CF_UNICODETEXT, mem);
    }
    CloseClipboard();
    return true;
}

inline std::wstring ClipboardText(HWND owner)
{
    std::wstring text;
    if (!OpenClipboard(owner))
        return L"<clipboard busy>";
    if (HANDLE mem = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(mem));
        GlobalUnlock(mem);
    }
    CloseClipboard();
    return text;
}

} // namespace vt::test
