#include "framework/base/menus.h"

#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"

#include <algorithm>
#include <atomic>

namespace vt {

// --- shortcuts ------------------------------------------------------------------------------
namespace {

struct TKeyName {
    uint16_t Key;
    const wchar_t* Name;
};

// Named keys other than letters, digits and F1..F24; the one list both directions read.
constexpr TKeyName kKeyNames[] = {
    { 0x08, L"BkSp" },
    { 0x09, L"Tab" },
    { 0x0D, L"Enter" },
    { 0x1B, L"Esc" },
    { 0x20, L"Space" },
    { 0x21, L"PgUp" },
    { 0x22, L"PgDn" },
    { 0x23, L"End" },
    { 0x24, L"Home" },
    { 0x25, L"Left" },
    { 0x26, L"Up" },
    { 0x27, L"Right" },
    { 0x28, L"Down" },
    { 0x2D, L"Ins" },
    { 0x2E, L"Del" },
    { 0x60, L"Num 0" },
    { 0x61, L"Num 1" },
    { 0x62, L"Num 2" },
    { 0x63, L"Num 3" },
    { 0x64, L"Num 4" },
    { 0x65, L"Num 5" },
    { 0x66, L"Num 6" },
    { 0x67, L"Num 7" },
    { 0x68, L"Num 8" },
    { 0x69, L"Num 9" },
    { 0x6A, L"Num *" },
    { 0x6B, L"Num +" },
    { 0x6D, L"Num -" },
    { 0x6E, L"Num ." },
    { 0x6F, L"Num /" },
};

constexpr uint16_t kVkF1 = 0x70;
constexpr int kFunctionKeys = 24;

struct TModifier {
    TShortCut Bit;
    const wchar_t* Prefix;
};
constexpr TModifier kModifiers[]
    = { { scShift, L"Shift+" }, { scCtrl, L"Ctrl+" }, { scAlt, L"Alt+" } };

String KeyName(uint16_t key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return String(1, static_cast<wchar_t>(key));
    if (key >= kVkF1 && key < kVkF1 + kFunctionKeys)
        return L"F" + IntToStr(key - kVkF1 + 1);
    for (const TKeyName& k : kKeyNames)
        if (k.Key == key)
            return k.Name;
    return {};
}

// The key a name stands for, 0 for none.
uint16_t KeyOfName(std::wstring_view name)
{
    if (name.size() == 1) {
        wchar_t c = ToUpperAscii(name[0]);
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9'))
            return static_cast<uint16_t>(c);
    }
    if (name.size() >= 2 && ToUpperAscii(name[0]) == L'F') {
        int32_t n = 0;
        if (name[1] != L'+' && name[1] != L'-' && TryStrToInt(name.substr(1), n) && n >= 1
            && n <= kFunctionKeys)
            return static_cast<uint16_t>(kVkF1 + n - 1);
    }
    for (const TKeyName& k : kKeyNames)
        if (SameText(name, k.Name))
            return k.Key;
    return 0;
}

} // namespace

String ShortCutToText(TShortCut shortCut)
{
    String key = KeyName(static_cast<uint16_t>(shortCut & 0xFF));
    if (key.empty())
        return {};
    String text;
    for (const TModifier& m : kModifiers)
        if (shortCut & m.Bit)
            text += m.Prefix;
    return text + key;
}

TShortCut ShortCutOfKey(uint16_t virtualKey, bool shift, bool ctrl, bool alt)
{
    TShortCut key = static_cast<TShortCut>(virtualKey & 0xFF);
    if (shift)
        key |= scShift;
    if (ctrl)
        key |= scCtrl;
    if (alt)
        key |= scAlt;
    return key;
}

TShortCut TextToShortCut(std::wstring_view text)
{
    TShortCut shift = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifier& m : kModifiers) {
            std::wstring_view p = m.Prefix;
            if (text.size() > p.size() && SameText(text.substr(0, p.size()), p)) {
                shift |= m.Bit;
                text.remove_prefix(p.size());
                found = true;
            }
        }
    }
    uint16_t key = KeyOfName(text);
    return key ? static_cast<TShortCut>(shift | key) : scNone;
}

// --- accelerators ---------------------------------------------------------------------------
wchar_t AccelCharOfKey(uint16_t key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == ' ')
        return static_cast<wchar_t>(key);
    if (key >= 0x60 && key <= 0x69) // numpad digits
        return static_cast<wchar_t>(L'0' + key - 0x60);
    switch (key) {
    case 0x6A:
        return L'*';
    case 0x6B:
        return L'+';
    case 0x6D:
        return L'-';
    case 0x6E:
        return L'.';
    case 0x6F:
        return L'/';
    default:
        return 0;
    }
}

bool IsAccelKey(uint16_t key, std::wstring_view caption)
{
    wchar_t ch = AccelCharOfKey(key);
    return ch != 0 && IsAccel(ch, caption);
}

String StripHotkey(std::wstring_view caption)
{
    String r;
    r.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&') {
            if (i + 1 >= caption.size())
                break;
            ++i;
        }
        r += caption[i];
    }
    return r;
}

// --- items ----------------------------------------------------------------------------------
namespace {
std::atomic<uint32_t> gNextCommand { 1 };
}

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
    , command_(gNextCommand++)
{
}

