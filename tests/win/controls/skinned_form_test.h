// The fixture of the control tests: a form that runs the skin-change walk on the container's
// messages, as the form engine does, with a container of its own (empty until a test loads it).
#pragma once

#include "framework/win/forms.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace vt::test {

class SkinnedFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        InstallSkinFormRegistry();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetClientWidth(300);
        form_->SetClientHeight(200);
        hook_.emplace(*form_, [this](TMessage& m, const TWndMethod& previous) {
            if (DispatchSkinChange(*form_, m.Msg, reinterpret_cast<TspSkinData*>(m.WParam))) {
                if (m.Msg == SKINMSG_BEGIN_CHANGE && onBeginChange)
                    onBeginChange();
                return;
            }
            previous(m);
        });
        sd_ = new TspSkinData(form_.get());
        form_->Handle();
    }
    void TearDown() override
    {
        hook_.reset();
        form_.reset();
    }

    std::unique_ptr<TForm> form_;
    std::optional<TWindowProcHook> hook_;
    TspSkinData* sd_ = nullptr;
    // Called on the begin-change message, before the container replaces its skin.
    std::function<void()> onBeginChange;
};

} // namespace vt::test
