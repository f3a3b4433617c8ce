#pragma once
// An edit's properties: its own, or a repository item's while one is set. The edit hears every
// change of the properties in use; of its own only while no item is set and the hook is attached
// (form loading detaches it).
#include "editors/cxEdit/cxEditRepository.h"

#include <functional>
#include <memory>

namespace velkaro {

class TcxEditRepositoryLink : private IcxEditRepositoryItemListener {
public:
    // Makes the own properties, with the edit as their owner, and attaches their hook; changed is
    // the edit's reaction to a change of the properties in use.
    TcxEditRepositoryLink(IcxEditPropertiesOwner& edit,
                          const TcxEditRepositoryItem::TPropertiesFactory& createProperties,
                          std::function<void()> changed);
    ~TcxEditRepositoryLink();
    TcxEditRepositoryLink(const TcxEditRepositoryLink&) = delete;
    TcxEditRepositoryLink& operator=(const TcxEditRepositoryLink&) = delete;

    TcxCustomEditProperties& Own() const { return *own_; }
    TcxCustomEditProperties& InUse() const;
    TcxEditRepositoryItem* Item() const { return item_; }
    // Leaves the item set and joins item. Joining one detaches the own properties' hook; leaving
    // for none attaches it when attachOwn.
    void SetItem(TcxEditRepositoryItem* item, bool attachOwn);
    void AttachOwnHook();
    void DetachOwnHook();

private:
    void ItemPropertiesChanged(TcxEditRepositoryItem& item) override;
    void ItemRemoved(TcxEditRepositoryItem& item) override;

    IcxEditPropertiesOwner& edit_;
    std::unique_ptr<TcxCustomEditProperties> own_;
    std::function<void()> changed_;
    TcxEditRepositoryItem* item_ = nullptr;
};

} // namespace velkaro
