// The message dialog of MessageDlg.
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Clipboard.h"
#include "framework/DialogTexts.h"
#include "framework/Form.h"
#include "framework/Dialogs.h"
#include "framework/StdCtrls.h"

#include <array>
#include <cstdlib>
#include <memory>

namespace velkaro {

namespace {

constexpr int kButtonKinds = mbHelp + 1;

struct TButtonKind {
    const wchar_t* Caption;
    int Result;
};

// In the order the buttons stand in the dialog.
constexpr std::array<TButtonKind, kButtonKinds> kButtonKindsTable = {{
    {L"&Evet", mrYes},
    {L"&Hayır", mrNo},
    {kOkCaption, mrOk},
    {kCancelCaption, mrCancel},
    {L"&Durdur", mrAbort},
    {L"&Yeniden Dene", mrRetry},
    {L"Y&oksay", mrIgnore},
    {L"&Tümü", mrAll},
    {L"Tümüne H&ayır", mrNoToAll},
    {L"Tümüne E&vet", mrYesToAll},
    {L"&Yardım", mrNone},
}};

const wchar_t* CaptionOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning:
        return L"Dikkat";
    case TMsgDlgType::mtError:
        return L"Hata";
    case TMsgDlgType::mtInformation:
        return L"Bilgi";
    case TMsgDlgType::mtConfirmation:
        return L"Onay";
    case TMsgDlgType::mtCustom:
        break;
    }
    return nullptr;
}

const wchar_t* IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning:
        return IDI_EXCLAMATION;
    case TMsgDlgType::mtError:
        return IDI_HAND;
    case TMsgDlgType::mtInformation:
        return IDI_ASTERISK;
    case TMsgDlgType::mtConfirmation:
        return IDI_QUESTION;
    case TMsgDlgType::mtCustom:
        break;
    }
    return nullptr;
}

bool Has(TMsgDlgButtons buttons, TMsgDlgBtn button) {
    return (buttons & MsgDlgButton(button)) != 0;
}

// Each caption's width is measured once, with the font of the first dialog that shows it.
int CaptionWidth(TMsgDlgBtn button, HFONT font) {
    static std::array<int, kButtonKinds> widths{};
    int& width = widths[button];
    if (width == 0) {
        width = TMeasureCanvas(font)
                    .TextRect(kButtonKindsTable[button].Caption, 0, DT_LEFT | DT_SINGLELINE)
                    .cx;
    }
    return width;
}

// The system's message font at the given scale (the system gives it at its own).
void AssignMessageFont(TFont& font, int pixelsPerInch) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font.SetName(metrics.lfMessageFont.lfFaceName);
        font.SetHeight(MulDiv(std::abs(static_cast<int>(metrics.lfMessageFont.lfHeight)),
                              pixelsPerInch, SystemPixelsPerInch()));
    }
}

void Place(TControl& control, const TBounds& bounds) {
    control.SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
}

std::wstring WithoutAmpersands(std::wstring text) {
    std::erase(text, L'&');
    return text;
}

class TMessageForm : public TForm {
public:
    TMessageForm(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons)
        : message_(this) {
        SetBorderStyle(TFormBorderStyle::bsDialog);
        SetPosition(TFormPosition::poScreenCenter);
        // Measured and placed with the font the dialog shows, at its monitor's scale.
        LayOutAtMonitorScale();
        AssignMessageFont(Font(), PixelsPerInch());
        const TDialogUnits units = AverageCharSize(Font().Handle(), PixelsPerInch());
        const wchar_t* caption = CaptionOf(type);
        SetCaption(caption != nullptr ? caption : Application().Title());

        message_.SetCaption(message);
        message_.SetWordWrap(true);
        const RECT screen = RectOf(OpeningMonitor().Bounds);
        const SIZE text = message_.TextSize((screen.right - screen.left) / 2);

        std::vector<TMsgDlgBtn> shown;
        std::vector<int> captionWidths;
        for (int kind = 0; kind < kButtonKinds; ++kind) {
            const auto button = static_cast<TMsgDlgBtn>(kind);
            if (Has(buttons, button)) {
                shown.push_back(button);
                captionWidths.push_back(CaptionWidth(button, Font().Handle()));
            }
        }
        const wchar_t* iconName = IconOf(type);
        const TMessageLayout layout =
            LayoutMessageDialog(units, static_cast<int>(text.cx), static_cast<int>(text.cy),
                                iconName != nullptr, captionWidths);
        SetClientSize(layout.ClientWidth, layout.ClientHeight);
        if (iconName != nullptr) {
            icon_ = std::make_unique<TImage>(this);
            Place(*icon_, layout.Icon);
            icon_->SetSystemIcon(iconName); // at the size of the dialog's scale
        }
        Place(message_, layout.Message);
        AddButtons(shown, buttons, layout.Buttons);
    }

    bool KeyDown(std::uint16_t& key, TShiftState shift) override {
        if (key == 'C' && shift == ssCtrl) {
            MessageBeep(0);
            SetClipboardText(CopyText());
            key = 0;
            return true;
        }
        return TForm::KeyDown(key, shift);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TForm::CreateParams(params);
        params.ClassName = L"TMessageForm";
    }

private:
    void AddButtons(const std::vector<TMsgDlgBtn>& shown, TMsgDlgButtons buttons,
                    const std::vector<TBounds>& bounds) {
        const TMsgDlgBtn defaultButton =
            Has(buttons, mbOK) ? mbOK : (Has(buttons, mbYes) ? mbYes : mbRetry);
        const TMsgDlgBtn cancelButton =
            Has(buttons, mbCancel) ? mbCancel : (Has(buttons, mbNo) ? mbNo : mbOK);
        for (std::size_t index = 0; index < shown.size(); ++index) {
            const TMsgDlgBtn kind = shown[index];
            auto& button = *buttons_.emplace_back(std::make_unique<TButton>(this));
            button.SetCaption(kButtonKindsTable[kind].Caption);
            button.SetModalResult(kButtonKindsTable[kind].Result);
            button.SetDefault(kind == defaultButton);
            button.SetCancel(kind == cancelButton);
            Place(button, bounds[index]);
            // The focused button gets the keys first; Ctrl+C belongs to the dialog.
            button.OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState shift) {
                KeyDown(key, shift);
            };
            if (kind == defaultButton) {
                SetActiveControl(&button);
            }
        }
    }

    // Dashed lines around the caption, the message and the button captions, for pasting into a
    // report.
    std::wstring CopyText() {
        const std::wstring divider = std::wstring(27, L'-') + L"\r\n";
        std::wstring captions;
        for (const auto& button : buttons_) {
            captions += button->Caption() + L"   ";
        }
        return divider + Caption() + L"\r\n" + divider + message_.Caption() + L"\r\n" + divider +
               WithoutAmpersands(captions) + L"\r\n" + divider;
    }

    TLabel message_;
    std::unique_ptr<TImage> icon_;
    std::vector<std::unique_ptr<TButton>> buttons_;
};

} // namespace

int MessageDlg(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons,
               int /*helpContext: there is no help system to open*/) {
    TMessageForm form(message, type, buttons);
    return form.ShowModal();
}

} // namespace velkaro
