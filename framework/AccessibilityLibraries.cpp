#include "framework/AccessibilityLibraries.h"

#include "framework/SystemLibrary.h"

namespace velkaro {

const TAccessibilityLibraries& TAccessibilityLibraries::Get() {
    static const TAccessibilityLibraries libraries;
    return libraries;
}

bool TAccessibilityLibraries::Loaded() const {
    return createStdAccessibleObject && lresultFromObject && sysAllocStringLen && sysFreeString &&
           coCreateInstance;
}

TAccessibilityLibraries::TAccessibilityLibraries() {
    // The objects are handed to other processes through COM on this (the interface) thread.
    if (const auto initialize =
            SystemFunction<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        initialize == nullptr || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) {
        return;
    }
    createStdAccessibleObject = SystemFunction<decltype(createStdAccessibleObject)>(
        L"oleacc.dll", "CreateStdAccessibleObject");
    lresultFromObject =
        SystemFunction<decltype(lresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    sysAllocStringLen =
        SystemFunction<decltype(sysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
    sysFreeString = SystemFunction<decltype(sysFreeString)>(L"oleaut32.dll", "SysFreeString");
    coCreateInstance = SystemFunction<decltype(coCreateInstance)>(L"ole32.dll", "CoCreateInstance");
}

} // namespace velkaro
