#include "framework/win/stdctrls.h"

#include "framework/base/property_table.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vt {

namespace {

// The native sorted list's order: letter case ignored, by the user's locale.
int CompareItems(const String& a, const String& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) -
           CSTR_EQUAL;
}

} // namespace

struct TCustomListBox::TMemoryDC {
    TMemoryDC() : dc(CreateCompatibleDC(nullptr)) {}
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    ~TMemoryDC() { DeleteDC(dc); }
    HDC dc;
};

// --- TListBoxStrings ------------------------------------------------------------------------

int TListBoxStrings::Count() const
{
    const TCustomListBox& o = owner_;
    return o.Native() ? static_cast<int>(o.Send(LB_GETCOUNT)) : static_cast<int>(o.stored_.size());
}

String TListBoxStrings::Strings(int index) const
{
    const TCustomListBox& o = owner_;
    o.CheckIndex(index, Count() - 1);
    if (!o.Native())
        return o.stored_[static_cast<size_t>(index)].Text;
    const auto length = o.Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0)
        return {};
    String s(static_cast<size_t>(length) + 1, L'\0');
    const auto got = o.Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return s;
}

void TListBoxStrings::Put(int index, const String& s)
{
    TCustomListBox& o = owner_;
    o.CheckIndex(index, Count() - 1);
    const bool selected = o.Selected(index);
    const int itemIndex = o.ItemIndex();
    Delete(index);
    int at = index;
    if (o.sorted_)
        at = Add(s);
    else
        Insert(index, s);
    if (selected)
        o.SetSelected(at, true);
    if (itemIndex == index && !o.multiSelect_)
        o.SetItemIndex(at);
}

int TListBoxStrings::Add(const String& s)
{
    TCustomListBox& o = owner_;
    if (o.Native()) {
        const auto at = o.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        if (at < 0)
            throw EOutOfResources(L"The list box cannot take more items");
        return static_cast<int>(at);
    }
    const int at = o.sorted_ ? o.StoredSortedPlace(s) : Count();
    InsertAt(at, s);
    return at;
}

void TListBoxStrings::Insert(int index, const String& s)
{
    if (owner_.sorted_)
        Add(s);
    else
        InsertAt(index, s);
}

void TListBoxStrings::InsertAt(int index, const String& s)
{
    TCustomListBox& o = owner_;
    o.CheckIndex(index, Count());
    if (o.Native()) {
        if (o.Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.c_str())) < 0)
            throw EOutOfResources(L"The list box cannot take more items");
        return;
    }
    o.stored_.insert(o.stored_.begin() + index, {s, false});
    if (o.storedItemIndex_ >= index)
        ++o.storedItemIndex_;
}

void TListBoxStrings::Delete(int index)
{
    TCustomListBox& o = owner_;
    o.CheckIndex(index, Count() - 1);
    if (o.Native()) {
        o.Send(LB_DELETESTRING, static_cast<WPARAM>(index));
        return;
    }
    o.stored_.erase(o.stored_.begin() + index);
    if (o.storedItemIndex_ == index)
        o.storedItemIndex_ = -1;
    else if (o.storedItemIndex_ > index)
        --o.storedItemIndex_;
}

void TListBoxStrings::Clear()
{
    TCustomListBox& o = owner_;
    if (o.Native()) {
        o.Send(LB_RESETCONTENT);
        return;
    }
    o.stored_.clear();
    o.storedItemIndex_ = -1;
    o.storedTopIndex_ = 0;
}

int TListBoxStrings::IndexOf(std::wstring_view s) const
{
    for (int i = 0, n = Count(); i < n; ++i)
        if (Strings(i) == s)
            return i;
    return -1;
}

void TListBoxStrings::Assign(const TStrings& other)
{
    Clear();
    AddStrings(other);
}

void TListBoxStrings::AddStrings(const TStrings& other)
{
    for (const String& s : other)
        Add(s);
}

TStringList TListBoxStrings::ToStrings() const
{
    TStringList list;
    for (int i = 0, n = Count(); i < n; ++i)
        list.Add(Strings(i));
    return list;
}

// --- TCustomListBox -------------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
}

TCustomListBox::~TCustomListBox()
{
    // The canvas lets go of the memory DC before the DC goes.
    canvas_.SetHandle(nullptr);
}

LRESULT TCustomListBox::Send(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    // Through WindowProc, so that a subclass or a hook sees the list's messages.
    return const_cast<TCustomListBox*>(this)->Perform(msg, wParam, lParam);
}

