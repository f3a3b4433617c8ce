#include "framework/AccessibilityLibraries.h"

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
    HMODULE com = LoadLibraryW(L"ole32.dll");
    HMODULE automation = LoadLibraryW(L"oleaut32.dll");
    HMODULE accessibility = LoadLibraryW(L"oleacc.dll");
    // The objects are handed to other processes through COM on this (the interface) thread.
    if (const auto initialize = LibraryFunction<decltype(&::CoInitializeEx)>(com, "CoInitializeEx");
        initialize == nullptr || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) {
        return;
    }
    createStdAccessibleObject = LibraryFunction<decltype(createStdAccessibleObject)>(
        accessibility, "CreateStdAccessibleObject");
    lresultFromObject =
        LibraryFunction<decltype(lresultFromObject)>(accessibility, "LresultFromObject");
    sysAllocStringLen =
        LibraryFunction<decltype(sysAllocStringLen)>(automation, "SysAllocStringLen");
    sysFreeString = LibraryFunction<decltype(sysFreeString)>(automation, "SysFreeString");
    coCreateInstance = LibraryFunction<decltype(coCreateInstance)>(com, "CoCreateInstance");
}

} // namespace velkaro
