#include "runtime/Conversions.h"

#include "runtime/FloatDecimal.h"
#include "runtime/FormatSettings.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace velkaro {

namespace {

constexpr long long kGeneralPrecision = 15;

// Hands each character of a format to `visit` with whether it stands inside quotes; the quote
// characters themselves are dropped.
template <typename Visit> void WalkFormat(std::wstring_view format, Visit&& visit) {
    wchar_t quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const wchar_t c = format[i];
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else {
                visit(i, c, true);
            }
        } else if (c == L'\'' || c == L'"') {
            quote = c;
        } else {
            visit(i, c, false);
        }
    }
}

// "positive;negative;zero": sections past the third are ignored.
std::vector<std::wstring_view> SplitSections(std::wstring_view format) {
    std::vector<std::size_t> ends;
    WalkFormat(format, [&](std::size_t i, wchar_t c, bool quoted) {
        if (!quoted && c == L';') {
            ends.push_back(i);
        }
    });
    ends.push_back(format.size());
    std::vector<std::wstring_view> sections;
    std::size_t start = 0;
    for (std::size_t k = 0; k < ends.size() && k < 3; ++k) {
        sections.push_back(format.substr(start, ends[k] - start));
        start = ends[k] + 1;
    }
    return sections;
}

// "E+", "E-", "e+" or "e-" with up to four "0" after it: the number is written as a mantissa
// and a power of ten, the zeros giving the least count of exponent digits. "E+" signs every
// exponent, "E-" only a negative one. Everything after it is copied as text.
struct ExponentMark {
    std::size_t position = std::wstring_view::npos;
    std::size_t end = std::wstring_view::npos;
    wchar_t letter = L'E';
    bool signAlways = false;
    long long minimumDigits = 0;

    bool Present() const { return position != std::wstring_view::npos; }
};

constexpr long long kMostExponentZeros = 4;

struct SectionLayout {
    long long integerPlaceholders = 0;
    long long minimumIntegerDigits = 0;
    long long decimals = 0;
    long long minimumDecimals = 0;
    bool grouping = false;
    ExponentMark exponent;
};

ExponentMark ExponentAt(std::wstring_view section, std::size_t i) {
    ExponentMark mark;
    const bool letter = section[i] == L'E' || section[i] == L'e';
    if (!letter || i + 1 >= section.size() || (section[i + 1] != L'+' && section[i + 1] != L'-')) {
        return mark;
    }
    mark.position = i;
    mark.letter = section[i];
    mark.signAlways = section[i + 1] == L'+';
    mark.end = i + 2;
    while (mark.end < section.size() && section[mark.end] == L'0' &&
           mark.minimumDigits < kMostExponentZeros) {
        ++mark.end;
        ++mark.minimumDigits;
    }
    return mark;
}

SectionLayout Analyse(std::wstring_view section) {
    SectionLayout layout;
    long long firstZero = -1;
    bool afterPoint = false;
    WalkFormat(section, [&](std::size_t i, wchar_t c, bool quoted) {
        if (quoted || layout.exponent.Present()) {
            return;
        }
        if (c == L'0' || c == L'#') {
            if (afterPoint) {
                ++layout.decimals;
                if (c == L'0') {
                    layout.minimumDecimals = layout.decimals;
                }
            } else {
                if (c == L'0' && firstZero < 0) {
                    firstZero = layout.integerPlaceholders;
                }
                ++layout.integerPlaceholders;
            }
        } else if (c == L'.') {
            afterPoint = true;
        } else if (c == L',') {
            layout.grouping = true;
        } else {
            layout.exponent = ExponentAt(section, i);
        }
    });
    layout.minimumIntegerDigits = firstZero < 0 ? 0 : layout.integerPlaceholders - firstZero;
    return layout;
}

std::wstring ExponentText(const ExponentMark& mark, long long exponent) {
    std::wstring text(1, mark.letter);
    if (exponent < 0) {
        text += L'-';
    } else if (mark.signAlways) {
        text += L'+';
    }
    const std::wstring digits = std::to_wstring(exponent < 0 ? -exponent : exponent);
    if (static_cast<long long>(digits.size()) < mark.minimumDigits) {
        text.append(static_cast<std::size_t>(mark.minimumDigits) - digits.size(), L'0');
    }
    return text + digits;
}

