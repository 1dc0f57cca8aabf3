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
    p.Style |= WS_TABSTOP;
}

void TPageControl::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateTabs();
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
        for (size_t i = 0; i < pages_.size(); ++i) {
            String text = pages_[i]->Text();
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(wnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        TabCtrl_SetCurSel(wnd, ActivePageIndex());
    }
    Realign();
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
        TabCtrl_SetCurSel(Handle(), ActivePageIndex());
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
            int index = TabCtrl_GetCurSel(Handle());
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
