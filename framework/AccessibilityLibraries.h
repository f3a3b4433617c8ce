#pragma once
// The system's accessibility libraries, loaded when assistive technology first shows itself, so
// that a start without a screen reader does not pay for them.
#include <windows.h>

#include <oleacc.h>

namespace velkaro {

class TAccessibilityLibraries {
public:
    // Loaded once per process, with COM initialised on the calling (the interface) thread.
    static const TAccessibilityLibraries& Get();

    bool Loaded() const;

    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::SysAllocStringLen) sysAllocStringLen = nullptr;
    decltype(&::SysFreeString) sysFreeString = nullptr;
    decltype(&::CoCreateInstance) coCreateInstance = nullptr;

private:
    TAccessibilityLibraries();
};

} // namespace velkaro
