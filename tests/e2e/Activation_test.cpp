// The calculator among other programs: with another program's window behind it, every modal
// window of ours and every minimise and restore leaves the calculator in front, and the keys
// typed next go into the start field.
//
// Keys given with SendInput go to the foreground window's thread, to the window with the keyboard
// focus there (the system's documented routing of keyboard input); nothing here brings a window
// forward, so the keys land where the program left the activation.
#include "tests/e2e/MainWindowControls.h"

#include <gtest/gtest.h>

#include <functional>

namespace velkaro::test {
namespace {

void Close(HWND window, WORD key) {
    ASSERT_NE(window, nullptr) << "did not open";
    SendKey(key);
    ASSERT_TRUE(WaitUntil([&] { return Gone(window); })) << "did not close";
}

HWND MessageDialog(const ProgramUnderTest& program) {
    SendText(L"2500");
    SendKey(VK_RETURN);
    return program.WaitForWindow(L"TMessageForm", L"Hata");
}

struct ModalCase {
    const char* Name;
    // Opens the modal window with real input and closes it.
    std::function<void(const ProgramUnderTest&, const MainWindow&)> OpenAndClose;
};

// A hidden window that was active hands the activation to another window (SW_HIDE "hides the
// window and activates another window"); with ours still disabled that is another program's. A
// system dialog box enables its owner and activates it before it goes. So must ours.
const ModalCase kModalCases[] = {
    {"the message dialog closed by Enter",
     [](const ProgramUnderTest& program, const MainWindow&) {
         Close(MessageDialog(program), VK_RETURN);
     }},
    {"the message dialog closed by a click on its button",
     [](const ProgramUnderTest& program, const MainWindow&) {
         const HWND dialog = MessageDialog(program);
         ASSERT_NE(dialog, nullptr);
         const HWND ok = FindChild(dialog, L"TButton", L"Tamam");
         ASSERT_NE(ok, nullptr);
         SendClick(ok, {10, 10});
         ASSERT_TRUE(WaitUntil([&] { return Gone(dialog); }));
     }},
    {"the About window closed by Enter",
     [](const ProgramUnderTest& program, const MainWindow& main) {
         ChooseFromMenu(program, main.Window, 2);
         Close(program.WaitForWindow(L"Tfr_hakkinda"), VK_RETURN);
     }},
    {"a prompt cancelled by Esc",
     [](const ProgramUnderTest& program, const MainWindow& main) {
         ChooseFromMenu(program, main.Window, 1);
         Close(program.WaitForWindow(L"TInputQueryForm"), VK_ESCAPE);
     }},
    {"the error report of an unfilled start, closed by Enter",
     [](const ProgramUnderTest& program, const MainWindow&) {
         SendKey(VK_DELETE); // the whole text is selected on entry
         SendText(L"123");
         SendKey(VK_RETURN);
         Close(program.WaitForWindow(L"#32770", L"Velkaro"), VK_RETURN);
     }},
};

// The keys typed next reach the start field: its first digits are overwritten.
void ExpectTheKeysInTheStartField(const MainWindow& main) {
    SendKey(VK_HOME);
    SendText(L"0845");
    EXPECT_EQ(WaitForText(main.tx_saat, [](const std::wstring& text) { return text == L"08:45"; }),
              L"08:45");
}

TEST(Activation, EveryModalWindowGivesTheActivationBackToTheCalculator) {
    for (const ModalCase& modal : kModalCases) {
        SCOPED_TRACE(modal.Name);
        const OtherProgram other;
        ProgramUnderTest program(kConfigured);
        const MainWindow main(program);
        ASSERT_EQ(GetForegroundWindow(), main.Window) << "the calculator does not start in front";
        const int activations = other.Activations();

        modal.OpenAndClose(program, main);
        program.WaitIdle();
        EXPECT_EQ(GetForegroundWindow(), main.Window);
        EXPECT_EQ(other.Activations(), activations) << "the other program was activated";
        ExpectTheKeysInTheStartField(main);
    }
}

// A minimise or a restore of one of the calculator's windows: the taskbar window or the main one.
struct StateChange {
    // Another program's ShowWindow, else the window's system command.
    bool ByOtherProgram;
    bool OfMainWindow;
};

struct MinimizeCase {
    const char* Name;
    StateChange Minimize;
    StateChange Restore;
};

// The taskbar minimises and restores a program by sending its taskbar window WM_SYSCOMMAND with
// SC_MINIMIZE and SC_RESTORE; the windows an owner owns are hidden while it is minimised. Win+M
// minimises the windows that have taskbar buttons without a system command, and another program
// may call ShowWindow on any window: ShowWindow sends the window WM_SIZE with SIZE_MINIMIZED or
// SIZE_RESTORED; SW_MINIMIZE activates the next window (the other program may be activated
// then), SW_RESTORE activates the window restored.
const MinimizeCase kMinimizeCases[] = {
    {"the main window's system command", {false, true}, {false, false}},
    {"the taskbar window's system commands", {false, false}, {false, false}},
    {"another program's ShowWindow of the taskbar window", {true, false}, {true, false}},
    {"another program's ShowWindow of the main window", {true, true}, {true, true}},
    {"the main window minimised by another program, restored from the taskbar",
     {true, true},
     {false, false}},
};

void Change(const StateChange& change, bool minimize, const OtherProgram& other, HWND mainWindow,
            HWND taskbarWindow) {
    const HWND window = change.OfMainWindow ? mainWindow : taskbarWindow;
    if (change.ByOtherProgram) {
        other.ShowWindowOf(window, minimize ? SW_MINIMIZE : SW_RESTORE);
    } else {
        PostMessageW(window, WM_SYSCOMMAND, minimize ? SC_MINIMIZE : SC_RESTORE, 0);
    }
}

TEST(Activation, AfterAMinimiseAndARestoreTheKeysGoIntoTheStartField) {
    for (const MinimizeCase& c : kMinimizeCases) {
        SCOPED_TRACE(c.Name);
        const OtherProgram other;
        ProgramUnderTest program(kConfigured);
        const MainWindow main(program);
        const HWND taskbarWindow = program.WaitForWindow(L"TApplication");
        ASSERT_NE(taskbarWindow, nullptr);

        Change(c.Minimize, true, other, main.Window, taskbarWindow);
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(taskbarWindow) && Gone(main.Window); }));
        // An operator restores it later: the window system's news of the minimise has arrived.
        program.WaitIdle();
        const int activations = other.Activations();
        Change(c.Restore, false, other, main.Window, taskbarWindow);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main.Window) != FALSE; }));
        program.WaitIdle();
        EXPECT_FALSE(IsIconic(taskbarWindow));
        EXPECT_FALSE(IsIconic(main.Window));
        EXPECT_EQ(GetForegroundWindow(), main.Window);
        EXPECT_EQ(other.Activations(), activations) << "the other program was activated";
        EXPECT_EQ(GetParent(FocusOf(main.Window)), main.tx_saat);
        ExpectTheKeysInTheStartField(main);
    }
}

} // namespace
} // namespace velkaro::test
