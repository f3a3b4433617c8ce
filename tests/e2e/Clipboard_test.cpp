// Copy, cut and paste in the start field while another program holds the clipboard.
#include "tests/e2e/MainWindowControls.h"
#include "tests/windows/support/ClipboardText.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velkaro::test {
namespace {

// Another program (a process of its own) that holds the clipboard from its construction until
// the time is up or it is let go.
class ClipboardHolder {
public:
    explicit ClipboardHolder(std::chrono::milliseconds hold)
        : held_(CreateEventW(nullptr, TRUE, FALSE, kHeld)),
          release_(CreateEventW(nullptr, TRUE, FALSE, kRelease)) {
        std::wstring command = L"\"" + HostPathInWine(VELKARO_CLIPBOARD_HOLDER_PATH) + L"\" " +
                               std::to_wstring(hold.count()) + L" " + kHeld + L" " + kRelease;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_) ||
            WaitForSingleObject(held_, 10000) != WAIT_OBJECT_0) {
            throw std::runtime_error("the other program did not take the clipboard");
        }
    }
    ~ClipboardHolder() {
        LetGo();
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        CloseHandle(release_);
        CloseHandle(held_);
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    void LetGo() {
        SetEvent(release_);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    // Waits until the hold has run out by itself.
    void WaitUntilLetGo() { WaitForSingleObject(process_.hProcess, 10000); }

private:
    static constexpr wchar_t kHeld[] = L"VelkaroTestClipboardHeld";
    static constexpr wchar_t kRelease[] = L"VelkaroTestClipboardRelease";
    HANDLE held_, release_;
    PROCESS_INFORMATION process_{};
};

constexpr wchar_t kPut[] = L"11:30";

// The program after "0845" typed into its start field and all of it selected.
struct StartFieldTyped {
    StartFieldTyped() : program(kConfigured), main(program) {
        SendText(L"0845");
        WaitForText(inner, [](const std::wstring& text) { return text == L"08:45"; });
        SendMessageW(inner, EM_SETSEL, 0, -1);
        PutOnClipboard(kPut);
        put = GetClipboardSequenceNumber();
    }
    ProgramUnderTest program;
    const MainWindow main;
    const HWND inner = FocusOf(main.Window);
    // The clipboard's sequence number once the text is put on it.
    DWORD put = 0;
};

// Held for a second, the clipboard is waited for and the key takes effect; held longer, one
// report says so and the field loses nothing.
TEST(Clipboard, HeldByAnotherProgramItIsWaitedForASecondBeforeTheFailureIsReported) {
    const struct {
        const char* Name;
        WORD Key;
        std::chrono::milliseconds Hold;
        // The field and the clipboard afterwards; the field starts at "08:45", all of it
        // selected, and the clipboard holds "11:30".
        std::wstring Field, Clipboard;
    } keys[] = {
        {"Ctrl+V held a second", 'V', 1000ms, L"11:30", L"11:30"},
        {"Ctrl+C held a second", 'C', 1000ms, L"08:45", L"08:45"},
        {"Ctrl+X held a second", 'X', 1000ms, L"__:__", L"08:45"},
        {"Ctrl+V held ten seconds", 'V', 10000ms, L"08:45", L"11:30"},
        {"Ctrl+X held ten seconds", 'X', 10000ms, L"08:45", L"11:30"},
    };
    for (const auto& c : keys) {
        StartFieldTyped typed;
        ClipboardHolder holder(c.Hold);
        SendKey(c.Key, false, true);
        if (c.Hold > 1s) {
            EXPECT_EQ(AnswerErrorReport(typed.program), L"Pano açılamıyor.") << c.Name;
            // Still held: a second attempt would fail and be reported again.
            EXPECT_EQ(typed.program.WaitForWindow(L"#32770", L"Velkaro", 2s), nullptr) << c.Name;
            holder.LetGo();
        } else {
            // The program answers sent messages while it waits for the clipboard, so a message
            // round trip proves nothing: the key has taken effect once both texts show it.
            // The clipboard is watched by its sequence number, since opening it to read would
            // hold it against the program's next try.
            holder.WaitUntilLetGo();
            WaitUntil([&] {
                return TextOf(typed.inner) == c.Field &&
                       (c.Clipboard == kPut || GetClipboardSequenceNumber() != typed.put);
            });
            EXPECT_EQ(typed.program.WaitForWindow(L"#32770", L"Velkaro", 0ms), nullptr) << c.Name;
        }
        EXPECT_EQ(TextOf(typed.inner), c.Field) << c.Name;
        EXPECT_EQ(ClipboardText(), c.Clipboard) << c.Name;
    }
}

} // namespace
} // namespace velkaro::test