void TCustomListBox::CheckIndex(int index, int to) const
{
    if (index < 0 || index > to)
        throw EListError(Format("List index out of bounds (%d)", index));
}

int TCustomListBox::StoredSortedPlace(const String& s) const
{
    auto it = std::upper_bound(stored_.begin(), stored_.end(), s,
                               [](const String& v, const TStoredItem& item) {
                                   return CompareItems(v, item.Text) < 0;
                               });
    return static_cast<int>(it - stored_.begin());
}

void TCustomListBox::SortStored()
{
    std::vector<size_t> order(stored_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        return CompareItems(stored_[a].Text, stored_[b].Text) < 0;
    });
    std::vector<TStoredItem> sorted;
    sorted.reserve(order.size());
    int itemIndex = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(stored_[order[i]]));
        if (static_cast<int>(order[i]) == storedItemIndex_)
            itemIndex = static_cast<int>(i);
    }
    stored_ = std::move(sorted);
    storedItemIndex_ = itemIndex;
}

void TCustomListBox::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = L"LISTBOX";
    // The native list fills its scroll information only when it has the vertical bar style.
    p.Style |= WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
               LBS_NOINTEGRALHEIGHT;
    if (sorted_)
        p.Style |= LBS_SORT;
    if (multiSelect_)
        p.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (columns_ > 0)
        p.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd()
{
    TWinControl::CreateWnd();
    Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight_, 0));
    ApplyColumnWidth();
    RestoreItems();
}

void TCustomListBox::DestroyHandle()
{
    if (HandleAllocated())
        SaveItems();
    TWinControl::DestroyHandle();
}

void TCustomListBox::SaveItems()
{
    std::vector<TStoredItem> items;
    const int count = items_.Count();
    items.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        items.push_back({items_.Strings(i), multiSelect_ && Send(LB_GETSEL, static_cast<WPARAM>(i)) > 0});
    storedItemIndex_ = ItemIndex();
    storedTopIndex_ = TopIndex();
    stored_ = std::move(items);
}

void TCustomListBox::RestoreItems()
{
    // The native sorted list puts each item in its place; sorted first, the stored selection
    // keeps to its items.
    if (sorted_)
        SortStored();
    std::vector<TStoredItem> items = std::exchange(stored_, {});
    const int itemIndex = std::exchange(storedItemIndex_, -1);
    const int topIndex = std::exchange(storedTopIndex_, 0);
    for (const TStoredItem& item : items)
        items_.Add(item.Text);
    if (multiSelect_) {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].Selected)
                Send(LB_SETSEL, TRUE, static_cast<LPARAM>(i));
        if (itemIndex >= 0)
            Send(LB_SETCARETINDEX, static_cast<WPARAM>(itemIndex), FALSE);
    } else if (itemIndex >= 0) {
        Send(LB_SETCURSEL, static_cast<WPARAM>(itemIndex));
    }
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(topIndex));
}

int TCustomListBox::ItemIndex() const
{
    if (!Native())
        return storedItemIndex_;
    if (!multiSelect_)
        return static_cast<int>(Send(LB_GETCURSEL));
    // The focus rests on item 0 of a list nobody touched; an empty list has none.
    return items_.Count() > 0 ? static_cast<int>(Send(LB_GETCARETINDEX)) : -1;
}

void TCustomListBox::SetItemIndex(int v)
{
    const int count = items_.Count();
    if (v < -1 || v >= count)
        v = -1;
    if (!Native()) {
        if (multiSelect_)
            for (size_t i = 0; i < stored_.size(); ++i)
                stored_[i].Selected = static_cast<int>(i) == v;
        storedItemIndex_ = v;
        return;
    }
    if (!multiSelect_) {
        Send(LB_SETCURSEL, static_cast<WPARAM>(v));
        return;
    }
    Send(LB_SETSEL, FALSE, -1);
    if (v >= 0) {
        Send(LB_SETSEL, TRUE, v);
        Send(LB_SETCARETINDEX, static_cast<WPARAM>(v), FALSE);
    }
}

int TCustomListBox::TopIndex() const
{
    return Native() ? static_cast<int>(Send(LB_GETTOPINDEX)) : storedTopIndex_;
}

