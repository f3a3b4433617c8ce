#include "editors/cxEdit/cxEditDefaultValuesProvider.h"

#include <algorithm>

namespace velkaro {

void TcxCustomEditDefaultValuesProvider::AddChangeHook(const void* subscriber,
                                                       std::function<void()> hook) {
    RemoveChangeHook(subscriber);
    changeHooks_.emplace_back(subscriber, std::move(hook));
}

void TcxCustomEditDefaultValuesProvider::RemoveChangeHook(const void* subscriber) {
    std::erase_if(changeHooks_,
                  [subscriber](const auto& entry) { return entry.first == subscriber; });
}

void TcxCustomEditDefaultValuesProvider::DefaultValuesChanged() const {
    // A hook may unsubscribe itself or others while the subscribers are told: each is looked up
    // again before it is called.
    std::vector<const void*> subscribers;
    for (const auto& entry : changeHooks_) {
        subscribers.push_back(entry.first);
    }
    for (const void* subscriber : subscribers) {
        const auto entry =
            std::find_if(changeHooks_.begin(), changeHooks_.end(),
                         [subscriber](const auto& e) { return e.first == subscriber; });
        if (entry != changeHooks_.end()) {
            const auto hook = entry->second;
            hook();
        }
    }
}

} // namespace velkaro
