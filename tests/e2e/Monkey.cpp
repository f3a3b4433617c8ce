// A monkey run on the real program: random keys, clicks, pastes and focus changes, every dialog
// answered, and the program's rules checked after every event. The same run number gives the same
// events, so a violation is reproduced by its run number and event index.
// Usage: monkey [EVENTS] [RUN]   (10,000 events and run 1 by default)
#include "tests/e2e/MonkeyChecks.h"
#include "tests/e2e/MonkeyEvents.h"

#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"

#include <cstdio>
#include <cwchar>
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <thread>

namespace velkaro::test {
namespace {

struct Preset {
    RegistryValues Registry;
    Ayarlar Settings;
};

// Round prices, prices that make every word appear, and amounts beyond 2^31 with an odd step.
const Preset kPresets[] = {
    {{{L"Fiyat1", L"1000000"}, {L"Fiyat2", L"1500000"}, {L"Yuvarlama", L"250000"}},
     {1000000, 1500000, 250000}},
    {{{L"Fiyat1", L"123457"}, {L"Fiyat2", L"98765"}, {L"Yuvarlama", L"5"}}, {123457, 98765, 5}},
    {{{L"Fiyat1", L"2147483647"}, {L"Fiyat2", L"1"}, {L"Yuvarlama", L"300000"}},
     {2147483647, 1, 300000}},
};

// The program's visible top-level windows other than the main window and the zero-sized
// application window that stands for it in the taskbar.
std::vector<HWND> OtherWindows(const ProgramUnderTest& program, HWND main) {
    return TopLevelWindows([&](HWND window) {
        return ProcessOf(window) == program.ProcessId() && window != main &&
               IsWindowVisible(window) && ClassOf(window) != L"TApplication";
    });
}

bool IsMenu(HWND window) {
    return ClassOf(window) == L"#32768";
}

// How a dialog is listed: its kind and what it says.
std::wstring Describe(HWND dialog) {
    const std::wstring kind = ClassOf(dialog);
    std::wstring text = TextOf(dialog);
    if (kind == L"#32770") {
        text = MessageBoxText(dialog);
    } else if (kind == L"TMessageForm") {
        for (HWND label : ChildrenOf(dialog, L"TLabel")) {
            text = TextOf(label);
        }
    }
    return kind + L" \"" + text + L"\"";
}

// Whose a window is: the program's, or another's.
std::wstring Owner(HWND window) {
    return L" of process " + std::to_wstring(ProcessOf(window));
}

class Monkey {
public:
    Monkey(const ProgramUnderTest& program, const MainWindow& main, unsigned run,
           const Ayarlar& settings)
        : program_(program), main_(main), events_(run, main), checks_(settings) {}

    // Runs the events; answers the index of the first violated rule, or -1.
    long Run(long count, std::wstring& violation) {
        for (long index = 0; index < count; ++index) {
            const bool menuOpen = MenuOpen();
            // Keys go to the foreground window: every dialog closed gives the activation back.
            if (const HWND front = GetForegroundWindow(); !menuOpen && front != main_.Window) {
                violation = L"the main window is not in front: " +
                            (front == nullptr ? L"no window is" : Describe(front) + Owner(front));
                return index;
            }
            const MonkeyEvent event = events_.Next(menuOpen);
            lastEvent_ = event.Description;
            // The reads that settle the window are handled before queued input: the event is
            // taken first.
            program_.WaitIdle();
            Settle();
            if (program_.WaitForExit(0ms)) {
                violation = L"the program ended";
                return index;
            }
            DWORD_PTR answer = 0;
            if (SendMessageTimeoutW(main_.Window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000,
                                    &answer) == 0) {
                violation = L"the program does not answer messages";
                return index;
            }
            state_ = ReadState(main_);
            violation = checks_.Broken(state_, event.Pasted);
            if (!violation.empty()) {
                return index;
            }
            ++run_;
        }
        return -1;
    }

