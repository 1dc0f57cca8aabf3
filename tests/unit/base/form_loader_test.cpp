#include "framework/base/collections.h"
#include "framework/base/form_loader.h"
#include "framework/base/form_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vt {
namespace {

std::vector<std::wstring>* gLog = nullptr;

class Tab : public TCollectionItem {
    VT_CLASS_NAME(Tab)
public:
    std::wstring Caption;
    TComponentRef<TComponent> Target;
    bool SetProperty(const String& name, const TPropValue& v) override
    {
        if (name == L"Caption") {
            Caption = v.AsString();
            return true;
        }
        return false;
    }
    bool SetReference(const String& name, TComponent* c) override
    {
        if (name != L"Target")
            return false;
        Target = c;
        return true;
    }
};

// A component that logs each loader phase as it reaches it.
class TRecorder : public TComponent {
    VT_CLASS_NAME(TRecorder)
public:
    explicit TRecorder(TComponent* owner) : TComponent(owner), Tabs(this)
    {
        gLog->push_back(L"create");
    }
    std::wstring Text;
    int Number = 0;
    std::vector<std::wstring> Flags;
    std::vector<uint8_t> Data;
    TComponentRef<TComponent> Buddy;
    TComponent* Parent = nullptr;
    TNotifyEvent OnPing;
    TOwnedCollection<Tab> Tabs;
    bool LoadingWhenSet = false;

    bool SetProperty(const String& name, const TPropValue& v) override
    {
        gLog->push_back(L"prop " + Name() + L"." + name);
        LoadingWhenSet = IsLoading();
        if (name == L"Text")
            Text = v.AsString();
        else if (name == L"Number")
            Number = v.AsInteger();
        else if (name == L"Flags")
            Flags = v.AsSet();
        else if (name == L"Data")
            Data = v.AsBinary();
        else if (name == L"OnPing")
            OnPing = v.AsMethod<TNotifyEvent>();
        else
            return TComponent::SetProperty(name, v);
        return true;
    }
    bool SetReference(const String& name, TComponent* c) override
    {
        if (name != L"Buddy")
            return false;
        gLog->push_back(L"ref " + Name() + L"." + name + L"=" + c->Name());
        Buddy = c;
        return true;
    }
    TCollection* GetCollectionProperty(const String& name) override
    {
        return name == L"Tabs" ? &Tabs : nullptr;
    }
    void SetParentComponent(TComponent* parent) override { Parent = parent; }
    void Loaded() override
    {
        TComponent::Loaded();
        gLog->push_back(L"loaded " + Name());
    }
};

class TRoot : public TRecorder {
    VT_CLASS_NAME(TRoot)
public:
    using TRecorder::TRecorder;
    TRecorder* Second = nullptr;
    std::map<std::wstring, std::any> Methods;
    std::any MethodAddress(const String& name) const override
    {
        auto it = Methods.find(name);
        return it == Methods.end() ? std::any() : it->second;
    }
    void ComponentCreated(TComponent* c) override
    {
        if (c->Name() == L"Second")
            Second = dynamic_cast<TRecorder*>(c);
    }
};

class FormLoader : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLog = &log;
        RegisterComponentClass<TRecorder>();
    }
    void TearDown() override { gLog = nullptr; }
    std::vector<std::wstring> log;
};

const char* kDescription = R"(// a comment line
object Root: TRoot
  Text = 'It''s ' + #65#66'c'
  Number = -12
  object First: TRecorder
    Buddy = Second            // a component created later
    Flags = [fsBold, fsItalic]
    object Inner: TRecorder
      Data = {
        00 0a FF
        10 }
      Tabs = <
        item
          Caption = 'one'
          Target = Root
        end
        item
          Caption = 'two'
        end>
    end
  end
  object Second: TRecorder
    Number = $1F
    OnPing = Ping
    Buddy = First
  end
end
)";

// Tests the loader's phases: every component created in description order, then properties in
// order, then references, then Loaded in creation order; values of every kind arrive intact.
TEST_F(FormLoader, CreatesThenSetsThenResolvesThenLoads)
{
    log.clear();
    TRoot root(nullptr);
    int pings = 0;
    root.Methods[L"Ping"] = TNotifyEvent([&](TObject*) { ++pings; });
    log.clear();
    LoadComponentTree(root, ParseFormDescription(kDescription));
    const std::vector<std::wstring> expected = {
        L"create", L"create", L"create",                             // First, Inner, Second
        L"prop Root.Text", L"prop Root.Number", L"prop First.Buddy",  // Buddy: deferred
        L"prop First.Flags", L"prop Inner.Data", L"prop Second.Number",
        L"prop Second.OnPing", L"prop Second.Buddy",
        L"ref First.Buddy=Second", L"ref Second.Buddy=First",
        L"loaded Root", L"loaded First", L"loaded Inner", L"loaded Second"};
    EXPECT_EQ(log, expected);

    EXPECT_EQ(root.Text, L"It's ABc");
    EXPECT_EQ(root.Number, -12);
    auto* first = dynamic_cast<TRecorder*>(root.FindComponent(L"First"));
    auto* inner = dynamic_cast<TRecorder*>(root.FindComponent(L"Inner"));
    ASSERT_TRUE(first && inner && root.Second);
    EXPECT_EQ(inner->Owner(), &root);  // everything is owned by the root ...
    EXPECT_EQ(inner->Parent, first);   // ... and placed in its enclosing object
    EXPECT_EQ(first->Parent, &root);
    EXPECT_EQ(first->Flags, (std::vector<std::wstring>{L"fsBold", L"fsItalic"}));
    EXPECT_EQ(inner->Data, (std::vector<uint8_t>{0x00, 0x0A, 0xFF, 0x10}));
    ASSERT_EQ(inner->Tabs.Count(), 2);
    EXPECT_EQ(inner->Tabs.Items(0)->Caption, L"one");
    EXPECT_EQ(inner->Tabs.Items(0)->Target.get(), &root);
    EXPECT_EQ(inner->Tabs.Items(1)->Caption, L"two");
    EXPECT_EQ(root.Second->Number, 31);
    EXPECT_TRUE(root.Second->LoadingWhenSet);
    EXPECT_FALSE(root.Second->IsLoading());
    EXPECT_EQ(first->Buddy.get(), root.Second);
    root.Second->OnPing(nullptr);
    EXPECT_EQ(pings, 1);
}

