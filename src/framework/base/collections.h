// TCollection and TCollectionItem: an owned, ordered list of items of one class, as used for the
// caption tabs, quick buttons, stored skin lists and image lists. Changes to an item or to the
// list reach the collection's Update (and, through it, its owner), unless updates are suspended.
#pragma once

#include "framework/base/component.h"

#include <functional>
#include <memory>
#include <vector>

namespace vt {

class TCollection;

class TCollectionItem : public TPersistent {
    VT_CLASS_NAME(TCollectionItem)
public:
    TCollectionItem() = default;
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item to another collection (null: out of any; the caller then owns it).
    void SetCollection(TCollection* collection);
    int Index() const;
    // Moves the item within its collection; out-of-range indexes raise EListError.
    virtual void SetIndex(int index);
    int ID() const { return id_; }
    // The class name unless a derived class has something better.
    virtual String DisplayName() const { return ClassName(); }

protected:
    // Reports a change of this item (or, with allItems, of the whole collection).
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

class TCollection : public TPersistent {
    VT_CLASS_NAME(TCollection)
public:
    using TItemFactory = std::function<TCollectionItem*()>;

    TCollection(TPersistent* owner, TItemFactory factory);
    ~TCollection() override;

    TPersistent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError for an index out of range.
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    void BeginUpdate() { ++updateCount_; }
    // The last EndUpdate reports one change of the whole collection.
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Replaces the items with copies of source's (each item Assigns from its counterpart).
    void Assign(const TPersistent* source) override;

    // Called on every change: item is the changed item, or null for the whole collection.
    std::function<void(TCollection&, TCollectionItem*)> OnUpdate;

protected:
    virtual void Update(TCollectionItem* item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item, int index);
    void RemoveItem(TCollectionItem* item);

    TPersistent* owner_;
    TItemFactory factory_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
    int nextId_ = 0;
};

// A collection whose items are of class T.
template <class T> class TOwnedCollection : public TCollection {
public:
    explicit TOwnedCollection(TPersistent* owner)
        : TCollection(owner, [] { return new T(); })
    {
    }
    T* Items(int index) const { return static_cast<T*>(TCollection::Items(index)); }
    T* Add() { return static_cast<T*>(TCollection::Add()); }
    T* Insert(int index) { return static_cast<T*>(TCollection::Insert(index)); }
};

} // namespace vt
