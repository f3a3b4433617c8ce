#pragma once
// The main window of the real program and its controls, found as an automation tool finds them.
#include "tests/e2e/Driver.h"

#include <string>

namespace velkaro::test {

struct MainWindow {
    // Waits for the window and its input idle; throws when it or a control is missing.
    explicit MainWindow(const ProgramUnderTest& program);

    // Types the digits and Enter, and waits for the minutes to change and the calculation to
    // end; returns the minutes.
    std::wstring Calculate(const std::wstring& digits) const;
    // Clicks a tariff button with the mouse and waits for another amount; returns it.
    std::wstring ClickTariff(HWND button) const;
    // Waits for an amount other than the one given, in its display format, and for the
    // calculation that showed it to end; returns it.
    std::wstring AmountOtherThan(const std::wstring& before) const;

    const ProgramUnderTest& Program;
    HWND Window, tx_saat, tx_para, lb_sure, lb_para, rb_fiyat1, rb_fiyat2;
};

// Chooses an item (counted from 0) of the menu that a left click on the bare background opens.
void ChooseFromMenu(const ProgramUnderTest& program, HWND window, int item);

// The start time `minutesBefore` minutes before the program's fixed clock (later in the day for a
// negative count), as the four digits the operator types.
std::wstring DigitsOfStartBefore(int minutesBefore);

bool Checked(HWND button);
// The focused window of the window's thread.
HWND FocusOf(HWND window);

} // namespace velkaro::test
