#include "runtime/FloatDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace velkaro {

namespace {

// How many binary places the fraction of a finite value has: each one is one decimal place.
// Doubling and dropping the whole part are exact in binary floating point.
int BinaryPlaces(long double magnitude) {
    long double fraction = magnitude - std::floor(magnitude);
    int places = 0;
    while (fraction != 0) {
        fraction *= 2;
        fraction -= std::floor(fraction);
        ++places;
    }
    return places;
}

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
    const long double magnitude = std::fabs(value);
    // As many decimals as the value has binary places: printf then writes the value exactly,
    // with nothing rounded and no digit made up.
    const int places = BinaryPlaces(magnitude);
    const int length = std::snprintf(nullptr, 0, "%.*Lf", places, magnitude);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*Lf", places, magnitude);
    text.resize(static_cast<std::size_t>(length));
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string digits = text.substr(0, point);
    if (point < text.size()) {
        digits += text.substr(point + 1);
    }
    const std::size_t leadingZeros = digits.find_first_not_of('0');
    decimal.Digits = digits.substr(leadingZeros);
    decimal.PointPosition = static_cast<long long>(point) - static_cast<long long>(leadingZeros);
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
