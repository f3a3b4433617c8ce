#pragma once
// The application object: its title and owning window, the message loop shared by every modal
// loop, and the report of errors that no handler caught.
#include "framework/DeferredWork.h"

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

namespace velkaro {

class TForm;

class TApplication {
public:
    // Creates the owning application window and reads the locale's format values.
    void Initialize();
    HWND Handle() const { return handle_; }

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title);

    // The first form created is the main form; closing it ends the program.
    TForm* MainForm() const { return mainForm_; }
    void FormCreated(TForm* form);
    void FormDestroyed(TForm* form);

    // Shows the main form and processes messages until it is closed.
    void Run();
    // Dispatches one message, or waits for the next one when there is none.
    void HandleMessage();
    // Dispatches every pending message.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The top-level error report.
    void HandleException(const std::exception& error);
    // Reports the error once the focus move being processed is settled: a report opened inside
    // the focus messages would run its modal loop with the move half done.
    void ReportWhenSettled(std::exception_ptr error);
    // How many errors have been put off so, ever: code that asked for a focus move compares.
    unsigned ErrorsPutOff() const { return errorsPutOff_; }
    // Replaces the message box of the report (tests capture the text instead).
    void (*ShowErrorBox)(HWND owner, const std::wstring& text,
                         const std::wstring& caption) = nullptr;

    // Whether a change of the regional settings is followed (re-read and announced).
    bool UpdateFormatSettings = true;

private:
    bool ProcessMessage();
    bool IsKeyMessage(const MSG& message);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    std::wstring title_;
    TForm* mainForm_ = nullptr;
    void ReportSettledErrors();

    bool terminated_ = false;
    std::vector<std::exception_ptr> unreported_;
    unsigned errorsPutOff_ = 0;
    TDeferred settledReport_{[this] { ReportSettledErrors(); }};
};

TApplication& Application();

// Runs one step of processing a focus move (an exit, an enter, a focus-change event): an error it
// raises is reported once the move is settled, and the processing goes on.
template <class Step> void RunFocusStep(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
        Application().ReportWhenSettled(std::current_exception());
    }
}

// The text of the report: the message with a full stop when its last character sorts after ".".
std::wstring ErrorReportText(const std::wstring& message);

// Disables the thread's other enabled top-level windows while a modal window or box is up, and
// gives them back (with the active window) when restored or destroyed.
class TDisabledWindows {
public:
    explicit TDisabledWindows(HWND except);
    ~TDisabledWindows();
    TDisabledWindows(const TDisabledWindows&) = delete;
    TDisabledWindows& operator=(const TDisabledWindows&) = delete;
    void Restore();

private:
    std::vector<HWND> windows_;
    HWND active_ = nullptr;
    HWND focus_ = nullptr;
};

} // namespace velkaro
