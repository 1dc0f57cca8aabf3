// TWebBrowser: the web view. Hosts the system's browser control in place inside its own window.
// Navigate may be called at any time: before the window exists (the address waits for it), while
// hidden, or again to replace the page. Where no engine can be created or a navigation fails, the
// control shows a plain view with the address and a one-line note instead.
#pragma once

#include "framework/win/controls.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace vt {

enum class TWebBrowserEngine : uint8_t { IEOnly, EdgeIfAvailable, EdgeOnly };

class TWebBrowser : public TCustomControl {
    VT_CLASS_NAME(TWebBrowser)
public:
    struct TNavigation {
        String URL;
        std::chrono::steady_clock::time_point At;
    };
    enum class TEngineState : uint8_t { esNotCreated, esActive, esUnavailable, esFailed };

    explicit TWebBrowser(TComponent* owner);
    ~TWebBrowser() override;

    // Returns at once; the page loads by itself.
    void Navigate(const String& url);
    // The address of the last Navigate call, and every call with the time it was made.
    const String& LastURL() const { return lastURL_; }
    const std::vector<TNavigation>& Navigations() const { return navigations_; }
    // Every navigation the control has started (handed to the engine, or to the plain view where
    // there is none) with the time it started. A call made before the window exists starts once
    // the window does; one replaced while it waited never starts.
    const std::vector<TNavigation>& StartedNavigations() const { return started_; }

    // Stored only: the browser control of this system is the one engine available.
    TWebBrowserEngine SelectedEngine() const { return selectedEngine_; }
    void SetSelectedEngine(TWebBrowserEngine v) { selectedEngine_ = v; }
    // The control's own persisted state, kept as given and never interpreted.
    const std::vector<uint8_t>& ControlData() const { return controlData_; }
    void SetControlData(std::vector<uint8_t> v) { controlData_ = std::move(v); }

    TEngineState EngineState() const { return engineState_; }
    // True while the plain view (address and note) is what the control shows.
    bool FallbackShown() const;

    bool SetProperty(const String& name, const TPropValue& value) override;

    // Makes new controls skip the engine and show the plain view at once (for tests and for
    // systems where the engine is known to be absent).
    static void SetEngineDisabled(bool disabled);

protected:
    void CreateWnd() override;
    void WndProc(TMessage& msg) override;
    void Paint() override;

private:
    class TSite;
    friend class TSite;
    void CreateEngine();
    void DestroyEngine();
    void StartNavigation(const String& url);
    void NavigationFailed();
    void NavigationSucceeded();
    void ShowEngineWindow(bool show);
    void UpdateEngineRect();

    String lastURL_;
    String pendingURL_;
    std::vector<TNavigation> navigations_;
    std::vector<TNavigation> started_;
    TWebBrowserEngine selectedEngine_ = TWebBrowserEngine::EdgeIfAvailable;
    std::vector<uint8_t> controlData_;
    TEngineState engineState_ = TEngineState::esNotCreated;
    bool navigationFailed_ = false;
    TSite* site_ = nullptr;
};

} // namespace vt
