#pragma once
// What the benchmarks inside the main window share: the window with its prices given, keys
// pressed as a hand presses them, the clock and the median.
#include "app/un_velkaro.h"
#include "settings/SettingsStore.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace velkaro::bench {

// The main window under a settings key of its own, its prices and rounding step answered
// without a prompt; the key is removed again when the window goes.
class BenchWindow {
public:
    explicit BenchWindow(const wchar_t* settingsKey);
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    Tfr_velkaro& Window() { return *window_; }
    // The native edit inside the start field, which the keys go to.
    HWND StartField() const;

private:
    std::wstring settingsKey_;
    std::unique_ptr<Tfr_velkaro> window_;
};

double Seconds();

// A key down and up through the message loop, which translates it into its character and
// dispatches everything that follows, painting included, until the program is idle.
void Press(HWND target, WORD key);

double Median(std::vector<double> values);

} // namespace velkaro::bench
