#pragma once
// A shown form with text edits on it, driven by real messages: keys typed into whatever has the
// focus, the change events and beeps counted.
#include "editors/cxTextEdit/cxTextEdit.h"
#include "framework/Form.h"

#include <windows.h>

#include <string>
#include <vector>

namespace velkaro::test {

// Counts the edits' beeps instead of sounding them, for the lifetime of the object.
class TBeepCounter {
public:
    TBeepCounter();
    ~TBeepCounter();
    TBeepCounter(const TBeepCounter&) = delete;
    TBeepCounter& operator=(const TBeepCounter&) = delete;
    int Count() const;
};

// The change events of an edit, counted.
struct TChangeCounts {
    int Change = 0;
    int EditValueChanged = 0;
    friend bool operator==(const TChangeCounts&, const TChangeCounts&) = default;
};

// Counts OnChange and OnEditValueChanged of the edit into counts.
void CountChanges(TcxCustomEditProperties& properties, TChangeCounts& counts);

// Types keys as a hand would: key down, its character, key up, each through the message loop,
// into the window that has the focus.
void PressKey(WORD key, TShiftState shift = 0);
void TypeText(const std::wstring& text);

// The window that has the focus belongs to the edit (its own window or its inner edit).
bool HasFocus(const TcxCustomEdit& edit);

// The edit's inner native edit window.
HWND InnerWindow(const TcxCustomEdit& edit);

// A form with the given number of text edits, one below the other, shown and focused on the
// first.
class TEditForm {
public:
    explicit TEditForm(int editCount = 2);
    TForm Form;
    std::vector<std::unique_ptr<TcxTextEdit>> Edits;

    TcxTextEdit& Edit(int index) { return *Edits[static_cast<std::size_t>(index)]; }
    void Show();
};

} // namespace velkaro::test
