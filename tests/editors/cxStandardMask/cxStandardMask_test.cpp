#include "editors/cxStandardMask/cxStandardMask.h"

#include "runtime/Exceptions.h"
#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace velkaro {
namespace {

class StandardMaskTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFormatSettings(); }
    void TearDown() override { ResetFormatSettings(); }

    static TcxStandardMask Parsed(std::wstring_view maskText) {
        TcxStandardMask mask;
        mask.SetMask(maskText);
        return mask;
    }
};

struct MaskShape {
    const wchar_t* mask;
    const wchar_t* emptyText;
    const wchar_t* emptyEditValue;
    bool saveLiterals;
    wchar_t blankChar;
};

TEST_F(StandardMaskTest, ParsesMaskShapes) {
    const MaskShape shapes[] = {
        {L"", L"", L"", true, L'_'},
        {L"!", L"", L"", true, L'_'},
        {L"!;0", L"", L"", false, L'_'},
        {L"!90:00;1;_", L"__:__", L"  :  ", true, L'_'},
        {L"99;0;", L"__;_;", L"  ; ;", true, L'_'}, // empty blank section: all literals
        {L"0;1;ab", L"_;1;_b", L" ;1; b", true, L'_'},
        {L"0;;_", L"_;;_", L" ;;_", true, L'_'},
        {L"00;0", L"__", L"  ", false, L'_'},
        {L"00;1; ", L"  ", L"  ", true, L' '},
        {L"00:00;0", L"__:__", L"    ", false, L'_'},
        {L"\\9", L"9", L"9", true, L'_'},
        {L"0\\", L"_", L" ", true, L'_'},
        {L"\\;0", L";_", L"; ", true, L'_'},
        {L">LL<>ll", L"____", L"    ", true, L'_'},
        {L"a/c#-", L"_/__-", L" /  -", true, L'_'},
        {L"<<>>", L"", L"", true, L'_'},
        {L"00;1;0", L"00", L"  ", true, L'0'}, // a blank the positions take still marks a gap
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(testing::Message() << "mask " << ToUtf8(shape.mask));
        const auto mask = Parsed(shape.mask);
        EXPECT_EQ(mask.MaskText(), shape.mask);
        EXPECT_EQ(mask.EmptyText(), shape.emptyText);
        EXPECT_EQ(mask.EmptyEditValue(), shape.emptyEditValue);
        EXPECT_EQ(mask.Count(), static_cast<int>(std::wstring(shape.emptyText).size()));
        EXPECT_EQ(mask.SaveLiterals(), shape.saveLiterals);
        EXPECT_EQ(mask.BlankChar(), shape.blankChar);
        EXPECT_EQ(mask.LeadingMark(), shape.mask[0] == L'!');
    }
}

TEST_F(StandardMaskTest, ItemsCarryKindOptionalityAndCase) {
    const auto mask = Parsed(L"!9>0<L\\:");
    ASSERT_EQ(mask.Count(), 4);
    const auto* optionalDigit = dynamic_cast<const TcxStandardMaskNumericItem*>(&mask.Items(0));
    ASSERT_NE(optionalDigit, nullptr);
    EXPECT_TRUE(optionalDigit->Optional);
    EXPECT_EQ(optionalDigit->CaseControl, TcxStandardMaskCaseControl::None);
    const auto& upperDigit = dynamic_cast<const TcxStandardMaskManyItem&>(mask.Items(1));
    EXPECT_FALSE(upperDigit.Optional);
    EXPECT_EQ(upperDigit.CaseControl, TcxStandardMaskCaseControl::Upper);
    const auto& lowerLetter = dynamic_cast<const TcxStandardMaskAlphaItem&>(mask.Items(2));
    EXPECT_EQ(lowerLetter.CaseControl, TcxStandardMaskCaseControl::Lower);
    EXPECT_EQ(dynamic_cast<const TcxStandardMaskLiteralItem&>(mask.Items(3)).Literal, L':');
    EXPECT_THROW(mask.Items(4), Exception);
    EXPECT_THROW(mask.Items(-1), Exception);
}

TEST_F(StandardMaskTest, ClearForgetsEverySection) {
    auto mask = Parsed(L"!00;0;*");
    mask.Clear();
    EXPECT_EQ(mask.Count(), 0);
    EXPECT_EQ(mask.MaskText(), L"");
    EXPECT_EQ(mask.BlankChar(), L'_');
    EXPECT_TRUE(mask.SaveLiterals());
    EXPECT_FALSE(mask.LeadingMark());
    mask.SetMask(L"0");
    EXPECT_EQ(mask.EmptyText(), L"_");
}

