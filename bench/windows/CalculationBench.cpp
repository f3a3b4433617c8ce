// One calculation as the operator makes it: from the Enter key in the main window's start field
// to the minutes, the amount and its words painted and the program idle, against the same work
// in a window of native counterparts of the controls (the start time read and parsed, the fee
// computed, three texts set and painted), under the same system, in turns. The goal is set
// against native controls that also pass the focus through the amount field and back, as the
// main window's calculation does; the ratio to plain native controls is shown for information.
// Prints the median time of each and the two ratios.
//
// With --requests it times nothing: after a few calculations of each calculator to warm up, it
// makes kMarkedCalculations more of each, every one between two global atoms added for the
// purpose, "velkaro-calculation-begin NAME" and "velkaro-calculation-end", whose add_atom requests
// mark it in the log of a wineserver started with -d1 (scripts/bench-window counts the requests
// of the marking thread between them).
#include "bench/RatioTable.h"
#include "bench/windows/NativeControls.h"
#include "bench/windows/WindowBench.h"
#include "core/sayiyazi.h"
#include "core/ucret.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Form.h"
#include "runtime/Conversions.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace velkaro;
using bench::Press;

constexpr int kCalculations = 50; // per round
constexpr int kRounds = 9;
constexpr double kGoal = 1.5;          // against native controls making the same focus pass
constexpr int kWarmUpCalculations = 5; // of each calculator, before the marked ones
constexpr int kMarkedCalculations = 5; // of each calculator
// Start times in turns, so that every calculation changes what the window shows.
constexpr std::array<const wchar_t*, 2> kStartTimes = {L"1234", L"0815"};
constexpr TimeOfDay kNow{15, 20};
const Ayarlar kPrices{1000000, 1000000, 250000};

// The main window's controls as native ones, and its calculation written against them.
class NativeCalculator {
public:
    explicit NativeCalculator(bool focusPass) : focusPass_(focusPass) {
        form_.SetClientSize(220, 139);
        form_.Show();
        // The fonts of the main window's controls.
        constexpr std::array<std::pair<int, int>, bench::ncCount> kFonts = {{{21, FW_BOLD},
                                                                             {11, FW_NORMAL},
                                                                             {19, FW_NORMAL},
                                                                             {11, FW_NORMAL},
                                                                             {11, FW_NORMAL},
                                                                             {16, FW_NORMAL}}};
        for (int k = 0; k < bench::ncCount; ++k) {
            controls_[k] = bench::CreateNativeControl(bench::kNativeControls[k], form_.Handle());
            fonts_[k].Reset(CreateFontW(-kFonts[k].first, 0, 0, 0, kFonts[k].second, FALSE, FALSE,
                                        FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, kDialogFontName));
            SendMessageW(controls_[k], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[k].Handle()),
                         FALSE);
        }
        SetWindowSubclass(StartField(), this);
    }
    NativeCalculator(const NativeCalculator&) = delete;
    NativeCalculator& operator=(const NativeCalculator&) = delete;

    HWND StartField() const { return controls_[bench::ncStart]; }
    std::wstring Words() const {
        wchar_t text[256] = {};
        GetWindowTextW(controls_[bench::ncWords], text, 256);
        return text;
    }

private:
    // Enter in the start field calculates, as the main window's key handler does.
    static void SetWindowSubclass(HWND field, NativeCalculator* calculator) {
        SetWindowLongPtrW(field, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(calculator));
        calculator->editProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeCalculator::FieldProc)));
    }
    static LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* calculator =
            reinterpret_cast<NativeCalculator*>(GetWindowLongPtrW(field, GWLP_USERDATA));
        if (message == WM_CHAR && wParam == L'\r') {
            calculator->Calculate();
            return 0;
        }
        return CallWindowProcW(calculator->editProc_, field, message, wParam, lParam);
    }

    void Calculate() {
        wchar_t text[16] = {};
        GetWindowTextW(StartField(), text, 16);
        const std::int32_t minutes = GecenDakika(BaslangicCoz(text), kNow.Hour, kNow.Minute);
        SetWindowTextW(controls_[bench::ncMinutes], (IntToStr(minutes) + L" dak.").c_str());
        const bool first = SendMessageW(controls_[bench::ncTariff1], BM_GETCHECK, 0, 0) != 0;
        const std::int64_t amount = DakikaTutari(minutes, first ? 1 : 2, kPrices);
        SetWindowTextW(controls_[bench::ncAmount],
                       FormatFloat(L",0 TL", static_cast<long double>(amount)).c_str());
        if (focusPass_) {
            SetFocus(controls_[bench::ncAmount]);
        }
        SetWindowTextW(controls_[bench::ncWords],
                       SayiYazi(static_cast<long double>(amount)).c_str());
        if (focusPass_) {
            SetFocus(StartField());
        }
    }

    bool focusPass_;
    TForm form_;
    std::array<HWND, bench::ncCount> controls_{};
    std::array<TGdiObject<HFONT>, bench::ncCount> fonts_;
    WNDPROC editProc_ = nullptr;
};

