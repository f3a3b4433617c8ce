#include "tests/windows/support/WindowDriver.h"

#include "framework/Application.h"
#include "framework/BroadcastWindow.h"
#include "framework/Form.h"

#include <winternl.h>

#include <algorithm>
#include <cstdint>

namespace velkaro::test {

namespace {

TWindowAnswer* pending = nullptr;
decltype(TApplication::ShowErrorBox) systemErrorBox = nullptr;

void CollectError(HWND, const std::wstring& text, const std::wstring&) {
    ReportedErrors().push_back(text);
}

} // namespace

std::vector<std::wstring>& ReportedErrors() {
    static std::vector<std::wstring> errors;
    return errors;
}

void StartApplication() {
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    Application().Initialize();
    systemErrorBox = Application().ShowErrorBox;
    Application().ShowErrorBox = CollectError;
    Application().SetTitle(L"Velkaro");
    static TForm mainForm;
    mainForm.HandleNeeded();
}

void UseSystemErrorBox(bool system) {
    Application().ShowErrorBox = system ? systemErrorBox : CollectError;
}

TWindowAnswer::TWindowAnswer(std::wstring className, std::function<void(HWND)> action,
                             bool everyWindow)
    : className_(std::move(className)), action_(std::move(action)), everyWindow_(everyWindow) {
    pending = this;
    timer_ = SetTimer(nullptr, 0, 20, Check);
}

TWindowAnswer::~TWindowAnswer() {
    KillTimer(nullptr, timer_);
    pending = nullptr;
}

void CALLBACK TWindowAnswer::Check(HWND, UINT, UINT_PTR, DWORD) {
    if (pending == nullptr || (pending->Answered() && !pending->everyWindow_)) {
        return;
    }
    const std::vector<HWND> found = TopLevelWindows([](HWND window) {
        return OnThisThread(window) && IsWindowVisible(window) &&
               ClassOf(window) == pending->className_ &&
               std::find(pending->answered_.begin(), pending->answered_.end(), window) ==
                   pending->answered_.end();
    });
    if (!found.empty()) {
        TWindowAnswer* answer = pending;
        answer->answered_.push_back(found.front());
        answer->action_(found.front());
    }
}

RECT BoundsInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientBounds(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP image{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(image), &image);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return image.bmWidth;
}

void PostKey(HWND window, WORD key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void HoldControlKey(bool held) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = held ? 0x80 : 0;
    SetKeyboardState(state);
}

namespace {

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

// An entry of the GDI handle table that the process environment block points to (64-bit
// layout); an entry with a type is in use. Windows shares one table among the processes of a
// session and names each entry's process; Wine keeps a table per process and names none.
struct TGdiHandleEntry {
    std::uint64_t Object;
    std::uint16_t ProcessId;
    std::uint16_t Count;
    std::uint16_t Unique;
    std::uint8_t Type;
    std::uint8_t Flags;
    std::uint64_t UserPointer;
};
static_assert(sizeof(TGdiHandleEntry) == 24);
constexpr std::size_t kGdiTableOffsetInPeb = 0xF8;
constexpr int kGdiHandles = 0x10000;

int GdiObjectCount() {
    PROCESS_BASIC_INFORMATION process{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                              sizeof(process), nullptr);
    const auto* peb = reinterpret_cast<const std::byte*>(process.PebBaseAddress);
    const auto* table =
        *reinterpret_cast<const TGdiHandleEntry* const*>(peb + kGdiTableOffsetInPeb);
    const auto id = static_cast<std::uint16_t>(GetCurrentProcessId());
    int count = 0;
    for (int index = 0; index < kGdiHandles; ++index) {
        const TGdiHandleEntry& entry = table[index];
        if (entry.Type != 0 && (entry.ProcessId == 0 || entry.ProcessId == id)) {
            ++count;
        }
    }
    return count;
}

} // namespace

TGuiCounts GuiCounts() {
    TGuiCounts counts;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&counts.Windows));
    counts.GdiObjects = GdiObjectCount();
    return counts;
}

std::vector<HWND> BroadcastWindows() {
    return TopLevelWindows([](HWND window) {
        return OnThisThread(window) && ClassOf(window) == kBroadcastWindowClass;
    });
}

} // namespace velkaro::test
