#include "skin/system_colors.h"

#include "skin/skin_data.h"

namespace vt {

namespace {

TspSkinData* gRedirecting = nullptr;
ISystemColorRedirector* gRedirector = nullptr;

constexpr TSysColorFunction kFunctions[] = {TSysColorFunction::fnGetSysColor,
                                            TSysColorFunction::fnGetSysColorBrush,
                                            TSysColorFunction::fnCreatePen};

void RedirectAll(ISystemColorRedirector& r)
{
    for (TSysColorFunction fn : kFunctions)
        r.Redirect(fn);
}

void RestoreAll(ISystemColorRedirector& r)
{
    for (TSysColorFunction fn : kFunctions)
        r.Restore(fn);
}

bool AnyUnredirected(const ISystemColorRedirector& r)
{
    for (TSysColorFunction fn : kFunctions)
        if (!r.IsRedirected(fn))
            return true;
    return false;
}

} // namespace

void SetSystemColorRedirector(ISystemColorRedirector* redirector) { gRedirector = redirector; }

ISystemColorRedirector& SystemColorRedirector()
{
    return gRedirector ? *gRedirector : PlatformSystemColorRedirector();
}

TspSkinData* RedirectingSkinData() { return gRedirecting; }

void SwitchSystemColors(TspSkinData& d, bool value)
{
    d.FChangeSystemColors = value;
    ISystemColorRedirector& r = SystemColorRedirector();
    if (value && !gRedirecting && !r.IsRedirected(TSysColorFunction::fnGetSysColor) && !d.Empty) {
        // The replacements read this container; its destructor lets go of them.
        gRedirecting = &d;
        RedirectAll(r);
    } else if (value && gRedirecting == &d && AnyUnredirected(r) && !d.Empty) {
        // A function that unredirected itself during a load comes back, whichever it was.
        RedirectAll(r);
    } else if (!value && gRedirecting == &d) {
        RestoreAll(r);
        gRedirecting = nullptr;
    }
}

void ReleaseSystemColors(TspSkinData& d)
{
    if (gRedirecting != &d)
        return;
    RestoreAll(SystemColorRedirector());
    gRedirecting = nullptr;
}

std::optional<TColor> RedirectedSysColor(const TspSkinData& d, int index)
{
    const TspSkinColors* c = d.FSkinColors.get();
    const TspSystemColorHooks hooks = d.SystemColorHooks();
    switch (index) {
    case 5:
        if (hooks & spschWindow)
            return c->cWindow;
        break;
    case 8:
        if (hooks & spschWindow)
            return c->cWindowText;
        break;
    case 13:
        if (hooks & spschHighLight)
            return c->cHighLight;
        break;
    case 14:
        if (hooks & spschHighLight)
            return c->cHighLightText;
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace vt