// Tests that description errors name the component and property and leave nothing dangling
// (everything created so far is freed with the root).
TEST_F(FormLoader, ErrorsNameTheComponentAndProperty)
{
    struct Case {
        const char* text;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"object R: TRoot\n object A: TRecorder\n Missing = 1\n end\nend",
         L"Error reading A.Missing: Property Missing does not exist"},
        {"object R: TRoot\n object A: TRecorder\n Buddy = Nobody\n end\nend",
         L"Error reading A.Buddy: Invalid property value 'Nobody'"},
        {"object R: TRoot\n object A: TRecorder\n Number = 'x'\n end\nend",
         L"Error reading A.Number: Invalid property value"},
        {"object R: TRoot\n object A: TUnknownThing\n end\nend", L"Class TUnknownThing not found"},
        {"object R: TRoot\n object A: TRecorder\n end\n object a: TRecorder\n end\nend",
         L"A component named a already exists"},
        {"object R: TRoot\n object A: TRecorder\n OnPing = Nope\n end\nend",
         L"Error reading A.OnPing: Invalid property value"},
    };
    for (const auto& c : cases) {
        auto* root = new TRoot(nullptr);
        try {
            LoadComponentTree(*root, ParseFormDescription(c.text));
            ADD_FAILURE() << c.text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.text;
        }
        delete root;
    }
}

// Tests that malformed text is refused with the line of the fault, never accepted in part.
TEST(FormReader, RejectsMalformedText)
{
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"", 1},
        {"object A: TX\n", 2},                             // no end
        {"object A TX\nend", 1},                            // no colon
        {"object A: TX\n  P = 'open\nend", 2},              // unterminated string
        {"object A: TX\n  P = { 0A 1 }\nend", 2},           // odd hex digits
        {"object A: TX\n  P = { 0G }\nend", 2},             // not hex
        {"object A: TX\n  P = 99999999999\nend", 2},        // out of range
        {"object A: TX\n  P = [a, ]\nend", 2},              // empty set member
        {"object A: TX\n  P = #70000\nend", 2},             // character code too big
        {"object A: TX\n  P = < item P = 1 >\nend", 2},     // item without end
        {"object A: TX\nend\nobject B: TX\nend", 3},        // two roots
        {"object A: TX\n  P = 1.5.2\nend", 2},
        {"object A: TX\n  = 1\nend", 2},
    };
    for (const auto& c : cases) {
        try {
            ParseFormDescription(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EParserError& e) {
            std::wstring prefix = L"Line " + std::to_wstring(c.line) + L":";
            EXPECT_EQ(e.Message().rfind(prefix, 0), 0u) << c.text << " -> " << e.what();
        }
    }
}

// Tests that very deep nesting is refused instead of exhausting the stack.
TEST(FormReader, RefusesDeepNesting)
{
    std::string deep;
    for (int i = 0; i < 10000; ++i)
        deep += "object A: TX\n";
    EXPECT_THROW(ParseFormDescription(deep), EParserError);
    std::string lists = "object A: TX\n P = " + std::string(10000, '(');
    EXPECT_THROW(ParseFormDescription(lists), EParserError);
}

// Tests the value forms the format documents, including floats, lists, dotted names and a BOM.
TEST(FormReader, ParsesEveryValueKind)
{
    TObjectDesc d = ParseFormDescription(
        "\xEF\xBB\xBFobject Form1: TForm1\n"
        "  Font.Name = 'MS Sans Serif'\n"
        "  Ratio = 1.25\n"
        "  Lines = ('a' 'b''c' #13)\n"
        "  Empty = []\n"
        "  Caption = 'Gr\xC3\xBC\xC3\x9F' +\n    'e'\n"
        "end\n");
    EXPECT_EQ(d.Name, L"Form1");
    EXPECT_EQ(d.ClassName, L"TForm1");
    ASSERT_EQ(d.Props.size(), 5u);
    EXPECT_EQ(d.Props[0].Name, L"Font.Name");
    EXPECT_EQ(d.Props[0].Value.AsString(), L"MS Sans Serif");
    EXPECT_DOUBLE_EQ(d.Props[1].Value.AsFloat(), 1.25);
    ASSERT_EQ(d.Props[2].Value.List.size(), 3u);
    EXPECT_EQ(d.Props[2].Value.List[1].AsString(), L"b'c");
    EXPECT_EQ(d.Props[2].Value.List[2].AsString(), L"\r");
    EXPECT_TRUE(d.Props[3].Value.AsSet().empty());
    EXPECT_EQ(d.Props[4].Value.AsString(), L"Gr\u00FC\u00DFe");
    EXPECT_EQ(d.Props[4].Line, 6);
    EXPECT_THROW(d.Props[0].Value.AsInteger(), EReadError);
}

} // namespace
} // namespace vt
