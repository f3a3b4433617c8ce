#pragma once
#include <algorithm>
#include <vector>

namespace velkaro {

// Calls tell(listener) for each listener in order. A listener may leave the list, or remove
// others, while it is told: each is looked up again before it is called.
template <class Listener, class Tell>
void TellListeners(const std::vector<Listener*>& listeners, Tell tell) {
    const auto snapshot = listeners;
    for (Listener* listener : snapshot) {
        if (std::find(listeners.begin(), listeners.end(), listener) != listeners.end()) {
            tell(*listener);
        }
    }
}

} // namespace velkaro
