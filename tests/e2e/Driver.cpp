#include "tests/e2e/Driver.h"

#include <sddl.h>

#include <cstring>
#include <cwchar>
#include <stdexcept>
#include <thread>

namespace velkaro::test {

namespace {

constexpr wchar_t kKey[] = L"Software\\Velkaro 2";

void WriteRegistry(const RegistryValues& values) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    if (values.empty()) {
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create the registry key");
    }
    for (const auto& [name, value] : values) {
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

// The program's visible top-level windows, as "class 'caption'", for a failure's message.
std::string VisibleWindowsOf(const ProgramUnderTest& program) {
    std::wstring list;
    for (HWND window : TopLevelWindows([&](HWND window) {
             return ProcessOf(window) == program.ProcessId() && IsWindowVisible(window);
         })) {
        list += L" " + ClassOf(window) + L" '" + TextOf(window) + L"'";
    }
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, list.c_str(), static_cast<int>(list.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, list.c_str(), static_cast<int>(list.size()), narrow.data(),
                        bytes, nullptr, nullptr);
    return narrow.empty() ? " none" : narrow;
}

} // namespace

std::wstring HostPathInWine(const std::wstring& hostPath) {
    std::wstring path = hostPath;
    for (auto& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return L"Z:" + path;
}

RegistryValues ReadRegistry() {
    RegistryValues values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return values;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t data[512];
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS) {
            break;
        }
        values[name] = std::wstring(data, dataSize / sizeof(wchar_t)).c_str();
    }
    RegCloseKey(key);
    return values;
}

void DenySettingValues() {
    // Everyone may do anything with the key but set its values.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    HKEY key = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr) ||
        RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, WRITE_DAC, &key) != ERROR_SUCCESS) {
        LocalFree(descriptor);
        throw std::runtime_error("cannot reach the registry key's access list");
    }
    const LSTATUS status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    RegCloseKey(key);
    LocalFree(descriptor);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot change the registry key's access list");
    }
}

ProgramUnderTest::ProgramUnderTest(const RegistryValues& values, Clock clock,
                                   const std::function<void()>& beforeStart)
    : ProgramUnderTest(values, HostPathInWine(VELKARO_PROGRAM_PATH).c_str(), clock, beforeStart) {}

ProgramUnderTest::ProgramUnderTest(const RegistryValues& values, const wchar_t* programPath,
                                   Clock clock, const std::function<void()>& beforeStart) {
    WriteRegistry(values);
    if (beforeStart) {
        beforeStart();
    }
    // The program inherits this process's environment.
    wchar_t fixed[8];
    swprintf(fixed, 8, L"%02d:%02d", kNowHour, kNowMinute);
    SetEnvironmentVariableW(L"VELKARO_FIXED_CLOCK", clock == Clock::Fixed ? fixed : nullptr);
    std::wstring commandLine = std::wstring(L"\"") + programPath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        throw std::runtime_error("cannot start the program");
    }
    WaitIdle();
}

ProgramUnderTest::~ProgramUnderTest() {
    if (process_.hProcess != nullptr) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

namespace {

// Waits until the window has been painted anew. A window's paint is taken only after every input
// message queued before it: GetMessage takes sent, posted and input messages first, then
// WM_PAINT. So a paint asked for once the input is queued (under Wine, as SendInput returns) and
// done means that input has been taken.
void WaitForRepaint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    WaitUntil([&] { return !GetUpdateRect(window, nullptr, FALSE) || Gone(window); });
}

} // namespace

void ProgramUnderTest::WaitIdle() const {
    WaitForInputIdle(process_.hProcess, 10000);
    // The idle wait answers at once once the program has been idle after its start, and a
    // message sent from another thread is handled before queued input: the input sent is
    // waited for by a repaint, then a message round trip makes sure the handler now running
    // has ended.
    const std::vector<HWND> windows =
        TopLevelWindows([&](HWND window) { return ProcessOf(window) == process_.dwProcessId; });
    for (HWND window : windows) {
        if (IsWindowVisible(window) && ClientSize(window).cx > 0) {
            WaitForRepaint(window);
            break;
        }
    }
    if (!windows.empty()) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(windows.front(), WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result);
    }
}

