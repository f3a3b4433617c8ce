#include "editors/cxCurrencyEdit/cxCurrencyConversions.h"

#include "runtime/Conversions.h"
#include "runtime/Currency.h"
#include "runtime/Exceptions.h"
#include "runtime/FormatSettings.h"

#include <algorithm>
#include <cmath>

namespace velkaro {

namespace {

bool IsEmptyAmount(const Variant& value) {
    return value.IsNull() || (value.Kind() == VariantKind::String && value.AsString().empty());
}

// Only the conversion itself may fail quietly; errors of anything else still propagate.
bool TryAmountOf(const Variant& value, double& number) {
    try {
        number = value.ToDouble();
        return true;
    } catch (const EConvertError&) {
    } catch (const EVariantError&) {
    }
    return false;
}

bool IsAmountKey(wchar_t key, bool useThousandSeparator) {
    const TFormatSettings& settings = FormatSettings();
    return (key >= L'0' && key <= L'9') || key == L'+' || key == L'-' || key == L'E' ||
           key == L'e' || key == settings.DecimalSeparator ||
           (useThousandSeparator && key == settings.ThousandSeparator);
}

// The digits between the decimal separator and the exponent (or the end).
int DecimalsIn(std::wstring_view text) {
    const std::size_t separator = text.find(FormatSettings().DecimalSeparator);
    if (separator == std::wstring_view::npos) {
        return 0;
    }
    const std::size_t exponent = text.find_first_of(L"Ee", separator + 1);
    const auto decimals =
        text.substr(separator + 1, exponent == std::wstring_view::npos ? std::wstring_view::npos
                                                                       : exponent - separator - 1);
    return static_cast<int>(std::count_if(decimals.begin(), decimals.end(),
                                          [](wchar_t c) { return c >= L'0' && c <= L'9'; }));
}

} // namespace

bool TryTextToAmount(std::wstring_view text, double& value) {
    value = 0;
    std::wstring number(text);
    std::erase(number, FormatSettings().ThousandSeparator);
    long double result = 0;
    if (!TryTextToFloat(number, result)) {
        return false;
    }
    if (result != 0) {
        const long double magnitude = std::fabs(result);
        if (magnitude < kcxMinAmountMagnitude || magnitude > kcxMaxAmountMagnitude) {
            return false;
        }
    }
    value = static_cast<double>(result);
    return true;
}

double AmountOfEditValue(const Variant& value) {
    if (value.IsNull()) {
        return 0;
    }
    if (value.Kind() == VariantKind::String &&
        StrToCurrDef(value.AsString(), Currency{}) == Currency{}) {
        return 0;
    }
    return value.ToDouble();
}

double ClampAmount(double value, double minValue, double maxValue) {
    if (minValue == maxValue) {
        return value;
    }
    if (value < minValue) {
        return minValue;
    }
    return value <= maxValue ? value : maxValue;
}

bool IsPastedAmount(std::wstring_view text) {
    try {
        StrToFloat(text);
    } catch (const EConvertError&) {
        return false;
    }
    double amount = 0;
    return TryTextToAmount(text, amount);
}

Variant AmountEditValue(std::wstring_view text, bool nullable, std::wstring_view nullString) {
    double amount = 0;
    if (!text.empty() && text != nullString && TryTextToAmount(text, amount)) {
        return amount;
    }
    return nullable ? Variant() : Variant(Currency{});
}

Variant AmountDisplayValue(const Variant& value, bool inEditForm,
                           const TcxAmountDisplaySettings& settings) {
    double amount = 0;
    if (inEditForm) {
        if (IsEmptyAmount(value) || !TryAmountOf(value, amount)) {
            return std::wstring();
        }
        return FloatToStr(amount);
    }
    if (IsEmptyAmount(value)) {
        return settings.Nullable ? Variant(settings.NullString) : Variant(L"0");
    }
    if (!TryAmountOf(value, amount)) {
        return value;
    }
    return FormatFloat(settings.DisplayFormat, amount);
}

wchar_t AmountKeyChar(wchar_t key, bool useThousandSeparator) {
    const TFormatSettings& settings = FormatSettings();
    if (useThousandSeparator && key == settings.ThousandSeparator) {
        return key;
    }
    return key == L',' || key == L'.' ? settings.DecimalSeparator : key;
}

std::wstring TextAfterKey(const TcxAmountKeyContext& context, wchar_t key) {
    const std::wstring_view text = context.Text;
    const std::size_t start = std::min(context.SelectionStart, text.size());
    const std::size_t length = std::min(context.SelectionLength, text.size() - start);
    std::wstring result(text.substr(0, start));
    result += key;
    result += text.substr(start + length);
    return result;
}

bool AmountKeyAccepted(const TcxAmountKeyContext& context, wchar_t key) {
    if (!IsAmountKey(key, context.UseThousandSeparator)) {
        return false;
    }
    const std::wstring candidate = TextAfterKey(context, key);
    if (key == L'-' && candidate.size() == 1) {
        return true;
    }
    if (DecimalsIn(candidate) > context.DecimalPlaces) {
        return false;
    }
    double amount = 0;
    return TryTextToAmount(candidate, amount);
}

TcxAmountTypedKey AmountTypedKey(const TcxAmountKeyContext& context, wchar_t key) {
    const wchar_t typed = AmountKeyChar(key, context.UseThousandSeparator);
    if (typed >= 32 && !AmountKeyAccepted(context, typed)) {
        return {0, true};
    }
    return {typed, false};
}

} // namespace velkaro
