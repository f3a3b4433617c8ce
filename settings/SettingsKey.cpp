#include "settings/SettingsKey.h"

namespace velkaro {

std::wstring ReadSettingText(SettingsKey& key, const std::wstring& name) {
    StoredValue value = key.Read(name);
    switch (value.Kind) {
    case StoredValueKind::Missing:
        return {};
    case StoredValueKind::String:
    case StoredValueKind::ExpandString:
        return std::move(value.Text);
    case StoredValueKind::OtherType:
        break;
    }
    throw ERegistryException(L"Invalid data type for '" + name + L"'");
}

void WriteSettingText(SettingsKey& key, const std::wstring& name, const std::wstring& text) {
    if (!key.WriteString(name, text)) {
        throw ERegistryException(L"Failed to set data for '" + name + L"'");
    }
}

} // namespace velkaro
