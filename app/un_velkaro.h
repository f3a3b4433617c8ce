#pragma once
// The calculator window.
#include "core/ucret.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "settings/SettingsStore.h"

#include <memory>
#include <vector>

namespace velkaro {

class Tfr_hakkinda;

class Tfr_velkaro : public TForm, private TariffCaptionSink {
public:
    // Settings in the current user's registry, asked for with the input prompt.
    Tfr_velkaro();
    // Settings from elsewhere (tests).
    Tfr_velkaro(std::unique_ptr<SettingsKeyOpener> keys, std::unique_ptr<SettingsPrompt> prompt);
    ~Tfr_velkaro() override;

    TPopupMenu mn_menu;
    TMenuItem FiyatlarBelirle1{L"Fiyatlar\u0131 Belirle"};
    TMenuItem YuvarlamaOran1{L"Yuvarlama Oran\u0131"};
    TMenuItem Hakknda1{L"Hakk\u0131nda"};

    velkaro::Ayarlar Ayarlar;

    void FormShow(TObject* sender);
    void FiyatlarBelirle1Click(TObject* sender);
    void YuvarlamaOran1Click(TObject* sender);
    void FormClick(TObject* sender);
    void Hakknda1Click(TObject* sender);

    // The captions of the two tariff buttons, which show the prices.
    void SetTariffCaptions(const std::wstring& first, const std::wstring& second) override;
    // Held here until the tariff buttons exist.
    const std::wstring& TariffCaption1() const { return tariffCaption1_; }
    const std::wstring& TariffCaption2() const { return tariffCaption2_; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    std::wstring tariffCaption1_ = L"rb_fiyat1";
    std::wstring tariffCaption2_ = L"rb_fiyat1";
    std::unique_ptr<SettingsKeyOpener> settingsKeys_;
    std::unique_ptr<SettingsPrompt> settingsPrompt_;
    SettingsStore settings_;
    // Every About window shown stays until the program ends.
    std::vector<std::unique_ptr<Tfr_hakkinda>> hakkindaPencereleri_;
};

extern Tfr_velkaro* fr_velkaro;

} // namespace velkaro