    long EventsRun() const { return run_; }
    const MonkeyChecks& Checks() const { return checks_; }
    const std::wstring& LastEvent() const { return lastEvent_; }
    const WindowState& State() const { return state_; }
    const std::map<std::wstring, int>& DialogsMet() const { return met_; }

private:
    bool MenuOpen() const {
        for (HWND window : OtherWindows(program_, main_.Window)) {
            if (IsMenu(window)) {
                return true;
            }
        }
        return false;
    }

    // Waits until the window reads the same twice in a row, answering every dialog that
    // appears meanwhile: message boxes with OK, prompts by cancelling (which keeps the settings),
    // the About window by closing it.
    void Settle() {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        WindowState last = ReadState(main_);
        while (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(30ms);
            const std::vector<HWND> open = OtherWindows(program_, main_.Window);
            std::erase_if(answered_,
                          [&](HWND window) { return !std::ranges::count(open, window); });
            bool answering = false;
            for (HWND window : open) {
                if (IsMenu(window)) {
                    continue;
                }
                answering = true;
                if (!answered_.insert(window).second) {
                    continue; // still closing
                }
                ++met_[Describe(window)];
                if (ClassOf(window) == L"#32770") {
                    PostMessageW(window, WM_COMMAND, IDOK, 0);
                } else {
                    PostMessageW(window, WM_CLOSE, 0, 0);
                }
            }
            if (answering) {
                std::this_thread::sleep_for(100ms);
                continue;
            }
            const WindowState now = ReadState(main_);
            if (now == last) {
                return;
            }
            last = now;
        }
    }

    const ProgramUnderTest& program_;
    const MainWindow& main_;
    MonkeyEvents events_;
    MonkeyChecks checks_;
    std::map<std::wstring, int> met_;
    // Dialogs answered and not yet gone.
    std::set<HWND> answered_;
    std::wstring lastEvent_;
    WindowState state_;
    long run_ = 0;
};

void Print(const std::wstring& text) {
    std::printf("%s\n", ToUtf8(text).c_str());
}

int RunMonkey(long count, unsigned run) {
    // The expected amounts are formatted as the program formats them: in the user's locale.
    LoadFormatSettings();
    const Preset& preset = kPresets[run % std::size(kPresets)];
    // On the system's clock, as the operator's program runs: the checks need no known minute.
    ProgramUnderTest program(preset.Registry, Clock::System);
    const MainWindow main(program);
    Monkey monkey(program, main, run, preset.Settings);
    std::wstring violation;
    const long failed = monkey.Run(count, violation);

    Print(L"run " + std::to_wstring(run) + L": " + std::to_wstring(monkey.EventsRun()) + L" of " +
          std::to_wstring(count) + L" events run");
    Print(L"results of a calculation checked after " +
          std::to_wstring(monkey.Checks().ResultsChecked()) + L" events, changed " +
          std::to_wstring(monkey.Checks().ResultsChanged()) + L" times");
    Print(L"dialogs met:");
    for (const auto& [dialog, times] : monkey.DialogsMet()) {
        Print(L"  " + std::to_wstring(times) + L" x " + dialog);
    }
    if (failed < 0) {
        Print(L"no violation");
        return 0;
    }
    const WindowState& state = monkey.State();
    Print(L"VIOLATION at event " + std::to_wstring(failed) + L" of run " + std::to_wstring(run) +
          L" (reproduce: scripts/monkey " + std::to_wstring(failed + 1) + L" " +
          std::to_wstring(run) + L"): " + violation);
    Print(L"  after: " + monkey.LastEvent());
    Print(L"  start field shows \"" + state.StartDisplay + L"\", Text \"" + state.StartText +
          L"\"; minutes \"" + state.Minutes + L"\", amount \"" + state.Amount + L"\", words \"" +
          state.Words + L"\", tariff " + (state.Tariff1 ? L"1" : L"2"));
    return 1;
}

} // namespace
} // namespace velkaro::test

int wmain(int argc, wchar_t** argv) {
    const long count = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 10000;
    const auto run = static_cast<unsigned>(argc > 2 ? std::wcstoul(argv[2], nullptr, 10) : 1);
    try {
        return velkaro::test::RunMonkey(count, run);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "monkey: %s\n", error.what());
        return 2;
    }
}
