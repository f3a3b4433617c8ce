#include "framework/ProgramIcon.h"

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

} // namespace velkaro
