// The baselines of the start-up benchmark: a bare Win32 window with the main window's client
// size, border and position, and nothing in it; with the argument "controls", the same window
// holding native counterparts of the main window's controls at their places.
#include <windows.h>

#include <cwchar>

namespace {

struct NativeControl {
    const wchar_t* ClassName;
    const wchar_t* Text;
    DWORD Style;
    RECT Bounds; // left, top, width, height
};

// The start field, the two labels, the tariff buttons and the amount field.
constexpr NativeControl kControls[] = {
    {L"EDIT", L"00:00", ES_CENTER | WS_BORDER | WS_TABSTOP, {76, 0, 65, 32}},
    {L"STATIC", L"", SS_CENTER, {60, 36, 97, 17}},
    {L"STATIC", L"", SS_CENTER, {0, 88, 217, 49}},
    {L"BUTTON", L"1.000.000", BS_AUTORADIOBUTTON | WS_TABSTOP, {4, 4, 69, 25}},
    {L"BUTTON", L"1.500.000", BS_AUTORADIOBUTTON, {144, 4, 69, 25}},
    {L"EDIT", L"0 TL", ES_CENTER | ES_READONLY | WS_BORDER, {16, 56, 189, 28}},
};

void CreateControls(HWND window, HINSTANCE instance) {
    const HFONT font = CreateFontW(-21, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                   0, 0, 0, L"MS Sans Serif");
    for (const NativeControl& control : kControls) {
        const HWND child = CreateWindowExW(
            0, control.ClassName, control.Text, WS_CHILD | WS_VISIBLE | control.Style,
            control.Bounds.left, control.Bounds.top, control.Bounds.right, control.Bounds.bottom,
            window, nullptr, instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);

    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const DWORD exStyle = WS_EX_DLGMODALFRAME;
    RECT frame{0, 0, 220, 139};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HWND window = CreateWindowExW(exStyle, L"BareWindow", L"Bare", style,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    if (std::wcsstr(arguments, L"controls") != nullptr) {
        CreateControls(window, instance);
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
