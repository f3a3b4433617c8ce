#pragma once
// The visual styles library: loaded from the system folder when a theme is first asked for, not
// imported, since it is no library the system keeps in its known set, and an import would be
// looked for in the program's own folder first. Where it is missing, nothing is themed.
#include <windows.h>

#include <uxtheme.h>

namespace velkaro {

struct TThemeLibrary {
    decltype(&::IsThemeActive) IsThemeActive = nullptr;
    decltype(&::IsAppThemed) IsAppThemed = nullptr;
    decltype(&::OpenThemeData) OpenThemeData = nullptr;
    decltype(&::CloseThemeData) CloseThemeData = nullptr;
    decltype(&::GetThemePartSize) GetThemePartSize = nullptr;
    decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
    decltype(&::DrawThemeParentBackground) DrawThemeParentBackground = nullptr;

    // Whether every function above was found.
    bool Loaded() const;
};

const TThemeLibrary& ThemeLibrary();

} // namespace velkaro
