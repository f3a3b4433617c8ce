#include "settings/RegistrySettingsKey.h"

#include "framework/Registry.h"

namespace velkaro {

namespace {

class RegistrySettingsKey : public SettingsKey {
public:
    explicit RegistrySettingsKey(const std::wstring& path) {
        // A refused open is not reported here: reads then find nothing and writes fail.
        registry_.OpenKey(path, true);
    }

    StoredValue Read(const std::wstring& name) override {
        const std::optional<TRegDataInfo> info = registry_.GetDataInfo(name);
        if (!info) {
            return {};
        }
        switch (info->Type) {
        case REG_SZ:
            return {StoredValueKind::String, registry_.ReadStringData(name)};
        case REG_EXPAND_SZ:
            return {StoredValueKind::ExpandString, registry_.ReadStringData(name)};
        default:
            return {StoredValueKind::OtherType, {}};
        }
    }

    bool WriteString(const std::wstring& name, const std::wstring& text) override {
        return registry_.WriteString(name, text);
    }

private:
    TRegistry registry_;
};

} // namespace

std::unique_ptr<SettingsKey> RegistrySettingsKeys::Open() {
    return std::make_unique<RegistrySettingsKey>(path_);
}

} // namespace velkaro
