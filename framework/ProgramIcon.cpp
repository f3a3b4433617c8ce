#include "framework/ProgramIcon.h"

#include "framework/CommonControls.h"
#include "framework/SystemLibrary.h"

namespace velkaro {

HICON ProgramIcon() {
    static const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    return icon;
}

HICON ProgramSmallIcon() {
    // The image the system would pick for the caption: the resource's best at the small size.
    static const HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return icon;
}

HICON LoadIconAtSize(HINSTANCE module, const wchar_t* name, int size) {
    using LoadFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    static const auto loadWithScaleDown = [] {
        // The version of the common controls that has it.
        const TCommonControlsScope version6;
        const HMODULE library = LoadSystemLibrary(L"comctl32.dll");
        return library == nullptr ? nullptr
                                  : reinterpret_cast<LoadFunction>(reinterpret_cast<void (*)()>(
                                        GetProcAddress(library, "LoadIconWithScaleDown")));
    }();
    HICON icon = nullptr;
    if (loadWithScaleDown != nullptr &&
        SUCCEEDED(loadWithScaleDown(module, name, size, size, &icon))) {
        return icon;
    }
    return static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, size, size, 0));
}

} // namespace velkaro
