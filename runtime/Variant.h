#pragma once
// A value of one of a few kinds, as edit controls hold their values. Two variants are equal
// when their kinds are equal and their contents compare equal: the text "5" is not the number 5.
#include "runtime/Currency.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace velkaro {

// Days since 30 December 1899; the fraction is the time of day.
struct TDateTime {
    double Value = 0;
    friend bool operator==(TDateTime, TDateTime) = default;
};

enum class VariantKind { Null, Unassigned, String, Double, Currency, DateTime, Boolean, Integer };

class Variant {
public:
    Variant() = default; // Null
    static Variant Unassigned();

    Variant(std::wstring text) : value_(std::move(text)) {}
    Variant(std::wstring_view text) : value_(std::wstring(text)) {}
    Variant(const wchar_t* text) : value_(std::wstring(text)) {}
    Variant(wchar_t c) : value_(std::wstring(1, c)) {}
    Variant(bool value) : value_(value) {}
    Variant(Currency value) : value_(value) {}
    Variant(TDateTime value) : value_(value) {}
    template <std::floating_point T> Variant(T value) : value_(static_cast<double>(value)) {}
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, wchar_t>) Variant(T value)
        : value_(static_cast<std::int64_t>(value)) {}

    VariantKind Kind() const { return static_cast<VariantKind>(value_.index()); }
    bool IsNull() const { return Kind() == VariantKind::Null; }
    bool IsUnassigned() const { return Kind() == VariantKind::Unassigned; }

    // The content of the stored kind; EVariantError for any other kind.
    const std::wstring& AsString() const;
    double AsDouble() const;
    Currency AsCurrency() const;
    TDateTime AsDateTime() const;
    bool AsBoolean() const;
    std::int64_t AsInteger() const;

    // Text of any kind; Null and unassigned give the empty text.
    std::wstring ToString() const;
    // Numbers of any kind: text through the locale's text-to-float conversion, an unassigned
    // value as 0, true as -1. Null or text that is no number raise EVariantError.
    double ToDouble() const;
    Currency ToCurrency() const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    template <typename T> const T& Stored(VariantKind kind) const;

    struct NullTag {
        friend bool operator==(NullTag, NullTag) = default;
    };
    struct UnassignedTag {
        friend bool operator==(UnassignedTag, UnassignedTag) = default;
    };
    // Order follows VariantKind.
    std::variant<NullTag, UnassignedTag, std::wstring, double, Currency, TDateTime, bool,
                 std::int64_t>
        value_;
};

// "Null", "String", "Double" and so on, as conversion errors name the kinds.
const wchar_t* VariantKindName(VariantKind kind);

std::wstring DateTimeToStr(TDateTime value);

} // namespace velkaro
