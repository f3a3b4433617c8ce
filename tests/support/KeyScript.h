#pragma once
// Key sequences written as text for tests: plain characters are typed, braces name a key with
// optional modifiers, as in "09{S-Left}{C-Right}{BS}"; a capital letter names its key, as in
// "{C-V}". Shared by the native model tests and the
// tests that type real keys under Wine.
#include "editors/cxMaskEdit/cxMaskEditKeys.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro::test {

struct ScriptKey {
    std::uint16_t key = 0; // 0 for a typed character
    TShiftState shift = 0;
    wchar_t character = 0; // the character the key produces, if any
};

inline std::vector<ScriptKey> ParseKeyScript(std::wstring_view script) {
    struct Named {
        std::wstring_view name;
        std::uint16_t key;
        wchar_t character;
    };
    static constexpr Named kNames[] = {
        {L"Left", kVkLeft, 0},  {L"Right", kVkRight, 0}, {L"Up", kVkUp, 0},
        {L"Down", kVkDown, 0},  {L"Home", kVkHome, 0},   {L"End", kVkEnd, 0},
        {L"Del", kVkDelete, 0}, {L"BS", kVkBack, 8},     {L"Enter", 13, 13},
        {L"Tab", kVkTab, 9},    {L"Esc", 27, 27},
    };
    std::vector<ScriptKey> keys;
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] != L'{') {
            keys.push_back({0, 0, script[i]});
            continue;
        }
        const std::size_t close = script.find(L'}', i);
        if (close == std::wstring_view::npos) {
            throw std::invalid_argument("unclosed key name");
        }
        std::wstring_view name = script.substr(i + 1, close - i - 1);
        ScriptKey key;
        if (const std::size_t dash = name.find(L'-'); dash != std::wstring_view::npos) {
            for (wchar_t modifier : name.substr(0, dash)) {
                key.shift |= modifier == L'S' ? ssShift : modifier == L'C' ? ssCtrl : 0;
            }
            name.remove_prefix(dash + 1);
        }
        bool found = name.size() == 1 && name[0] >= L'A' && name[0] <= L'Z';
        if (found) {
            key.key = name[0];
        }
        for (const auto& named : kNames) {
            if (named.name == name) {
                key.key = named.key;
                key.character = named.character;
                found = true;
            }
        }
        if (!found) {
            throw std::invalid_argument("unknown key name");
        }
        keys.push_back(key);
        i = close;
    }
    return keys;
}

} // namespace velkaro::test