HWND ProgramUnderTest::WaitForWindow(const std::wstring& className,
                                     std::optional<std::wstring> caption,
                                     std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const std::vector<HWND> found = TopLevelWindows([&](HWND window) {
            return ProcessOf(window) == process_.dwProcessId && IsWindowVisible(window) &&
                   (className.empty() || ClassOf(window) == className) &&
                   (!caption.has_value() || TextOf(window) == *caption);
        });
        if (!found.empty()) {
            return found.front();
        }
        std::this_thread::sleep_for(20ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

bool ProgramUnderTest::WaitForExit(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
}

std::optional<DWORD> ProgramUnderTest::ExitCode(std::chrono::milliseconds timeout) const {
    if (!WaitForExit(timeout)) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::optional<DWORD> ProgramUnderTest::CloseAndWait(HWND mainWindow,
                                                    std::chrono::milliseconds timeout) {
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    return ExitCode(timeout);
}

OtherProgram::OtherProgram() {
    std::wstring commandLine = L"\"" + HostPathInWine(VELKARO_OTHER_PROGRAM_PATH) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        throw std::runtime_error("cannot start the other program");
    }
    WaitForInputIdle(process_.hProcess, 10000);
    // The first window of a session waits for the desktop to start: seconds under load.
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (window_ == nullptr && std::chrono::steady_clock::now() < deadline) {
        const std::vector<HWND> found = TopLevelWindows([&](HWND window) {
            return ProcessOf(window) == process_.dwProcessId && IsWindowVisible(window);
        });
        window_ = found.empty() ? nullptr : found.front();
        std::this_thread::sleep_for(20ms);
    }
    if (window_ == nullptr) {
        End();
        throw std::runtime_error("the other program shows no window");
    }
}

OtherProgram::~OtherProgram() {
    End();
}

void OtherProgram::End() {
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

int OtherProgram::Activations() const {
    const std::wstring caption = TextOf(window_);
    return std::stoi(caption.substr(caption.find(L' ') + 1));
}

void OtherProgram::ShowWindowOf(HWND window, int command) const {
    PostMessageW(window_, WM_APP, reinterpret_cast<WPARAM>(window), command);
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void PressKey(HWND window, WORD virtualKey, wchar_t character) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    if (character != 0) {
        PostMessageW(window, WM_CHAR, character, 1 | (scan << 16));
    }
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void TypeText(HWND window, const std::wstring& text) {
    for (wchar_t c : text) {
        const SHORT mapped = VkKeyScanW(c);
        PressKey(window, mapped == -1 ? 0 : LOBYTE(mapped), c);
    }
}

void Click(HWND window, int x, int y) {
    const LPARAM position = MAKELPARAM(x, y);
    PostMessageW(window, WM_MOUSEMOVE, 0, position);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, position);
    PostMessageW(window, WM_LBUTTONUP, 0, position);
}

namespace {

// The inputs of one key press, with Shift and Ctrl held around it as asked.
void AddKeyPress(std::vector<INPUT>& inputs, WORD virtualKey, bool shift, bool control) {
    const auto key = [&](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (shift) {
        key(VK_SHIFT, 0);
    }
    if (control) {
        key(VK_CONTROL, 0);
    }
    key(virtualKey, 0);
    key(virtualKey, KEYEVENTF_KEYUP);
    if (control) {
        key(VK_CONTROL, KEYEVENTF_KEYUP);
    }
    if (shift) {
        key(VK_SHIFT, KEYEVENTF_KEYUP);
    }
}

} // namespace

void SendKey(WORD virtualKey, bool shift, bool control) {
    SendKeys({virtualKey}, shift, control);
}

void SendKeys(const std::vector<WORD>& virtualKeys, bool shift, bool control) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        AddKeyPress(inputs, key, shift, control);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendText(const std::wstring& text) {
    for (wchar_t c : text) {
        const SHORT mapped = VkKeyScanW(c);
        SendKey(LOBYTE(mapped), (HIBYTE(mapped) & 1) != 0);
    }
}

void SendClick(HWND window, POINT client, bool right) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

std::wstring WaitForText(HWND window, const std::function<bool(const std::wstring&)>& done,
                         std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::wstring text = TextOf(window);
    while (!done(text) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
        text = TextOf(window);
    }
    return text;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

bool Gone(HWND window) {
    return !IsWindow(window) || !IsWindowVisible(window);
}

HWND FindChild(HWND parent, const std::wstring& className, std::optional<std::wstring> text) {
    struct Search {
        const std::wstring* className;
        const std::optional<std::wstring>* text;
        HWND found;
    } search{&className, &text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            if ((search->className->empty() || ClassOf(child) == *search->className) &&
                (!search->text->has_value() || TextOf(child) == **search->text)) {
                search->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PutOnClipboard(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr || !OpenClipboard(nullptr)) {
        GlobalFree(memory);
        throw std::runtime_error("cannot put a text on the clipboard");
    }
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

std::wstring MessageBoxText(HWND box) {
    // The longest static text of the box is its message (the icon is a static without text).
    std::wstring message;
    for (HWND child : ChildrenOf(box, L"Static")) {
        const std::wstring text = TextOf(child);
        if (text.size() > message.size()) {
            message = text;
        }
    }
    return message;
}

std::optional<std::wstring> AnswerErrorReport(const ProgramUnderTest& program,
                                              std::chrono::milliseconds timeout) {
    HWND report = program.WaitForWindow(L"#32770", L"Velkaro", timeout);
    if (report == nullptr) {
        return std::nullopt;
    }
    const std::wstring text = MessageBoxText(report);
    PostMessageW(report, WM_COMMAND, IDOK, 0);
    // A message round trip is answered before the posted command is handled: the box may still
    // be open, and a caller looking for the next report would find this one.
    if (!WaitUntil([&] { return Gone(report); })) {
        throw std::runtime_error("the error report did not close");
    }
    program.WaitIdle();
    return text;
}

std::wstring AnswerPrompt(const ProgramUnderTest& program, const std::wstring& caption,
                          const std::wstring& answer) {
    HWND prompt = program.WaitForWindow(L"", caption);
    if (prompt == nullptr) {
        throw std::runtime_error("the prompt did not appear; the program shows:" +
                                 VisibleWindowsOf(program));
    }
    HWND edit = FindChild(prompt, L"TEdit");
    if (edit == nullptr) {
        throw std::runtime_error("the prompt has no edit field");
    }
    const std::wstring prefilled = TextOf(edit);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()));
    PressKey(edit, VK_RETURN, L'\r');
    if (!WaitUntil([&] { return Gone(prompt); })) {
        throw std::runtime_error("the prompt did not close");
    }
    return prefilled;
}

} // namespace velkaro::test
