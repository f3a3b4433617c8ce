#include "runtime/Conversions.h"

#include "runtime/Exceptions.h"

#include <limits>

namespace velkaro {

namespace {

int DigitValue(wchar_t c, int base) {
    int value = 99;
    if (c >= L'0' && c <= L'9') {
        value = c - L'0';
    } else if (c >= L'a' && c <= L'f') {
        value = c - L'a' + 10;
    } else if (c >= L'A' && c <= L'F') {
        value = c - L'A' + 10;
    }
    return value < base ? value : -1;
}

// A message box sizes itself to its text: a long text is quoted by its beginning, with whole
// characters only (no half of a surrogate pair).
std::wstring QuotedBeginning(std::wstring_view text) {
    constexpr std::size_t kLongestQuote = 40;
    if (text.size() <= kLongestQuote) {
        return std::wstring(text);
    }
    std::size_t length = kLongestQuote;
    if (text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
        --length;
    }
    return std::wstring(text.substr(0, length)) + L'\u2026';
}

int ReadBasePrefix(std::wstring_view text, std::size_t& pos) {
    if (pos < text.size() && (text[pos] == L'$' || text[pos] == L'x' || text[pos] == L'X')) {
        ++pos;
        return 16;
    }
    // "0X" is no prefix (unlike "X" alone): the text is then a 0 followed by a letter.
    if (pos + 1 < text.size() && text[pos] == L'0' && text[pos + 1] == L'x') {
        pos += 2;
        return 16;
    }
    return 10;
}

} // namespace

bool TryStrToInt(std::wstring_view text, std::int32_t& value) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == L' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    const int base = ReadBasePrefix(text, pos);
    if (pos == text.size()) {
        return false;
    }
    // One past the largest magnitude: -2147483648 is the only value that needs it.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) {
            return false;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit) {
            return false;
        }
    }
    if (!negative && magnitude == kLimit) {
        return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

std::int32_t StrToInt(std::wstring_view text) {
    std::int32_t value = 0;
    if (!TryStrToInt(text, value)) {
        throw EConvertError(L"'" + QuotedBeginning(text) + L"' is not a valid integer value");
    }
    return value;
}

std::wstring IntToStr(std::int64_t value) {
    return std::to_wstring(value);
}

} // namespace velkaro
