#include "settings/RegistrySettingsKey.h"

#include "framework/Registry.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace velkaro {

namespace {

// Reading asks only to read; writing also reads what it replaces, to give it back on undo.
REGSAM AccessFor(SettingsAccess access) {
    return access == SettingsAccess::Read ? KEY_READ : KEY_QUERY_VALUE | KEY_SET_VALUE;
}

class RegistrySettingsKey : public SettingsKey {
public:
    RegistrySettingsKey(const std::wstring& path, SettingsAccess access)
        : registry_(AccessFor(access)) {
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
        const bool first = std::none_of(before_.begin(), before_.end(),
                                        [&](const auto& written) { return written.first == name; });
        std::optional<TRegData> before = first ? registry_.ReadData(name) : std::nullopt;
        if (!registry_.WriteString(name, text)) {
            return false;
        }
        if (first) {
            before_.emplace_back(name, std::move(before));
        }
        return true;
    }

    void UndoWrites() override {
        for (auto written = before_.rbegin(); written != before_.rend(); ++written) {
            if (written->second) {
                registry_.WriteData(written->first, *written->second);
            } else {
                registry_.DeleteValue(written->first);
            }
        }
        before_.clear();
    }

private:
    TRegistry registry_;
    // What each value written through this open held before its first write (nothing: missing).
    std::vector<std::pair<std::wstring, std::optional<TRegData>>> before_;
};

} // namespace

std::unique_ptr<SettingsKey> RegistrySettingsKeys::Open(SettingsAccess access) {
    return std::make_unique<RegistrySettingsKey>(path_, access);
}

} // namespace velkaro
