#include "skin/system_colors.h"

namespace vt {

namespace {

// Without patchable system functions the state is kept so the switching rules still hold; the
// framework resolves colours through RedirectedSysColor itself.
class TFlagRedirector final : public ISystemColorRedirector {
public:
    bool IsRedirected(TSysColorFunction fn) const override { return on_[static_cast<int>(fn)]; }
    void Redirect(TSysColorFunction fn) override { on_[static_cast<int>(fn)] = true; }
    void Restore(TSysColorFunction fn) override { on_[static_cast<int>(fn)] = false; }

private:
    bool on_[kSysColorFunctionCount] = {};
};

} // namespace

ISystemColorRedirector& PlatformSystemColorRedirector()
{
    static TFlagRedirector redirector;
    return redirector;
}

} // namespace vt
