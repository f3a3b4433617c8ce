#pragma once
// The calculator window: the start time typed into tx_saat, Enter or a tariff click, and the
// minutes, the amount and its words shown.
#include "app/Clock.h"
#include "core/ucret.h"
#include "editors/cxCurrencyEdit/cxCurrencyEdit.h"
#include "editors/cxLabel/cxLabel.h"
#include "editors/cxMaskEdit/cxMaskEdit.h"
#include "editors/cxRadioGroup/cxRadioGroup.h"
#include "framework/Form.h"
#include "framework/Menus.h"
#include "settings/SettingsStore.h"

#include <memory>
#include <string>

namespace velkaro {

class Tfr_velkaro : public TForm, private TariffCaptionSink {
public:
    // Settings in the current user's registry, asked for with the input prompt.
    Tfr_velkaro();
    // Settings from elsewhere (tests).
    Tfr_velkaro(std::unique_ptr<SettingsKeyOpener> keys, std::unique_ptr<SettingsPrompt> prompt);

    // In this order the controls are created, tabbed through and found by automation tools.
    TcxMaskEdit tx_saat{this};
    TcxLabel lb_sure{this};
    TcxLabel lb_para{this};
    TPopupMenu mn_menu;
    TMenuItem FiyatlarBelirle1{L"Fiyatlar\u0131 Belirle"};
    TcxRadioButton rb_fiyat1{this};
    TcxRadioButton rb_fiyat2{this};
    TcxCurrencyEdit tx_para{this};
    TMenuItem YuvarlamaOran1{L"Yuvarlama Oran\u0131"};
    TMenuItem Hakknda1{L"Hakk\u0131nda"};

    velkaro::Ayarlar Ayarlar;

    void tx_saatKeyPress(TObject* sender, wchar_t& key);
    // One calculation on the typed start time, the checked tariff and the settings.
    void hesapla();
    // The clock hesapla counts to: the system's unless another is handed (tests).
    void SetClock(TClock clock);
    std::wstring SayiYazi(long double tutar) const;
    void FormShow(TObject* sender);
    void FiyatlarBelirle1Click(TObject* sender);
    void rb_fiyat1Click(TObject* sender);
    std::int64_t Yuvarla(std::int64_t tutar, std::int64_t adim) const;
    void YuvarlamaOran1Click(TObject* sender);
    void FormClick(TObject* sender);
    void Hakknda1Click(TObject* sender);

    // The captions of the two tariff buttons, which show the prices.
    void SetTariffCaptions(const std::wstring& first, const std::wstring& second) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void LayOutControls();

    TClock clock_ = SystemClock;
    std::unique_ptr<SettingsKeyOpener> settingsKeys_;
    std::unique_ptr<SettingsPrompt> settingsPrompt_;
    SettingsStore settings_;
};

extern Tfr_velkaro* fr_velkaro;

} // namespace velkaro
