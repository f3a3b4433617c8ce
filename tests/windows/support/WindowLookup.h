#pragma once
// Finding and reading windows as an automation tool does: by class and text, in this process or
// another one.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace velkaro::test {

std::wstring ClassOf(HWND window);
// The window's text as WM_GETTEXT answers it (also for a window of another process).
std::wstring TextOf(HWND window);
// The direct children of a class, in creation (z) order.
std::vector<HWND> ChildrenOf(HWND parent, const std::wstring& className);
// The top-level windows, hidden ones included, that the predicate keeps.
std::vector<HWND> TopLevelWindows(const std::function<bool(HWND)>& keep);
bool OnThisThread(HWND window);

} // namespace velkaro::test
