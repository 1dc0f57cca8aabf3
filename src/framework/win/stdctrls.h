// TCustomListBox and TListBox: the native list box with owner-drawn items of one height.
//
// The items live in the native list while its window exists and in the object otherwise, so they
// survive the window being recreated together with the selection, ItemIndex and TopIndex. The
// native list keeps the keyboard (arrows, paging, prefix search by typing) and the scroll state.
// OnClick follows every selection change the user makes, by mouse or keys; OnDblClick a double
// click; changes made by code raise neither.
#pragma once

#include "framework/base/string_list.h"
#include "framework/win/controls.h"

#include <memory>
#include <vector>

namespace vt {

class TCustomListBox;

// The owner-draw state of an item: the ODS_* bits (ODS_SELECTED, ODS_FOCUS, ...).
using TOwnerDrawState = UINT;
// Sender, item index, item rectangle (list coordinates), state; the drawing goes on the list's
// Canvas.
using TDrawItemEvent = TEvent<TObject*, int, TRect, TOwnerDrawState>;

// The strings of a list box, read and written through the native list while it exists.
class TListBoxStrings {
public:
    TListBoxStrings(const TListBoxStrings&) = delete;
    TListBoxStrings& operator=(const TListBoxStrings&) = delete;

    int Count() const;
    // Raise EListError for an index out of range.
    String Strings(int index) const;
    String operator[](int index) const { return Strings(index); }
    void Put(int index, const String& s);
    // In a sorted list the string goes to its sorted place; returns the index it got.
    int Add(const String& s);
    // A sorted list ignores index and adds the string at its sorted place.
    void Insert(int index, const String& s);
    void Delete(int index);
    void Clear();
    // Exact, case-sensitive match; -1 for none.
    int IndexOf(std::wstring_view s) const;
    void Assign(const TStrings& other);
    void AddStrings(const TStrings& other);
    // A copy of the items as a plain list.
    TStringList ToStrings() const;

private:
    friend class TCustomListBox;
    explicit TListBoxStrings(TCustomListBox& owner) : owner_(owner) {}
    void InsertAt(int index, const String& s);
    TCustomListBox& owner_;
};

class TCustomListBox : public TWinControl {
    VT_CLASS_NAME(TCustomListBox)
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TListBoxStrings& Items() { return items_; }
    const TListBoxStrings& Items() const { return items_; }
    void SetItems(const TStrings& v) { items_.Assign(v); }
    void Clear() { items_.Clear(); }

    // The selected item of a single-selection list, the focused item of a multi-selection one;
    // -1 for none. Setting an index out of range selects nothing. In a multi-selection list
    // setting it selects that item alone and moves the focus there.
    int ItemIndex() const;
    void SetItemIndex(int v);
    // The first item shown.
    int TopIndex() const;
    void SetTopIndex(int v);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    // Changing these recreates the window (they are creation styles of the native list).
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    // With MultiSelect: Shift and Ctrl extend the selection instead of each click toggling.
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool v);
    // Items flow down in this many columns of equal width, scrolling sideways; 0 for one
    // column scrolling down.
    int Columns() const { return columns_; }
    void SetColumns(int v);

    bool Selected(int index) const;
    void SetSelected(int index, bool v);
    int SelCount() const;

    // The item at p (list coordinates). Where there is none: -1 with existing, otherwise Count
    // (the place after the last item).
    int ItemAtPos(TPoint p, bool existing) const;
    // The item's rectangle in list coordinates; empty for an index out of range or while the
    // window does not exist.
    TRect ItemRect(int index) const;
    // The first item from start + 1 on (wrapping round) that begins with prefix, ignoring case;
    // -1 for none. start -1 searches from the top. Typing in the list does the same search.
    int FindPrefix(const String& prefix, int start = -1) const;

    // The canvas items are drawn on: bound to the item's DC during DrawItem, otherwise to a
    // memory DC compatible with the screen (good for measuring text).
    TCanvas& Canvas();

    TDrawItemEvent OnDrawItem;

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyHandle() override;
    void WndProc(TMessage& msg) override;
    // The native list reports its clicks itself (LBN_SELCHANGE, LBN_DBLCLK).
    bool MouseClicks() const override { return false; }
    // Draws one item (rect in list coordinates) on Canvas(), bound to the item's DC: OnDrawItem
    // when assigned, otherwise the plain look.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    void DrawItemPlain(int index, const TRect& rect, TOwnerDrawState state);

private:
    friend class TListBoxStrings;
    // An item while the window does not exist.
    struct TStoredItem {
        String Text;
        bool Selected = false;
    };

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool Native() const { return HandleAllocated(); }
    // Where s goes among the stored items of a sorted list.
    int StoredSortedPlace(const String& s) const;
    void SortStored();
    void SaveItems();
    void RestoreItems();
    void ApplyColumnWidth();
    void DrawItemMessage(const DRAWITEMSTRUCT& item);
    // Throws for an index out of range of the items (to is Count() for an insertion).
    void CheckIndex(int index, int to) const;

    TListBoxStrings items_{*this};
    std::vector<TStoredItem> stored_;
    int storedItemIndex_ = -1;
    int storedTopIndex_ = 0;
    int itemHeight_ = 16;
    bool sorted_ = false;
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    int columns_ = 0;
    TCanvas canvas_;
    struct TMemoryDC;
    std::unique_ptr<TMemoryDC> measureDC_;
    bool drawing_ = false;
};

class TListBox : public TCustomListBox {
    VT_CLASS_NAME(TListBox)
public:
    using TCustomListBox::TCustomListBox;
};

} // namespace vt
