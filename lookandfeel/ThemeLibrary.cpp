#include "lookandfeel/ThemeLibrary.h"

#include "framework/SystemLibrary.h"

namespace velkaro {

bool TThemeLibrary::Loaded() const {
    return IsThemeActive && IsAppThemed && OpenThemeData && CloseThemeData && GetThemePartSize &&
           DrawThemeBackground && DrawThemeParentBackground;
}

const TThemeLibrary& ThemeLibrary() {
    static const TThemeLibrary library = [] {
        constexpr wchar_t kName[] = L"uxtheme.dll";
        TThemeLibrary found;
        found.IsThemeActive = SystemFunction<decltype(found.IsThemeActive)>(kName, "IsThemeActive");
        found.IsAppThemed = SystemFunction<decltype(found.IsAppThemed)>(kName, "IsAppThemed");
        found.OpenThemeData = SystemFunction<decltype(found.OpenThemeData)>(kName, "OpenThemeData");
        found.CloseThemeData =
            SystemFunction<decltype(found.CloseThemeData)>(kName, "CloseThemeData");
        found.GetThemePartSize =
            SystemFunction<decltype(found.GetThemePartSize)>(kName, "GetThemePartSize");
        found.DrawThemeBackground =
            SystemFunction<decltype(found.DrawThemeBackground)>(kName, "DrawThemeBackground");
        found.DrawThemeParentBackground = SystemFunction<decltype(found.DrawThemeParentBackground)>(
            kName, "DrawThemeParentBackground");
        return found;
    }();
    return library;
}

} // namespace velkaro
