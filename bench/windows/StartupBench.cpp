// Start-up benchmark: starts a baseline program and the program under test in turns, measures
// each from process creation to its window being visible and idle, and its peak working set,
// and prints the medians and the ratios. Interleaving keeps a noisy machine's drift out of the
// ratio.
//
// Usage: startup_bench ROUNDS BASELINE.exe BASELINE_CLASS PROGRAM.exe PROGRAM_CLASS
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Sample {
    double Milliseconds = 0;
    double PeakKiB = 0;
};

struct WindowSearch {
    DWORD ProcessId;
    const wchar_t* ClassName;
    HWND Found;
};

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<WindowSearch*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[256] = {};
            GetClassNameW(window, name, 256);
            if (owner == search->ProcessId && IsWindowVisible(window) &&
                std::wcscmp(name, search->ClassName) == 0) {
                search->Found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Sample Measure(const std::wstring& path, const wchar_t* className) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start a program");
    }
    HWND window = nullptr;
    while ((window = VisibleWindowOf(process.dwProcessId, className)) == nullptr) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 || Now() - start > 30000) {
            throw std::runtime_error("the program showed no window");
        }
        Sleep(1);
    }
    WaitForInputIdle(process.hProcess, 30000);
    Sample sample;
    sample.Milliseconds = Now() - start;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters))) {
        sample.PeakKiB = static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The program under test finds its settings and shows no prompt.
void PresetSettings() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velkaro 2", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write the settings");
    }
    const std::pair<const wchar_t*, const wchar_t*> values[] = {
        {L"Fiyat1", L"1000000"}, {L"Fiyat2", L"1500000"}, {L"Yuvarlama", L"250000"}};
    for (const auto& [name, value] : values) {
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) {
        std::fwprintf(stderr, L"usage: startup_bench ROUNDS BASELINE.exe BASELINE_CLASS "
                              L"PROGRAM.exe PROGRAM_CLASS\n");
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    try {
        PresetSettings();
        // One start of each before measuring, so both find the prefix's files cached.
        Measure(argv[2], argv[3]);
        Measure(argv[4], argv[5]);
        std::vector<double> baseTime, baseMemory, time, memory;
        for (int round = 0; round < rounds; ++round) {
            const Sample base = Measure(argv[2], argv[3]);
            const Sample program = Measure(argv[4], argv[5]);
            baseTime.push_back(base.Milliseconds);
            baseMemory.push_back(base.PeakKiB);
            time.push_back(program.Milliseconds);
            memory.push_back(program.PeakKiB);
        }
        const double t0 = Median(baseTime), t1 = Median(time);
        const double m0 = Median(baseMemory), m1 = Median(memory);
        std::wprintf(L"start-up (median of %d interleaved runs): bare window %.1f ms, "
                     L"program %.1f ms, ratio %.2f\n",
                     rounds, t0, t1, t1 / t0);
        std::wprintf(L"peak working set: bare window %.0f KiB, program %.0f KiB, ratio %.2f\n", m0,
                     m1, m0 > 0 ? m1 / m0 : 0.0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
