#include "settings/SettingsKey.h"

namespace velkaro {

namespace {

// A setting is a 32-bit number, eleven characters as the program writes it; the parse also takes
// blanks and zeros before it, so a stored text may be longer, but not by this much. A longer
// text is cut here and marked with a character that no number holds: its parse then fails, and
// the message quotes its beginning instead of carrying all of it.
constexpr std::size_t kLongestSettingText = 1024;
constexpr wchar_t kCutMark = L'\u2026';

} // namespace

std::wstring ReadSettingText(SettingsKey& key, const std::wstring& name) {
    StoredValue value = key.Read(name);
    switch (value.Kind) {
    case StoredValueKind::Missing:
        return {};
    case StoredValueKind::String:
    case StoredValueKind::ExpandString:
        if (value.Text.size() > kLongestSettingText) {
            value.Text.resize(kLongestSettingText);
            value.Text += kCutMark;
        }
        return std::move(value.Text);
    case StoredValueKind::OtherType:
        break;
    }
    throw ERegistryException(L"Invalid data type for '" + name + L"'");
}

void WriteSettingTexts(SettingsKey& key,
                       const std::vector<std::pair<std::wstring, std::wstring>>& values) {
    for (const auto& [name, text] : values) {
        if (!key.WriteString(name, text)) {
            key.UndoWrites();
            throw ERegistryException(L"Failed to set data for '" + name + L"'");
        }
    }
}

} // namespace velkaro
