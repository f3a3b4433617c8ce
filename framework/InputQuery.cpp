// The input prompt of InputBox and InputQuery.
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Dialogs.h"
#include "framework/DialogTexts.h"
#include "framework/Form.h"
#include "framework/StdCtrls.h"

#include <algorithm>

namespace velkaro {

namespace {

constexpr int kMaxInputLength = 255;

class TInputQueryForm : public TForm {
public:
    TInputQueryForm(const std::wstring& caption, const std::wstring& prompt,
                    const std::wstring& value)
        : prompt_(this), edit_(this), ok_(this), cancel_(this) {
        SetBorderStyle(TFormBorderStyle::bsDialog);
        SetCaption(caption);
        SetPosition(TFormPosition::poScreenCenter);
        // Measured and placed with the font the dialog shows, at its monitor's scale.
        LayOutAtMonitorScale();
        const TDialogUnits units = AverageCharSize(Font().Handle(), PixelsPerInch());

        prompt_.SetCaption(prompt);
        const int oneLineWidth = static_cast<int>(prompt_.TextSize(0).cx);
        prompt_.SetWordWrap(true);
        const int promptWidth = std::min(oneLineWidth, InputQueryPromptMaxWidth(units));
        const TInputQueryLayout layout =
            LayoutInputQuery(units, promptWidth, prompt_.TextSize(promptWidth).cy, edit_.Height());
        Place(prompt_, layout.Prompt);
        Place(edit_, layout.Edit);
        Place(ok_, layout.OkButton);
        Place(cancel_, layout.CancelButton);
        SetClientSize(layout.ClientWidth, layout.ClientHeight);

        edit_.SetMaxLength(kMaxInputLength);
        edit_.SetText(value);
        edit_.SelectAll();
        ok_.SetCaption(kOkCaption);
        ok_.SetModalResult(mrOk);
        ok_.SetDefault(true);
        cancel_.SetCaption(kCancelCaption);
        cancel_.SetModalResult(mrCancel);
        cancel_.SetCancel(true);
    }

    std::wstring Text() const { return edit_.Text(); }

protected:
    void CreateParams(TCreateParams& params) override {
        TForm::CreateParams(params);
        params.ClassName = L"TInputQueryForm";
    }

private:
    static void Place(TControl& control, const TBounds& bounds) {
        control.SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    }

    TLabel prompt_;
    TEdit edit_;
    TButton ok_;
    TButton cancel_;
};

} // namespace

bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value) {
    TInputQueryForm form(caption, prompt, value);
    if (form.ShowModal() != mrOk) {
        return false;
    }
    value = form.Text();
    return true;
}

std::wstring InputBox(const std::wstring& caption, const std::wstring& prompt,
                      const std::wstring& defaultText) {
    std::wstring value = defaultText;
    InputQuery(caption, prompt, value);
    return value;
}

} // namespace velkaro