TMenuItem::~TMenuItem()
{
    Detach();
    // Children leave the list themselves as they go.
    while (!items_.empty())
        delete items_.back();
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(L"List index out of bounds (" + IntToStr(index) + L")");
    return items_[static_cast<size_t>(index)];
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item)
        return;
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item)
            throw EMenuError(L"A menu item cannot contain itself");
    item->Detach();
    if (index < 0 || index > Count())
        throw EListError(L"List index out of bounds (" + IntToStr(index) + L")");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Delete(int index)
{
    Items(index)->Detach();
}

void TMenuItem::Remove(TMenuItem* item)
{
    if (item && item->parent_ == this)
        item->Detach();
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        delete items_.back();
}

void TMenuItem::Detach()
{
    if (!parent_)
        return;
    auto& list = parent_->items_;
    list.erase(std::find(list.begin(), list.end(), this));
    parent_ = nullptr;
}

void TMenuItem::Click()
{
    if (Enabled)
        OnClick(this);
}

bool TMenuItem::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TMenuItem;
    static const TPropertyRow<Self> rows[] = {
        { L"Caption", [](Self& m, const TPropValue& v) { m.Caption = v.AsString(); } },
        { L"ShortCut",
            [](Self& m, const TPropValue& v) {
                if (v.Kind == TValueKind::vkString) {
                    m.ShortCut = TextToShortCut(v.Str);
                    if (m.ShortCut == scNone && !v.Str.empty())
                        throw EReadError(L"Invalid property value '" + v.Str + L"'");
                    return;
                }
                int32_t n = v.AsInteger();
                if (n < 0 || n > 0xFFFF)
                    throw EReadError(L"Invalid property value: ShortCut");
                m.ShortCut = static_cast<TShortCut>(n);
            } },
        { L"Enabled", [](Self& m, const TPropValue& v) { m.Enabled = v.AsBoolean(); } },
        { L"Visible", [](Self& m, const TPropValue& v) { m.Visible = v.AsBoolean(); } },
        { L"Checked", [](Self& m, const TPropValue& v) { m.Checked = v.AsBoolean(); } },
        { L"RadioItem", [](Self& m, const TPropValue& v) { m.RadioItem = v.AsBoolean(); } },
        { L"GroupIndex",
            [](Self& m, const TPropValue& v) {
                int32_t n = v.AsInteger();
                if (n < 0 || n > 255)
                    throw EReadError(L"Invalid property value: GroupIndex");
                m.GroupIndex = static_cast<uint8_t>(n);
            } },
        { L"ImageIndex", [](Self& m, const TPropValue& v) { m.ImageIndex = v.AsInteger(); } },
        { L"Hint", [](Self& m, const TPropValue& v) { m.Hint = v.AsString(); } },
        { L"OnClick",
            [](Self& m, const TPropValue& v) { m.OnClick = v.AsMethod<TNotifyEvent>(); } },
        { L"OnDrawItem",
            [](Self& m, const TPropValue& v) { m.OnDrawItem = v.AsMethod<TMenuDrawItemEvent>(); } },
    };
    return SetFromTable(*this, rows, name, value) || TComponent::SetProperty(name, value);
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
    else
        throw EComponentError(L"Menu item " + Name() + L" must sit inside a menu or a menu item");
}

// --- menus ----------------------------------------------------------------------------------
TMenu::TMenu(TComponent* owner)
    : TComponent(owner)
    , items_(std::make_unique<TMenuItem>(nullptr))
{
    items_->menu_ = this;
}

TMenu::~TMenu() = default;

namespace {

template <class Pred> TMenuItem* FindItem(TMenuItem* item, const Pred& pred, bool enabledOnly)
{
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (enabledOnly && !(child->Enabled && child->Visible))
            continue;
        if (pred(*child))
            return child;
        if (TMenuItem* found = FindItem(child, pred, enabledOnly))
            return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const
{
    if (shortCut == scNone)
        return nullptr;
    return FindItem(
        items_.get(), [&](const TMenuItem& m) { return m.ShortCut == shortCut; }, true);
}

bool TMenu::IsShortCut(TShortCut shortCut)
{
    TMenuItem* item = FindItemByShortCut(shortCut);
    if (!item)
        return false;
    item->Click(); // may free this menu: nothing is touched after it
    return true;
}

TMenuItem* TMenu::FindItemByCommand(uint32_t command) const
{
    return FindItem(
        items_.get(), [&](const TMenuItem& m) { return m.Command() == command; }, false);
}

bool TMenu::DispatchCommand(uint32_t command)
{
    TMenuItem* item = FindItemByCommand(command);
    if (!item)
        return false;
    item->Click();
    return true;
}

bool TMenu::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"Images")) {
        SetImages(value);
        return true;
    }
    return TComponent::SetReference(name, value);
}

void TPopupMenu::Popup(int32_t x, int32_t y)
{
    PopupPoint = { x, y };
    OnPopup(this);
}

bool TPopupMenu::SetProperty(const String& name, const TPropValue& value)
{
    if (SameDescriptionName(name, L"OnPopup")) {
        OnPopup = value.AsMethod<TNotifyEvent>();
        return true;
    }
    return TMenu::SetProperty(name, value);
}

void RegisterMenuClasses()
{
    RegisterComponentClass<TMenuItem>();
    RegisterComponentClass<TPopupMenu>();
    RegisterComponentClass<TMainMenu>();
}

} // namespace vt
