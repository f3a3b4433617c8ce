#include "tests/e2e/MainWindowControls.h"

#include <stdexcept>

namespace velkaro::test {

MainWindow::MainWindow(const ProgramUnderTest& program)
    : Program(program), Window(program.WaitForWindow(L"Tfr_velkaro")) {
    if (Window == nullptr) {
        throw std::runtime_error("the main window did not appear");
    }
    program.WaitIdle();
    tx_saat = FindChild(Window, L"TcxMaskEdit");
    tx_para = FindChild(Window, L"TcxCurrencyEdit");
    const auto labels = ChildrenOf(Window, L"TcxLabel");
    const auto buttons = ChildrenOf(Window, L"TcxRadioButton");
    if (labels.size() != 2 || buttons.size() != 2 || tx_saat == nullptr || tx_para == nullptr) {
        throw std::runtime_error("the main window lacks a control");
    }
    lb_sure = labels[0];
    lb_para = labels[1];
    rb_fiyat1 = buttons[0];
    rb_fiyat2 = buttons[1];
}

std::wstring MainWindow::Calculate(const std::wstring& digits) const {
    const std::wstring before = TextOf(lb_sure);
    SendText(digits);
    SendKey(VK_RETURN);
    // The minutes are shown first: once they change the calculation has begun, and a message
    // round trip then waits for its end (it runs no message loop).
    const std::wstring minutes =
        WaitForText(lb_sure, [&](const std::wstring& text) { return text != before; });
    Program.WaitIdle();
    return minutes;
}

std::wstring MainWindow::ClickTariff(HWND button) const {
    const std::wstring before = TextOf(tx_para);
    RECT bounds{};
    GetClientRect(button, &bounds);
    SendClick(button, {bounds.right / 2, bounds.bottom / 2});
    return AmountOtherThan(before);
}

std::wstring MainWindow::AmountOtherThan(const std::wstring& before) const {
    WaitForText(tx_para,
                [&](const std::wstring& text) { return text != before && text.ends_with(L" TL"); });
    // The words and the focus follow the amount in the same calculation.
    Program.WaitIdle();
    return TextOf(tx_para);
}

// Chooses an item (counted from 0) of the menu that a left click on the bare background opens.
void ChooseFromMenu(const ProgramUnderTest& program, HWND window, int item) {
    Click(window, 5, 135);
    // Once in a full run under Wine the menu of a posted click never came: once more before
    // giving up.
    if (program.WaitForWindow(L"#32768", {}, 5s) == nullptr) {
        Click(window, 5, 135);
        if (program.WaitForWindow(L"#32768") == nullptr) {
            throw std::runtime_error("the menu did not open");
        }
    }
    // Keys go to the foreground window's thread: a program just started may not have it yet.
    if (!WaitUntil([&] { return ProcessOf(GetForegroundWindow()) == program.ProcessId(); })) {
        throw std::runtime_error("the program is not in the foreground");
    }
    // The menu opens under the pointer, and the move reported for that unselects its item:
    // between the arrows and Enter it would leave nothing chosen.
    std::vector<WORD> keys(static_cast<std::size_t>(item) + 1, VK_DOWN);
    keys.push_back(VK_RETURN);
    SendKeys(keys);
}

std::wstring DigitsOfStartBefore(int minutesBefore) {
    const int start = ((kNowHour * 60 + kNowMinute - minutesBefore) % 1440 + 1440) % 1440;
    wchar_t digits[8];
    swprintf(digits, 8, L"%02d%02d", start / 60, start % 60);
    return digits;
}

bool Checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

} // namespace velkaro::test
