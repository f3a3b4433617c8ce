// Types 1,000 digits into the main window's start field and into a bare native EDIT of the same
// size under the same system, in turns, and prints the median time of each and their ratio.
#include "app/un_velkaro.h"
#include "bench/RatioTable.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "settings/RegistrySettingsKey.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace velkaro;

constexpr int kCharacters = 1000;
constexpr int kRounds = 7;
// The start field holds four digits; the operator goes back to its start after every four.
constexpr int kDigitsPerTime = 4;
constexpr double kGoal = 2.0;
const wchar_t kSettingsKey[] = L"Software\\Velkaro 2 Typing Bench";

// The window asks for its prices on its first show; any valid amount will do here.
class FixedAnswers : public SettingsPrompt {
public:
    std::wstring Ask(const std::wstring&, const std::wstring&, const std::wstring&) override {
        return L"1000000";
    }
};

double Seconds() {
    static const double frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

// A key as a hand presses it: down and up through the message loop, which translates it into
// its character.
void Press(HWND target, WORD key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Application().ProcessMessages();
}

// Start times typed one after the other, Home before each.
double TypeInto(HWND target) {
    SetFocus(target);
    Application().ProcessMessages();
    const double start = Seconds();
    for (int i = 0; i < kCharacters; ++i) {
        if (i % kDigitsPerTime == 0) {
            Press(target, VK_HOME);
        }
        Press(target, static_cast<WORD>('0' + i % 10));
    }
    return Seconds() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    Application().Initialize();
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    Tfr_velkaro window(std::make_unique<RegistrySettingsKeys>(kSettingsKey),
                       std::make_unique<FixedAnswers>());
    window.Show();
    const HWND field = window.tx_saat.InnerEdit()->Control().Handle();

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
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    // The last time typed is 6, 7, 8, 9; the native edit took every digit.
    if (window.tx_saat.Text() != L"67:89" || GetWindowTextLengthW(native) != kCharacters) {
        std::printf("typing failed: the start field shows %ls, the native edit has %d characters\n",
                    window.tx_saat.Text().c_str(), GetWindowTextLengthW(native));
        return 1;
    }
    const double ourTime = Median(ours) * 1000;
    const double nativeTime = Median(theirs) * 1000;
    std::printf("%d digits typed, median of %d rounds\n", kCharacters, kRounds);
    std::printf("tx_saat       %8.1f ms\n", ourTime);
    std::printf("native EDIT   %8.1f ms\n", nativeTime);
    bench::PrintRatio("typing 1,000 digits, tx_saat vs native EDIT", ourTime, nativeTime, "ms",
                      kGoal);
    return 0;
}
