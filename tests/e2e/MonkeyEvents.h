#pragma once
// Random input for the main window as a user's hands produce it: keys, clicks, pastes and focus
// changes. The same run number gives the same sequence of events.
#include "tests/e2e/MainWindowControls.h"

#include <random>
#include <string>

namespace velkaro::test {

struct MonkeyEvent {
    std::wstring Description;
    // A paste may leave the start field longer than its mask.
    bool Pasted = false;
};

class MonkeyEvents {
public:
    MonkeyEvents(unsigned run, const MainWindow& main) : random_(run), main_(main) {}

    // Sends one event. While a popup menu is open it chooses an item or closes the menu.
    MonkeyEvent Next(bool menuOpen);

private:
    MonkeyEvent InMenu();
    MonkeyEvent Key();
    MonkeyEvent Paste();
    MonkeyEvent ClickControl();
    MonkeyEvent ClickAnywhere(bool right);
    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool Coin() { return Below(2) == 1; }

    std::mt19937 random_;
    const MainWindow& main_;
};

} // namespace velkaro::test
