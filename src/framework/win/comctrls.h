// TPageControl and TTabSheet: pages of which one is shown at a time, over the native tab
// control. Setting the active page by code shows it and raises no OnChange; OnChange is for
// the user's changes through the tabs. Only pages whose TabVisible is on have a native tab, so
// tab numbers and page numbers differ once a tab is hidden.
#pragma once

#include "framework/base/tab_types.h"
#include "framework/win/controls.h"

#include <commctrl.h>

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

    // Whether the page has a tab; a page without one can still be made active by code.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    // The image of the page's tab in the page control's native image list.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);

    bool SetProperty(const String& name, const TPropValue& value) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = 0;
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
    virtual void HideBorderAndTabs();
    virtual bool TabsShown() const { return tabsShown_; }

    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition v);
    // The fixed tab size; 0 leaves the size to the native control (width from the caption).
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int v);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int v);
    // Sends the tab size to the native control without storing it (a skin's item height).
    void SetItemSize(int width, int height);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle v);
    // The native image list the tabs take their images from (not owned; null for none).
    HIMAGELIST NativeImages() const { return images_; }
    void SetNativeImages(HIMAGELIST v);

    // The native tab of a page (-1 when its tab is hidden or it is not ours), and back.
    int TabIndexOfPage(int pageIndex) const;
    int PageIndexOfTab(int tabIndex) const;
    int VisibleTabCount() const;

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
    // After the active page changed, by code or by the user.
    virtual void ActivePageChanged() {}
    // After the native tabs were rebuilt.
    virtual void TabsUpdated() {}
    void UpdateTabs();

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ShowPage(TTabSheet* page);
    DWORD TabStyleBits() const;
    void ApplyTabStyle();
    void ApplyItemSize();

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    bool tabsShown_ = true;
    TTabPosition tabPosition_ = tpTop;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    bool multiLine_ = false;
    TTabStyle style_ = tsTabs;
    HIMAGELIST images_ = nullptr;
};

} // namespace vt
