// The Screen form list as the containers' broadcast target: real framework forms take the skin
// messages through their windows.
#include "framework/win/forms.h"
#include "loaded_skin.h"
#include "skin/skin_forms_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace vt::test {
namespace {

struct TSkinMessage {
    uint32_t Msg;
    WPARAM WParam;
    LPARAM LParam;
    bool operator==(const TSkinMessage&) const = default;
};

// Every log gets every skin message any recording form receives, in arrival order.
struct TArrival {
    const void* Form;
    uint32_t Msg;
};
std::vector<TArrival> gArrivals;

class TRecordingForm : public TForm {
    VT_CLASS_NAME(TRecordingForm)
public:
    using TForm::TForm;
    std::vector<TSkinMessage> Received;
    std::function<void()> OnFirstSkinMessage;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg >= SKINMSG_BEGIN_CHANGE && m.Msg <= SKINMSG_AERO_BLUR_CHANGED) {
            Received.push_back({m.Msg, m.WParam, m.LParam});
            gArrivals.push_back({this, m.Msg});
            if (Received.size() == 1 && OnFirstSkinMessage)
                OnFirstSkinMessage();
        }
        TForm::WndProc(m);
    }
};

class SkinForms : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        InstallSkinFormRegistry();
        gArrivals.clear();
    }
};

// Frees a container the test owns.
struct TSkinDataDeleter {
    void operator()(TspSkinData* sd) const { FreeSkinData(sd); }
};
using TOwnedSkinData = std::unique_ptr<TspSkinData, TSkinDataDeleter>;

std::vector<TSkinMessage> LoadSequence(const TspSkinData* sd)
{
    const auto w = reinterpret_cast<WPARAM>(sd);
    return {{SKINMSG_BEGIN_CHANGE, w, 1000},
            {SKINMSG_CHANGED, w, 1000},
            {SKINMSG_CHANGE_DONE, w, 1000}};
}

// Tests that loading the default skin sends begin, changed and done, in that order, to every
// framework form with a window, with the container and 1000 as parameters; a form without a
// window gets nothing and is not given one.
TEST_F(SkinForms, LoadReachesFormsThroughTheirWindows)
{
    TRecordingForm first(nullptr), second(nullptr), windowless(nullptr);
    first.Handle();
    second.Handle();
    TOwnedSkinData sd(NewLoadedSkinData(nullptr));
    ASSERT_TRUE(sd);
    EXPECT_EQ(first.Received, LoadSequence(sd.get()));
    EXPECT_EQ(second.Received, LoadSequence(sd.get()));
    EXPECT_TRUE(windowless.Received.empty());
    EXPECT_FALSE(windowless.HandleAllocated());
    // Each message goes to all forms before the next one starts.
    ASSERT_EQ(gArrivals.size(), 6u);
    EXPECT_EQ(gArrivals[1].Msg, SKINMSG_BEGIN_CHANGE);
    EXPECT_EQ(gArrivals[2].Msg, SKINMSG_CHANGED);
}

// Tests the list itself: Screen's forms in creation order, the layer-frame hook marking entries,
// the owner-form sink only for forms, and a freed form leaving the list.
TEST_F(SkinForms, RegistryFollowsTheScreenList)
{
    TScreenSkinFormRegistry registry;
    const int before = Screen->FormCount();
    auto a = std::make_unique<TRecordingForm>(nullptr);
    TRecordingForm b(nullptr);
    std::vector<TSkinFormEntry> forms = registry.SkinForms();
    ASSERT_EQ(forms.size(), size_t(before + 2));
    EXPECT_EQ(forms[before].Sink, registry.FormSink(a.get()));
    EXPECT_EQ(forms[before + 1].Sink, registry.FormSink(&b));
    EXPECT_NE(forms[before].Sink, forms[before + 1].Sink);
    EXPECT_FALSE(forms[before].IsLayerFrameWindow);

    registry.IsLayerFrameForm = [&](const TCustomForm& f) { return &f == &b; };
    forms = registry.SkinForms();
    EXPECT_FALSE(forms[before].IsLayerFrameWindow);
    EXPECT_TRUE(forms[before + 1].IsLayerFrameWindow);

    TComponent notAForm(nullptr);
    EXPECT_EQ(registry.FormSink(&notAForm), nullptr);
    EXPECT_EQ(registry.FormSink(nullptr), nullptr);

    a.reset();
    EXPECT_EQ(registry.SkinForms().size(), size_t(before + 1));
}

// Tests that a container owned by a form tells that form first when layered borders are off.
TEST_F(SkinForms, OwnerFormFirstWithoutLayeredBorders)
{
    TRecordingForm other(nullptr), owner(nullptr);
    other.Handle();
    owner.Handle();
    TspSkinData* sd = NewLoadedSkinData(&owner, false);
    ASSERT_TRUE(sd);
    // Switching the borders off was broadcast before the load; the load's messages follow.
    ASSERT_EQ(gArrivals.size(), 8u);
    EXPECT_EQ(gArrivals[2].Form, &owner);
    EXPECT_EQ(gArrivals[2].Msg, SKINMSG_BEGIN_CHANGE);
    EXPECT_EQ(gArrivals[4].Form, &owner);
    EXPECT_EQ(gArrivals[6].Form, &owner);
    const std::vector<TSkinMessage> load = LoadSequence(sd);
    EXPECT_EQ(std::vector<TSkinMessage>(owner.Received.begin() + 1, owner.Received.end()), load);
    EXPECT_EQ(std::vector<TSkinMessage>(other.Received.begin() + 1, other.Received.end()), load);
}

// Tests that a form freed by another form's handler during a broadcast gets no further message
// and the broadcast carries on to the forms still there.
TEST_F(SkinForms, FormFreedDuringABroadcastIsSkipped)
{
    TRecordingForm a(nullptr), c(nullptr);
    auto* b = new TRecordingForm(nullptr);
    a.Handle();
    b->Handle();
    c.Handle();
    const void* freed = b;
    a.OnFirstSkinMessage = [&] { delete b; b = nullptr; };
    c.OnFirstSkinMessage = [&] { delete b; b = nullptr; };
    TOwnedSkinData sd(NewLoadedSkinData(nullptr));
    ASSERT_TRUE(sd);
    EXPECT_EQ(b, nullptr);
    EXPECT_EQ(a.Received, LoadSequence(sd.get()));
    EXPECT_EQ(c.Received, LoadSequence(sd.get()));
    int toFreed = 0;
    for (const TArrival& e : gArrivals)
        toFreed += e.Form == freed;
    EXPECT_EQ(toFreed, 0);
}

} // namespace
} // namespace vt::test
