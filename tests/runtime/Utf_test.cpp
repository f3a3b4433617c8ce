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

// Each unit written low byte first, as the registry keeps string data; Bytes cuts the data short.
TEST(Utf, StringDataIsReadUpToItsFirstNul) {
    const struct {
        const char* Name;
        std::u16string Data;
        std::size_t Bytes; // 0: the whole data
        std::u16string Text;
    } cases[] = {
        {"EmbeddedNul", {u'1', u'2', u'\0', u'3', u'4', u'\0'}, 0, u"12"},
        {"Unterminated", {u'1', u'2', u'3', u'4'}, 0, u"1234"},
        {"OddByteCount", {u'7', u'8'}, 3, u"7"},
        {"Empty", {}, 0, u""},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes;
        for (const char16_t unit : c.Data) {
            bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        if (c.Bytes != 0) {
            bytes.resize(c.Bytes);
        }
        EXPECT_TRUE(TextOfUtf16Data(bytes) == c.Text) << c.Name;
    }
}

} // namespace
} // namespace velkaro
