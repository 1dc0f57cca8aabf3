// Test fixture: the default skin's definition loaded once for a whole test suite, and its control
// records looked up by name, for the control models' tables.
#pragma once

#include "controls/skin_control_model.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

namespace vt::test {

class DefaultSkinRecords : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sd_ = new TspSkinData(nullptr);
        sd_->LoadFromFile(SourcePath("skins/zozaziz/skin.ini"));
    }
    static void TearDownTestSuite()
    {
        delete sd_;
        sd_ = nullptr;
    }
    // The record of that name and kind, or null.
    template <class R> static const R* Record(std::wstring_view name)
    {
        auto found = FindControlRecord<R>(sd_, name);
        return found ? static_cast<const R*>(found.Record) : nullptr;
    }

    static inline TspSkinData* sd_ = nullptr;
};

} // namespace vt::test
