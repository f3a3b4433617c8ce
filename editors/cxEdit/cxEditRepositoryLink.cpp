#include "editors/cxEdit/cxEditRepositoryLink.h"

#include <utility>

namespace velkaro {

TcxEditRepositoryLink::TcxEditRepositoryLink(
    IcxEditPropertiesOwner& edit, const TcxEditRepositoryItem::TPropertiesFactory& createProperties,
    std::function<void()> changed)
    : edit_(edit), own_(createProperties(&edit)), changed_(std::move(changed)) {
    AttachOwnHook();
}

TcxEditRepositoryLink::~TcxEditRepositoryLink() {
    if (item_ != nullptr) {
        item_->RemoveListener(*this);
    }
    DetachOwnHook();
}

TcxCustomEditProperties& TcxEditRepositoryLink::InUse() const {
    return item_ != nullptr ? item_->Properties() : *own_;
}

void TcxEditRepositoryLink::SetItem(TcxEditRepositoryItem* item, bool attachOwn) {
    if (item_ != nullptr) {
        item_->RemoveListener(*this);
    }
    item_ = item;
    if (item != nullptr) {
        item->AddListener(*this);
        DetachOwnHook();
        changed_();
    } else if (attachOwn) {
        AttachOwnHook();
    }
}

void TcxEditRepositoryLink::AttachOwnHook() {
    own_->OnPropertiesChanged = [this](TObject*) { changed_(); };
}

void TcxEditRepositoryLink::DetachOwnHook() {
    own_->OnPropertiesChanged = nullptr;
}

void TcxEditRepositoryLink::ItemPropertiesChanged(TcxEditRepositoryItem&) {
    changed_();
}

void TcxEditRepositoryLink::ItemRemoved(TcxEditRepositoryItem&) {
    item_ = nullptr;
    if (!edit_.IsDestroying()) {
        AttachOwnHook();
        changed_();
    }
}

} // namespace velkaro
