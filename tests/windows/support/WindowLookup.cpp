#include "tests/windows/support/WindowLookup.h"

namespace velkaro::test {

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    constexpr UINT kTimeout = 2000; // a hung window must not hang the test
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeout, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kTimeout, &copied);
    text.resize(copied);
    return text;
}

std::vector<HWND> ChildrenOf(HWND parent, const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == className) {
            found.push_back(child);
        }
    }
    return found;
}

std::vector<HWND> TopLevelWindows(const std::function<bool(HWND)>& keep) {
    struct Search {
        const std::function<bool(HWND)>* keep;
        std::vector<HWND> found;
    } search{&keep, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            if ((*search->keep)(window)) {
                search->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool OnThisThread(HWND window) {
    return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

} // namespace velkaro::test
