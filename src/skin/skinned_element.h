// ISkinnedElement: what the skin-change walk needs of a skinned control or component, and the
// walk itself. The form engine runs it on the container's begin-change and changed messages;
// until the engine exists, whoever receives those messages (a test, the gallery) calls it.
#pragma once

#include <cstdint>

namespace vt {

class TComponent;
class TspSkinData;

class ISkinnedElement {
public:
    // The container the element is bound to, or null.
    virtual TspSkinData* SkinData() const = 0;
    // The container is about to replace its skin: forget the record, so nothing paints from
    // pictures that are about to be freed.
    virtual void BeforeChangeSkinData() = 0;
    // The container holds its new skin: look the record up again and apply it.
    virtual void ChangeSkinData() = 0;

protected:
    ~ISkinnedElement() = default;
};

// Calls BeforeChangeSkinData or ChangeSkinData on every skinned element that root owns (directly
// or through owned components) and that is bound to container; a null container means every
// skinned element, bound or not. Elements freed by an earlier call are skipped.
void BeforeChangeSkinDataOf(TComponent& root, const TspSkinData* container);
void ChangeSkinDataOf(TComponent& root, const TspSkinData* container);

// Runs the walk for a skin message (begin change or changed, wParam the container or 0); true
// when msg was one of the two.
bool DispatchSkinChange(TComponent& root, uint32_t msg, const TspSkinData* container);

} // namespace vt
