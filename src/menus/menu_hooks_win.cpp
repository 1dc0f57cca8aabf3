#include "menus/menu_hooks_win.h"

#include "menus/skin_menu.h"

namespace vt {

namespace {

TMessageHookScope::Handler KeyHandler(TspSkinMenu& menu, std::function<void()> onClosed)
{
    // Everything by value: what a key does may remove this very hook.
    return [menu = TComponentRef<TspSkinMenu>(&menu), onClosed = std::move(onClosed)](
               MSG& msg, bool& handled, const TMessageEvent& previous) {
        if (msg.message == WM_MOUSEWHEEL) {
            handled = true;
            return;
        }
        if (msg.message != WM_KEYDOWN) {
            previous(msg, handled);
            return;
        }
        if (!menu || !menu->Visible()) {
            onClosed();
            previous(msg, handled);
            return;
        }
        handled = true;
        menu->PopupKeyDown(static_cast<uint16_t>(msg.wParam));
        if (!menu || !menu->Visible())
            onClosed();
    };
}

} // namespace

TMenuKeyHook::TMenuKeyHook(TspSkinMenu& menu, std::function<void()> onClosed)
    : scope_(KeyHandler(menu, std::move(onClosed)))
{
}

bool IsMenuClosingMessage(UINT msg)
{
    switch (msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

} // namespace vt
