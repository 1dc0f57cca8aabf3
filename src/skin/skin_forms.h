// What the container's broadcasts go to: the skin messages and the application's list of form
// windows. Kept free of the skin's value types so window code can include it next to the
// framework's headers.
#pragma once

#include <cstdint>
#include <vector>

namespace vt {

class TComponent;
class TspSkinData;

inline constexpr uint32_t SKINMSG_BEGIN_CHANGE = 1225;
inline constexpr uint32_t SKINMSG_CHANGED = 1226;
inline constexpr uint32_t SKINMSG_CHANGE_DONE = 1227;
inline constexpr uint32_t SKINMSG_STRINGS_CHANGED = 1274;
inline constexpr uint32_t SKINMSG_SKINNABLE_CHANGED = 1294;
inline constexpr uint32_t SKINMSG_LAYERED_BORDERS_CHANGED = 1427;
inline constexpr uint32_t SKINMSG_AERO_BLUR_CHANGED = 1428;
inline constexpr intptr_t kSkinMessageLParam = 1000;

// A form window that takes the container's messages (synchronously, like SendMessage).
class ISkinMessageSink {
public:
    virtual void SendSkinMessage(uint32_t msg, TspSkinData* wParam, intptr_t lParam) = 0;

protected:
    ~ISkinMessageSink() = default;
};

struct TSkinFormEntry {
    ISkinMessageSink* Sink = nullptr;
    bool IsLayerFrameWindow = false;  // a TspFormLayerWindow: never a broadcast target
};

// The application's forms, in the order of its form list.
class ISkinFormRegistry {
public:
    virtual std::vector<TSkinFormEntry> SkinForms() = 0;
    // The sink of component when it is a form, otherwise null.
    virtual ISkinMessageSink* FormSink(TComponent* component) = 0;

protected:
    ~ISkinFormRegistry() = default;
};

// The process-wide registry containers use unless given their own (the application sets it).
void SetDefaultSkinFormRegistry(ISkinFormRegistry* registry);
ISkinFormRegistry* DefaultSkinFormRegistry();

} // namespace vt
