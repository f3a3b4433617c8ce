#include "editors/cxEdit/cxEditRepository.h"

#include "editors/cxEdit/cxListIndex.h"
#include "editors/cxEdit/cxListenerList.h"

#include <algorithm>

namespace velkaro {

TcxEditRepositoryItem::TcxEditRepositoryItem(std::wstring name,
                                             const TPropertiesFactory& createProperties)
    : name_(std::move(name)), properties_(createProperties(this)) {
    properties_->OnPropertiesChanged = [this](TObject*) { PropertiesChanged(); };
}

TcxEditRepositoryItem::~TcxEditRepositoryItem() {
    destroying_ = true;
    // A listener leaves the list when told.
    while (!listeners_.empty()) {
        auto* listener = listeners_.front();
        listeners_.erase(listeners_.begin());
        listener->ItemRemoved(*this);
    }
}

void TcxEditRepositoryItem::AddListener(IcxEditRepositoryItemListener& listener) {
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end()) {
        listeners_.push_back(&listener);
    }
}

void TcxEditRepositoryItem::RemoveListener(IcxEditRepositoryItemListener& listener) {
    std::erase(listeners_, &listener);
}

void TcxEditRepositoryItem::PropertiesChanged() {
    TellListeners(listeners_, [this](IcxEditRepositoryItemListener& listener) {
        listener.ItemPropertiesChanged(*this);
    });
}

TcxEditRepositoryItem&
TcxEditRepository::CreateItem(std::wstring name,
                              const TcxEditRepositoryItem::TPropertiesFactory& factory) {
    items_.push_back(std::make_unique<TcxEditRepositoryItem>(std::move(name), factory));
    return *items_.back();
}

void TcxEditRepository::RemoveItem(TcxEditRepositoryItem& item) {
    std::erase_if(items_, [&item](const auto& owned) { return owned.get() == &item; });
}

TcxEditRepositoryItem& TcxEditRepository::Items(int index) const {
    CheckListIndex(index, Count());
    return *items_[static_cast<std::size_t>(index)];
}

} // namespace velkaro
