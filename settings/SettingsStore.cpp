#include "settings/SettingsStore.h"

#include "runtime/Conversions.h"

namespace velkaro {

namespace {

constexpr wchar_t kFiyat1[] = L"Fiyat1";
constexpr wchar_t kFiyat2[] = L"Fiyat2";
constexpr wchar_t kYuvarlama[] = L"Yuvarlama";

std::int64_t AskFor(SettingsPrompt& prompt, const std::wstring& caption, const std::wstring& line,
                    std::int64_t current) {
    return StrToInt(prompt.Ask(caption, line, IntToStr(current)));
}

} // namespace

void SettingsStore::Load() {
    std::wstring fiyat1, fiyat2, yuvarlama;
    {
        const std::unique_ptr<SettingsKey> key = keys_.Open(SettingsAccess::Read);
        fiyat1 = ReadSettingText(*key, kFiyat1);
        fiyat2 = ReadSettingText(*key, kFiyat2);
        yuvarlama = ReadSettingText(*key, kYuvarlama);
    }
    if (fiyat1.empty() || fiyat2.empty()) {
        AskPrices();
    } else {
        ayarlar_.Fiyat1 = StrToInt(fiyat1);
        ayarlar_.Fiyat2 = StrToInt(fiyat2);
        ShowPriceCaptions();
    }
    if (yuvarlama.empty()) {
        AskRoundingStep();
    } else {
        ayarlar_.Yuvarlama = StrToInt(yuvarlama);
    }
}

// The buttons show the prices that are charged and stored: a pair is taken whole, once both
// answers are numbers other than zero (zero is no price, as on a first run) and both are saved.
void SettingsStore::AskPrices() {
    const std::int64_t fiyat1 =
        AskFor(prompt_, L"1. fiyat\u0131 giriniz", L"1. Fiyat", ayarlar_.Fiyat1);
    const std::int64_t fiyat2 =
        AskFor(prompt_, L"2. fiyat\u0131 giriniz", L"2. Fiyat", ayarlar_.Fiyat2);
    if (fiyat1 == 0 || fiyat2 == 0) {
        return;
    }
    Save({{kFiyat1, IntToStr(fiyat1)}, {kFiyat2, IntToStr(fiyat2)}});
    ayarlar_.Fiyat1 = fiyat1;
    ayarlar_.Fiyat2 = fiyat2;
    ShowPriceCaptions();
}

// No caption shows the step, so a zero step stays in use unsaved; the next calculation reports
// it. A step that cannot be saved is not taken.
void SettingsStore::AskRoundingStep() {
    const std::int64_t yuvarlama =
        AskFor(prompt_, L"Yuvarlama miktar\u0131n\u0131 giriniz",
               L"Yuvarlama miktar\u0131 (\u00F6r. 250000)", ayarlar_.Yuvarlama);
    if (yuvarlama != 0) {
        Save({{kYuvarlama, IntToStr(yuvarlama)}});
    }
    ayarlar_.Yuvarlama = yuvarlama;
}

void SettingsStore::Save(const std::vector<std::pair<std::wstring, std::wstring>>& values) {
    const std::unique_ptr<SettingsKey> key = keys_.Open(SettingsAccess::Write);
    WriteSettingTexts(*key, values);
}

void SettingsStore::ShowPriceCaptions() {
    captions_.SetTariffCaptions(FormatFloat(L"#,", static_cast<long double>(ayarlar_.Fiyat1)),
                                FormatFloat(L"#,", static_cast<long double>(ayarlar_.Fiyat2)));
}

} // namespace velkaro
