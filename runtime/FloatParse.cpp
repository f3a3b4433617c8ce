#include "runtime/Conversions.h"

#include "runtime/Exceptions.h"
#include "runtime/FormatSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace velkaro {

namespace {

// Exponents beyond this over- or underflow every floating type anyway.
constexpr long long kExponentCap = 1'000'000'000;

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

class FloatScanner {
public:
    explicit FloatScanner(std::wstring_view text) : text_(text) {}

    // Reads the whole text into mantissa digits and a decimal exponent.
    bool Scan() {
        SkipSpaces();
        if (Peek() == L'+' || Peek() == L'-') {
            negative_ = text_[pos_++] == L'-';
        }
        const std::size_t integerDigits = ReadDigits();
        std::size_t fractionDigits = 0;
        bool separator = false;
        if (pos_ < text_.size() && text_[pos_] == FormatSettings().DecimalSeparator) {
            separator = true;
            ++pos_;
            fractionDigits = ReadDigits();
        }
        if (integerDigits == 0 && fractionDigits == 0 && !separator) {
            return false;
        }
        exponent_ = -static_cast<long long>(fractionDigits);
        if (Peek() == L'E' || Peek() == L'e') {
            ++pos_;
            ReadExponent();
        }
        SkipSpaces();
        return pos_ == text_.size();
    }

    long double Value() const {
        if (mantissa_.find_first_not_of('0') == std::string::npos) {
            return negative_ ? -0.0L : 0.0L;
        }
        // No decimal point in the text handed on, so the C library's locale plays no part.
        const std::string text =
            (negative_ ? "-" : "") + mantissa_ + "e" + std::to_string(exponent_);
        return std::strtold(text.c_str(), nullptr);
    }

private:
    wchar_t Peek() const { return pos_ < text_.size() ? text_[pos_] : L'\0'; }

    void SkipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == L' ') {
            ++pos_;
        }
    }

    std::size_t ReadDigits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            mantissa_ += static_cast<char>(text_[pos_++]);
        }
        return pos_ - start;
    }

    // An exponent letter without digits counts as no exponent at all.
    void ReadExponent() {
        bool negative = false;
        if (Peek() == L'+' || Peek() == L'-') {
            negative = text_[pos_++] == L'-';
        }
        long long value = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            value = std::min(value * 10 + (text_[pos_++] - L'0'), kExponentCap);
        }
        exponent_ += negative ? -value : value;
    }

    std::wstring_view text_;
    std::size_t pos_ = 0;
    bool negative_ = false;
    std::string mantissa_;
    long long exponent_ = 0;
};

} // namespace

bool TryTextToFloat(std::wstring_view text, long double& value) {
    FloatScanner scanner(text);
    if (!scanner.Scan()) {
        return false;
    }
    const long double result = scanner.Value();
    if (std::isinf(result)) {
        return false;
    }
    value = result;
    return true;
}

long double StrToFloat(std::wstring_view text) {
    long double value = 0;
    if (!TryTextToFloat(text, value)) {
        throw EConvertError(L"'" + std::wstring(text) + L"' is not a valid floating point value");
    }
    return value;
}

} // namespace velkaro
