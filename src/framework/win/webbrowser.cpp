#include "framework/win/webbrowser.h"

#include "framework/base/property_table.h"
#include "framework/win/exception_funnel.h"

#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <ole2.h>

namespace vt {

namespace {

bool gEngineDisabled = false;

bool EnsureOle()
{
    static HRESULT result = OleInitialize(nullptr);
    return SUCCEEDED(result);
}

template <class T> void SafeRelease(T*& p)
{
    if (p) {
        p->Release();
        p = nullptr;
    }
}

} // namespace

// The container side of the in-place browser control: client site, in-place site and frame,
// and the sink for the control's events. Reference counted; the control drops its pointer to
// the owner when it goes, so late calls from the browser find no owner.
class TWebBrowser::TSite final : public IOleClientSite,
                                 public IOleInPlaceSite,
                                 public IOleInPlaceFrame,
                                 public IDispatch {
public:
    explicit TSite(TWebBrowser* owner) : owner_(owner) {}

    TWebBrowser* owner_;
    IOleObject* object = nullptr;
    IOleInPlaceObject* inPlace = nullptr;
    IWebBrowser2* browser = nullptr;
    IConnectionPoint* events = nullptr;
    DWORD cookie = 0;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else if (riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2)
            *out = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs_); }
    STDMETHODIMP_(ULONG) Release() override
    {
        long n = --refs_;
        if (n == 0)
            delete this;
        return static_cast<ULONG>(n);
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** c) override
    {
        if (c)
            *c = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* wnd) override
    {
        if (!wnd)
            return E_POINTER;
        *wnd = owner_ && owner_->HandleAllocated() ? owner_->Handle() : nullptr;
        return *wnd ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return owner_ ? S_OK : S_FALSE; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                  LPRECT pos, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        if (frame) {
            *frame = this;
            AddRef();
        }
        if (doc)
            *doc = nullptr;
        RECT r{0, 0, 0, 0};
        if (owner_ && owner_->HandleAllocated())
            GetClientRect(owner_->Handle(), &r);
        if (pos)
            *pos = r;
        if (clip)
            *clip = r;
        if (info) {
            info->fMDIApp = FALSE;
            HWND wnd = nullptr;
            GetWindow(&wnd);
            info->hwndFrame = wnd ? GetAncestor(wnd, GA_ROOT) : nullptr;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT rect) override
    {
        if (inPlace && rect)
            inPlace->SetObjectRects(rect, rect);
        return S_OK;
    }

    // IOleInPlaceUIWindow / IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDispatch: the browser's events
    STDMETHODIMP GetTypeInfoCount(UINT* n) override
    {
        if (n)
            *n = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        if (!owner_)
            return S_OK;
        GuardedCall(owner_, [&] {
            // Only the page itself counts, not the frames inside it.
            if (!FromTopLevel(params))
                return;
            if (id == DISPID_NAVIGATEERROR)
                owner_->NavigationFailed();
            else if (id == DISPID_NAVIGATECOMPLETE2 || id == DISPID_DOCUMENTCOMPLETE)
                owner_->NavigationSucceeded();
        });
        return S_OK;
    }

private:
    ~TSite() = default;

    // The navigation events carry the browser they concern as their first argument (the last
    // in DISPPARAMS order); an event without it is taken as the page's.
    bool FromTopLevel(const DISPPARAMS* params) const
    {
        if (!params || params->cArgs == 0 || !browser)
            return true;
        const VARIANT& first = params->rgvarg[params->cArgs - 1];
        if (first.vt != VT_DISPATCH || !first.pdispVal)
            return true;
        IUnknown* a = nullptr;
        IUnknown* b = nullptr;
        first.pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
        browser->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
        bool same = a && a == b;
        if (a)
            a->Release();
        if (b)
            b->Release();
        return same;
    }
    long refs_ = 1;
};

void TWebBrowser::SetEngineDisabled(bool disabled)
{
    gEngineDisabled = disabled;
}

TWebBrowser::TWebBrowser(TComponent* owner) : TCustomControl(owner)
{
    SetColor(clWindow);
    SetBounds(0, 0, 300, 150);
}

TWebBrowser::~TWebBrowser()
{
    DestroyEngine();
}

bool TWebBrowser::FallbackShown() const
{
    return engineState_ == TEngineState::esUnavailable ||
           (engineState_ == TEngineState::esActive && navigationFailed_);
}

void TWebBrowser::Navigate(const String& url)
{
    lastURL_ = url;
    navigations_.push_back({url, std::chrono::steady_clock::now()});
    if (!HandleAllocated()) {
        pendingURL_ = url;
        return;
    }
    StartNavigation(url);
}

void TWebBrowser::CreateWnd()
{
    TCustomControl::CreateWnd();
    CreateEngine();
    String url = std::move(pendingURL_);
    pendingURL_.clear();
    if (!url.empty())
        StartNavigation(url);
}

