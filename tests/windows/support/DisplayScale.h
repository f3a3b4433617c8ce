#pragma once
// The display scale that every program started meanwhile sees, set as the user sets it (the
// desktop's pixels per inch in the registry), and given back when done.
#include <windows.h>

namespace velkaro::test {

class DisplayScale {
public:
    explicit DisplayScale(DWORD pixelsPerInch);
    ~DisplayScale();
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

// Makes this process see the display's real scale, as the program's manifest makes it, rather
// than being scaled by the system as a program unaware of scales. Before any window is made.
void BecomeScaleAware();

} // namespace velkaro::test
