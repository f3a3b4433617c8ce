#include "runtime/FloatDecimal.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velkaro {

namespace {

constexpr int kSignificantDigits = 18;

void TrimTrailingZeros(FloatDecimal& decimal) {
    const auto last = decimal.Digits.find_last_not_of('0');
    decimal.Digits.erase(last == std::string::npos ? 0 : last + 1);
    if (decimal.Digits.empty()) {
        decimal.PointPosition = 0;
    }
}

// Keeps the first `keep` digits, rounding on the next one.
void RoundKeeping(FloatDecimal& decimal, long long keep) {
    const auto length = static_cast<long long>(decimal.Digits.size());
    if (keep >= length) {
        return;
    }
    if (keep < 0) {
        decimal.Digits.clear();
        decimal.PointPosition = 0;
        return;
    }
    const bool roundUp = decimal.Digits[static_cast<std::size_t>(keep)] >= '5';
    decimal.Digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        auto i = decimal.Digits.size();
        while (i > 0 && decimal.Digits[i - 1] == '9') {
            decimal.Digits[--i] = '0';
        }
        if (i == 0) {
            decimal.Digits.insert(decimal.Digits.begin(), '1');
            ++decimal.PointPosition;
        } else {
            ++decimal.Digits[i - 1];
        }
    }
    TrimTrailingZeros(decimal);
}

} // namespace

FloatDecimal ToFloatDecimal(long double value) {
    FloatDecimal decimal;
    if (value == 0) {
        return decimal; // no sign for a negative zero
    }
    decimal.Negative = value < 0;
    // "d.ddddddddddddddddde±x": printf rounds the binary value exactly.
    char text[64] = {};
    std::snprintf(text, sizeof text, "%.*Le", kSignificantDigits - 1, std::fabs(value));
    const char* exponent = text;
    while (*exponent != 'e' && *exponent != '\0') {
        if (*exponent >= '0' && *exponent <= '9') {
            decimal.Digits += *exponent;
        }
        ++exponent;
    }
    decimal.PointPosition = (*exponent == 'e' ? std::strtol(exponent + 1, nullptr, 10) : 0) + 1;
    TrimTrailingZeros(decimal);
    return decimal;
}

void RoundToSignificant(FloatDecimal& decimal, long long digits) {
    RoundKeeping(decimal, digits);
}

void RoundToDecimals(FloatDecimal& decimal, long long decimals) {
    RoundKeeping(decimal, decimal.PointPosition + decimals);
}

std::string IntegerDigits(const FloatDecimal& decimal) {
    if (decimal.PointPosition <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(decimal.PointPosition);
    std::string digits = decimal.Digits.substr(0, count);
    digits.resize(count, '0');
    return digits;
}

std::string FractionDigits(const FloatDecimal& decimal, long long count) {
    std::string digits;
    for (long long k = 0; k < count; ++k) {
        const long long index = decimal.PointPosition + k;
        const bool present = index >= 0 && index < static_cast<long long>(decimal.Digits.size());
        digits += present ? decimal.Digits[static_cast<std::size_t>(index)] : '0';
    }
    return digits;
}

} // namespace velkaro
