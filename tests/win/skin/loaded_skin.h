// Containers for test files that include the framework's window headers, which cannot include
// the container's own header (both define TFontStyle).
#pragma once

namespace vt {
class TComponent;
class TspSkinData;
}

namespace vt::test {

// A container owned by owner (may be null: free it with FreeSkinData) that has loaded the default
// skin folder with layered borders on or off. Null when the load left it empty.
TspSkinData* NewLoadedSkinData(TComponent* owner, bool showLayeredBorders = true);
void FreeSkinData(TspSkinData* skinData);

} // namespace vt::test
