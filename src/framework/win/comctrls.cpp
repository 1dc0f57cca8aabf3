#include "framework/win/comctrls.h"

#include "framework/base/property_table.h"

#include <commctrl.h>

#include <algorithm>

namespace vt {

// --- TTabSheet ------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl)
{
    if (pageControl == pageControl_)
        return;
    if (pageControl_)
        pageControl_->RemovePage(this);
    SetParent(pageControl);
    if (pageControl)
        pageControl->InsertPage(this);
}

void TTabSheet::SetParentComponent(TComponent* parent)
{
    auto* pc = dynamic_cast<TPageControl*>(parent);
    if (!pc)
        throw EComponentError(L"Tab sheet " + Name() + L" must be placed on a page control");
    SetPageControl(pc);
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetText(const String& v)
{
    TWinControl::SetText(v);
    if (pageControl_)
        pageControl_->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool v)
{
    if (v == tabVisible_)
        return;
    tabVisible_ = v;
    if (pageControl_ && !v && pageControl_->activePage_ == this) {
        // The active page loses its tab: the next page with a tab takes over (or the one
        // before when it was the last).
        const auto& pages = pageControl_->pages_;
        const int at = PageIndex(), count = static_cast<int>(pages.size());
        auto shows = [&](int i) { return pages[static_cast<size_t>(i)]->tabVisible_; };
        int next = NextShownTab(at, 1, count, shows);
        if (next < 0)
            next = NextShownTab(at, -1, count, shows);
        pageControl_->ShowPage(next < 0 ? nullptr : pages[static_cast<size_t>(next)]);
    }
    if (pageControl_)
        pageControl_->UpdateTabs();
}

void TTabSheet::SetImageIndex(int v)
{
    if (v == imageIndex_)
        return;
    imageIndex_ = v;
    if (pageControl_)
        pageControl_->UpdateTabs();
}

bool TTabSheet::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TTabSheet>;
    static const Row rows[] = {
        {L"TabVisible", [](TTabSheet& c, const TPropValue& v) { c.SetTabVisible(v.AsBoolean()); }},
        {L"ImageIndex", [](TTabSheet& c, const TPropValue& v) { c.SetImageIndex(v.AsInteger()); }},
    };
    return SetFromTable(*this, rows, name, v) || TWinControl::SetProperty(name, v);
}

// --- TPageControl ---------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    // Pages left to us are detached so they do not call back into a half-gone control.
    while (!pages_.empty())
        pages_.back()->SetPageControl(nullptr);
}

void TPageControl::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = WC_TABCONTROLW;
    p.Style |= WS_TABSTOP | TabStyleBits();
}

void TPageControl::CreateWnd()
{
    TWinControl::CreateWnd();
    if (images_)
        TabCtrl_SetImageList(Handle(), images_);
    ApplyItemSize();
    UpdateTabs();
}

DWORD TPageControl::TabStyleBits() const
{
    DWORD s = 0;
    switch (tabPosition_) {
    case tpTop: break;
    case tpBottom: s |= TCS_BOTTOM; break;
    // Side tabs are always multi-line for the native control.
    case tpLeft: s |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: s |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    }
    if (multiLine_)
        s |= TCS_MULTILINE;
    if (style_ == tsButtons)
        s |= TCS_BUTTONS;
    else if (style_ == tsFlatButtons)
        s |= TCS_BUTTONS | TCS_FLATBUTTONS;
    if (tabWidth_ > 0)
        s |= TCS_FIXEDWIDTH;
    return s;
}

