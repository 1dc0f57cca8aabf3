// TTimer: calls OnTimer every Interval milliseconds while Enabled. A handler may free its own
// timer; an exception from a handler goes to the application's error box.
#pragma once

#include "framework/base/component.h"

#include <cstdint>

namespace vt {

class TTimer : public TComponent {
    VT_CLASS_NAME(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    // Assigning a handler (re)starts the timer when it is enabled.
    void SetOnTimer(TNotifyEvent handler);
    const TNotifyEvent& OnTimer() const { return onTimer_; }

    bool SetProperty(const String& name, const TPropValue& value) override;
    void Loaded() override;

    // Called on every tick (public for the dispatcher).
    void Timer() { onTimer_(this); }

private:
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    uintptr_t id_ = 0;
    bool running_ = false;
};

} // namespace vt
