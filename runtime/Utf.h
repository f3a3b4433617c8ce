#pragma once
// Conversions between std::wstring (UTF-16 on Windows, UTF-32 elsewhere) and UTF-8.
#include <string>
#include <string_view>

namespace velkaro {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

} // namespace velkaro
