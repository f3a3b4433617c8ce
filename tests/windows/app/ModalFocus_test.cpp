// The main window's modal reports as the operator meets them, with real clicks and keys: the
// start field's own error box and the calculation's "Hata" dialog, each closed by a posted key.
#include "tests/windows/support/ApplicationTest.h"
#include "tests/windows/support/ConfiguredWindow.h"
#include "tests/windows/support/EditTestForm.h"
#include "tests/windows/support/ModalWatch.h"
#include "tests/windows/support/RealInput.h"

#include <gtest/gtest.h>

namespace velkaro::test {
namespace {

using MainWindowModalTest = SystemErrorBoxTest;

// A quick click: the button is up again before the window that the press opens is closed.
void QuickClickAt(HWND window, int x, int y) {
    QueueClickAt(window, x, y);
    Pump();
}

// Replaces the start field's whole text (selected on entry) with the typed digits.
void TypeStart(TConfiguredWindow& window, const std::wstring& digits) {
    window->tx_saat.SetFocus();
    TypeChord({VK_DELETE});
    for (const wchar_t digit : digits) {
        TypeChord({static_cast<WORD>(digit)});
    }
}

TEST_F(MainWindowModalTest, AClickAwayFromAnUnfilledStartIsReportedOnceAndKeepsTheFocus) {
    TConfiguredWindow window;
    TypeStart(window, L"123");
    ASSERT_EQ(window->tx_saat.Text().substr(0, 4), L"12:3");
    const TBeepCounter beeps;
    const TModalWatch watch;
    QuickClickAt(window->tx_para.Handle(), 30, 14);
    ASSERT_FALSE(watch.Shown().empty()) << "no report";
    EXPECT_EQ(watch.Texts(), std::vector<std::wstring>{L"The edit value is invalid."});
    EXPECT_FALSE(watch.Shown()[0].DuringFocusMessage)
        << "reported from inside WM_SETFOCUS or WM_KILLFOCUS";
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_TRUE(HasFocus(window->tx_saat));
    EXPECT_TRUE(IsWindowVisible(GetFocus())) << "the focus is on a hidden window";
    EXPECT_FALSE(IsWindowVisible(window->tx_para.InnerEdit()->Control().Handle()))
        << "the amount field shows its inner edit without the focus";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MainWindowModalTest, AfterTheDialogOfATariffClickTheNextClickGoesWhereItIsAimed) {
    TConfiguredWindow window;
    TypeStart(window, L"2500");
    ASSERT_EQ(window->tx_saat.Text(), L"25:00");
    {
        const TModalWatch watch;
        QuickClickAt(window->rb_fiyat2.Handle(), 10, 12);
        ASSERT_EQ(watch.Shown().size(), 1u);
        EXPECT_EQ(watch.Shown()[0].Caption, L"Hata");
        EXPECT_EQ(watch.Shown()[0].Text, L"Girdi\u011Finz de\u011Fer yanl\u0131\u015F!");
    }
    EXPECT_EQ(GetCapture(), nullptr) << "a window still holds the mouse";
    QuickClickAt(window->tx_saat.Handle(), 30, 16);
    EXPECT_TRUE(HasFocus(window->tx_saat)) << "the click into the start field was swallowed";
    TypeChord({VK_HOME});
    for (const WORD key : {WORD{'0'}, WORD{'8'}, WORD{'4'}, WORD{'5'}, WORD{VK_RETURN}}) {
        TypeChord({key});
    }
    EXPECT_EQ(window->lb_sure.Caption(), L"345 dak.");
}

} // namespace
} // namespace velkaro::test
