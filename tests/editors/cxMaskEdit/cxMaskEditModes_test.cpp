#include "editors/cxMaskEdit/cxMaskEditModes.h"
#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"
#include "tests/support/MaskEditModel.h"
#include "tests/support/StartTimeTyping.h"

#include <gtest/gtest.h>

#include <string>

namespace velkaro::test {
namespace {

constexpr const wchar_t* kStartTimeMask = L"!90:00;1;_";

class MaskEditModeTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFormatSettings(); }
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(MaskEditModeTest, StartTimeFieldTyping) {
    for (const auto& c : kStartTimeTyping) {
        SCOPED_TRACE(c.name);
        MaskEditModel edit(kStartTimeMask);
        edit.SetTextAndFocus(c.start);
        if (c.click) {
            edit.Click(*c.click);
        }
        edit.Run(c.keys);
        EXPECT_EQ(ToUtf8(edit.Display()), ToUtf8(c.display));
        EXPECT_EQ(ToUtf8(edit.Text()), ToUtf8(c.text));
        EXPECT_EQ(edit.SelStart(), c.selStart);
        EXPECT_EQ(edit.SelLength(), c.selLength);
        EXPECT_EQ(edit.beeps, c.beeps);
        EXPECT_EQ(edit.Mode().IsTextValid(edit.Display()), c.valid);
    }
}

TEST_F(MaskEditModeTest, ArrowsAtTheEdgesReachTheHost) {
    MaskEditModel edit(kStartTimeMask);
    edit.SetTextAndFocus(L"09:30");
    edit.Click(0);
    edit.Run(L"{Left}{Up}{Down}");
    EXPECT_EQ(edit.hostKeys, 3);
    edit.Run(L"{End}{Right}");
    EXPECT_EQ(edit.hostKeys, 4);
    edit.Click(3);
    edit.Run(L"{Left}{Right}");
    EXPECT_EQ(edit.hostKeys, 4);
}

TEST_F(MaskEditModeTest, NoBeepWithoutBeepOnError) {
    MaskEditModel edit(kStartTimeMask);
    edit.properties.beepOnError = false;
    edit.SetTextAndFocus(L"00:00");
    edit.Run(L"x:");
    EXPECT_EQ(edit.beeps, 0);
    EXPECT_EQ(edit.Display(), L"00:00");
}

TEST_F(MaskEditModeTest, PasteOverwritesAsManyCharactersAsItHas) {
    struct PasteCase {
        const wchar_t* start;
        int click;
        const wchar_t* pasted;
        const wchar_t* display;
        const wchar_t* text;
        int selStart;
        bool valid;
    };
    const PasteCase cases[] = {
        {L"00:00", 0, L"12:34", L"12:34", L"12:34", 4, true},
        {L"00:00", 0, L"1234", L"12340", L"12:34", 4, false},
        {L"00:00", 3, L"1", L"00:10", L"00:10", 4, true},
        {L"00:00", 1, L"5", L"05:00", L"05:00", 3, true}, // lands on the separator: skips it
        {L"00:00", 4, L"789", L"00:0789", L"00:07", 6, false},
        {L"00:00", 0, L"", L"00:00", L"00:00", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.pasted));
        MaskEditModel edit(kStartTimeMask);
        edit.SetTextAndFocus(c.start);
        edit.Click(c.click);
        edit.Paste(c.pasted);
        EXPECT_EQ(edit.Display(), c.display);
        EXPECT_EQ(edit.Text(), c.text);
        EXPECT_EQ(edit.SelStart(), c.selStart);
        EXPECT_EQ(edit.Mode().IsTextValid(edit.Display()), c.valid);
    }
}

TEST_F(MaskEditModeTest, CutCopiesAndBlanksWithoutMovingLiterals) {
    MaskEditModel edit(kStartTimeMask);
    edit.SetTextAndFocus(L"09:30");
    edit.Click(1);
    edit.Run(L"{S-Right}{S-Right}"); // the block is the selection's first character
    edit.Cut();
    EXPECT_EQ(edit.clipboard, L"9:3");
    EXPECT_EQ(edit.Display(), L"0_:_0");
    EXPECT_EQ(edit.Text(), L"0 : 0");
    EXPECT_EQ(edit.SelStart(), 1);
}

