#include "skin/skinned_element.h"

#include "framework/base/component.h"
#include "skin/skin_forms.h"

#include <vector>

namespace vt {

namespace {

void CollectOwned(TComponent& owner, std::vector<TComponentRef<TComponent>>& out)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* c = owner.Components(i);
        out.emplace_back(c);
        CollectOwned(*c, out);
    }
}

template <class Call> void Walk(TComponent& root, const TspSkinData* container, Call call)
{
    // Collected first: a change may free or create components (a control rebuilding its parts).
    std::vector<TComponentRef<TComponent>> all;
    CollectOwned(root, all);
    for (const TComponentRef<TComponent>& ref : all) {
        auto* element = dynamic_cast<ISkinnedElement*>(ref.get());
        if (!element)
            continue;
        if (!container || element->SkinData() == container)
            call(*element);
    }
}

} // namespace

void BeforeChangeSkinDataOf(TComponent& root, const TspSkinData* container)
{
    Walk(root, container, [](ISkinnedElement& e) { e.BeforeChangeSkinData(); });
}

void ChangeSkinDataOf(TComponent& root, const TspSkinData* container)
{
    Walk(root, container, [](ISkinnedElement& e) { e.ChangeSkinData(); });
}

bool DispatchSkinChange(TComponent& root, uint32_t msg, const TspSkinData* container)
{
    if (msg == SKINMSG_BEGIN_CHANGE)
        BeforeChangeSkinDataOf(root, container);
    else if (msg == SKINMSG_CHANGED)
        ChangeSkinDataOf(root, container);
    else
        return false;
    return true;
}

} // namespace vt
