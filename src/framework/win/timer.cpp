#include "framework/win/timer.h"

#include "framework/base/property_table.h"
#include "framework/win/exception_funnel.h"
#include "framework/win/window_class.h"

#include <windows.h>

#include <map>

namespace vt {

namespace {

// Never destroyed: timers owned by forms are freed when the application object goes, at exit.
std::map<uintptr_t, TTimer*>& Timers()
{
    static auto* timers = new std::map<uintptr_t, TTimer*>;
    return *timers;
}

LRESULT CALLBACK TimerWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER) {
        auto it = Timers().find(static_cast<uintptr_t>(wParam));
        if (it != Timers().end()) {
            // The handler may free the timer: nothing of it is touched afterwards.
            TTimer* timer = it->second;
            GuardedCall(nullptr, [timer] { timer->Timer(); });
        }
        return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

// One hidden message-only window receives the ticks of every timer.
HWND TimerWindow()
{
    static HWND wnd = nullptr;
    if (!wnd) {
        WNDCLASSEXW wc{};
        wc.lpfnWndProc = TimerWndProc;
        wc.lpszClassName = L"VtTimerWindow";
        EnsureWindowClass(wc);
        wnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
        if (!wnd)
            throw EOutOfResources(L"Not enough timers available");
    }
    return wnd;
}

uintptr_t gNextId = 1;

int NonNegative(int v)
{
    if (v < 0)
        throw EReadError(L"Invalid property value");
    return v;
}

} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner), id_(gNextId++) {}

TTimer::~TTimer()
{
    enabled_ = false;
    UpdateTimer();
}

void TTimer::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (running_) {
        KillTimer(TimerWindow(), id_);
        Timers().erase(id_);
        running_ = false;
    }
    if (enabled_ && interval_ > 0 && onTimer_ && !IsLoading() && !IsDestroying()) {
        if (!SetTimer(TimerWindow(), id_, interval_, nullptr))
            throw EOutOfResources(L"Not enough timers available");
        Timers()[id_] = this;
        running_ = true;
    }
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

bool TTimer::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TTimer>;
    static const Row rows[] = {
        {L"Enabled", [](TTimer& t, const TPropValue& v) { t.SetEnabled(v.AsBoolean()); }},
        {L"Interval",
         [](TTimer& t, const TPropValue& v) {
             t.SetInterval(static_cast<unsigned>(NonNegative(v.AsInteger())));
         }},
        {L"OnTimer", [](TTimer& t, const TPropValue& v) { t.SetOnTimer(v.AsMethod<TNotifyEvent>()); }},
    };
    return SetFromTable(*this, rows, name, v) || TComponent::SetProperty(name, v);
}

} // namespace vt
