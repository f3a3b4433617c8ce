#pragma once
// The settings key in the current user's registry.
#include "settings/SettingsKey.h"

#include <string>

namespace velkaro {

class RegistrySettingsKeys : public SettingsKeyOpener {
public:
    explicit RegistrySettingsKeys(std::wstring path = L"Software\\Velkaro 2")
        : path_(std::move(path)) {}
    std::unique_ptr<SettingsKey> Open(SettingsAccess access) override;

private:
    std::wstring path_;
};

} // namespace velkaro
