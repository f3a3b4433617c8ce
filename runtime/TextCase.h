#pragma once
// A text in capitals or in small letters by the case rules of the user's locale, which the
// Windows build reads from the system: in Turkish "i" pairs with "İ" and "ı" with "I". Elsewhere
// (where only the portable code's tests run) the common rules of the Latin letters apply.
#include <string>
#include <string_view>

namespace velkaro {

enum class TTextCase { Upper, Lower };

std::wstring ConvertCase(std::wstring_view text, TTextCase to);

} // namespace velkaro
