#include "app/un_velkaro.h"

#include "app/InputBoxPrompt.h"
#include "app/un_hakkinda.h"
#include "settings/RegistrySettingsKey.h"

namespace velkaro {

Tfr_velkaro* fr_velkaro = nullptr;

Tfr_velkaro::Tfr_velkaro()
    : Tfr_velkaro(std::make_unique<RegistrySettingsKeys>(), std::make_unique<InputBoxPrompt>()) {}

Tfr_velkaro::Tfr_velkaro(std::unique_ptr<SettingsKeyOpener> keys,
                         std::unique_ptr<SettingsPrompt> prompt)
    : settingsKeys_(std::move(keys)), settingsPrompt_(std::move(prompt)),
      settings_(Ayarlar, *settingsKeys_, *settingsPrompt_, *this) {
    SetCaption(L"Velkaro 2 - Dorimex\u00AE");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TFormPosition::poDesktopCenter);
    SetClientSize(220, 139);
    SetColor(clBtnFace);
    Font().SetName(L"MS Sans Serif");
    Font().SetHeight(11);
    Font().SetColor(clWindowText);

    mn_menu.Add(&FiyatlarBelirle1);
    mn_menu.Add(&YuvarlamaOran1);
    mn_menu.Add(&Hakknda1);
    FiyatlarBelirle1.OnClick = [this](TObject* sender) { FiyatlarBelirle1Click(sender); };
    YuvarlamaOran1.OnClick = [this](TObject* sender) { YuvarlamaOran1Click(sender); };
    Hakknda1.OnClick = [this](TObject* sender) { Hakknda1Click(sender); };
    SetPopupMenu(&mn_menu);
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClick = [this](TObject* sender) { FormClick(sender); };
}

Tfr_velkaro::~Tfr_velkaro() {
    fr_hakkinda = nullptr; // the About windows go with this window
}

void Tfr_velkaro::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ClassName = L"Tfr_velkaro";
}

void Tfr_velkaro::FormShow(TObject*) {
    settings_.Load();
}

void Tfr_velkaro::FiyatlarBelirle1Click(TObject*) {
    settings_.AskPrices();
}

void Tfr_velkaro::YuvarlamaOran1Click(TObject*) {
    settings_.AskRoundingStep();
}

void Tfr_velkaro::FormClick(TObject*) {
    POINT cursor{};
    GetCursorPos(&cursor);
    mn_menu.Popup(cursor.x, cursor.y, Handle());
}

void Tfr_velkaro::Hakknda1Click(TObject*) {
    fr_hakkinda = hakkindaPencereleri_.emplace_back(std::make_unique<Tfr_hakkinda>()).get();
    fr_hakkinda->ShowModal();
}

void Tfr_velkaro::SetTariffCaptions(const std::wstring& first, const std::wstring& second) {
    tariffCaption1_ = first;
    tariffCaption2_ = second;
}

} // namespace velkaro
