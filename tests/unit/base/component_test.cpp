#include "framework/base/collections.h"
#include "framework/base/component.h"
#include "framework/base/events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

// Records its own destruction and the notifications it receives into a shared log.
class Probe : public TComponent {
    VT_CLASS_NAME(Probe)
public:
    Probe(TComponent* owner, std::vector<std::wstring>& log, const wchar_t* name)
        : TComponent(owner), log_(log)
    {
        SetName(name);
    }
    ~Probe() override { log_.push_back(L"free " + Name()); }
    TComponentRef<TComponent> Watched;

protected:
    void Notification(TComponent* c, TOperation op) override
    {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove) {
            log_.push_back(Name() + L" saw " + c->Name());
            if (c == WatchedRaw)
                WatchedRaw = nullptr;
        }
    }

public:
    TComponent* WatchedRaw = nullptr;

private:
    std::vector<std::wstring>& log_;
};

// Tests that an owner frees its components last to first and that nothing is left behind.
TEST(Component, OwnerFreesOwnedComponentsLastToFirst)
{
    std::vector<std::wstring> log;
    auto* root = new Probe(nullptr, log, L"Root");
    new Probe(root, log, L"A");
    auto* b = new Probe(root, log, L"B");
    new Probe(b, log, L"B1");
    new Probe(root, log, L"C");
    EXPECT_EQ(root->ComponentCount(), 3);
    EXPECT_EQ(root->FindComponent(L"b"), b);
    EXPECT_EQ(root->FindComponent(L"B1"), nullptr);  // owned by B, not by the root
    EXPECT_EQ(b->ComponentIndex(), 1);
    log.clear();
    delete root;
    std::vector<std::wstring> frees;
    for (auto& l : log)
        if (l.rfind(L"free ", 0) == 0)
            frees.push_back(l);
    // A component's own destructor body runs before it frees what it owns.
    EXPECT_EQ(frees, (std::vector<std::wstring>{L"free Root", L"free C", L"free B", L"free B1",
                                                L"free A"}));
}

// Tests that freeing a component removes it from its owner and tells its siblings.
TEST(Component, FreeingOneRemovesItAndNotifiesSiblings)
{
    std::vector<std::wstring> log;
    Probe root(nullptr, log, L"Root");
    auto* a = new Probe(&root, log, L"A");
    auto* b = new Probe(&root, log, L"B");
    a->WatchedRaw = b;
    delete b;
    EXPECT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(a->WatchedRaw, nullptr);
    EXPECT_EQ(root.FindComponent(L"B"), nullptr);
}

// Tests that FreeNotification reaches a component with another owner, both ways, and that a
// removed notification is not sent.
TEST(Component, FreeNotificationAcrossOwners)
{
    std::vector<std::wstring> log;
    Probe ownerA(nullptr, log, L"OwnerA");
    Probe ownerB(nullptr, log, L"OwnerB");
    auto* x = new Probe(&ownerA, log, L"X");
    auto* y = new Probe(&ownerB, log, L"Y");
    auto* z = new Probe(&ownerB, log, L"Z");
    x->FreeNotification(y);
    x->FreeNotification(z);
    x->RemoveFreeNotification(z);
    x->WatchedRaw = y;
    log.clear();
    delete y;
    EXPECT_EQ(x->WatchedRaw, nullptr);
    EXPECT_NE(std::find(log.begin(), log.end(), L"X saw Y"), log.end());
    log.clear();
    delete x;  // y is gone: its entry must have been dropped, or this would touch freed memory
    EXPECT_EQ(std::find(log.begin(), log.end(), L"Z saw X"), log.end());
    (void)z;
}

// Tests that weak references clear themselves when the target goes, whoever owns the holder,
// including copies and references re-pointed before the target goes.
TEST(Component, WeakReferenceClearsOnFree)
{
    std::vector<std::wstring> log;
    Probe root(nullptr, log, L"Root");
    auto* target = new Probe(&root, log, L"Target");
    auto* other = new Probe(&root, log, L"Other");
    TComponentRef<Probe> ref(target);
    TComponentRef<Probe> copy = ref;
    TComponentRef<Probe> moved(target);
    moved = other;
    {
        TComponentRef<Probe> shortLived(target);  // unregisters when it goes
    }
    EXPECT_EQ(ref.get(), target);
    delete target;
    EXPECT_FALSE(ref);
    EXPECT_EQ(copy.get(), nullptr);
    EXPECT_EQ(moved.get(), other);
    // A reference held by a component that is freed before its target.
    auto* holder = new Probe(&root, log, L"Holder");
    holder->Watched = other;
    delete holder;
    delete other;
    EXPECT_FALSE(moved);
}

// Tests that the owner's freeing order does not matter to references between its components.
TEST(Component, ReferencesSurviveEitherFreeingOrder)
{
    for (bool refererFirst : {true, false}) {
        std::vector<std::wstring> log;
        auto* root = new Probe(nullptr, log, L"Root");
        Probe* a = nullptr;
        Probe* b = nullptr;
        if (refererFirst) {
            a = new Probe(root, log, L"A");
            b = new Probe(root, log, L"B");
        } else {
            b = new Probe(root, log, L"B");
            a = new Probe(root, log, L"A");
        }
        a->Watched = b;
        b->Watched = a;
        delete root;  // under ASan, a dangling reference would be reported here
    }
}

