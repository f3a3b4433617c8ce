#include "framework/BroadcastWindow.h"

#include "framework/Application.h"
#include "runtime/Exceptions.h"

#include <algorithm>
#include <vector>

namespace velkaro {

namespace {

struct TBroadcastWindow {
    HWND handle = nullptr;
    std::vector<IBroadcastListener*> listeners;
};

// Never destroyed: listeners made before it was may still leave while the program ends.
TBroadcastWindow& Broadcasts() {
    static TBroadcastWindow& window = *new TBroadcastWindow;
    return window;
}

LRESULT CALLBACK BroadcastWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    // A copy: a listener may come or go while the others are told.
    const std::vector<IBroadcastListener*> listeners = Broadcasts().listeners;
    for (IBroadcastListener* listener : listeners) {
        try {
            handled = listener->BroadcastReceived(message, wParam, lParam) || handled;
        } catch (const std::exception& error) {
            Application().HandleException(error);
            handled = true;
        }
    }
    return handled ? 0 : DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateBroadcastWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(instance, kBroadcastWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = BroadcastWindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kBroadcastWindowClass;
        if (!RegisterClassW(&windowClass)) {
            throw Exception(L"Cannot register the window class " +
                            std::wstring(kBroadcastWindowClass));
        }
    }
    // A tool window, so that it never stands in the taskbar; never shown.
    const HWND handle = CreateWindowExW(WS_EX_TOOLWINDOW, kBroadcastWindowClass, L"", WS_POPUP, 0,
                                        0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (handle == nullptr) {
        throw Exception(L"Cannot create the window " + std::wstring(kBroadcastWindowClass));
    }
    return handle;
}

} // namespace

TBroadcastSubscription::TBroadcastSubscription(IBroadcastListener& listener) : listener_(listener) {
    TBroadcastWindow& window = Broadcasts();
    if (window.handle == nullptr) {
        window.handle = CreateBroadcastWindow();
    }
    window.listeners.push_back(&listener);
}

TBroadcastSubscription::~TBroadcastSubscription() {
    TBroadcastWindow& window = Broadcasts();
    std::erase(window.listeners, &listener_);
    if (window.listeners.empty() && window.handle != nullptr) {
        DestroyWindow(window.handle);
        window.handle = nullptr;
    }
}

HWND TBroadcastSubscription::Window() const {
    return Broadcasts().handle;
}

} // namespace velkaro