TEST_F(MaskEditModeTest, ReadOnlyEditSwallowsEditingKeys) {
    MaskEditModel edit(kStartTimeMask);
    edit.readOnly = true;
    edit.SetTextAndFocus(L"09:30");
    edit.Click(0);
    edit.Run(L"5{Del}{BS}");
    EXPECT_EQ(edit.Display(), L"09:30");
    EXPECT_EQ(edit.beeps, 0);
    EXPECT_EQ(edit.hostKeys, 2); // refused editing keys go to the host; characters do not
}

TEST_F(MaskEditModeTest, ValidationAndIgnoreMaskBlank) {
    struct ValidityCase {
        const wchar_t* text;
        bool valid;
        bool validIgnoringBlank;
    };
    const ValidityCase cases[] = {
        {L"09:30", true, true},   {L"_9:30", true, true},    {L" 9:30", true, true},
        {L"0_:30", false, false}, {L"__:__", false, true},   {L"  :  ", false, false},
        {L"09:3", false, false},  {L"09:300", false, false}, {L"09.30", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        MaskEditModel edit(kStartTimeMask);
        EXPECT_EQ(edit.Mode().IsTextValid(c.text), c.valid);
        edit.properties.ignoreMaskBlank = true;
        EXPECT_EQ(edit.Mode().IsTextValid(c.text), c.validIgnoringBlank);
    }
}

TEST_F(MaskEditModeTest, DisplayAndEditValueForms) {
    struct FormCase {
        const wchar_t* mask;
        const wchar_t* value;
        bool normalCase;
        const wchar_t* focused;
        const wchar_t* unfocused;
        const wchar_t* editValueText;
    };
    const FormCase cases[] = {
        {kStartTimeMask, L"", true, L"__:__", L"  :  ", L"  :  "},
        {kStartTimeMask, L" 9:30", true, L"_9:30", L" 9:30", L" 9:30"},
        {kStartTimeMask, L"0930", true, L"09:30", L"09:30", L"09:30"},
        {L"00:00;0", L"1234", true, L"12:34", L"1234", L"1234"},
        {L">LL", L"ab", true, L"AB", L"AB", L"AB"},
        {L">LL", L"ab", false, L"AB", L"ab", L"ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.mask) + " " + ToUtf8(c.value));
        MaskEditModel edit(c.mask);
        edit.properties.normalCharCase = c.normalCase;
        EXPECT_EQ(edit.Mode().MakeDisplayText(c.value, true), c.focused);
        EXPECT_EQ(edit.Mode().MakeDisplayText(c.value, false), c.unfocused);
        EXPECT_EQ(edit.Mode().GetEditValueText(c.value), c.editValueText);
        edit.properties.showBlanksUnfocused = true;
        EXPECT_EQ(edit.Mode().MakeDisplayText(c.value, false), c.focused);
    }
}

TEST_F(MaskEditModeTest, TypingFollowsTheLocaleSeparatorAndCaseControl) {
    FormatSettings().TimeSeparator = L'.';
    MaskEditModel time(kStartTimeMask);
    time.SetTextAndFocus(L"");
    EXPECT_EQ(time.Display(), L"__.__");
    time.Click(0);
    time.Run(L"12:34");
    EXPECT_EQ(time.Display(), L"12.34");
    EXPECT_EQ(time.beeps, 1);

    MaskEditModel code(L">LL<ll");
    code.SetTextAndFocus(L"");
    code.Click(0);
    code.Run(L"abCD");
    EXPECT_EQ(code.Display(), L"ABcd");
}

TEST_F(MaskEditModeTest, LeadingLiteralsAreSkipped) {
    MaskEditModel edit(L"(000) 00");
    edit.SetTextAndFocus(L"");
    EXPECT_EQ(edit.Display(), L"(___) __");
    edit.Run(L"{Home}");
    EXPECT_EQ(edit.SelStart(), 1);
    edit.Run(L"12345");
    EXPECT_EQ(edit.Display(), L"(123) 45");
    edit.Run(L"{Home}{Left}");
    EXPECT_EQ(edit.SelStart(), 1);
    edit.Click(0);
    edit.Run(L"7");
    EXPECT_EQ(edit.Display(), L"(723) 45");
    edit.Click(4);
    edit.Run(L"{BS}");
    EXPECT_EQ(edit.Display(), L"(72_) 45");
}

TEST_F(MaskEditModeTest, MaskOfBlanksIsNoMask) {
    for (const wchar_t* blank : {L"", L"   ", L"\t\r\n\f "}) {
        MaskEditModel edit(blank);
        EXPECT_FALSE(edit.Mode().IsMasked());
        edit.SetTextAndFocus(L"");
        edit.Run(L"ab{BS}c");
        EXPECT_EQ(edit.Display(), L"ac");
        EXPECT_EQ(edit.Text(), L"ac");
        EXPECT_EQ(edit.SelLength(), 0);
    }
}

TEST_F(MaskEditModeTest, RegularExpressionModesTypeFreelyAndMatchWhole) {
    for (auto kind : {emkRegExpr, emkRegExprEx}) {
        MaskEditModel edit(L"[a-c]+\\d", kind);
        EXPECT_EQ(edit.Mode().GetMaskKind(), kind);
        edit.SetTextAndFocus(L"");
        edit.Run(L"AbX{BS}7{Left}{Del}9");
        EXPECT_EQ(edit.Display(), L"Ab9");
        EXPECT_EQ(edit.Text(), L"Ab9");
        EXPECT_EQ(edit.beeps, 0);
        EXPECT_TRUE(edit.Mode().IsTextValid(L"Ab9"));
        EXPECT_FALSE(edit.Mode().IsTextValid(L"Ab9x")); // a match of a part is not enough
        edit.properties.caseInsensitive = false;
        EXPECT_FALSE(edit.Mode().IsTextValid(L"Ab9"));
        EXPECT_TRUE(edit.Mode().IsTextValid(L"ab9"));
    }
}

struct LongTextCase {
    const wchar_t* pattern;
    std::wstring text;
    bool valid;
};

std::wstring Repeated(std::wstring_view piece, std::size_t times) {
    std::wstring text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// Any text a field can hold is decided without exhausting the stack; an expression that would
// take too long gives up and the text counts as invalid.
TEST_F(MaskEditModeTest, ExpressionsDecideTextsOfAnyLength) {
    const LongTextCase cases[] = {
        {L"[0-9]+", std::wstring(1'000'000, L'7'), true},
        {L"[0-9]+", std::wstring(999'999, L'7') + L"x", false},
        {L"\\d{3}(,\\d{3})*", L"123" + Repeated(L",456", 200'000), true},
        {L"(ab)+", Repeated(L"ab", 500'000), true},
        {L"(\\w+) \\1", L"abc abc", true},
        {L"(\\w+) \\1", L"abc abd", false},
        {L"(a|aa)*c", std::wstring(100'000, L'a'), false},
    };
    for (const auto& c : cases) {
        MaskEditModel edit(c.pattern, emkRegExpr);
        EXPECT_EQ(edit.Mode().IsTextValid(c.text), c.valid)
            << ToUtf8(c.pattern) << ", " << c.text.size() << " characters";
    }
}

TEST_F(MaskEditModeTest, InvalidExpressionKeepsTheOldMask) {
    MaskEditModel edit(L"\\d+", emkRegExpr);
    for (const wchar_t* broken : {L"(", L"[a-", L"a{2,1}", L"*"}) {
        EXPECT_THROW(edit.Mode().SetMask(broken), EcxMaskEditError);
        EXPECT_EQ(edit.Mode().MaskText(), L"\\d+");
        EXPECT_TRUE(edit.Mode().IsTextValid(L"42"));
    }
    // A standard mask is never refused.
    MaskEditModel standard(L"0");
    EXPECT_NO_THROW(standard.Mode().SetMask(L"(["));
}

TEST_F(MaskEditModeTest, ModeWithoutControlResetsTheValueOnceAttached) {
    ModelProperties properties;
    TcxMaskEditStandardMode cached(nullptr, &properties);
    cached.SetMask(kStartTimeMask);
    EXPECT_EQ(cached.GetEmptyEditValue(), L"  :  ");
    EXPECT_EQ(cached.MakeDisplayText(L"0930", false), L"09:30");
    EXPECT_EQ(cached.MakeDisplayText(L"0930", true), L"09:30");
    cached.ApplyPendingReset(); // no control: nothing to reset, and no crash

    MaskEditModel edit(kStartTimeMask);
    edit.SetTextAndFocus(L"12:34");
    edit.Mode().ApplyPendingReset(); // the mask came with a live control: nothing pending
    EXPECT_EQ(edit.Text(), L"12:34");
}

TEST_F(MaskEditModeTest, ActiveMaskTest) {
    EXPECT_FALSE(IsActiveEditMask(L""));
    EXPECT_FALSE(IsActiveEditMask(std::wstring(L" \0\t", 3)));
    EXPECT_TRUE(IsActiveEditMask(L" 0 "));
    EXPECT_TRUE(IsActiveEditMask(L"\v")); // a vertical tab is not among the blank characters
}

} // namespace
} // namespace velkaro::test
