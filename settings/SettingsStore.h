#pragma once
// Loading, prompting for and saving the two hourly prices and the rounding step. Errors are not
// caught here: each ends the operation where it occurs. A load keeps what it assigned before the
// error; a refused or failed change leaves the settings as they were.
#include "core/ucret.h"
#include "settings/SettingsKey.h"

#include <string>
#include <utility>
#include <vector>

namespace velkaro {

// The input prompt: the edited text when confirmed, the default text when cancelled.
class SettingsPrompt {
public:
    virtual ~SettingsPrompt() = default;
    virtual std::wstring Ask(const std::wstring& caption, const std::wstring& prompt,
                             const std::wstring& defaultText) = 0;
};

// Where the captions of the two tariff buttons go.
class TariffCaptionSink {
public:
    virtual ~TariffCaptionSink() = default;
    virtual void SetTariffCaptions(const std::wstring& first, const std::wstring& second) = 0;
};

class SettingsStore {
public:
    SettingsStore(Ayarlar& ayarlar, SettingsKeyOpener& keys, SettingsPrompt& prompt,
                  TariffCaptionSink& captions)
        : ayarlar_(ayarlar), keys_(keys), prompt_(prompt), captions_(captions) {}

    // Reads the stored settings once; prompts for the prices or the step when missing.
    void Load();
    // Prompts for both prices; when both are non-zero, saves them, then takes them and updates
    // the captions.
    void AskPrices();
    // Prompts for the rounding step; saves it when non-zero, then takes it.
    void AskRoundingStep();

private:
    void Save(const std::vector<std::pair<std::wstring, std::wstring>>& values);
    void ShowPriceCaptions();

    Ayarlar& ayarlar_;
    SettingsKeyOpener& keys_;
    SettingsPrompt& prompt_;
    TariffCaptionSink& captions_;
};

} // namespace velkaro