void TCustomListBox::SetTopIndex(int v)
{
    if (Native())
        Send(LB_SETTOPINDEX, static_cast<WPARAM>(std::max(v, 0)));
    else
        storedTopIndex_ = std::max(v, 0);
}

void TCustomListBox::SetItemHeight(int v)
{
    // The native list keeps heights in a byte.
    v = std::clamp(v, 1, 255);
    if (v == itemHeight_)
        return;
    itemHeight_ = v;
    if (Native()) {
        Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(v, 0));
        ApplyColumnWidth();
        Invalidate();
    }
}

void TCustomListBox::SetSorted(bool v)
{
    if (v == sorted_)
        return;
    sorted_ = v;
    if (Native()) {
        RecreateWnd();
        return;
    }
    if (v)
        SortStored();
}

void TCustomListBox::SetMultiSelect(bool v)
{
    if (v == multiSelect_)
        return;
    // One mode's selection means nothing to the other: the current item stays the selection.
    int itemIndex = ItemIndex();
    if (itemIndex >= 0 && !Selected(itemIndex))
        itemIndex = -1;
    const bool native = Native();
    if (native)
        SaveItems();
    for (size_t i = 0; i < stored_.size(); ++i)
        stored_[i].Selected = v && static_cast<int>(i) == itemIndex;
    storedItemIndex_ = itemIndex;
    multiSelect_ = v;
    if (native) {
        // Saved already: the base's destroy keeps what was stored for the new window.
        TWinControl::DestroyHandle();
        CreateHandle();
    }
}

void TCustomListBox::SetExtendedSelect(bool v)
{
    if (v == extendedSelect_)
        return;
    extendedSelect_ = v;
    if (multiSelect_ && Native())
        RecreateWnd();
}

void TCustomListBox::SetColumns(int v)
{
    v = std::max(v, 0);
    if (v == columns_)
        return;
    const bool styleChanges = (v == 0) != (columns_ == 0);
    columns_ = v;
    if (!Native())
        return;
    if (styleChanges)
        RecreateWnd();
    else
        ApplyColumnWidth();
}

void TCustomListBox::ApplyColumnWidth()
{
    if (columns_ <= 0 || !Native())
        return;
    RECT r{};
    GetClientRect(Handle(), &r);
    Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(1L, (r.right - r.left) / columns_)));
}

bool TCustomListBox::Selected(int index) const
{
    CheckIndex(index, items_.Count() - 1);
    if (Native())
        return Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
    return multiSelect_ ? stored_[static_cast<size_t>(index)].Selected : storedItemIndex_ == index;
}

void TCustomListBox::SetSelected(int index, bool v)
{
    CheckIndex(index, items_.Count() - 1);
    if (!multiSelect_) {
        if (v)
            SetItemIndex(index);
        else if (ItemIndex() == index)
            SetItemIndex(-1);
        return;
    }
    if (Native())
        Send(LB_SETSEL, v ? TRUE : FALSE, index);
    else
        stored_[static_cast<size_t>(index)].Selected = v;
}

int TCustomListBox::SelCount() const
{
    if (!multiSelect_)
        return ItemIndex() >= 0 ? 1 : 0;
    if (Native())
        return static_cast<int>(Send(LB_GETSELCOUNT));
    return static_cast<int>(std::count_if(stored_.begin(), stored_.end(),
                                          [](const TStoredItem& i) { return i.Selected; }));
}

int TCustomListBox::ItemAtPos(TPoint p, bool existing) const
{
    const int count = items_.Count();
    if (Native() && count > 0) {
        // The native answer is the nearest item; it counts only when p lies inside it.
        RECT client{};
        GetClientRect(const_cast<TCustomListBox*>(this)->Handle(), &client);
        if (FromRECT(client).Contains(p)) {
            const auto found = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(p.X, p.Y));
            const int index = LOWORD(found);
            if (index < count && ItemRect(index).Contains(p))
                return index;
        }
    }
    return existing ? -1 : count;
}

TRect TCustomListBox::ItemRect(int index) const
{
    if (!Native() || index < 0 || index >= items_.Count())
        return {};
    RECT r{};
    if (Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) < 0)
        return {};
    return FromRECT(r);
}

int TCustomListBox::FindPrefix(const String& prefix, int start) const
{
    if (Native()) {
        const auto found = Send(LB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix.c_str()));
        return found < 0 ? -1 : static_cast<int>(found);
    }
    const int count = static_cast<int>(stored_.size());
    for (int step = 1; step <= count; ++step) {
        const int i = ((start < 0 ? -1 : start) + step) % count;
        const String& text = stored_[static_cast<size_t>(i)].Text;
        if (text.size() >= prefix.size() &&
            CompareItems(text.substr(0, prefix.size()), prefix) == 0)
            return i;
    }
    return -1;
}