// The exponent text stands in for the exponent mark, when the section has one.
std::wstring Render(std::wstring_view section, const SectionLayout& layout,
                    const FloatDecimal& decimal, bool minus, std::wstring_view exponentText = {}) {
    const TFormatSettings& settings = FormatSettings();
    std::string integer = IntegerDigits(decimal);
    if (static_cast<long long>(integer.size()) < layout.minimumIntegerDigits) {
        integer.insert(0, static_cast<std::size_t>(layout.minimumIntegerDigits) - integer.size(),
                       '0');
    }
    std::string fraction = FractionDigits(decimal, layout.decimals);
    while (static_cast<long long>(fraction.size()) > layout.minimumDecimals &&
           fraction.back() == '0') {
        fraction.pop_back();
    }

    const auto count = static_cast<long long>(integer.size());
    std::wstring out = minus ? L"-" : L"";
    auto emitInteger = [&](long long from, long long to) {
        for (long long j = std::max(from, 0LL); j < to; ++j) {
            out += static_cast<wchar_t>(integer[static_cast<std::size_t>(j)]);
            const long long remaining = count - 1 - j;
            if (layout.grouping && remaining > 0 && remaining % 3 == 0) {
                out += settings.ThousandSeparator;
            }
        }
    };
    // Integer placeholders take the digits right-aligned; digits beyond them go to the first.
    const long long overflow = count - layout.integerPlaceholders;
    long long placeholder = 0;
    std::size_t fractionIndex = 0;
    bool afterPoint = false;
    const ExponentMark& exponent = layout.exponent;
    WalkFormat(section, [&](std::size_t i, wchar_t c, bool quoted) {
        if (exponent.Present() && i >= exponent.position) {
            if (i == exponent.position) {
                out += exponentText;
            } else if (i >= exponent.end) {
                out += c;
            }
        } else if (quoted) {
            out += c;
        } else if (c == L'0' || c == L'#') {
            if (afterPoint) {
                if (fractionIndex < fraction.size()) {
                    out += static_cast<wchar_t>(fraction[fractionIndex]);
                }
                ++fractionIndex;
            } else {
                if (placeholder == 0) {
                    emitInteger(0, overflow);
                }
                emitInteger(overflow + placeholder, overflow + placeholder + 1);
                ++placeholder;
            }
        } else if (c == L'.') {
            if (!afterPoint) {
                afterPoint = true;
                if (layout.integerPlaceholders == 0) {
                    emitInteger(0, count);
                }
                if (!fraction.empty()) {
                    out += settings.DecimalSeparator;
                }
            }
        } else if (c != L',') {
            out += c;
        }
    });
    return out;
}

// The mantissa keeps as many whole digits as the section has placeholders before its point (at
// least one when it has no placeholder at all), rounded to the section's decimals.
std::wstring RenderScientific(std::wstring_view section, const SectionLayout& layout,
                              FloatDecimal decimal, bool minus) {
    const long long wholeDigits =
        layout.integerPlaceholders + layout.decimals == 0 ? 1 : layout.integerPlaceholders;
    long long exponent = 0;
    if (!decimal.IsZero()) {
        exponent = decimal.PointPosition - wholeDigits;
        decimal.PointPosition = wholeDigits;
        RoundToDecimals(decimal, layout.decimals);
        // 9.996 to two decimals is 10.00: one whole digit too many.
        exponent += decimal.PointPosition - wholeDigits;
        decimal.PointPosition = wholeDigits;
    }
    return Render(section, layout, decimal, minus, ExponentText(layout.exponent, exponent));
}

std::wstring NonFiniteText(long double value) {
    return std::isnan(value) ? L"NAN" : value > 0 ? L"INF" : L"-INF";
}

std::wstring Widen(const std::string& digits) {
    return {digits.begin(), digits.end()};
}

} // namespace

std::wstring FormatFloat(std::wstring_view format, long double value) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    const std::vector<std::wstring_view> sections = SplitSections(format);
    auto present = [&](std::size_t k) { return k < sections.size() && !sections[k].empty(); };
    if (!present(0)) {
        return FloatToStr(value);
    }
    FloatDecimal decimal = ToFloatDecimal(value);
    std::wstring_view section = sections[0];
    bool minus = false;
    if (decimal.Negative) {
        // A negative section carries its own sign, as a literal.
        minus = !present(1);
        section = present(1) ? sections[1] : sections[0];
    } else if (decimal.IsZero() && present(2)) {
        section = sections[2];
    }
    SectionLayout layout = Analyse(section);
    if (layout.exponent.Present()) {
        return RenderScientific(section, layout, decimal, minus);
    }
    RoundToDecimals(decimal, layout.decimals);
    if (decimal.IsZero() && value != 0) {
        // Rounded away to nothing: shown as zero, without a sign.
        minus = false;
        section = present(2) ? sections[2] : sections[0];
        layout = Analyse(section);
    }
    return Render(section, layout, decimal, minus);
}

std::wstring FloatToStr(long double value) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    FloatDecimal decimal = ToFloatDecimal(value);
    RoundToSignificant(decimal, kGeneralPrecision);
    if (decimal.IsZero()) {
        return L"0";
    }
    const wchar_t separator = FormatSettings().DecimalSeparator;
    std::wstring out = decimal.Negative ? L"-" : L"";
    const long long point = decimal.PointPosition;
    const std::wstring digits = Widen(decimal.Digits);
    if (point > kGeneralPrecision || point < -3) {
        out += digits.front();
        if (digits.size() > 1) {
            out += separator;
            out += digits.substr(1);
        }
        out += L'E';
        out += std::to_wstring(point - 1);
    } else if (point <= 0) {
        out += L'0';
        out += separator;
        out += std::wstring(static_cast<std::size_t>(-point), L'0');
        out += digits;
    } else {
        out += Widen(IntegerDigits(decimal));
        if (static_cast<long long>(digits.size()) > point) {
            out += separator;
            out += digits.substr(static_cast<std::size_t>(point));
        }
    }
    return out;
}

} // namespace velkaro
