// TPageControl and TTabSheet: pages of which one is shown at a time, over the native tab
// control. Setting the active page by code shows it and raises no OnChange; OnChange is for
// the user's changes through the tabs.
#pragma once

#include "framework/win/controls.h"

namespace vt {

class TPageControl;

class TTabSheet : public TWinControl {
    VT_CLASS_NAME(TTabSheet)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    void SetText(const String& v) override;
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
};

using TTabChangingEvent = TEvent<TObject*, bool&>;

class TPageControl : public TWinControl {
    VT_CLASS_NAME(TPageControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    // -1 when there is no active page; an index out of range selects none.
    int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
    void SetActivePageIndex(int index);

    // Removes the tab row and the border: the active page then covers the whole control.
    void HideBorderAndTabs();
    bool TabsShown() const { return tabsShown_; }

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AdjustClientRect(TRect& rect) const override;
    void AlignControls(TRect rect) override;
    void WndProc(TMessage& msg) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void Change() { OnChange(this); }

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTabs();
    void ShowPage(TTabSheet* page);

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    bool tabsShown_ = true;
};

} // namespace vt
