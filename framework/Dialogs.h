#pragma once
// The prompt and message dialogs, built on the fly and sized from their font in dialog units.
#include <cstdint>
#include <string>

namespace velkaro {

// Asks for a text; a cancelled prompt returns the default unchanged.
std::wstring InputBox(const std::wstring& caption, const std::wstring& prompt,
                      const std::wstring& defaultText);
// Shows the prompt with the value filled in; on OK the value becomes the typed text and the
// result is true, otherwise the value is untouched and the result is false.
bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value);

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
// A set of buttons: bit (1u << button) for each one shown.
using TMsgDlgButtons = std::uint32_t;
constexpr TMsgDlgButtons MsgDlgButton(TMsgDlgBtn button) {
    return 1u << button;
}

// Shows the message centred on the monitor of the window it is opened from and returns the modal
// result of the button pressed.
// Ctrl+C in the dialog copies its caption, message and buttons to the clipboard.
int MessageDlg(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons,
               int helpContext);

} // namespace velkaro
