#pragma once
// The settings prompts as the operator sees them: the input prompt dialog.
#include "settings/SettingsStore.h"

namespace velkaro {

class InputBoxPrompt : public SettingsPrompt {
public:
    std::wstring Ask(const std::wstring& caption, const std::wstring& prompt,
                     const std::wstring& defaultText) override;
};

} // namespace velkaro
