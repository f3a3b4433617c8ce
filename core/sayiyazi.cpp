#include "core/sayiyazi.h"

#include "runtime/Exceptions.h"
#include "runtime/FloatDecimal.h"

#include <array>
#include <cmath>

namespace velkaro {

namespace {

// The digits are read as eight groups of three, from 10^21 down to the units.
constexpr std::size_t kFrameDigits = 24;
constexpr std::size_t kGroupCount = kFrameDigits / 3;
constexpr std::size_t kThousandsGroup = 6;
// Amounts are written with at most this many significant digits, zeros after them.
constexpr long long kSignificantDigits = 18;

constexpr std::array<const wchar_t*, 10> kHundreds = {
    L"",         L" yüz",      L" iki yüz",  L" üç yüz",    L" dört yüz",
    L" beş yüz", L" altı yüz", L" yedi yüz", L" sekiz yüz", L" dokuz yüz"};
constexpr std::array<const wchar_t*, 10> kTens = {L"",        L" on",    L" yirmi",  L" otuz",
                                                  L" kırk",   L" elli",  L" altmış", L" yetmiş",
                                                  L" seksen", L" doksan"};
constexpr std::array<const wchar_t*, 10> kOnes = {
    L"", L" bir", L" iki", L" üç", L" dört", L" beş", L" altı", L" yedi", L" sekiz", L" dokuz"};
constexpr std::array<const wchar_t*, kGroupCount> kScales = {
    L" kattrilyar", L" trilyar", L" kattrilyon", L" trilyon", L" milyar", L" milyon", L" bin", L""};

// The whole amount's digits, padded on the left to the frame.
std::string FrameDigits(long double tutar) {
    FloatDecimal decimal = ToFloatDecimal(tutar);
    RoundToSignificant(decimal, kSignificantDigits);
    RoundToDecimals(decimal, 0);
    std::string digits = IntegerDigits(decimal);
    if (digits.size() > kFrameDigits) {
        throw EConvertError(L"Amount too large to write in words");
    }
    return std::string(kFrameDigits - digits.size(), '0') + digits;
}

} // namespace

std::wstring SayiYazi(long double tutar) {
    if (tutar < 0 || std::isnan(tutar)) {
        return L"Negatif değer";
    }
    if (std::isinf(tutar)) {
        throw EConvertError(L"Amount too large to write in words");
    }
    const std::string frame = FrameDigits(tutar);
    std::wstring result;
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        const auto digit = [&](std::size_t k) { return frame[group * 3 + k] - '0'; };
        std::wstring text = std::wstring(kHundreds[digit(0)]) + kTens[digit(1)] + kOnes[digit(2)];
        if (text.empty()) {
            continue;
        }
        // One thousand is "bin", not "bir bin"; other groups keep their "bir".
        if (group == kThousandsGroup && text == kOnes[1]) {
            text.clear();
        }
        result += text + kScales[group];
    }
    return result;
}

} // namespace velkaro
