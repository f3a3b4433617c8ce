#include "tests/windows/support/ConfiguredWindow.h"

#include "framework/Application.h"
#include "settings/RegistrySettingsKey.h"

#include <gtest/gtest.h>

namespace velkaro::test {

namespace {

constexpr wchar_t kKey[] = L"Software\\Velkaro 2 Configured Window Test";

class NoPrompt : public SettingsPrompt {
public:
    std::wstring Ask(const std::wstring&, const std::wstring&,
                     const std::wstring& defaultText) override {
        ADD_FAILURE() << "asked for a setting although all are kept";
        return defaultText;
    }
};

void Keep(const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace

TConfiguredWindow::TConfiguredWindow() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    Keep(L"Fiyat1", L"1000000");
    Keep(L"Fiyat2", L"1500000");
    Keep(L"Yuvarlama", L"250000");
    window_ = std::make_unique<Tfr_velkaro>(std::make_unique<RegistrySettingsKeys>(kKey),
                                            std::make_unique<NoPrompt>());
    window_->SetClock([] { return TimeOfDay{14, 30}; });
    window_->Show();
    window_->tx_saat.SetFocus();
    Application().ProcessMessages();
}

TConfiguredWindow::~TConfiguredWindow() {
    window_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

} // namespace velkaro::test
