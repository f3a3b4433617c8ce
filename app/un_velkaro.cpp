#include "app/un_velkaro.h"

#include "app/InputBoxPrompt.h"
#include "app/un_hakkinda.h"
#include "core/sayiyazi.h"
#include "framework/Announcement.h"
#include "framework/Dialogs.h"
#include "runtime/Conversions.h"
#include "settings/RegistrySettingsKey.h"
#include "runtime/ScopedRestore.h"

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
    SetPosition(TFormPosition::poScreenCenter);
    SetClientSize(220, 139);
    SetColor(clBtnFace);
    Font().SetName(kDialogFontName);
    Font().SetHeight(11);
    Font().SetColor(clWindowText);
    LayOutControls();

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

void Tfr_velkaro::LayOutControls() {
    const auto font = [](TFont& font, TColor color, int height) {
        font.SetName(kDialogFontName);
        font.SetColor(color);
        font.SetHeight(height);
    };
    const auto centred = [](TcxCustomEditProperties& properties) {
        properties.Alignment().SetHorz(taCenter);
        properties.Alignment().SetVert(taVCenter);
    };

    tx_saat.SetBounds(76, 0, 65, 32);
    // The fields' captions are their content: screen readers name them by these.
    tx_saat.SetAccessibleName(L"Ba\u015Flang\u0131\u00E7 saati");
    tx_saat.Properties().SetEditMask(L"!90:00;1;_");
    tx_saat.Properties().SetBeepOnError(true);
    tx_saat.Properties().SetMaxLength(0);
    centred(tx_saat.Properties());
    font(tx_saat.Style().Font(), clRed, 21);
    tx_saat.Style().Font().SetStyle(fsBold);
    tx_saat.SetText(L"00:00");
    tx_saat.OnKeyPress = [this](TObject* sender, wchar_t& key) { tx_saatKeyPress(sender, key); };

    for (TcxLabel* label : {&lb_sure, &lb_para}) {
        label->SetAutoSize(false);
        centred(label->Properties());
    }
    lb_sure.SetBounds(60, 36, 97, 17);
    font(lb_sure.Style().Font(), clBlue, 11);
    lb_para.SetBounds(0, 88, 217, 49);
    lb_para.Properties().SetWordWrap(true);
    font(lb_para.Style().Font(), clBlue, 19);

    rb_fiyat1.SetBounds(4, 4, 69, 25);
    rb_fiyat2.SetBounds(144, 4, 69, 25);
    rb_fiyat1.SetChecked(true);
    rb_fiyat1.SetTabStop(true);
    // Handlers last: checking the first button above is layout, not a tariff choice.
    // Both read "rb_fiyat1" until the prices are known: a screen reader tells them apart by these.
    rb_fiyat1.SetAccessibleDescription(L"1. tarife");
    rb_fiyat2.SetAccessibleDescription(L"2. tarife");
    for (TcxRadioButton* button : {&rb_fiyat1, &rb_fiyat2}) {
        button->SetCaption(L"rb_fiyat1");
        button->OnClick = [this](TObject* sender) { rb_fiyat1Click(sender); };
    }

    tx_para.SetBounds(16, 56, 189, 28);
    tx_para.SetAccessibleName(L"Tutar");
    tx_para.SetTabStop(false);
    tx_para.SetAutoSize(false);
    tx_para.SetBeepOnEnter(false);
    tx_para.Properties().SetReadOnly(true);
    centred(tx_para.Properties());
    tx_para.Properties().SetDecimalPlaces(0);
    tx_para.Properties().SetDisplayFormat(L",0 TL");
    tx_para.Properties().SetNullString(L"0 TL");
    font(tx_para.Style().Font(), clWindowText, 16);
}

void Tfr_velkaro::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ClassName = L"Tfr_velkaro";
}

void Tfr_velkaro::tx_saatKeyPress(TObject*, wchar_t& key) {
    if (key != L'\r') {
        return;
    }
    // The field's own check of this Enter failed and has been reported: the typed text is left
    // selected for correcting rather than charged as a start time the operator never typed.
    if (tx_saat.ValueModel().TextModified() && !tx_saat.ValueModel().InputChecked()) {
        tx_saat.SelectAll();
        return;
    }
    hesapla();
}

void Tfr_velkaro::SetClock(TClock clock) {
    clock_ = std::move(clock);
}

void Tfr_velkaro::hesapla() {
    const TimeOfDay simdi = clock_();
    BaslangicSaati baslangic;
    try {
        baslangic = BaslangicCoz(tx_saat.Text());
    } catch (...) {
        MessageDlg(L"Girdi\u011Finz de\u011Fer yanl\u0131\u015F!", TMsgDlgType::mtError,
                   MsgDlgButton(mbOK), 0);
        return;
    }
    const std::int32_t dakika = GecenDakika(baslangic, simdi.Hour, simdi.Minute);
    const std::wstring sure = IntToStr(dakika) + L" dak.";
    lb_sure.SetCaption(sure);
    const int tarife = rb_fiyat1.Checked() ? 1 : 2;
    const std::int64_t tutar = DakikaTutari(dakika, tarife, Ayarlar);
    tx_para.SetText(IntToStr(tutar));
    // Passing through the amount field makes it show the amount in its display format.
    tx_para.SetFocus();
    const std::wstring yazi = SayiYazi(static_cast<long double>(tutar));
    lb_para.SetCaption(yazi);
    tx_saat.SetFocus();
    // A screen reader has spoken the focus pass, not the result: it hears that once, whole (the
    // words begin with a blank, and there are none for nothing).
    Announce(lb_para.Handle(), yazi.empty() ? sure : sure + L"," + yazi);
}

std::wstring Tfr_velkaro::SayiYazi(long double tutar) const {
    return velkaro::SayiYazi(tutar);
}

std::int64_t Tfr_velkaro::Yuvarla(std::int64_t tutar, std::int64_t adim) const {
    return velkaro::Yuvarla(tutar, adim);
}

void Tfr_velkaro::FormShow(TObject*) {
    settings_.Load();
}

void Tfr_velkaro::FiyatlarBelirle1Click(TObject*) {
    settings_.AskPrices();
}

void Tfr_velkaro::rb_fiyat1Click(TObject*) {
    hesapla();
}

void Tfr_velkaro::YuvarlamaOran1Click(TObject*) {
    settings_.AskRoundingStep();
}

void Tfr_velkaro::FormClick(TObject*) {
    POINT cursor{};
    GetCursorPos(&cursor);
    mn_menu.Popup(cursor.x, cursor.y, Handle());
}

// Each About window is made for one showing and goes when it closes: kept until the end, every
// showing would hold its windows and GDI objects, and a few hundred would use up the process's.
void Tfr_velkaro::Hakknda1Click(TObject*) {
    Tfr_hakkinda hakkinda;
    const auto shown = ScopedValue(fr_hakkinda, &hakkinda);
    hakkinda.ShowModal();
}

void Tfr_velkaro::SetTariffCaptions(const std::wstring& first, const std::wstring& second) {
    rb_fiyat1.SetCaption(first);
    rb_fiyat2.SetCaption(second);
}

} // namespace velkaro