void TPageControl::ApplyTabStyle()
{
    if (!HandleAllocated())
        return;
    HWND wnd = Handle();
    const DWORD mask = TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE | TCS_BUTTONS |
                       TCS_FLATBUTTONS | TCS_FIXEDWIDTH;
    const DWORD old = static_cast<DWORD>(GetWindowLongPtrW(wnd, GWL_STYLE));
    const DWORD style = (old & ~mask) | TabStyleBits();
    if (style != old) {
        SetWindowLongPtrW(wnd, GWL_STYLE, static_cast<LONG_PTR>(style));
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    Realign();
    Invalidate();
}

void TPageControl::SetItemSize(int width, int height)
{
    if (HandleAllocated())
        SendMessageW(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

void TPageControl::ApplyItemSize()
{
    if (tabWidth_ > 0 || tabHeight_ > 0)
        SetItemSize(tabWidth_, tabHeight_);
}

void TPageControl::SetTabPosition(TTabPosition v)
{
    if (v == tabPosition_)
        return;
    tabPosition_ = v;
    ApplyTabStyle();
}

void TPageControl::SetTabHeight(int v)
{
    if (v < 0 || v == tabHeight_)
        return;
    tabHeight_ = v;
    ApplyItemSize();
    Realign();
}

void TPageControl::SetTabWidth(int v)
{
    if (v < 0 || v == tabWidth_)
        return;
    tabWidth_ = v;
    ApplyTabStyle();
    ApplyItemSize();
    Realign();
}

void TPageControl::SetMultiLine(bool v)
{
    if (v == multiLine_)
        return;
    multiLine_ = v;
    ApplyTabStyle();
}

void TPageControl::SetStyle(TTabStyle v)
{
    if (v == style_)
        return;
    style_ = v;
    ApplyTabStyle();
}

void TPageControl::SetNativeImages(HIMAGELIST v)
{
    images_ = v;
    if (HandleAllocated()) {
        TabCtrl_SetImageList(Handle(), v);
        Realign();
        Invalidate();
    }
}

int TPageControl::TabIndexOfPage(int pageIndex) const
{
    if (pageIndex < 0 || pageIndex >= PageCount() || !pages_[static_cast<size_t>(pageIndex)]->tabVisible_)
        return -1;
    int tab = 0;
    for (int i = 0; i < pageIndex; ++i)
        if (pages_[static_cast<size_t>(i)]->tabVisible_)
            ++tab;
    return tab;
}

int TPageControl::PageIndexOfTab(int tabIndex) const
{
    if (tabIndex < 0)
        return -1;
    for (int i = 0; i < PageCount(); ++i)
        if (pages_[static_cast<size_t>(i)]->tabVisible_ && tabIndex-- == 0)
            return i;
    return -1;
}

int TPageControl::VisibleTabCount() const
{
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](TTabSheet* p) { return p->tabVisible_; }));
}

void TPageControl::InsertPage(TTabSheet* page)
{
    pages_.push_back(page);
    page->pageControl_ = this;
    UpdateTabs();
    Realign();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    if (page == activePage_) {
        activePage_ = nullptr;
    }
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
    UpdateTabs();
}

