#pragma once
// What screen readers and automation tools learn about a control. The system's standard proxy for
// the window answers everything (location, focus, visibility, navigation, hit testing); a control
// lays its role, name, value and extra state over it, read afresh at every query.
#include <windows.h>

#include <optional>
#include <string>

namespace velkaro {

struct TAccessibleDescription {
    std::optional<long> Role; // ROLE_SYSTEM_*; none keeps the proxy's
    std::optional<std::wstring> Name;
    std::optional<std::wstring> Value;
    std::optional<std::wstring> Description; // what the control is for, where its name cannot say
    long State = 0;                          // STATE_SYSTEM_* flags added to the proxy's
};

// A static text, named by its caption unless the control was given a name of its own.
TAccessibleDescription DescribeStaticText(TAccessibleDescription description,
                                          const std::wstring& caption);

// The description of the control behind a window, asked at every query; none once the window
// has outlived its control, when the proxy alone answers.
using TAccessibleDescriber = std::optional<TAccessibleDescription> (*)(HWND window);
// Installed by the controls, which lie above this file, before anything asks.
void SetAccessibleDescriber(TAccessibleDescriber describe);
// The description of the control behind the window; none for a window that is not ours.
std::optional<TAccessibleDescription> AccessibleDescriptionOf(HWND window);

// Answers WM_GETOBJECT for the window's client object: the standard proxy overlaid with the
// description of the control behind the window. Zero when the system cannot build the proxy.
LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam);

} // namespace velkaro
