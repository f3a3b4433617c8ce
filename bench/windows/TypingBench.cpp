// Types 1,000 digits into the main window's start field and into a bare native EDIT of the same
// size under the same system, in turns, and prints the median time of each and their ratio.
#include "bench/RatioTable.h"
#include "bench/windows/WindowBench.h"
#include "framework/Application.h"
#include "framework/Form.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

using namespace velkaro;
using bench::Press;

constexpr int kCharacters = 1000;
constexpr int kRounds = 7;
// The start field holds four digits; the operator goes back to its start after every four.
constexpr int kDigitsPerTime = 4;
constexpr double kGoal = 1.5;

// Start times typed one after the other, Home before each.
double TypeInto(HWND target) {
    SetFocus(target);
    Application().ProcessMessages();
    const double start = bench::Seconds();
    for (int i = 0; i < kCharacters; ++i) {
        if (i % kDigitsPerTime == 0) {
            Press(target, VK_HOME);
        }
        Press(target, static_cast<WORD>('0' + i % 10));
    }
    return bench::Seconds() - start;
}

} // namespace

int main() {
    bench::BenchWindow main(L"Software\\Velkaro 2 Typing Bench");
    Tfr_velkaro& window = main.Window();
    const HWND field = main.StartField();

    TForm bare;
    bare.SetClientSize(window.tx_saat.Width() + 20, window.tx_saat.Height() + 20);
    bare.Show();
    const HWND native =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10,
                        10, window.tx_saat.Width(), window.tx_saat.Height(), bare.Handle(), nullptr,
                        GetModuleHandleW(nullptr), nullptr);

    std::vector<double> ours;
    std::vector<double> theirs;
    for (int round = 0; round < kRounds; ++round) {
        window.tx_saat.SetText(L"00:00");
        ours.push_back(TypeInto(field));
        SetWindowTextW(native, L"");
        theirs.push_back(TypeInto(native));
    }
    // The last time typed is 6, 7, 8, 9; the native edit took every digit.
    if (window.tx_saat.Text() != L"67:89" || GetWindowTextLengthW(native) != kCharacters) {
        std::printf("typing failed: the start field shows %ls, the native edit has %d characters\n",
                    window.tx_saat.Text().c_str(), GetWindowTextLengthW(native));
        return 1;
    }
    const double ourTime = bench::Median(ours) * 1000;
    const double nativeTime = bench::Median(theirs) * 1000;
    std::printf("%d digits typed, median of %d rounds\n", kCharacters, kRounds);
    std::printf("tx_saat       %8.1f ms\n", ourTime);
    std::printf("native EDIT   %8.1f ms\n", nativeTime);
    bench::PrintRatio("typing 1,000 digits, tx_saat vs native EDIT", ourTime, nativeTime, "ms",
                      kGoal);
    return 0;
}
