#pragma once
// The conversions of the currency edit between its text and its number, and the key filter
// that keeps typed text a number. They read the separators from the locale format values.
#include "runtime/Variant.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velkaro {

// The smallest and largest magnitudes an amount may have, besides 0.
inline constexpr long double kcxMinAmountMagnitude = 5e-324L;
inline constexpr long double kcxMaxAmountMagnitude = 1.7e308L;

// Thousands separators are dropped wherever they stand, so "1.250.000" under Turkish separators
// reads as 1250000; the rest must be a number in the locale's form. On failure value is 0.
bool TryTextToAmount(std::wstring_view text, double& value);

// A double for text that converts; otherwise (empty text, the null text, no number) Null when
// nullable, else the currency 0.
Variant AmountEditValue(std::wstring_view text, bool nullable, std::wstring_view nullString);

// The number an edit value reads as: 0 for no value and for text that is no amount.
double AmountOfEditValue(const Variant& value);

// Kept within minValue..maxValue; bounds that are equal set no range.
double ClampAmount(double value, double minValue, double maxValue);

// Whether the text a paste left is kept: a number in the locale's form within an amount's range
// ("1e400" would silently become no value on leaving).
bool IsPastedAmount(std::wstring_view text);

// What a currency edit's settings are for the display of its value.
struct TcxAmountDisplaySettings {
    bool Nullable = true;
    std::wstring NullString;
    // The effective display format; empty shows the general number form.
    std::wstring DisplayFormat;
};

// The edit form is the plain number for typing; the display form the number through the
// display format. A value that is no number shows as itself unfocused and as nothing focused.
Variant AmountDisplayValue(const Variant& value, bool inEditForm,
                           const TcxAmountDisplaySettings& settings);

// "," and "." type the decimal separator, unless the key is the thousands separator and that
// may be typed.
wchar_t AmountKeyChar(wchar_t key, bool useThousandSeparator);

// What the filter asks of a typed key.
struct TcxAmountKeyContext {
    std::wstring_view Text;
    // The selection the key replaces; out-of-range positions are clamped to the text.
    std::size_t SelectionStart = 0;
    std::size_t SelectionLength = 0;
    int DecimalPlaces = 2;
    bool UseThousandSeparator = false;
};

// The text after the key has replaced the selection.
std::wstring TextAfterKey(const TcxAmountKeyContext& context, wchar_t key);

// Whether typing the key keeps the text a number with at most DecimalPlaces decimals. A lone
// "-" into an empty text is let through, so that a negative amount can be started.
bool AmountKeyAccepted(const TcxAmountKeyContext& context, wchar_t key);

// A key typed into an amount field: the character it types (as AmountKeyChar maps it), or
// Refused when the filter refuses a printable one; the field then beeps and types nothing.
struct TcxAmountTypedKey {
    wchar_t Char = 0;
    bool Refused = false;
};
TcxAmountTypedKey AmountTypedKey(const TcxAmountKeyContext& context, wchar_t key);

} // namespace velkaro
