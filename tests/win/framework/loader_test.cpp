#include "framework/base/form_loader.h"
#include "framework/win/forms.h"
#include "framework/win/timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

std::vector<std::wstring>* gEvents = nullptr;

// A windowed control that records each loader phase it goes through.
class TPhaseControl : public TCustomControl {
    VT_CLASS_NAME(TPhaseControl)
public:
    explicit TPhaseControl(TComponent* owner) : TCustomControl(owner)
    {
        gEvents->push_back(L"create");
    }
    TComponentRef<TComponent> Partner;
    bool SetProperty(const String& name, const TPropValue& v) override
    {
        if (name == L"Caption")
            gEvents->push_back(L"props " + Name());
        return TCustomControl::SetProperty(name, v);
    }
    bool SetReference(const String& name, TComponent* c) override
    {
        if (name != L"Partner")
            return TCustomControl::SetReference(name, c);
        gEvents->push_back(L"ref " + Name());
        Partner = c;
        return true;
    }
    void Loaded() override
    {
        TCustomControl::Loaded();
        gEvents->push_back(L"loaded " + Name());
    }
};

class TPhaseForm : public TForm {
    VT_CLASS_NAME(TPhaseForm)
public:
    explicit TPhaseForm(TComponent* owner) : TForm(owner)
    {
        RegisterMethod(L"FormCreate", TNotifyEvent([this](TObject*) {
                           gEvents->push_back(L"OnCreate");
                           createdWithParent = Second && Second->Parent() == First;
                       }));
        BindField(L"First", First);
        BindField(L"Second", Second);
    }
    TPhaseControl* First = nullptr;
    TPhaseControl* Second = nullptr;
    bool createdWithParent = false;
};

const char* kForm = R"(object PhaseForm: TPhaseForm
  Caption = 'Loader'
  ClientWidth = 300
  ClientHeight = 200
  OnCreate = FormCreate
  object First: TPhaseControl
    Caption = 'first'
    Partner = Second
    Align = alClient
    object Second: TPhaseControl
      Caption = 'second'
      Partner = First
      Align = alTop
      Height = 40
    end
  end
  object Ticker: TTimer
    Interval = 50
    Enabled = False
  end
end
)";

class Loader : public ::testing::Test {
protected:
    void SetUp() override
    {
        gEvents = &events;
        RegisterComponentClass<TPhaseControl>();
    }
    void TearDown() override { gEvents = nullptr; }
    std::vector<std::wstring> events;
};

// Tests the loader's order on real controls: all created, then properties, then references,
// then Loaded in creation order, then OnCreate; and that the tree is parented and laid out.
TEST_F(Loader, CreatePropertiesReferencesLoadedThenOnCreate)
{
    auto* form = new TPhaseForm(Application);
    form->LoadFromText(kForm);
    const std::vector<std::wstring> expected = {
        L"create",        L"create",        L"props First",    L"props Second", L"ref First",
        L"ref Second",    L"loaded First",  L"loaded Second",  L"OnCreate"};
    EXPECT_EQ(events, expected);
    ASSERT_TRUE(form->First && form->Second);
    EXPECT_TRUE(form->createdWithParent);
    EXPECT_EQ(form->Name(), L"PhaseForm");
    EXPECT_EQ(form->Caption(), L"Loader");
    EXPECT_EQ(form->First->Partner.get(), form->Second);
    EXPECT_EQ(form->Second->Partner.get(), form->First);
    EXPECT_EQ(form->Second->Owner(), form);  // owned by the form, placed in First
    EXPECT_FALSE(form->IsLoading());
    auto* ticker = dynamic_cast<TTimer*>(form->FindComponent(L"Ticker"));
    ASSERT_NE(ticker, nullptr);
    EXPECT_EQ(ticker->Interval(), 50u);
    EXPECT_FALSE(ticker->Enabled());

    form->Show();
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(form->ClientHeight(), 200);
    EXPECT_EQ(form->First->BoundsRect(), Rect(0, 0, 300, 200));
    EXPECT_EQ(form->Second->BoundsRect(), Rect(0, 0, 300, 40));
    EXPECT_EQ(GetParent(form->Second->Handle()), form->First->Handle());
    delete form;
}

// Tests that a bad description raises a named error and that the half-built form can be freed.
TEST_F(Loader, BadDescriptionRaisesAndCleansUp)
{
    auto* form = new TPhaseForm(Application);
    try {
        form->LoadFromText("object F: TPhaseForm\n object First: TPhaseControl\n"
                           "  Align = alSideways\n end\nend");
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Error reading First.Align: Invalid property value");
    }
    EXPECT_EQ(form->ComponentCount(), 1);
    delete form;
    EXPECT_THROW(TForm(nullptr).LoadFromResource(L"NO_SUCH_FORM"), EReadError);
}

// Tests that property names and identifier values match whatever their letter case (a form's,
// a control's, a font's, a timer's), and that an unknown name is still reported as unknown.
TEST_F(Loader, NamesIgnoreLetterCaseUnknownNamesStillFail)
{
    auto* form = new TPhaseForm(Application);
    form->LoadFromText("object F: TPhaseForm\n  caption = 'lower'\n  WINDOWSTATE = WSMAXIMIZED\n"
                       "  object First: TPhaseControl\n    Caption = 'upper'\n    align = ALCLIENT\n"
                       "    font.height = -20\n    color = CLRED\n  end\n"
                       "  object Ticker: TTimer\n    interval = 75\n  end\nend");
    EXPECT_EQ(form->Caption(), L"lower");
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(form->First->Caption(), L"upper");
    EXPECT_EQ(form->First->Align(), alClient);
    EXPECT_EQ(form->First->Font().Height(), -20);
    EXPECT_EQ(form->First->Color(), clRed);
    auto* ticker = dynamic_cast<TTimer*>(form->FindComponent(L"Ticker"));
    ASSERT_NE(ticker, nullptr);
    EXPECT_EQ(ticker->Interval(), 75u);
    delete form;

    form = new TPhaseForm(Application);
    try {
        form->LoadFromText("object F: TPhaseForm\n  object First: TPhaseControl\n"
                           "    Captions = 'x'\n  end\nend");
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Error reading First.Captions: Property Captions does not exist");
    }
    delete form;
}

} // namespace
} // namespace vt
