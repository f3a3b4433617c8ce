#pragma once
// The system's common controls (the themed buttons and edits) are loaded only for the windows
// that show them: the program's own manifest asks for no version of them, so that a start loads
// the plain window classes alone, and the dialogs create their controls inside an activation
// context made from a second manifest in the program's resources, which asks for version 6.
#include <windows.h>

// The resource identifier of that second manifest (a number no loader reads on its own).
#define VELKARO_COMMON_CONTROLS_MANIFEST 101

#ifndef RC_INVOKED

namespace velkaro {

// While it lives, windows created on this thread get the common controls of version 6 when asked
// for them and when the program carries the manifest for them (test programs do not, and get the
// plain classes).
class TCommonControlsScope {
public:
    explicit TCommonControlsScope(bool wanted = true);
    ~TCommonControlsScope();
    TCommonControlsScope(const TCommonControlsScope&) = delete;
    TCommonControlsScope& operator=(const TCommonControlsScope&) = delete;

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

} // namespace velkaro

#endif
