#include "form/shortcut_order.h"

namespace vt {

namespace {

constexpr uint16_t kVkSpace = 0x20;

uint16_t KeyOf(TShortCut key) { return static_cast<uint16_t>(key & 0xFF); }

template <class Step> bool Takes(const Step& step, TShortCut key) { return step && step(key); }

} // namespace

bool IsAltAccel(TShortCut key, std::wstring_view caption)
{
    return (key & scAlt) != 0 && IsAccelKey(KeyOf(key), caption);
}

bool IsAltSpace(TShortCut key) { return (key & scAlt) != 0 && KeyOf(key) == kVkSpace; }

bool DispatchShortCut(TShortCut key, const TspShortCutSteps& steps)
{
    if (Takes(steps.OnShortCut, key))
        return true;
    if (IsAltSpace(key)) {
        if (steps.SystemMenu)
            steps.SystemMenu();
        return true;
    }
    if (steps.ResetInShortCut)
        steps.ResetInShortCut();
    if (Takes(steps.MainMenu, key) || Takes(steps.MenuButton, key))
        return true;
    if (steps.CaptionTabs)
        steps.CaptionTabs(key);
    return Takes(steps.UserSystemMenu, key);
}

} // namespace vt
