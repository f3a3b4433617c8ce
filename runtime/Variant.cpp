#include "runtime/Variant.h"

#include "runtime/Conversions.h"
#include "runtime/Exceptions.h"
#include "runtime/FormatSettings.h"

#include <array>
#include <cmath>

namespace velkaro {

namespace {

// The true of OLE automation variants.
constexpr int kVariantTrue = -1;

[[noreturn]] void ThrowConversion(VariantKind from, VariantKind to) {
    throw EVariantError(std::wstring(L"Could not convert variant of type (") +
                        VariantKindName(from) + L") into type (" + VariantKindName(to) + L")");
}

std::wstring TwoDigits(long long value) {
    return (value < 10 ? L"0" : L"") + std::to_wstring(value);
}

// Proleptic Gregorian date of a day count since 1970-01-01.
void CivilFromDays(long long days, long long& year, long long& month, long long& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shifted = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    month = shifted < 10 ? shifted + 3 : shifted - 9;
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

} // namespace

Variant Variant::Unassigned() {
    Variant v;
    v.value_ = UnassignedTag{};
    return v;
}

template <typename T> const T& Variant::Stored(VariantKind kind) const {
    if (Kind() != kind) {
        ThrowConversion(Kind(), kind);
    }
    return std::get<T>(value_);
}

const std::wstring& Variant::AsString() const {
    return Stored<std::wstring>(VariantKind::String);
}
double Variant::AsDouble() const {
    return Stored<double>(VariantKind::Double);
}
Currency Variant::AsCurrency() const {
    return Stored<Currency>(VariantKind::Currency);
}
TDateTime Variant::AsDateTime() const {
    return Stored<TDateTime>(VariantKind::DateTime);
}
bool Variant::AsBoolean() const {
    return Stored<bool>(VariantKind::Boolean);
}
std::int64_t Variant::AsInteger() const {
    return Stored<std::int64_t>(VariantKind::Integer);
}

std::wstring Variant::ToString() const {
    switch (Kind()) {
    case VariantKind::Null:
    case VariantKind::Unassigned:
        return {};
    case VariantKind::String:
        return AsString();
    case VariantKind::Double:
        return FloatToStr(AsDouble());
    case VariantKind::Currency:
        return CurrToStr(AsCurrency());
    case VariantKind::DateTime:
        return DateTimeToStr(AsDateTime());
    case VariantKind::Boolean:
        return AsBoolean() ? L"True" : L"False";
    case VariantKind::Integer:
        return IntToStr(AsInteger());
    }
    return {};
}

double Variant::ToDouble() const {
    switch (Kind()) {
    case VariantKind::Unassigned:
        return 0;
    case VariantKind::String: {
        long double value = 0;
        if (!TryTextToFloat(AsString(), value) || std::isinf(static_cast<double>(value))) {
            ThrowConversion(Kind(), VariantKind::Double);
        }
        return static_cast<double>(value);
    }
    case VariantKind::Double:
        return AsDouble();
    case VariantKind::Currency:
        return static_cast<double>(CurrencyToFloat(AsCurrency()));
    case VariantKind::DateTime:
        return AsDateTime().Value;
    case VariantKind::Boolean:
        return AsBoolean() ? kVariantTrue : 0;
    case VariantKind::Integer:
        return static_cast<double>(AsInteger());
    case VariantKind::Null:
        break;
    }
    ThrowConversion(Kind(), VariantKind::Double);
}

Currency Variant::ToCurrency() const {
    if (Kind() == VariantKind::Currency) {
        return AsCurrency();
    }
    Currency result;
    if (Kind() == VariantKind::String) {
        if (!TryTextToCurrency(AsString(), result)) {
            ThrowConversion(Kind(), VariantKind::Currency);
        }
        return result;
    }
    if (Kind() == VariantKind::Integer) {
        constexpr std::int64_t kLimit = INT64_MAX / Currency::kScale;
        if (AsInteger() > kLimit || AsInteger() < -kLimit) {
            ThrowConversion(Kind(), VariantKind::Currency);
        }
        return Currency{AsInteger() * Currency::kScale};
    }
    if (!TryFloatToCurrency(ToDouble(), result)) {
        ThrowConversion(Kind(), VariantKind::Currency);
    }
    return result;
}

const wchar_t* VariantKindName(VariantKind kind) {
    // Order follows VariantKind.
    constexpr std::array<const wchar_t*, 8> kNames = {
        L"Null", L"Empty", L"String", L"Double", L"Currency", L"Date", L"Boolean", L"Integer"};
    return kNames.at(static_cast<std::size_t>(kind));
}

// Year, month and day with the locale date separator; the time only when there is one.
// A negative value counts back in whole days, its fraction still being the time of day.
std::wstring DateTimeToStr(TDateTime value) {
    constexpr double kDaysInRange = 3e6; // beyond the year 9999 either way
    if (!std::isfinite(value.Value) || std::fabs(value.Value) > kDaysInRange) {
        return FloatToStr(value.Value);
    }
    const TFormatSettings& settings = FormatSettings();
    constexpr long long kDaysFrom1899To1970 = 25569;
    constexpr long long kSecondsPerDay = 86400;
    const double wholeDays = std::trunc(value.Value);
    long long days = static_cast<long long>(wholeDays);
    long long seconds = std::llround(std::fabs(value.Value - wholeDays) * kSecondsPerDay);
    // Half a second before midnight rounds to the next day's midnight, not to the same day's.
    if (seconds == kSecondsPerDay) {
        ++days;
        seconds = 0;
    }
    long long year = 0, month = 0, day = 0;
    CivilFromDays(days - kDaysFrom1899To1970, year, month, day);
    std::wstring text = std::to_wstring(year) + settings.DateSeparator + TwoDigits(month) +
                        settings.DateSeparator + TwoDigits(day);
    if (seconds > 0) {
        text += L' ' + TwoDigits(seconds / 3600) + settings.TimeSeparator +
                TwoDigits(seconds / 60 % 60) + settings.TimeSeparator + TwoDigits(seconds % 60);
    }
    return text;
}

} // namespace velkaro
