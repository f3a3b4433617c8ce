// One calculation as the operator makes it: from the Enter key in the main window's start field
// to the minutes, the amount and its words painted and the program idle, against the same work
// in a window of native counterparts of the controls (the start time read and parsed, the fee
// computed, three texts set and painted), under the same system, in turns. Prints the median
// time of each and their ratio; for information also the ratio to native controls that pass the
// focus through the amount field and back as the main window's calculation does.
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
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace velkaro;
using bench::Press;

constexpr int kCalculations = 50; // per round
constexpr int kRounds = 9;
constexpr double kGoal = 1.5;
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
                                        FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif"));
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

// Every calculation's Enter timed on its own; typing the start time before it is not.
double Calculate(HWND field, int round, const std::function<void(const wchar_t*)>& enter) {
    double total = 0;
    for (int k = 0; k < kCalculations; ++k) {
        SetFocus(field);
        enter(kStartTimes[static_cast<std::size_t>(round + k) % kStartTimes.size()]);
        Application().ProcessMessages();
        const double start = bench::Seconds();
        Press(field, VK_RETURN);
        total += bench::Seconds() - start;
    }
    return total / kCalculations;
}

} // namespace

int main() {
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

    std::vector<double> ours;
    std::vector<double> theirs;
    std::vector<double> theirsWithFocusPass;
    for (int round = 0; round < kRounds; ++round) {
        ours.push_back(Calculate(field, round, typeTime));
        theirs.push_back(Calculate(native.StartField(), round, setTimeOf(native)));
        theirsWithFocusPass.push_back(
            Calculate(nativeWithFocusPass.StartField(), round, setTimeOf(nativeWithFocusPass)));
    }
    // Both wrote the words of the same last amount.
    if (window.lb_para.Caption().empty() || window.lb_para.Caption() != native.Words()) {
        std::printf("calculation failed: the window shows \"%ls\", the native one \"%ls\"\n",
                    window.lb_para.Caption().c_str(), native.Words().c_str());
        return 1;
    }
    const double ourTime = bench::Median(ours) * 1000;
    const double nativeTime = bench::Median(theirs) * 1000;
    const double focusPassTime = bench::Median(theirsWithFocusPass) * 1000;
    std::printf("one calculation, median of %d rounds of %d\n", kRounds, kCalculations);
    std::printf("main window                 %8.3f ms\n", ourTime);
    std::printf("native                      %8.3f ms\n", nativeTime);
    std::printf("native with the focus pass  %8.3f ms\n", focusPassTime);
    bench::PrintRatio("one calculation, Enter to painted and idle, vs native controls", ourTime,
                      nativeTime, "ms", kGoal);
    bench::PrintRatio("one calculation, vs native controls with the same focus pass", ourTime,
                      focusPassTime, "ms", bench::kNoGoal);
    return 0;
}