TCanvas& TCustomListBox::Canvas()
{
    if (!drawing_ && !canvas_.HandleAllocated()) {
        if (!measureDC_)
            measureDC_ = std::make_unique<TMemoryDC>();
        canvas_.Font().Assign(Font());
        canvas_.SetHandle(measureDC_->dc);
    }
    return canvas_;
}

void TCustomListBox::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case CN_COMMAND:
        switch (HIWORD(msg.WParam)) {
        case LBN_SELCHANGE:
            Click();
            return;
        case LBN_DBLCLK:
            DblClick();
            return;
        default:
            break;
        }
        break;
    case CN_DRAWITEM:
        DrawItemMessage(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam));
        msg.Result = TRUE;
        return;
    case WM_SIZE:
        TWinControl::WndProc(msg);
        ApplyColumnWidth();
        return;
    default:
        break;
    }
    TWinControl::WndProc(msg);
}

void TCustomListBox::DrawItemMessage(const DRAWITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.itemID);
    const TRect rect = FromRECT(item.rcItem);
    if (index < 0) {
        // An empty list with the focus: the focus frame toggles on and off.
        if (item.itemAction & ODA_FOCUS) {
            RECT r = item.rcItem;
            DrawFocusRect(item.hDC, &r);
        }
        return;
    }
    HDC measuring = canvas_.Handle();
    canvas_.SetHandle(item.hDC);
    canvas_.Font().Assign(Font());
    drawing_ = true;
    try {
        DrawItem(index, rect, item.itemState);
    } catch (...) {
        drawing_ = false;
        canvas_.SetHandle(measuring);
        throw;
    }
    drawing_ = false;
    canvas_.SetHandle(measuring);
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (OnDrawItem)
        OnDrawItem(this, index, rect, state);
    else
        DrawItemPlain(index, rect, state);
}

void TCustomListBox::DrawItemPlain(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& c = canvas_;
    const bool selected = (state & ODS_SELECTED) != 0;
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(selected ? clHighlight : Color());
    c.Font().SetColor(selected ? clHighlightText : Font().Color());
    c.FillRect(rect);
    if (index < items_.Count())
        c.TextRect(rect, rect.Left + 2, rect.Top + (rect.Height() - c.TextHeight(L"Wg")) / 2,
                   items_.Strings(index));
    if (state & ODS_FOCUS) {
        RECT r = ToRECT(rect);
        DrawFocusRect(c.Handle(), &r);
    }
}

bool TCustomListBox::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TCustomListBox>;
    static const Row rows[] = {
        {L"ItemHeight", [](TCustomListBox& c, const TPropValue& v) { c.SetItemHeight(v.AsInteger()); }},
        {L"Sorted", [](TCustomListBox& c, const TPropValue& v) { c.SetSorted(v.AsBoolean()); }},
        {L"MultiSelect", [](TCustomListBox& c, const TPropValue& v) { c.SetMultiSelect(v.AsBoolean()); }},
        {L"ExtendedSelect",
         [](TCustomListBox& c, const TPropValue& v) { c.SetExtendedSelect(v.AsBoolean()); }},
        {L"Columns", [](TCustomListBox& c, const TPropValue& v) { c.SetColumns(v.AsInteger()); }},
        {L"Items.Strings",
         [](TCustomListBox& c, const TPropValue& v) {
             if (v.Kind != TValueKind::vkList)
                 throw EReadError(L"Invalid property value");
             TStringList lines;
             for (const TPropValue& line : v.List)
                 lines.Add(line.AsString());
             c.SetItems(lines);
         }},
        {L"ItemIndex", [](TCustomListBox& c, const TPropValue& v) { c.SetItemIndex(v.AsInteger()); }},
        {L"OnDblClick", [](TCustomListBox& c, const TPropValue& v) { c.OnDblClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDrawItem",
         [](TCustomListBox& c, const TPropValue& v) { c.OnDrawItem = v.AsMethod<TDrawItemEvent>(); }},
    };
    return SetFromTable(*this, rows, name, v) || TWinControl::SetProperty(name, v);
}

} // namespace vt
