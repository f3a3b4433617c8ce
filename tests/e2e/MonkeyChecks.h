#pragma once
// What an observer reads from the main window after an event, and the rules it must keep.
#include "core/ucret.h"
#include "tests/e2e/MainWindowControls.h"

#include <string>

namespace velkaro::test {

struct WindowState {
    std::wstring StartDisplay; // what the start field's inner edit shows
    std::wstring StartText;    // the start field's Text
    std::wstring Minutes, Amount, Words;
    bool Tariff1 = false;

    bool operator==(const WindowState&) const = default;
};

WindowState ReadState(const MainWindow& main);

class MonkeyChecks {
public:
    explicit MonkeyChecks(const Ayarlar& settings) : settings_(settings) {}

    // Empty when the rules hold after an event, else which one broke.
    std::wstring Broken(const WindowState& state, bool pasted);

    // How often the results were there to check, and how often they had changed.
    long ResultsChecked() const { return resultsChecked_; }
    long ResultsChanged() const { return resultsChanged_; }

private:
    std::wstring BrokenStartField(const WindowState& state, bool pasted);
    std::wstring BrokenResults(const WindowState& state);
    bool ShowsAmountOf(const WindowState& state, int minutes, int tariff) const;

    Ayarlar settings_;
    // What the results showed when last checked, and for which tariff.
    std::wstring resultMinutes_;
    std::wstring resultWords_;
    int resultTariff_ = 1;
    long resultsChecked_ = 0;
    long resultsChanged_ = 0;
    // A paste may make the start field longer than its mask until it is back to the mask's length.
    bool longerByPaste_ = false;
};

} // namespace velkaro::test
