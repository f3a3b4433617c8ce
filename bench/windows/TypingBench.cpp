// Types 1,000 characters into a text edit and into a bare native EDIT under the same system, in
// turns, and prints the median time of each and their ratio.
#include "editors/cxTextEdit.h"
#include "framework/Application.h"
#include "framework/Form.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace velkaro;

constexpr int kCharacters = 1000;
constexpr int kRounds = 7;

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

// Each character as a hand types it: key down and up through the message loop, which
// translates the key into its character.
double TypeInto(HWND target) {
    SetFocus(target);
    SetWindowTextW(target, L"");
    Application().ProcessMessages();
    const double start = Seconds();
    for (int i = 0; i < kCharacters; ++i) {
        const WORD key = static_cast<WORD>('A' + i % 26);
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, 0xC0000001);
        Application().ProcessMessages();
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
    TForm form;
    form.SetClientSize(400, 80);
    TcxTextEdit edit(&form);
    edit.SetBounds(10, 10, 380, 21);
    form.Show();
    const HWND native =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10,
                        40, 380, 21, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND inner = edit.InnerEdit()->Control().Handle();

    std::vector<double> ours;
    std::vector<double> theirs;
    for (int round = 0; round < kRounds; ++round) {
        ours.push_back(TypeInto(inner));
        theirs.push_back(TypeInto(native));
    }
    if (edit.Text().size() != kCharacters || GetWindowTextLengthW(native) != kCharacters) {
        std::printf("typing failed: %zu and %d characters arrived\n", edit.Text().size(),
                    GetWindowTextLengthW(native));
        return 1;
    }
    const double ourTime = Median(ours);
    const double nativeTime = Median(theirs);
    std::printf("%d characters typed, median of %d rounds\n", kCharacters, kRounds);
    std::printf("TcxTextEdit   %8.1f ms\n", ourTime * 1000);
    std::printf("native EDIT   %8.1f ms\n", nativeTime * 1000);
    std::printf("ratio         %8.2fx (goal: at most 2x)\n", ourTime / nativeTime);
    return 0;
}
