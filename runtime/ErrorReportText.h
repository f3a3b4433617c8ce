#pragma once
// The text an error's report shows.
#include <string>

namespace velkaro {

// The message with a full stop when its last character sorts after ".".
std::wstring ErrorReportText(const std::wstring& message);

} // namespace velkaro