void TPageControl::UpdateTabs()
{
    if (!HandleAllocated() || IsDestroying())
        return;
    HWND wnd = Handle();
    TabCtrl_DeleteAllItems(wnd);
    if (tabsShown_) {
        int tab = 0;
        for (TTabSheet* page : pages_) {
            if (!page->tabVisible_)
                continue;
            String text = page->Text();
            TCITEMW item{};
            item.mask = TCIF_TEXT | TCIF_IMAGE;
            item.pszText = text.data();
            item.iImage = page->imageIndex_;
            SendMessageW(wnd, TCM_INSERTITEMW, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
        }
        TabCtrl_SetCurSel(wnd, TabIndexOfPage(ActivePageIndex()));
    }
    Realign();
    TabsUpdated();
}

void TPageControl::ShowPage(TTabSheet* page)
{
    if (page == activePage_)
        return;
    TTabSheet* old = activePage_;
    activePage_ = page;
    if (page) {
        page->SetVisible(true);
        if (page->HandleAllocated())
            SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (old)
        old->SetVisible(false);
    if (HandleAllocated() && tabsShown_)
        TabCtrl_SetCurSel(Handle(), TabIndexOfPage(ActivePageIndex()));
    ActivePageChanged();
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->pageControl_ != this)
        return;
    ShowPage(page);
}

void TPageControl::SetActivePageIndex(int index)
{
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::HideBorderAndTabs()
{
    if (!tabsShown_)
        return;
    tabsShown_ = false;
    if (HandleAllocated())
        TabCtrl_DeleteAllItems(Handle());
    Realign();
    Invalidate();
}

void TPageControl::AdjustClientRect(TRect& r) const
{
    if (!tabsShown_)
        return;
    if (HandleAllocated()) {
        RECT rc = ToRECT(r);
        TabCtrl_AdjustRect(const_cast<TPageControl*>(this)->Handle(), FALSE, &rc);
        r = FromRECT(rc);
    } else {
        // Until the window exists: room for one row of tabs and the border.
        r = Rect(r.Left + 4, r.Top + 24, r.Right - 4, r.Bottom - 4);
    }
    if (r.Right < r.Left)
        r.Right = r.Left;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
}

void TPageControl::AlignControls(TRect r)
{
    // Every page, shown or not, covers the display area, so hidden pages lay out their content.
    for (TTabSheet* page : pages_)
        page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    TWinControl::AlignControls(r);
}

void TPageControl::WndProc(TMessage& msg)
{
    if (msg.Msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(msg.LParam);
        if (hdr->code == TCN_SELCHANGING) {
            bool allow = true;
            OnChanging(this, allow);
            msg.Result = allow ? FALSE : TRUE;
            return;
        }
        if (hdr->code == TCN_SELCHANGE) {
            int index = PageIndexOfTab(TabCtrl_GetCurSel(Handle()));
            if (index >= 0 && index < PageCount()) {
                ShowPage(pages_[static_cast<size_t>(index)]);
                Change();
            }
            return;
        }
    }
    TWinControl::WndProc(msg);
}

void TPageControl::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == activePage_)
        activePage_ = nullptr;
}

bool TPageControl::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TPageControl>;
    static const Row rows[] = {
        {L"ActivePageIndex",
         [](TPageControl& c, const TPropValue& v) { c.SetActivePageIndex(v.AsInteger()); }},
        {L"OnChange", [](TPageControl& c, const TPropValue& v) { c.OnChange = v.AsMethod<TNotifyEvent>(); }},
        {L"TabPosition",
         [](TPageControl& c, const TPropValue& v) {
             static const wchar_t* const names[] = {L"tpTop", L"tpBottom", L"tpLeft", L"tpRight"};
             c.SetTabPosition(static_cast<TTabPosition>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"TabHeight", [](TPageControl& c, const TPropValue& v) { c.SetTabHeight(v.AsInteger()); }},
        {L"TabWidth", [](TPageControl& c, const TPropValue& v) { c.SetTabWidth(v.AsInteger()); }},
        {L"MultiLine", [](TPageControl& c, const TPropValue& v) { c.SetMultiLine(v.AsBoolean()); }},
        {L"Style",
         [](TPageControl& c, const TPropValue& v) {
             static const wchar_t* const names[] = {L"tsTabs", L"tsButtons", L"tsFlatButtons"};
             c.SetStyle(static_cast<TTabStyle>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"OnChanging",
         [](TPageControl& c, const TPropValue& v) { c.OnChanging = v.AsMethod<TTabChangingEvent>(); }},
    };
    return SetFromTable(*this, rows, name, v) || TWinControl::SetProperty(name, v);
}

bool TPageControl::SetReference(const String& name, TComponent* value)
{
    if (!SameDescriptionName(name, L"ActivePage"))
        return TWinControl::SetReference(name, value);
    auto* page = dynamic_cast<TTabSheet*>(value);
    if (!page || page->PageControl() != this)
        throw EReadError(L"Invalid property value");
    SetActivePage(page);
    return true;
}

} // namespace vt
