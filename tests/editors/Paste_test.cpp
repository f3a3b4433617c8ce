// What a paste puts into each kind of edit: a clipboard far larger than any field needs is cut to
// what a text can use, the rest refused with the edit's beep; a limit cuts it silently. The room
// and the cut are the kinds' rules; the masked kinds paste into the model of the native edit, the
// others into the text as the text edit replaces its selection.
#include "editors/cxCurrencyEdit/cxCurrencyConversions.h"
#include "editors/cxMaskEdit/cxMaskEditKeys.h"
#include "editors/cxTextEdit/cxTextEditing.h"
#include "runtime/FormatSettings.h"
#include "tests/support/MaskEditModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velkaro::test {
namespace {

enum class Kind { Text, LimitedText, StartTime, Expression, Amount };

struct Pasted {
    std::wstring Shown;
    int Beeps = 0;
    int Caret = 0;
};

// The text edit's paste: the room, the cut and its beep, then the selection replaced; an amount
// field keeps a paste only when it leaves an amount.
Pasted PasteIntoText(Kind kind, const std::wstring& text, TcxTextSelection selection,
                     const std::wstring& clipboard) {
    const int maxLength = kind == Kind::LimitedText ? 5 : 0;
    const TcxPastedText pasted =
        PastedText(clipboard, TextPasteRoom(maxLength, text.size(),
                                            static_cast<std::size_t>(selection.Length)));
    const int beeps = pasted.Refused ? 1 : 0;
    if (pasted.Refused && pasted.Text.empty()) {
        return {text, beeps, selection.Start};
    }
    const auto result = ReplaceSelectionText(text, selection, pasted.Text, maxLength);
    if (!result || (kind == Kind::Amount && !IsPastedAmount(result->Text))) {
        return {text, beeps, selection.Start};
    }
    return {result->Text, beeps, result->Caret};
}

// The masked edit's paste: its own room while a standard mask is active, then the mask's
// overwrite.
Pasted PasteIntoMask(Kind kind, const std::wstring& text, TcxTextSelection selection,
                     const std::wstring& clipboard) {
    MaskEditModel edit(kind == Kind::StartTime ? L"!90:00;1;_" : L"[0-9]+",
                       kind == Kind::StartTime ? emkStandard : emkRegExpr);
    edit.SetTextAndFocus(text);
    edit.SetSelStart(selection.Start);
    edit.SetSelLength(selection.Length);
    const std::size_t textRoom =
        TextPasteRoom(0, edit.Display().size(), static_cast<std::size_t>(edit.SelLength()));
    const TcxPastedText pasted = PastedText(
        clipboard,
        MaskEditPasteRoom(edit.Mode(), static_cast<std::size_t>(edit.SelStart()), textRoom));
    if (!pasted.Refused || !pasted.Text.empty()) {
        edit.Paste(pasted.Text);
    }
    return {edit.Display(), pasted.Refused ? 1 : 0, edit.SelStart()};
}

TEST(Paste, EachEditTakesWhatATextCanUseAndRefusesTheRestWithABeep) {
    ResetFormatSettings();
    const struct {
        const char* Name;
        Kind Kind;
        std::wstring Text;
        int SelStart, SelLength;
        std::wstring Clipboard;
        std::wstring Shown;
        int Beeps;
    } cases[] = {
        {"text edit", Kind::Text, L"", 0, 0, std::wstring(100000, L'x'), std::wstring(32767, L'x'),
         1},
        {"text edit, into a selection", Kind::Text, L"abc", 1, 1, std::wstring(100000, L'x'),
         L"a" + std::wstring(32765, L'x') + L"c", 1},
        {"text edit, a paste that fits", Kind::Text, L"", 0, 0, std::wstring(32767, L'x'),
         std::wstring(32767, L'x'), 0},
        {"text edit, full", Kind::Text, std::wstring(32767, L'x'), 32767, 0, L"y",
         std::wstring(32767, L'x'), 1},
        {"text edit with a limit", Kind::LimitedText, L"", 0, 0, std::wstring(100000, L'x'),
         L"xxxxx", 0},
        {"masked edit", Kind::StartTime, L"00:00", 0, 5, std::wstring(100000, L'1'),
         std::wstring(1024, L'1'), 1},
        {"masked edit, caret inside", Kind::StartTime, L"00:00", 3, 0, std::wstring(100000, L'1'),
         L"00:" + std::wstring(1021, L'1'), 1},
        {"masked edit, a short paste", Kind::StartTime, L"00:00", 0, 5, L"1234", L"12340", 0},
        // An expression has no positions: its field takes what a text edit takes.
        {"expression mask", Kind::Expression, L"", 0, 0, std::wstring(30000, L'1'),
         std::wstring(30000, L'1'), 0},
        {"expression mask, beyond a text", Kind::Expression, L"", 0, 0, std::wstring(100000, L'1'),
         std::wstring(32767, L'1'), 1},
        {"currency edit", Kind::Amount, L"", 0, 0, std::wstring(100000, L'0'),
         std::wstring(32767, L'0'), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const bool masked = c.Kind == Kind::StartTime || c.Kind == Kind::Expression;
        const Pasted pasted =
            masked ? PasteIntoMask(c.Kind, c.Text, {c.SelStart, c.SelLength}, c.Clipboard)
                   : PasteIntoText(c.Kind, c.Text, {c.SelStart, c.SelLength}, c.Clipboard);
        EXPECT_EQ(pasted.Shown.size(), c.Shown.size());
        EXPECT_TRUE(pasted.Shown == c.Shown);
        EXPECT_EQ(pasted.Beeps, c.Beeps);
    }
}

TEST(Paste, APasteIsCutToTheLimitAndTheCaretFollowsIt) {
    const struct {
        const char* Name;
        std::wstring Text;
        int SelStart, SelLength;
        std::wstring Clipboard;
        std::wstring Result;
        int Caret;
    } cases[] = {
        {"fits", L"ab", 2, 0, L"cd", L"abcd", 4},
        {"cut to the limit", L"abc", 3, 0, L"12345", L"abc12", 5},
        {"nothing at the limit", L"abcde", 5, 0, L"1", L"abcde", 5},
        {"into a selection", L"abcde", 1, 3, L"123456", L"a1234", 5},
        {"an empty paste changes nothing", L"abcdefgh", 6, 2, L"", L"abcdefgh", 6},
    };
    for (const auto& c : cases) {
        const Pasted pasted =
            PasteIntoText(Kind::LimitedText, c.Text, {c.SelStart, c.SelLength}, c.Clipboard);
        EXPECT_EQ(pasted.Shown, c.Result) << c.Name;
        EXPECT_EQ(pasted.Caret, c.Caret) << c.Name;
    }
}

} // namespace
} // namespace velkaro::test
