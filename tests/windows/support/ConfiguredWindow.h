#pragma once
// The program's main window in-process, its prices and rounding step already kept (under a
// registry key of the test's own) and its clock standing at 14:30: shown, it asks nothing.
#include "app/un_velkaro.h"

#include <memory>

namespace velkaro::test {

class TConfiguredWindow {
public:
    // Prices of 1,000,000 and 1,500,000 and a step of 250,000, the window shown with the focus
    // in the start field.
    TConfiguredWindow();
    ~TConfiguredWindow();
    TConfiguredWindow(const TConfiguredWindow&) = delete;
    TConfiguredWindow& operator=(const TConfiguredWindow&) = delete;

    Tfr_velkaro* operator->() const { return window_.get(); }
    Tfr_velkaro& operator*() const { return *window_; }

private:
    std::unique_ptr<Tfr_velkaro> window_;
};

} // namespace velkaro::test
