// Event slots: a std::function that is called only when assigned, so callers need no check.
#pragma once

#include <functional>
#include <utility>

namespace vt {

class TObject;

template <typename... Args> class TEvent {
public:
    using Function = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <typename F,
              typename = std::enable_if_t<std::is_invocable_v<F&, Args...> &&
                                          !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F&& f) : fn_(std::forward<F>(f))
    {
    }

    explicit operator bool() const { return static_cast<bool>(fn_); }
    bool Assigned() const { return static_cast<bool>(fn_); }
    // Calls the handler when one is assigned; otherwise does nothing.
    void operator()(Args... args) const
    {
        if (fn_)
            fn_(std::forward<Args>(args)...);
    }
    const Function& Handler() const { return fn_; }

private:
    Function fn_;
};

using TNotifyEvent = TEvent<TObject*>;

} // namespace vt
