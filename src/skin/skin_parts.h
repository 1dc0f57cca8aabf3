// Binds the record classes, the window records, the skin colours and the system colour
// redirection to the container.
#pragma once

namespace vt {

class TspSkinData;

// Gives every type word of [SKINOBJECTS] and [SKINCONTROLS] its record class. Idempotent.
void RegisterSkinRecordClasses();

// Registers the record classes and gives a newly created container its working window records,
// skin colours and system colour hooks (the container's own are placeholders). Call it before
// the container loads anything: the records it replaces keep no values.
void AttachSkinRecordParts(TspSkinData& skinData);

// Lets resource descriptions name TspSkinData (created with its parts attached) and
// TspResourceStrData.
void RegisterSkinDataComponentClasses();

} // namespace vt
