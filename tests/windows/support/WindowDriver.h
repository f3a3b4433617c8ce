#pragma once
// Drives real windows from a test: the application with a main form of its own, answers given to
// modal windows from inside their loops, and a look at child windows and the clipboard.
#include "tests/windows/support/WindowLookup.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace velkaro::test {

// Initialises the application once, with an invisible main form so that the windows under test
// are never the main form, and collects the top-level error reports instead of showing them.
void StartApplication();
std::vector<std::wstring>& ReportedErrors();
// Shows the reports in the system's message box, as the program does, or collects them again.
void UseSystemErrorBox(bool system);

// Runs the action once on the first visible window of the class on this thread, or on every
// one that appears. The check runs from a thread timer, which every modal loop dispatches.
class TWindowAnswer {
public:
    TWindowAnswer(std::wstring className, std::function<void(HWND)> action,
                  bool everyWindow = false);
    ~TWindowAnswer();
    TWindowAnswer(const TWindowAnswer&) = delete;
    TWindowAnswer& operator=(const TWindowAnswer&) = delete;
    bool Answered() const { return !answered_.empty(); }
    std::size_t Answers() const { return answered_.size(); }

private:
    static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD);

    std::wstring className_;
    std::function<void(HWND)> action_;
    bool everyWindow_;
    UINT_PTR timer_ = 0;
    std::vector<HWND> answered_;
};

// A child's rectangle in its parent's client coordinates.
RECT BoundsInParent(HWND child);
RECT ClientBounds(HWND window);
// The width of an icon's image (0 for none).
int IconWidth(HICON icon);

// Posts a key press, with Ctrl held for the receiving thread when asked.
void PostKey(HWND window, WORD key);
void HoldControlKey(bool held);

std::wstring ClipboardText();

// The hidden windows that hear the system's broadcasts for this thread's listeners.
std::vector<HWND> BroadcastWindows();

// The windows of this thread (hidden ones and children included) and the GDI objects of this
// process, counted now.
struct TGuiCounts {
    int Windows = 0;
    int GdiObjects = 0;
};
TGuiCounts GuiCounts();

} // namespace velkaro::test