void TWebBrowser::CreateEngine()
{
    if (site_)
        return;
    engineState_ = TEngineState::esUnavailable;
    if (gEngineDisabled || !EnsureOle())
        return;
    auto* site = new TSite(this);
    HRESULT hr = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(&site->object));
    if (SUCCEEDED(hr))
        hr = site->object->SetClientSite(site);
    RECT rc;
    GetClientRect(Handle(), &rc);
    if (SUCCEEDED(hr))
        hr = site->object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, Handle(), &rc);
    if (SUCCEEDED(hr))
        hr = site->object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&site->browser));
    if (SUCCEEDED(hr))
        hr = site->object->QueryInterface(IID_IOleInPlaceObject,
                                          reinterpret_cast<void**>(&site->inPlace));
    site_ = site;
    if (FAILED(hr)) {
        DestroyEngine();
        engineState_ = TEngineState::esUnavailable;
        return;
    }
    // Script errors and similar prompts would block the user interface thread.
    site->browser->put_Silent(VARIANT_TRUE);
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(site->object->QueryInterface(IID_IConnectionPointContainer,
                                               reinterpret_cast<void**>(&container)))) {
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &site->events)))
            if (FAILED(site->events->Advise(static_cast<IDispatch*>(site), &site->cookie)))
                SafeRelease(site->events);
        container->Release();
    }
    engineState_ = TEngineState::esActive;
    navigationFailed_ = false;
}

void TWebBrowser::DestroyEngine()
{
    if (!site_)
        return;
    TSite* site = site_;
    site_ = nullptr;
    site->owner_ = nullptr;
    if (site->events) {
        site->events->Unadvise(site->cookie);
        SafeRelease(site->events);
    }
    if (site->inPlace)
        site->inPlace->InPlaceDeactivate();
    SafeRelease(site->inPlace);
    SafeRelease(site->browser);
    if (site->object) {
        site->object->Close(OLECLOSE_NOSAVE);
        site->object->SetClientSite(nullptr);
        SafeRelease(site->object);
    }
    site->Release();
    engineState_ = TEngineState::esNotCreated;
}

void TWebBrowser::StartNavigation(const String& url)
{
    started_.push_back({url, std::chrono::steady_clock::now()});
    navigationFailed_ = false;
    if (engineState_ == TEngineState::esActive && site_ && site_->browser) {
        ShowEngineWindow(true);
        BSTR address = SysAllocString(url.c_str());
        VARIANT empty;
        VariantInit(&empty);
        HRESULT hr = site_->browser->Navigate(address, &empty, &empty, &empty, &empty);
        SysFreeString(address);
        if (FAILED(hr))
            NavigationFailed();
    }
    Invalidate();
}

void TWebBrowser::NavigationFailed()
{
    navigationFailed_ = true;
    ShowEngineWindow(false);
    Invalidate();
}

void TWebBrowser::NavigationSucceeded()
{
    // A failed navigation is followed by the engine's own error document; keep the plain view.
    if (navigationFailed_)
        return;
    ShowEngineWindow(true);
}

void TWebBrowser::ShowEngineWindow(bool show)
{
    if (!site_ || !site_->inPlace)
        return;
    HWND wnd = nullptr;
    if (SUCCEEDED(site_->inPlace->GetWindow(&wnd)) && wnd)
        ShowWindow(wnd, show ? SW_SHOWNA : SW_HIDE);
}

void TWebBrowser::UpdateEngineRect()
{
    if (!site_ || !site_->inPlace || !HandleAllocated())
        return;
    RECT rc;
    GetClientRect(Handle(), &rc);
    site_->inPlace->SetObjectRects(&rc, &rc);
}

void TWebBrowser::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_SIZE:
        TCustomControl::WndProc(msg);
        UpdateEngineRect();
        return;
    case WM_DESTROY:
        DestroyEngine();
        pendingURL_ = lastURL_;  // a recreated window loads the page again
        break;
    default:
        break;
    }
    TCustomControl::WndProc(msg);
}

void TWebBrowser::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush().SetColor(clWindow);
    c.FillRect(r);
    if (!FallbackShown())
        return;
    c.Font().SetColor(clWindowText);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect line = Rect(r.Left + 16, r.Top + 16, r.Right - 16, r.Bottom - 16);
    String address = lastURL_.empty() ? String(L"(no address)") : lastURL_;
    c.Font().SetStyle(fsBold);
    c.DrawText(address, line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    line.Top += c.TextHeight(L"Ag") + 8;
    c.Font().SetStyle(0);
    const wchar_t* note = engineState_ == TEngineState::esUnavailable
                              ? L"No web engine is available here; the page cannot be shown."
                              : L"The page could not be loaded from this address.";
    c.DrawText(note, line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
}

bool TWebBrowser::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TWebBrowser>;
    static const Row rows[] = {
        {L"SelectedEngine",
         [](TWebBrowser& w, const TPropValue& v) {
             static const wchar_t* const names[] = {L"IEOnly", L"EdgeIfAvailable", L"EdgeOnly"};
             w.selectedEngine_ = static_cast<TWebBrowserEngine>(IdentIndex(v.AsIdent(), names));
         }},
        {L"ControlData", [](TWebBrowser& w, const TPropValue& v) { w.controlData_ = v.AsBinary(); }},
    };
    return SetFromTable(*this, rows, name, v) || TCustomControl::SetProperty(name, v);
}

} // namespace vt