struct FitCase {
    const wchar_t* mask;
    const wchar_t* input;
    bool useConverted;
    const wchar_t* fitted;
    bool full;
    const wchar_t* editValue;
};

TEST_F(StandardMaskTest, FitsTestsAndConvertsTexts) {
    const FitCase cases[] = {
        // The start-time field.
        {L"!90:00;1;_", L"00:00", true, L"00:00", true, L"00:00"},
        {L"!90:00;1;_", L"0930", true, L"09:30", true, L"09:30"},
        {L"!90:00;1;_", L"9:30", true, L"93:0_", false, L"93:0 "},
        {L"!90:00;1;_", L"_9:30", true, L"_9:30", true, L" 9:30"},
        {L"!90:00;1;_", L" 9:30", true, L"_9:30", true, L" 9:30"},
        {L"!90:00;1;_", L"12:345", true, L"12:34", true, L"12:34"},
        {L"!90:00;1;_", L"ab:cd", true, L"__:__", false, L"  :  "},
        {L"!90:00;1;_", L"", true, L"__:__", false, L"  :  "},
        // Case conversion, and that it carries over to the next positions offered.
        {L">LL<>ll", L"abcd", true, L"ABcd", true, L"ABcd"},
        {L">LL<>ll", L"abcd", false, L"abcd", true, L"abcd"},
        {L"<aa", L"XY", true, L"xy", true, L"xy"},
        {L">0<>l", L"a", true, L"_A", false, L" A"},
        {L">0<>l", L"a", false, L"_a", false, L" a"},
        {L"00:00;0", L"12:34", true, L"12:34", true, L"1234"},
        {L"00:00;0", L"12", true, L"12:__", false, L"12  "},
        // Numeric symbols are optional.
        {L"#0", L"+5", true, L"+5", true, L"+5"},
        {L"#0", L" 5", true, L"_5", true, L" 5"},
        {L"#0", L"-", true, L"-_", false, L"- "},
        // Any-character positions take the blank itself; the edit value still shows a space.
        {L"CC", L"__", true, L"__", true, L"  "},
        {L"cC", L"x ", true, L"x ", true, L"x "},
        // National letters are letters only to any-character positions.
        {L"LlAaCc", L"\u00e9\u00e9\u00e9", true, L"____\u00e9\u00e9", false, L"    \u00e9\u00e9"},
        {L"\\9", L"5", true, L"9", true, L"9"},
        {L"00;1; ", L" 1", true, L" 1", false, L" 1"},
        // Read alone, a blank is a gap in the edit value even where its position takes it.
        {L"00;1;0", L"00", true, L"00", true, L"  "},
        {L"00;1;0", L"7", true, L"70", true, L"7 "},
        {L"LL;1;a", L"b", true, L"ba", true, L"b "},
        {L">LL;1;a", L"", true, L"aa", true, L"  "},
        {L"0-0", L"-5", true, L"5-_", false, L"5- "},
        // A blank passes literal positions to leave the next user position blank.
        {L"-90", L"_7", true, L"-_7", true, L"- 7"},
        {L"", L"anything", true, L"", true, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mask " << ToUtf8(c.mask) << " input " << ToUtf8(c.input)
                                        << " converted " << c.useConverted);
        const auto mask = Parsed(c.mask);
        std::wstring text = c.input;
        mask.FitText(text, c.useConverted);
        EXPECT_EQ(text, c.fitted);
        std::wstring tested = text;
        EXPECT_EQ(mask.IsFullText(tested), c.full);
        mask.ToEditValue(text);
        EXPECT_EQ(text, c.editValue);
    }
}

// Which characters of a text are entered blanks, written as "1" for each.
TcxEnteredBlanks EnteredBlanks(std::wstring_view flags) {
    TcxEnteredBlanks entered;
    for (const wchar_t flag : flags) {
        entered.push_back(flag == L'1');
    }
    return entered;
}

