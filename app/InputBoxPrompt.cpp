#include "app/InputBoxPrompt.h"

#include "framework/Dialogs.h"

namespace velkaro {

std::wstring InputBoxPrompt::Ask(const std::wstring& caption, const std::wstring& prompt,
                                 const std::wstring& defaultText) {
    return InputBox(caption, prompt, defaultText);
}

} // namespace velkaro
