#include "runtime/Utf.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

struct UtfCase {
    std::wstring wide;
    std::string utf8;
};

TEST(Utf, RoundTripsTurkishAndAstralText) {
    const UtfCase cases[] = {
        {L"", ""},
        {L"Fiyatları Belirle", "Fiyatlar\xC4\xB1 Belirle"},
        {L"Dorimex\u00AE", "Dorimex\xC2\xAE"},
        {L"\u20AC", "\xE2\x82\xAC"},
        {L"\U0001F600", "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUtf8(c.wide), c.utf8);
        EXPECT_EQ(FromUtf8(c.utf8), c.wide);
    }
}

TEST(Utf, MalformedInputBecomesReplacementCharacters) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"\xC4", L"\uFFFD"}, // truncated sequence
        {"\x80"
         "a",
         L"\uFFFDa"},                            // stray continuation byte
        {"\xC0\xAF", L"\uFFFD\uFFFD"},           // overlong form
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
    };
    for (const auto& [utf8, wide] : cases) {
        EXPECT_EQ(FromUtf8(utf8), wide) << utf8;
    }
}

} // namespace
} // namespace velkaro
