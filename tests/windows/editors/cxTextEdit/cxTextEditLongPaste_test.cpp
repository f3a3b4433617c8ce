// A clipboard far larger than any field needs: each kind of edit takes what a text can use, refuses
// the rest with its beep, and stays quick to edit.
#include "editors/cxCurrencyEdit/cxCurrencyEdit.h"
#include "editors/cxMaskEdit/cxMaskEdit.h"
#include "framework/Clipboard.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace velkaro::test {
namespace {

std::unique_ptr<TcxCustomTextEdit> TextEdit(TControl* parent, int maxLength) {
    auto edit = std::make_unique<TcxTextEdit>(parent);
    edit->Properties().SetMaxLength(maxLength);
    edit->Properties().SetBeepOnError(true);
    return edit;
}

std::unique_ptr<TcxCustomTextEdit> StartTimeEdit(TControl* parent) {
    auto edit = std::make_unique<TcxMaskEdit>(parent);
    edit->Properties().SetEditMask(L"!90:00;1;_");
    edit->Properties().SetBeepOnError(true);
    return edit;
}

std::unique_ptr<TcxCustomTextEdit> ExpressionEdit(TControl* parent) {
    auto edit = std::make_unique<TcxMaskEdit>(parent);
    edit->Properties().SetMaskKind(emkRegExpr);
    edit->Properties().SetEditMask(L"[0-9]+");
    edit->Properties().SetBeepOnError(true);
    return edit;
}

std::unique_ptr<TcxCustomTextEdit> AmountEdit(TControl* parent) {
    auto edit = std::make_unique<TcxCurrencyEdit>(parent);
    edit->Properties().SetBeepOnError(true);
    return edit;
}

TEST(LongPaste, EachEditTakesWhatATextCanUseAndRefusesTheRestWithABeep) {
    StartApplication();
    const struct {
        const char* Name;
        std::function<std::unique_ptr<TcxCustomTextEdit>(TControl*)> Make;
        std::wstring Text;
        int SelStart, SelLength;
        std::wstring Clipboard;
        std::wstring Shown;
        int Beeps;
    } cases[] = {
        {"text edit", [](TControl* p) { return TextEdit(p, 0); }, L"", 0, 0,
         std::wstring(100000, L'x'), std::wstring(32767, L'x'), 1},
        {"text edit, into a selection", [](TControl* p) { return TextEdit(p, 0); }, L"abc", 1, 1,
         std::wstring(100000, L'x'), L"a" + std::wstring(32765, L'x') + L"c", 1},
        {"text edit, a paste that fits", [](TControl* p) { return TextEdit(p, 0); }, L"", 0, 0,
         std::wstring(32767, L'x'), std::wstring(32767, L'x'), 0},
        {"text edit, full", [](TControl* p) { return TextEdit(p, 0); }, std::wstring(32767, L'x'),
         32767, 0, L"y", std::wstring(32767, L'x'), 1},
        {"text edit with a limit", [](TControl* p) { return TextEdit(p, 5); }, L"", 0, 0,
         std::wstring(100000, L'x'), L"xxxxx", 0},
        {"masked edit", StartTimeEdit, L"00:00", 0, 5, std::wstring(100000, L'1'),
         std::wstring(1024, L'1'), 1},
        {"masked edit, caret inside", StartTimeEdit, L"00:00", 3, 0, std::wstring(100000, L'1'),
         L"00:" + std::wstring(1021, L'1'), 1},
        {"masked edit, a short paste", StartTimeEdit, L"00:00", 0, 5, L"1234", L"12340", 0},
        // An expression has no positions: its field takes what a text edit takes.
        {"expression mask", ExpressionEdit, L"", 0, 0, std::wstring(30000, L'1'),
         std::wstring(30000, L'1'), 0},
        {"expression mask, beyond a text", ExpressionEdit, L"", 0, 0, std::wstring(100000, L'1'),
         std::wstring(32767, L'1'), 1},
        {"currency edit", AmountEdit, L"", 0, 0, std::wstring(100000, L'0'),
         std::wstring(32767, L'0'), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm form;
        form.SetClientSize(300, 60);
        const std::unique_ptr<TcxCustomTextEdit> edit = c.Make(&form);
        edit->SetBounds(10, 10, 200, 21);
        form.Show();
        edit->SetFocus();
        edit->SetText(c.Text);
        edit->SetSelStart(c.SelStart);
        edit->SetSelLength(c.SelLength);
        SetClipboardText(c.Clipboard);
        const TBeepCounter beeps;
        PressKey('V', ssCtrl);
        const std::wstring shown = edit->InnerTextEdit()->Text();
        EXPECT_EQ(shown.size(), c.Shown.size());
        EXPECT_TRUE(shown == c.Shown);
        EXPECT_EQ(beeps.Count(), c.Beeps);
    }
}

} // namespace
} // namespace velkaro::test
