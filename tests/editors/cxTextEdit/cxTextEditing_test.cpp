#include "editors/cxTextEdit/cxTextEditing.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

struct ReplaceCase {
    const char* name;
    std::wstring text;
    TcxTextSelection selection;
    std::wstring inserted;
    int maxLength;
    std::optional<std::wstring> result;
    int caret;
};

TEST(TextEditingTest, ReplacingTheSelectionKeepsWithinTheLimit) {
    const ReplaceCase cases[] = {
        {"no limit", L"abcd", {1, 2}, L"XYZ", 0, L"aXYZd", 4},
        {"fits", L"abc", {3, 0}, L"12", 5, L"abc12", 5},
        {"paste cut to the limit", L"abc", {3, 0}, L"12345", 5, L"abc12", 5},
        {"caret at the limit inserts nothing", L"abcde", {5, 0}, L"1", 5, std::nullopt, 0},
        {"start beyond the limit", L"abcdef", {6, 0}, L"1", 5, std::nullopt, 0},
        {"replacing a selection frees room", L"abcde", {1, 3}, L"1234", 5, L"a1234", 5},
        {"the tail is cut after the insertion", L"abcde", {0, 0}, L"12", 5, L"12abc", 2},
        {"selection beyond the text is clamped", L"ab", {5, 9}, L"c", 0, L"abc", 3},
        {"empty insertion deletes the selection", L"abc", {0, 1}, L"", 0, L"bc", 0},
        {"empty insertion under a limit changes nothing",
         L"abcdefgh",
         {6, 2},
         L"",
         5,
         std::nullopt,
         0},
    };
    for (const auto& c : cases) {
        const auto result = ReplaceSelectionText(c.text, c.selection, c.inserted, c.maxLength);
        ASSERT_EQ(result.has_value(), c.result.has_value()) << c.name;
        if (result) {
            EXPECT_EQ(result->Text, *c.result) << c.name;
            EXPECT_EQ(result->Caret, c.caret) << c.name;
        }
    }
}

TEST(TextEditingTest, DeletingNeedsASelection) {
    EXPECT_FALSE(DeleteSelectionText(L"abc", {1, 0}).has_value());
    const auto result = DeleteSelectionText(L"abcdef", {2, 3});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Text, L"abf");
    EXPECT_EQ(result->Caret, 2);
    const auto clamped = DeleteSelectionText(L"abc", {1, 99});
    ASSERT_TRUE(clamped.has_value());
    EXPECT_EQ(clamped->Text, L"a");
}

TEST(TextEditingTest, TextStopsAtItsFirstNul) {
    EXPECT_EQ(TextBeforeNul(std::wstring(L"ab\0cd", 5)), L"ab");
    EXPECT_EQ(TextBeforeNul(std::wstring(L"\0x", 2)), L"");
    EXPECT_EQ(TextBeforeNul(L"plain"), L"plain");
}

TEST(TextEditingTest, KeysAndCharactersAreClassified) {
    EXPECT_TRUE(IsTextEditingKey(8));
    EXPECT_TRUE(IsTextEditingKey(46));
    EXPECT_FALSE(IsTextEditingKey(37));
    for (wchar_t c : {L'\b', wchar_t(22), wchar_t(24), L' ', L'a', L'\x11F'}) {
        EXPECT_TRUE(IsTextEditingChar(c)) << int(c);
    }
    for (wchar_t c : {wchar_t(3), L'\r', L'\t', wchar_t(27)}) {
        EXPECT_FALSE(IsTextEditingChar(c)) << int(c);
    }
}

TEST(TextEditingTest, PasswordsShowAStarPerCharacter) {
    EXPECT_EQ(PasswordText(L"abc"), L"***");
}

} // namespace
} // namespace velkaro