// Tests name rules: identifiers only, unique per owner regardless of letter case.
TEST(Component, NamesAreIdentifiersAndUniquePerOwner)
{
    std::vector<std::wstring> log;
    Probe root(nullptr, log, L"Root");
    auto* a = new Probe(&root, log, L"Button1");
    EXPECT_THROW(new Probe(&root, log, L"button1"), EComponentError);
    EXPECT_EQ(root.ComponentCount(), 1);  // the half-built one left its owner
    for (const wchar_t* bad : {L"1abc", L"a b", L"a-b", L"a.b"})
        EXPECT_THROW(a->SetName(bad), EComponentError) << bad;
    a->SetName(L"");
    a->SetName(L"_ok9");
    EXPECT_EQ(a->Name(), L"_ok9");
    Probe other(nullptr, log, L"Button1");  // another owner may use the name
}

// Tests the loading state and that Loaded clears it; Destroying marks owned components.
TEST(Component, LoadingAndDestroyingState)
{
    TComponent root(nullptr);
    auto* child = new TComponent(&root);
    root.BeginLoading();
    EXPECT_TRUE(root.IsLoading());
    root.Loaded();
    EXPECT_FALSE(root.IsLoading());
    EXPECT_EQ(root.ComponentState(), 0);
    root.Destroying();
    EXPECT_TRUE(child->IsDestroying());
}

// Tests that ownership moves with InsertComponent and that a moved component is freed by its
// new owner only.
TEST(Component, InsertComponentMovesOwnership)
{
    std::vector<std::wstring> log;
    auto* first = new Probe(nullptr, log, L"First");
    Probe second(nullptr, log, L"Second");
    auto* c = new Probe(first, log, L"C");
    second.InsertComponent(c);
    EXPECT_EQ(c->Owner(), &second);
    EXPECT_EQ(first->ComponentCount(), 0);
    log.clear();
    delete first;
    EXPECT_EQ(std::find(log.begin(), log.end(), L"free C"), log.end());
    EXPECT_EQ(second.FindComponentOf<Probe>(), c);
}

// Tests that events call only when assigned and pass their arguments through.
TEST(Events, CalledOnlyWhenAssigned)
{
    TEvent<int, int&> ev;
    int out = 0;
    ev(3, out);  // unassigned: nothing happens
    EXPECT_FALSE(ev);
    ev = [](int in, int& o) { o = in * 2; };
    ev(3, out);
    EXPECT_EQ(out, 6);
    TNotifyEvent n = nullptr;
    n(nullptr);
    EXPECT_FALSE(n.Assigned());
}

class NamedItem : public TCollectionItem {
    VT_CLASS_NAME(NamedItem)
public:
    std::wstring Caption;
    void Assign(const TPersistent* source) override
    {
        if (auto* o = dynamic_cast<const NamedItem*>(source)) {
            Caption = o->Caption;
            Changed(false);
            return;
        }
        TCollectionItem::Assign(source);
    }
    void Touch() { Changed(false); }
};

// Tests collection item order, index moves, deletion by freeing an item and the update reports.
TEST(Collection, ItemsOrderIndexAndUpdates)
{
    TOwnedCollection<NamedItem> coll(nullptr);
    std::vector<TCollectionItem*> updates;
    coll.OnUpdate = [&](TCollection&, TCollectionItem* item) { updates.push_back(item); };
    auto* a = coll.Add();
    auto* b = coll.Add();
    auto* c = coll.Insert(0);
    EXPECT_EQ(coll.Count(), 3);
    EXPECT_EQ(c->Index(), 0);
    EXPECT_EQ(a->Index(), 1);
    a->SetIndex(2);
    EXPECT_EQ(coll.Items(2), a);
    EXPECT_EQ(b->Index(), 1);
    EXPECT_THROW(a->SetIndex(3), EListError);
    EXPECT_THROW(coll.Items(-1), EListError);
    updates.clear();
    b->Touch();
    EXPECT_EQ(updates, std::vector<TCollectionItem*>{b});
    updates.clear();
    coll.BeginUpdate();
    b->Touch();
    delete c;
    coll.EndUpdate();
    EXPECT_EQ(updates, std::vector<TCollectionItem*>{nullptr});  // one report for the batch
    EXPECT_EQ(coll.Count(), 2);
    EXPECT_EQ(coll.FindItemID(b->ID()), b);
    EXPECT_EQ(b->DisplayName(), L"NamedItem");
}

// Tests that Assign copies every item and rejects an object of another class.
TEST(Collection, AssignCopiesItems)
{
    TOwnedCollection<NamedItem> src(nullptr), dst(nullptr);
    src.Add()->Caption = L"one";
    src.Add()->Caption = L"two";
    dst.Add()->Caption = L"old";
    dst.Assign(&src);
    ASSERT_EQ(dst.Count(), 2);
    EXPECT_EQ(dst.Items(0)->Caption, L"one");
    EXPECT_EQ(dst.Items(1)->Caption, L"two");
    TComponent c(nullptr);
    EXPECT_THROW(dst.Assign(&c), EConvertError);
    EXPECT_EQ(dst.Count(), 2);
}

} // namespace
} // namespace vt
