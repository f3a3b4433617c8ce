#pragma once
// A non-negative whole amount written out in Turkish words.
#include <cstdint>
#include <string>

namespace velkaro {

// The two ways of SayiYazi: whole amounts below 10^18, whose digits need no rounding, and every
// other amount (fractions and larger amounts rounded to 18 significant digits, negative ones).
std::wstring WholeAmountWords(std::uint64_t amount);
std::wstring OtherAmountWords(long double tutar);

// Each word with a leading blank (" bir milyon iki yüz elli bin"); zero gives the empty text,
// a negative amount "Negatif değer". Inline, so that the test for a whole amount works on the
// caller's value where it stands: an extended floating value handed over through memory costs
// more to read back than writing the words takes.
inline std::wstring SayiYazi(long double tutar) {
    if (tutar >= 0 && tutar < 1e18L) {
        const auto whole = static_cast<std::uint64_t>(tutar);
        if (static_cast<long double>(whole) == tutar) {
            return WholeAmountWords(whole);
        }
    }
    return OtherAmountWords(tutar);
}

} // namespace velkaro
