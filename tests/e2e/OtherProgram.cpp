// Another program on the operator's desktop: a plain window, shown in front when it starts, that
// counts in its caption how often it was activated ("activated 3"). A test reads the caption to
// tell whether a step of the calculator handed the activation to it. Asked by kShowWindowMessage,
// it shows or minimises a window of another program as a program may (ShowWindow).
#include <windows.h>

#include <string>

namespace {

constexpr UINT kShowWindowMessage = WM_APP; // wParam: the window, lParam: the SW_ command

unsigned activations = 0;

void ShowCount(HWND window) {
    SetWindowTextW(window, (L"activated " + std::to_wstring(activations)).c_str());
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            ++activations;
            ShowCount(window);
        }
        break;
    case kShowWindowMessage:
        ShowWindow(reinterpret_cast<HWND>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"OtherProgram";
    RegisterClassW(&windowClass);
    // Large enough to lie behind every window of the calculator.
    HWND window = CreateWindowExW(0, L"OtherProgram", L"", WS_OVERLAPPEDWINDOW, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    ShowCount(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
