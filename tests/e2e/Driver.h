#pragma once
// Drives the real program as a user's automation tool would: starts it with chosen registry
// values, finds its windows by class and caption, reads them, types and clicks, closes it.
#include "tests/windows/support/WindowLookup.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velkaro::test {

using namespace std::chrono_literals;

// The registry values the program finds at start; an absent name is a missing value.
using RegistryValues = std::map<std::wstring, std::wstring>;
// Prices of 1,000,000 and 1,500,000 and a step of 250,000: the settings most tests start with.
inline const RegistryValues kConfigured = {
    {L"Fiyat1", L"1000000"}, {L"Fiyat2", L"1500000"}, {L"Yuvarlama", L"250000"}};

// The time of day the program's clock stands at in a test, so that the test knows the minute.
inline constexpr int kNowHour = 14, kNowMinute = 30;
// The program counts to that time, or to the system's clock as an operator's program does.
enum class Clock { Fixed, System };

class ProgramUnderTest {
public:
    // Clears the program's registry key, writes the given values and starts the program: the one
    // just built, or the one at the given Windows path (an installed copy).
    // With beforeStart, the key is changed further (its values written) before the start.
    explicit ProgramUnderTest(const RegistryValues& values, Clock clock = Clock::Fixed,
                              const std::function<void()>& beforeStart = {});
    ProgramUnderTest(const RegistryValues& values, const wchar_t* programPath,
                     Clock clock = Clock::Fixed, const std::function<void()>& beforeStart = {});
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    DWORD ProcessId() const { return process_.dwProcessId; }
    // Waits until the program waits for input, with the handler it was running ended.
    void WaitIdle() const;
    // A visible top-level window of the program, waiting for it to appear. An empty class name
    // matches any class.
    HWND WaitForWindow(const std::wstring& className, std::optional<std::wstring> caption = {},
                       std::chrono::milliseconds timeout = 10s) const;
    // Whether the program has ended within the time.
    bool WaitForExit(std::chrono::milliseconds timeout) const;
    // The exit code once the program has ended within the time, else nullopt.
    std::optional<DWORD> ExitCode(std::chrono::milliseconds timeout) const;
    // Asks the main window to close and returns the exit code (nullopt if it did not end).
    std::optional<DWORD> CloseAndWait(HWND mainWindow, std::chrono::milliseconds timeout = 10s);

private:
    PROCESS_INFORMATION process_{};
};

// Another program on the desktop (tests/e2e/OtherProgram.cpp), started in front: a window the
// system may activate when one of the calculator's goes. It ends with the object.
class OtherProgram {
public:
    OtherProgram();
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    HWND Window() const { return window_; }
    // How often its window has been activated so far.
    int Activations() const;
    // Has it call ShowWindow on a window (of the calculator), as another program may.
    void ShowWindowOf(HWND window, int command) const;

private:
    void End();

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// A path of the build host (as the build passes it) in Wine's form, on drive Z:.
std::wstring HostPathInWine(const std::wstring& hostPath);

// The program's registry values as they are now (absent names are missing).
RegistryValues ReadRegistry();
// Lets the program's key be read but no value in it be set, as a locked-down account finds it.
void DenySettingValues();

SIZE ClientSize(HWND window);
// The process a window belongs to.
DWORD ProcessOf(HWND window);
// Posts a key press (down, character, up) to a window.
void PressKey(HWND window, WORD virtualKey, wchar_t character = 0);
void TypeText(HWND window, const std::wstring& text);
// Posts a left click at a client position.
void Click(HWND window, int x, int y);

// Real input, as the keyboard and mouse produce it: it goes to the foreground window and the
// control with the focus there.
void SendKey(WORD virtualKey, bool shift = false, bool control = false);
// Several key presses in one go, queued together, so that the program's own input (a move of the
// pointer that the window system reports when a window opens under it) comes before or after
// them, not between.
void SendKeys(const std::vector<WORD>& virtualKeys, bool shift = false, bool control = false);
void SendText(const std::wstring& text);
void SendClick(HWND window, POINT client, bool right = false);
// Waits until the window's text satisfies the predicate; answers the last text read.
std::wstring WaitForText(HWND window, const std::function<bool(const std::wstring&)>& done,
                         std::chrono::milliseconds timeout = 5s);
// Waits until the condition holds, and answers whether it did within the time.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s);
// Whether the window is destroyed or hidden.
bool Gone(HWND window);
// The first child (at any depth) of a class (any class for an empty name) whose text is given,
// or of the class at all.
HWND FindChild(HWND parent, const std::wstring& className, std::optional<std::wstring> text = {});
// Puts the text on the clipboard, as another program would.
void PutOnClipboard(const std::wstring& text);
// The message text of a system message box.
std::wstring MessageBoxText(HWND box);
// Waits for the program's top-level error report, answers it and returns its text (nullopt
// when none appeared within the time).
std::optional<std::wstring> AnswerErrorReport(const ProgramUnderTest& program,
                                              std::chrono::milliseconds timeout = 10s);

// Answers the program's input prompt with the given caption: checks nothing, replaces the text
// and confirms with Enter. Returns the text the prompt was pre-filled with.
std::wstring AnswerPrompt(const ProgramUnderTest& program, const std::wstring& caption,
                          const std::wstring& answer);

} // namespace velkaro::test
