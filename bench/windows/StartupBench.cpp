// Start-up benchmark: starts the program under test and its baselines in turns, measures each
// from process creation to its window being visible and idle, and its peak working set, and
// prints the medians and the program's ratio to each baseline. Interleaving keeps a noisy
// machine's drift out of the ratios.
//
// Usage: startup_bench ROUNDS PROGRAM PROGRAM_CLASS BASELINE BASELINE_CLASS [BASELINE CLASS]...
// where each program is a command line, arguments included.
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
    // Processor time of the process itself: steadier than the wall clock on a busy machine.
    double CpuMilliseconds = 0;
    double PeakKiB = 0;
};

double CpuMillisecondsOf(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return 0;
    }
    const auto ticks = [](FILETIME time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

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

Sample Measure(std::wstring commandLine, const wchar_t* className) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start a program (error " + std::to_string(GetLastError()) +
                                 ")");
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
    sample.CpuMilliseconds = CpuMillisecondsOf(process.hProcess);
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

struct Program {
    const wchar_t* CommandLine;
    const wchar_t* ClassName;
    std::vector<Sample> Samples;

    double MedianOf(double Sample::*member) const {
        std::vector<double> values;
        for (const Sample& sample : Samples) {
            values.push_back(sample.*member);
        }
        return Median(values);
    }
};

// A command line without quotes and folders: "bare_window.exe controls".
std::wstring Label(const wchar_t* commandLine) {
    std::wstring label;
    for (const wchar_t* c = commandLine; *c != L'\0'; ++c) {
        if (*c == L'\\') {
            label.clear();
        } else if (*c != L'"') {
            label += *c;
        }
    }
    return label;
}

// One table for the program against one baseline.
void PrintComparison(const Program& program, const Program& baseline, int rounds) {
    std::wprintf(L"medians of %d interleaved runs against %ls\n", rounds,
                 Label(baseline.CommandLine).c_str());
    std::wprintf(L"%-32ls %14ls %11ls %6ls\n", L"", L"baseline", L"program", L"ratio");
    const auto row = [&](const wchar_t* name, double Sample::*member, const wchar_t* unit) {
        const double b = baseline.MedianOf(member), p = program.MedianOf(member);
        std::wprintf(L"%-32ls %10.1f %-3ls %7.1f %-3ls %6.2f\n", name, b, unit, p, unit,
                     b > 0 ? p / b : 0.0);
    };
    row(L"start to visible and idle", &Sample::Milliseconds, L"ms");
    row(L"processor time until then", &Sample::CpuMilliseconds, L"ms");
    row(L"peak working set", &Sample::PeakKiB, L"KiB");
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 6 || argc % 2 != 0) {
        std::fwprintf(stderr, L"usage: startup_bench ROUNDS PROGRAM PROGRAM_CLASS BASELINE "
                              L"BASELINE_CLASS [BASELINE BASELINE_CLASS]...\n");
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    std::vector<Program> programs;
    for (int i = 2; i < argc; i += 2) {
        programs.push_back({argv[i], argv[i + 1], {}});
    }
    try {
        PresetSettings();
        // One start of each before measuring, so all find the prefix's files cached.
        for (const Program& program : programs) {
            Measure(program.CommandLine, program.ClassName);
        }
        for (int round = 0; round < rounds; ++round) {
            for (Program& program : programs) {
                program.Samples.push_back(Measure(program.CommandLine, program.ClassName));
            }
        }
        for (std::size_t i = 1; i < programs.size(); ++i) {
            PrintComparison(programs[0], programs[i], rounds);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
