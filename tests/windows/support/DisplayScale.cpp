#include "tests/windows/support/DisplayScale.h"

namespace velkaro::test {

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

void WritePixelsPerInch(DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &value, sizeof(value));
}

} // namespace

DisplayScale::DisplayScale(DWORD pixelsPerInch) {
    DWORD size = sizeof(previous_);
    hadValue_ = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD,
                             nullptr, &previous_, &size) == ERROR_SUCCESS;
    WritePixelsPerInch(pixelsPerInch);
}

DisplayScale::~DisplayScale() {
    if (hadValue_) {
        WritePixelsPerInch(previous_);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
    }
}

void BecomeScaleAware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));
    if (setContext == nullptr || !setContext(perMonitorV2)) {
        SetProcessDPIAware();
    }
}

} // namespace velkaro::test