// A calculator: the name its marks in the request log give it, its start field and how a start
// time is entered there.
struct Calculator {
    const wchar_t* Name;
    HWND Field;
    std::function<void(const wchar_t*)> Enter;
};
using Calculators = std::array<Calculator, 3>; // the main window's first

// Sets the focus on the start field and enters a start time there, untimed and unmarked.
void Prepare(const Calculator& calculator, int calculation) {
    SetFocus(calculator.Field);
    calculator.Enter(kStartTimes[static_cast<std::size_t>(calculation) % kStartTimes.size()]);
    Application().ProcessMessages();
}

// Every calculation's Enter timed on its own; typing the start time before it is not.
double Calculate(const Calculator& calculator, int round) {
    double total = 0;
    for (int k = 0; k < kCalculations; ++k) {
        Prepare(calculator, round + k);
        const double start = bench::Seconds();
        Press(calculator.Field, VK_RETURN);
        total += bench::Seconds() - start;
    }
    return total / kCalculations;
}

// One calculation's Enter between the two marks of the request log.
void CalculateMarked(const Calculator& calculator, int calculation) {
    Prepare(calculator, calculation);
    const ATOM begin =
        GlobalAddAtomW((std::wstring(L"velkaro-calculation-begin ") + calculator.Name).c_str());
    Press(calculator.Field, VK_RETURN);
    const ATOM end = GlobalAddAtomW(L"velkaro-calculation-end");
    GlobalDeleteAtom(end);
    GlobalDeleteAtom(begin);
}

// Calculator after calculator, as the timed rounds go: the input that follows moving to another
// window comes within the warm-up.
void MarkCalculations(const Calculators& calculators) {
    for (const Calculator& calculator : calculators) {
        for (int k = 0; k < kWarmUpCalculations; ++k) {
            Prepare(calculator, k);
            Press(calculator.Field, VK_RETURN);
        }
        for (int k = 0; k < kMarkedCalculations; ++k) {
            CalculateMarked(calculator, kWarmUpCalculations + k);
        }
    }
}

// The median time of one calculation of each calculator, in milliseconds.
std::array<double, 3> TimeCalculations(const Calculators& calculators) {
    std::array<std::vector<double>, 3> times;
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t k = 0; k < calculators.size(); ++k) {
            times[k].push_back(Calculate(calculators[k], round));
        }
    }
    std::array<double, 3> medians{};
    for (std::size_t k = 0; k < calculators.size(); ++k) {
        medians[k] = bench::Median(times[k]) * 1000;
    }
    return medians;
}

} // namespace

int main(int argc, char** argv) {
    const bool countRequests = argc > 1 && std::strcmp(argv[1], "--requests") == 0;
    bench::BenchWindow main(L"Software\\Velkaro 2 Calculation Bench");
    Tfr_velkaro& window = main.Window();
    window.SetClock([] { return kNow; });
    window.Ayarlar = kPrices;
    const HWND field = main.StartField();
    NativeCalculator native(false);
    NativeCalculator nativeWithFocusPass(true);

    // The operator types the four digits; the native field is given its text.
    const auto typeTime = [field](const wchar_t* digits) {
        Press(field, VK_HOME);
        for (const wchar_t* digit = digits; *digit != L'\0'; ++digit) {
            Press(field, static_cast<WORD>(*digit));
        }
    };
    const auto setTimeOf = [](const NativeCalculator& calculator) {
        return [&calculator](const wchar_t* digits) {
            const std::wstring time = std::wstring(digits, 2) + L":" + std::wstring(digits + 2, 2);
            SetWindowTextW(calculator.StartField(), time.c_str());
        };
    };

    const Calculators calculators = {
        {{L"main", field, typeTime},
         {L"native", native.StartField(), setTimeOf(native)},
         {L"native-focus-pass", nativeWithFocusPass.StartField(), setTimeOf(nativeWithFocusPass)}}};
    std::array<double, 3> times{};
    if (countRequests) {
        MarkCalculations(calculators);
    } else {
        times = TimeCalculations(calculators);
    }
    // Both wrote the words of the same last amount.
    if (window.lb_para.Caption().empty() || window.lb_para.Caption() != native.Words()) {
        std::printf("calculation failed: the window shows \"%ls\", the native one \"%ls\"\n",
                    window.lb_para.Caption().c_str(), native.Words().c_str());
        return 1;
    }
    if (countRequests) {
        std::printf("%d calculations of each calculator marked in the request log, after %d each\n",
                    kMarkedCalculations, kWarmUpCalculations);
        return 0;
    }
    const auto [ourTime, nativeTime, focusPassTime] = times;
    std::printf("one calculation, median of %d rounds of %d\n", kRounds, kCalculations);
    std::printf("main window                 %8.3f ms\n", ourTime);
    std::printf("native                      %8.3f ms\n", nativeTime);
    std::printf("native with the focus pass  %8.3f ms\n", focusPassTime);
    bench::PrintRatio("one calculation, Enter to idle, vs native with the focus pass", ourTime,
                      focusPassTime, "ms", kGoal);
    bench::PrintRatio("one calculation, Enter to idle, vs plain native", ourTime, nativeTime, "ms",
                      bench::kNoGoal);
    return 0;
}
