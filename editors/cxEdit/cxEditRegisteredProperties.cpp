#include "editors/cxEdit/cxEditRegisteredProperties.h"

#include "editors/cxEdit/cxListIndex.h"

#include <algorithm>

namespace velkaro {

void TcxRegisteredEditPropertiesList::Register(std::wstring className, std::wstring description) {
    for (auto& item : items_) {
        if (item.ClassName == className) {
            item.Description = std::move(description);
            return;
        }
    }
    items_.push_back({std::move(className), std::move(description)});
}

void TcxRegisteredEditPropertiesList::Unregister(std::wstring_view className) {
    std::erase_if(items_, [&](const auto& item) { return item.ClassName == className; });
}

const TcxRegisteredEditProperties& TcxRegisteredEditPropertiesList::Items(int index) const {
    CheckListIndex(index, Count());
    return items_[static_cast<std::size_t>(index)];
}

const TcxRegisteredEditProperties*
TcxRegisteredEditPropertiesList::Find(std::wstring_view className) const {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const auto& item) { return item.ClassName == className; });
    return found == items_.end() ? nullptr : &*found;
}

TcxRegisteredEditPropertiesList& GetRegisteredEditProperties() {
    // Built on first use, so registrations from static objects of any file find it ready, and
    // it outlives them all.
    static TcxRegisteredEditPropertiesList list;
    return list;
}

TcxEditPropertiesRegistration::TcxEditPropertiesRegistration(std::wstring className,
                                                             std::wstring description)
    : className_(className) {
    GetRegisteredEditProperties().Register(std::move(className), std::move(description));
}

TcxEditPropertiesRegistration::~TcxEditPropertiesRegistration() {
    GetRegisteredEditProperties().Unregister(className_);
}

} // namespace velkaro
