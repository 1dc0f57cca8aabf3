// Reading and driving the skinned popup menu a control opens, with real input.
#pragma once

#include "menus/popup_level.h"
#include "menus/skin_menu.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vt::test {

using TMenuItemStates = std::vector<std::pair<std::wstring, bool>>;

// Caption and enabled state of each item of the menu's first level.
inline TMenuItemStates OpenMenuItems(TspSkinMenu& menu)
{
    TMenuItemStates out;
    TspPopupLevel& l = menu.Level(0);
    for (int i = 0; i < l.Count(); ++i)
        out.emplace_back(l.Item(i).MenuItem->Caption, l.Item(i).MenuItem->Enabled);
    return out;
}

// The screen centre of the first-level item with that caption.
inline TPoint OpenMenuItemCentre(TspSkinMenu& menu, const std::wstring& caption)
{
    TspPopupLevel& l = menu.Level(0);
    for (int i = 0; i < l.Count(); ++i)
        if (l.Item(i).MenuItem->Caption == caption) {
            const TRect r = l.ScreenRect(i);
            return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        }
    ADD_FAILURE() << "no item";
    return {};
}

// A real right click at a screen point.
inline void RightClickAt(TPoint p)
{
    SetCursorPos(p.X, p.Y);
    Mouse(MOUSEEVENTF_MOVE);
    Mouse(MOUSEEVENTF_RIGHTDOWN);
    Mouse(MOUSEEVENTF_RIGHTUP);
    Pump(100);
}

// Hovers the item, then clicks it with the real left button.
inline void ChooseOpenMenuItem(TspSkinMenu& menu, const std::wstring& caption)
{
    const TPoint p = OpenMenuItemCentre(menu, caption);
    SetCursorPos(p.X, p.Y);
    Mouse(MOUSEEVENTF_MOVE);
    Pump(150);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Pump(100);
}

} // namespace vt::test
