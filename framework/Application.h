#pragma once
// The application object: its title and owning window, the message loop shared by every modal
// loop, and the report of errors that no handler caught.
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

namespace velkaro {

class TControl;

class TApplication {
public:
    // Creates the owning application window and reads the locale's format values.
    void Initialize();
    HWND Handle() const { return handle_; }

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title);

    // The first form created is the main form; closing it ends the program.
    TControl* MainForm() const { return mainForm_; }
    void FormCreated(TControl* form);
    void FormDestroyed(TControl* form);
    // The form activated last: it takes the activation back when the program is switched to
    // through its taskbar window.
    void FormActivated(TControl* form);

    // Minimises the taskbar window with the forms it owns, as the taskbar's minimise does;
    // restoring it activates the form that was active, with the focus where it was. The same
    // follows when the taskbar window is minimised or restored otherwise.
    void Minimize();
    void Restore();

    // Shows the main form and processes messages until it is closed.
    void Run();
    // Dispatches one message, or waits for the next one when there is none.
    void HandleMessage();
    // Dispatches every pending message.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The top-level error report (installed into the deferred work service as it starts).
    void HandleException(const std::exception& error);
    // Replaces the message box of the report (tests capture the text instead).
    void (*ShowErrorBox)(HWND owner, const std::wstring& text,
                         const std::wstring& caption) = nullptr;
    // Hands the pictures of the taskbar button over to the window manager (tests capture them).
    void (*HandOverPicture)(HWND button, HWND shown, UINT request, HBITMAP picture) = nullptr;

    // Whether a change of the regional settings is followed (re-read and announced).
    bool UpdateFormatSettings = true;

private:
    bool ProcessMessage();
    bool IsKeyMessage(const MSG& message);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleSystemCommand(WPARAM command);
    void Resized(WPARAM kind);
    void ActivateLastForm();
    // Answers the window manager's request for a picture of the taskbar button: the main form.
    void SendPicture(UINT request, LPARAM lParam);
    // The window the error report is owned by: the active form, or this one when none is.
    HWND ReportOwner() const;

    HWND handle_ = nullptr;
    std::wstring title_;
    TControl* mainForm_ = nullptr;
    TControl* lastActive_ = nullptr;
    bool terminated_ = false;
    bool minimized_ = false;
    bool showingForms_ = false;
};

TApplication& Application();

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
