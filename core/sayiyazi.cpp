#include "core/sayiyazi.h"

#include "runtime/Exceptions.h"
#include "runtime/FloatDecimal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace velkaro {

namespace {

// The digits are read as eight groups of three, from 10^21 down to the units.
constexpr std::size_t kFrameDigits = 24;
constexpr std::size_t kGroupCount = kFrameDigits / 3;
constexpr std::size_t kThousandsGroup = 6;
// Amounts are written with at most this many significant digits, zeros after them.
constexpr long long kSignificantDigits = 18;
// Whole amounts below 10^18 fill the lowest six groups.
constexpr std::size_t kExactWholeGroups = 6;

constexpr std::wstring_view kHundreds[] = {L"",           L" yüz",      L" iki yüz",  L" üç yüz",
                                           L" dört yüz",  L" beş yüz",  L" altı yüz", L" yedi yüz",
                                           L" sekiz yüz", L" dokuz yüz"};
constexpr std::wstring_view kTens[] = {L"",      L" on",     L" yirmi",  L" otuz",   L" kırk",
                                       L" elli", L" altmış", L" yetmiş", L" seksen", L" doksan"};
constexpr std::wstring_view kOnes[] = {L"",     L" bir",  L" iki",  L" üç",    L" dört",
                                       L" beş", L" altı", L" yedi", L" sekiz", L" dokuz"};
constexpr std::wstring_view kScaleWords[kGroupCount] = {
    L" kattrilyar", L" trilyar", L" kattrilyon", L" trilyon", L" milyar", L" milyon", L" bin", L""};

template <std::size_t N> constexpr std::size_t Longest(const std::wstring_view (&words)[N]) {
    std::size_t longest = 0;
    for (const std::wstring_view word : words) {
        longest = std::max(longest, word.size());
    }
    return longest;
}

// Words padded to a fixed width, so that appending them is one copy of constant size whose
// padding the next words overwrite.
template <std::size_t Width> struct Padded {
    wchar_t text[Width] = {};
    std::size_t size = 0;

    constexpr void Append(std::wstring_view words) {
        std::copy(words.begin(), words.end(), text + size);
        size += words.size();
    }
};

constexpr std::size_t kHundredsWidth = Longest(kHundreds);
constexpr std::size_t kTensOnesWidth = Longest(kTens) + Longest(kOnes);
constexpr std::size_t kGroupWidth = kHundredsWidth + kTensOnesWidth;
constexpr std::size_t kScaleWidth = Longest(kScaleWords);

constexpr auto kHundredsWords = [] {
    std::array<Padded<kHundredsWidth>, 10> words{};
    for (std::size_t digit = 0; digit < words.size(); ++digit) {
        words[digit].Append(kHundreds[digit]);
    }
    return words;
}();

// The words of every two-digit value 0 to 99, so that they are written with one copy.
constexpr auto kTensOnesWords = [] {
    std::array<Padded<kTensOnesWidth>, 100> words{};
    for (std::size_t value = 0; value < words.size(); ++value) {
        words[value].Append(kTens[value / 10]);
        words[value].Append(kOnes[value % 10]);
    }
    return words;
}();

constexpr auto kScales = [] {
    std::array<Padded<kScaleWidth>, kGroupCount> scales{};
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        scales[group].Append(kScaleWords[group]);
    }
    return scales;
}();

constexpr std::size_t kLongestText = kGroupCount * (kGroupWidth + kScaleWidth);

// The value of each group of three digits, 0 to 999, from 10^21 down to the units.
using Groups = std::array<unsigned, kGroupCount>;

// Fractions and amounts of 19 digits and more: the digits rounded the way every conversion of
// a number to text rounds them.
Groups GroupsOfRounded(long double tutar) {
    FloatDecimal decimal = ToFloatDecimal(tutar);
    RoundToSignificant(decimal, kSignificantDigits);
    RoundToDecimals(decimal, 0);
    const std::string digits = IntegerDigits(decimal);
    if (digits.size() > kFrameDigits) {
        throw EConvertError(L"Amount too large to write in words");
    }
    constexpr unsigned kPlaceValue[] = {1, 10, 100};
    Groups groups{};
    for (std::size_t k = 0; k < digits.size(); ++k) {
        const std::size_t fromRight = digits.size() - 1 - k;
        groups[kGroupCount - 1 - fromRight / 3] +=
            static_cast<unsigned>(digits[k] - '0') * kPlaceValue[fromRight % 3];
    }
    return groups;
}

// The words of the lowest `count` groups, whose values are given from the largest group down.
std::wstring Words(const unsigned* values, std::size_t count) {
    // Room for the padding of the last copy.
    wchar_t buffer[kLongestText + kGroupWidth];
    wchar_t* end = buffer;
    const auto append = [&end](const auto& words) {
        std::memcpy(end, words.text, sizeof words.text);
        end += words.size;
    };
    for (std::size_t group = kGroupCount - count; group < kGroupCount; ++group) {
        const unsigned value = *values++;
        if (value == 0) {
            continue;
        }
        // One thousand is "bin", not "bir bin"; other groups keep their "bir".
        if (group != kThousandsGroup || value != 1) {
            append(kHundredsWords[value / 100]);
            append(kTensOnesWords[value % 100]);
        }
        append(kScales[group]);
    }
    return std::wstring(buffer, end);
}

} // namespace

std::wstring WholeAmountWords(std::uint64_t amount) {
    // Only the groups the amount reaches, each divided out of the whole amount rather than out of
    // the quotient before it, so that the divisions do not wait for each other.
    constexpr std::uint64_t kThousand = 1000;
    constexpr std::uint64_t kMillion = kThousand * kThousand;
    constexpr std::uint64_t kBillion = kMillion * kThousand;
    constexpr std::uint64_t kTrillion = kBillion * kThousand;
    constexpr std::uint64_t kQuadrillion = kTrillion * kThousand;
    const std::size_t count = amount < kThousand      ? 1
                              : amount < kMillion     ? 2
                              : amount < kBillion     ? 3
                              : amount < kTrillion    ? 4
                              : amount < kQuadrillion ? 5
                                                      : kExactWholeGroups;
    std::array<unsigned, kExactWholeGroups> groups{};
    const auto group = [&](std::uint64_t unit) {
        return static_cast<unsigned>(amount / unit % 1000);
    };
    switch (count) {
    case 6:
        groups[0] = group(kQuadrillion);
        [[fallthrough]];
    case 5:
        groups[1] = group(kTrillion);
        [[fallthrough]];
    case 4:
        groups[2] = group(kBillion);
        [[fallthrough]];
    case 3:
        groups[3] = group(kMillion);
        [[fallthrough]];
    case 2:
        groups[4] = group(kThousand);
        [[fallthrough]];
    default:
        groups[5] = group(1);
    }
    return Words(groups.data() + kExactWholeGroups - count, count);
}

std::wstring OtherAmountWords(long double tutar) {
    if (tutar < 0 || std::isnan(tutar)) {
        return L"Negatif değer";
    }
    if (std::isinf(tutar)) {
        throw EConvertError(L"Amount too large to write in words");
    }
    const Groups groups = GroupsOfRounded(tutar);
    return Words(groups.data(), groups.size());
}

} // namespace velkaro
