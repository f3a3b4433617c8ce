#pragma once
// Conversions between numbers and text. Everything locale-dependent reads FormatSettings().
#include <cstdint>
#include <string>
#include <string_view>

namespace velkaro {

// Blanks, an optional sign, then decimal digits or hexadecimal ones after "$", "x", "X" or
// "0x"; nothing after. The value must fit a signed 32-bit integer.
// Raises EConvertError "'<text>' is not a valid integer value", a text of more than 40
// characters quoted by its first 40 and "…".
std::int32_t StrToInt(std::wstring_view text);
bool TryStrToInt(std::wstring_view text, std::int32_t& value);

std::wstring IntToStr(std::int64_t value);

// The display format language: up to three sections ("positive;negative;zero"), digit
// placeholders "0" and "#", "." for the decimal separator, "," for thousands grouping, quoted
// and other literal text. An empty format gives FloatToStr.
std::wstring FormatFloat(std::wstring_view format, long double value);

// The general form: shortest text of at most 15 significant digits, scientific notation only
// for very large or small magnitudes.
std::wstring FloatToStr(long double value);

// Spaces, an optional sign, digits with an optional decimal separator (at least one digit or
// the separator), an optional exponent ("E" or "e", optional sign, digits), spaces; nothing
// else. False for any other text or a magnitude beyond the extended range.
bool TryTextToFloat(std::wstring_view text, long double& value);

// The strict form of TryTextToFloat, as a paste is checked with.
// Raises EConvertError "'<text>' is not a valid floating point value".
long double StrToFloat(std::wstring_view text);

} // namespace velkaro
