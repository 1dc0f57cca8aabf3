#include "skin/skin_forms_win.h"

#include "framework/win/forms.h"

namespace vt {

namespace {

bool IsScreenForm(const TCustomForm* form)
{
    if (!Screen || !form)
        return false;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) == form)
            return true;
    return false;
}

} // namespace

// A sink outlives its form (a form may go while a broadcast is under way), so it checks that the
// form is still on the screen's list before touching it.
class TScreenSkinFormRegistry::TFormSink final : public ISkinMessageSink {
public:
    TFormSink(TScreenSkinFormRegistry& owner, TCustomForm* form) : owner_(owner), form_(form) {}

    void SendSkinMessage(uint32_t msg, TspSkinData* wParam, intptr_t lParam) override
    {
        ++owner_.sending_;
        try {
            // A freed form, or one without a window yet (none is made for it), gets nothing.
            if (IsScreenForm(form_) && form_->HandleAllocated())
                SendMessageW(form_->Handle(), msg, reinterpret_cast<WPARAM>(wParam),
                             static_cast<LPARAM>(lParam));
        } catch (...) {
            --owner_.sending_;
            throw;
        }
        --owner_.sending_;
    }

private:
    TScreenSkinFormRegistry& owner_;
    TCustomForm* form_;
};

TScreenSkinFormRegistry::TScreenSkinFormRegistry() = default;
TScreenSkinFormRegistry::~TScreenSkinFormRegistry() = default;

TScreenSkinFormRegistry::TFormSink* TScreenSkinFormRegistry::SinkOf(TCustomForm* form)
{
    std::unique_ptr<TFormSink>& sink = sinks_[form];
    if (!sink)
        sink = std::make_unique<TFormSink>(*this, form);
    return sink.get();
}

void TScreenSkinFormRegistry::DropGoneForms()
{
    // While a message is being sent, the broadcast that sent it still holds its list of sinks.
    if (sending_ > 0)
        return;
    std::erase_if(sinks_, [](const auto& entry) { return !IsScreenForm(entry.first); });
}

std::vector<TSkinFormEntry> TScreenSkinFormRegistry::SkinForms()
{
    DropGoneForms();
    std::vector<TSkinFormEntry> forms;
    if (!Screen)
        return forms;
    forms.reserve(static_cast<size_t>(Screen->FormCount()));
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        forms.push_back({SinkOf(form), IsLayerFrameForm && IsLayerFrameForm(*form)});
    }
    return forms;
}

ISkinMessageSink* TScreenSkinFormRegistry::FormSink(TComponent* component)
{
    auto* form = dynamic_cast<TCustomForm*>(component);
    return IsScreenForm(form) ? SinkOf(form) : nullptr;
}

void InstallSkinFormRegistry()
{
    // Never freed: containers living until exit may still broadcast from their destructors.
    static auto* registry = new TScreenSkinFormRegistry();
    SetDefaultSkinFormRegistry(registry);
}

} // namespace vt
