#pragma once
// The decimal digits of a floating value: the common ground of every number-to-text conversion,
// so that formatting, the general form and the words all round the same way.
#include <string>

namespace velkaro {

struct FloatDecimal {
    bool Negative = false;
    // Significant digits, no leading or trailing zeros; empty for zero.
    std::string Digits;
    // How many digits stand before the decimal point: the value is 0.Digits × 10^PointPosition.
    long long PointPosition = 0;

    bool IsZero() const { return Digits.empty(); }
};

// Every digit of a finite value's exact decimal expansion (a binary fraction always has a finite
// one): a double of 1e23 is 99999999999999991611392, not 1 followed by zeros.
FloatDecimal ToFloatDecimal(long double value);

// Rounds half away from zero, keeping this many significant digits.
void RoundToSignificant(FloatDecimal& decimal, long long digits);

// Rounds half away from zero, keeping this many digits after the decimal point.
void RoundToDecimals(FloatDecimal& decimal, long long decimals);

// The digits before the decimal point, without leading zeros; empty when below one.
std::string IntegerDigits(const FloatDecimal& decimal);

// The first `count` digits after the decimal point, padded with zeros.
std::string FractionDigits(const FloatDecimal& decimal, long long count);

} // namespace velkaro
