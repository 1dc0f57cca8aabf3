// The application's form list for the container's broadcasts: the framework's Screen forms, each
// taking the skin messages through SendMessage to its window. Includes no skin value types, so
// it sits next to the framework's headers (both define TFontStyle).
#pragma once

#include "skin/skin_forms.h"

#include <functional>
#include <map>
#include <memory>

namespace vt {

class TComponent;
class TCustomForm;

class TScreenSkinFormRegistry final : public ISkinFormRegistry {
public:
    TScreenSkinFormRegistry();
    ~TScreenSkinFormRegistry();
    TScreenSkinFormRegistry(const TScreenSkinFormRegistry&) = delete;
    TScreenSkinFormRegistry& operator=(const TScreenSkinFormRegistry&) = delete;

    // Screen's forms in creation order (none while Screen does not exist).
    std::vector<TSkinFormEntry> SkinForms() override;
    // The sink of a component that is one of Screen's forms, otherwise null.
    ISkinMessageSink* FormSink(TComponent* component) override;

    // Tells which forms are layered frame windows (never broadcast targets); unset: none.
    std::function<bool(const TCustomForm&)> IsLayerFrameForm;

private:
    class TFormSink;
    TFormSink* SinkOf(TCustomForm* form);
    void DropGoneForms();

    std::map<TCustomForm*, std::unique_ptr<TFormSink>> sinks_;
    int sending_ = 0;  // messages being sent: sinks handed out may still be in use
};

// Makes one Screen form registry the default of every container (application start-up, tests).
// Calling it again changes nothing.
void InstallSkinFormRegistry();

} // namespace vt