TEST_F(StandardMaskTest, EnteredBlanksAreCharactersAndOthersGaps) {
    const struct {
        const wchar_t* mask;
        const wchar_t* input;
        const wchar_t* entered;
        const wchar_t* fitted;
        const wchar_t* enteredAfter;
        bool full;
        const wchar_t* editValue;
    } cases[] = {
        {L"00;1;0", L"00", L"", L"00", L"00", false, L"  "},
        {L"00;1;0", L"00", L"11", L"00", L"11", true, L"00"},
        {L"00;1;0", L"00", L"10", L"00", L"10", false, L"0 "},
        {L"90;1;0", L"00", L"01", L"00", L"01", true, L" 0"},
        {L"0-0;0;0", L"0-0", L"001", L"0-0", L"001", false, L" 0"},
        // Where any character goes, a blank is content, entered or not, and reads as a space.
        {L"CC", L"__", L"", L"__", L"00", true, L"  "},
        {L"CC", L"_ ", L"11", L"_ ", L"00", true, L"  "},
        {L"CCCC", L"ab  ", L"", L"ab  ", L"0000", true, L"ab  "},
        {L">LL;1;a", L"aa", L"11", L"AA", L"00", true, L"AA"},
        {L"#;1;+", L"+", L"", L"+", L"0", true, L" "},
        // A blank its position refuses stays a gap, entered or not.
        {L"!90:00;1;_", L" 9:30", L"1", L"_9:30", L"00000", true, L" 9:30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mask " << ToUtf8(c.mask) << " input " << ToUtf8(c.input)
                                        << " entered " << ToUtf8(c.entered));
        const auto mask = Parsed(c.mask);
        std::wstring text = c.input;
        TcxEnteredBlanks entered = EnteredBlanks(c.entered);
        mask.FitText(text, true, entered);
        EXPECT_EQ(text, c.fitted);
        EXPECT_EQ(entered, EnteredBlanks(c.enteredAfter));
        std::wstring tested = text;
        EXPECT_EQ(mask.IsFullText(tested, entered), c.full);
        mask.ToEditValue(text, entered);
        EXPECT_EQ(text, c.editValue);
    }
}

TEST_F(StandardMaskTest, FullTextNeedsExactLength) {
    const auto mask = Parsed(L"!90:00;1;_");
    for (std::wstring text : {L"", L"09:3", L"09:300", L"09;30"}) {
        EXPECT_FALSE(mask.IsFullText(text)) << ToUtf8(text);
    }
    std::wstring empty;
    EXPECT_TRUE(Parsed(L"").IsFullText(empty));
}

TEST_F(StandardMaskTest, SeparatorsAreTakenWhenParsed) {
    FormatSettings().TimeSeparator = L'.';
    FormatSettings().DateSeparator = L'-';
    const auto mask = Parsed(L"!90:00;1;_");
    const auto date = Parsed(L"00/00");
    ResetFormatSettings();
    EXPECT_EQ(mask.EmptyText(), L"__.__");
    EXPECT_EQ(date.EmptyText(), L"__-__");
    std::wstring text = L"00:00";
    mask.FitText(text, true);
    EXPECT_EQ(text, L"00.00");
}

// Candidate characters of the generated masks and texts: mask characters, blanks, letters of
// both cases, a national letter and a few literals.
constexpr std::wstring_view kAlphabet = L"LlAaCc09#:/\\<>;!_ -+xZ5\u00e9";

wchar_t RandomChar(std::mt19937& random) {
    return kAlphabet[std::uniform_int_distribution<std::size_t>(0, kAlphabet.size() - 1)(random)];
}

std::wstring RandomText(std::mt19937& random, std::size_t maxLength) {
    std::wstring text(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), L' ');
    for (auto& c : text) {
        c = RandomChar(random);
    }
    return text;
}

// A text each of whose characters its position accepts, as the position converts it.
std::wstring AcceptedFill(const TcxStandardMask& mask, std::mt19937& random) {
    std::wstring fill;
    for (int i = 0; i < mask.Count(); ++i) {
        const auto* literal = mask.Items(i).AsLiteral();
        wchar_t c = literal ? literal->Literal : RandomChar(random);
        while (!mask.Items(i).Check(c)) {
            c = RandomChar(random);
        }
        fill += c;
    }
    return fill;
}

TEST_F(StandardMaskTest, FittingAndFullnessHoldForGeneratedMasks) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 5000; ++round) {
        const auto mask = Parsed(RandomText(random, 12));
        SCOPED_TRACE(testing::Message() << "mask " << ToUtf8(mask.MaskText()));
        for (const bool useConverted : {true, false}) {
            std::wstring text = RandomText(random, 16);
            mask.FitText(text, useConverted);
            ASSERT_EQ(static_cast<int>(text.size()), mask.Count());
            mask.ToEditValue(text);
            ASSERT_EQ(text.size(), mask.EmptyEditValue().size());
        }
        const std::wstring fill = AcceptedFill(mask, random);
        std::wstring tested = fill;
        ASSERT_TRUE(mask.IsFullText(tested)) << ToUtf8(fill);
        std::wstring fitted = fill;
        mask.FitText(fitted, true);
        ASSERT_EQ(fitted, fill);
    }
}

} // namespace
} // namespace velkaro
