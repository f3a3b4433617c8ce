#include "bench/windows/WindowBench.h"

#include "framework/Application.h"
#include "settings/RegistrySettingsKey.h"

#include <algorithm>

namespace velkaro::bench {

namespace {

// The window asks for its prices on its first show; every answer is one million.
class FixedAnswers : public SettingsPrompt {
public:
    std::wstring Ask(const std::wstring&, const std::wstring&, const std::wstring&) override {
        return L"1000000";
    }
};

} // namespace

BenchWindow::BenchWindow(const wchar_t* settingsKey) : settingsKey_(settingsKey) {
    Application().Initialize();
    RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey);
    window_ = std::make_unique<Tfr_velkaro>(std::make_unique<RegistrySettingsKeys>(settingsKey),
                                            std::make_unique<FixedAnswers>());
    window_->Show();
}

BenchWindow::~BenchWindow() {
    window_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey_.c_str());
}

HWND BenchWindow::StartField() const {
    return window_->tx_saat.InnerEdit()->Control().Handle();
}

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

void Press(HWND target, WORD key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Application().ProcessMessages();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace velkaro::bench
