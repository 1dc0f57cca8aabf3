// Test helper: input as a user gives it, through SendInput into the foreground window, with the
// application's loop run after each step so the pipeline sees it.
#pragma once

#include "framework/win/forms.h"

#include <initializer_list>
#include <vector>

namespace vt::test {

// Runs the application's loop for about ms milliseconds.
inline void Pump(int ms = 60)
{
    DWORD start = GetTickCount();
    do {
        Application->ProcessMessages();
        Sleep(5);
    } while (GetTickCount() - start < static_cast<DWORD>(ms));
}

// Runs the application's loop until done() holds or about ms milliseconds have passed; says
// whether it held. Timers lag on a loaded machine, so waits on them end on the state, not a time.
template <class F> bool PumpUntil(F done, int ms = 3000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= static_cast<DWORD>(ms))
            return false;
        Application->ProcessMessages();
        Sleep(5);
    }
    return true;
}

// Presses the keys in order and releases them in reverse, as a chord.
inline void Chord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> in;
    for (WORD k : keys) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        in.push_back(i);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    Pump();
}

// Presses and releases each key in turn.
inline void Keys(std::initializer_list<WORD> keys)
{
    for (WORD k : keys)
        Chord({k});
}

inline void Mouse(DWORD flags, DWORD data = 0)
{
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.dwFlags = flags;
    i.mi.mouseData = data;
    SendInput(1, &i, sizeof i);
    Pump();
}

} // namespace vt::test
