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
        const std::unique_ptr<SettingsKey> key = keys_.Open();
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

void SettingsStore::AskPrices() {
    ayarlar_.Fiyat1 = AskFor(prompt_, L"1. fiyat\u0131 giriniz", L"1. Fiyat", ayarlar_.Fiyat1);
    ayarlar_.Fiyat2 = AskFor(prompt_, L"2. fiyat\u0131 giriniz", L"2. Fiyat", ayarlar_.Fiyat2);
    if (ayarlar_.Fiyat1 == 0 || ayarlar_.Fiyat2 == 0) {
        return;
    }
    {
        const std::unique_ptr<SettingsKey> key = keys_.Open();
        WriteSettingText(*key, kFiyat1, IntToStr(ayarlar_.Fiyat1));
        WriteSettingText(*key, kFiyat2, IntToStr(ayarlar_.Fiyat2));
    }
    ShowPriceCaptions();
}

void SettingsStore::AskRoundingStep() {
    ayarlar_.Yuvarlama = AskFor(prompt_, L"Yuvarlama miktar\u0131n\u0131 giriniz",
                                L"Yuvarlama miktar\u0131 (\u00F6r. 250000)", ayarlar_.Yuvarlama);
    if (ayarlar_.Yuvarlama == 0) {
        return;
    }
    const std::unique_ptr<SettingsKey> key = keys_.Open();
    WriteSettingText(*key, kYuvarlama, IntToStr(ayarlar_.Yuvarlama));
}

void SettingsStore::ShowPriceCaptions() {
    captions_.SetTariffCaptions(FormatFloat(L"#,", static_cast<long double>(ayarlar_.Fiyat1)),
                                FormatFloat(L"#,", static_cast<long double>(ayarlar_.Fiyat2)));
}

} // namespace velkaro
