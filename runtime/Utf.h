#pragma once
// Conversions between std::wstring (UTF-16 on Windows, UTF-32 elsewhere) and UTF-8.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// The text of string data as the registry keeps it (UTF-16 code units, the low byte first): up to
// its first NUL, or all of it when it has none; a trailing odd byte, half a code unit, is
// dropped.
std::u16string TextOfUtf16Data(const std::vector<std::uint8_t>& bytes);

} // namespace velkaro
