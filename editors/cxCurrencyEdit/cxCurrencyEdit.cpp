#include "editors/cxCurrencyEdit/cxCurrencyEdit.h"

#include "editors/cxCurrencyEdit/cxCurrencyConversions.h"
#include "editors/cxEdit/cxEditBeep.h"
#include "editors/cxFormats/cxFormatsWindow.h"

namespace velkaro {

namespace {

TcxEditPropertiesFactory CurrencyPropertiesFactory() {
    return [](IcxEditPropertiesOwner* owner) {
        return std::make_unique<TcxCurrencyEditProperties>(owner, cxFormatController());
    };
}

} // namespace

TcxCustomCurrencyEdit::TcxCustomCurrencyEdit(TControl* parent,
                                             const TcxEditPropertiesFactory& createProperties)
    : TcxCustomTextEdit(parent, createProperties), formatController_(cxFormatController()) {
    formatController_.Subscribe(*this);
}

TcxCustomCurrencyEdit::~TcxCustomCurrencyEdit() {
    formatController_.Unsubscribe(*this);
}

TcxCustomCurrencyEditProperties& TcxCustomCurrencyEdit::Properties() const {
    return static_cast<TcxCustomCurrencyEditProperties&>(TcxCustomEdit::ActiveProperties());
}

Variant TcxCustomCurrencyEdit::MakeEditValue(const Variant& DisplayValue, bool) {
    const TcxCustomCurrencyEditProperties& properties = Properties();
    return AmountEditValue(DisplayValue.ToString(), properties.Nullable(), properties.NullString());
}

TcxAmountKeyContext TcxCustomCurrencyEdit::KeyContext(const std::wstring& text) const {
    const IcxInnerTextEdit& inner = *InnerTextEdit();
    const TcxCustomCurrencyEditProperties& properties = Properties();
    return {text, static_cast<std::size_t>(inner.SelStart()),
            static_cast<std::size_t>(inner.SelLength()), properties.DecimalPlaces(),
            properties.UseThousandSeparator()};
}

bool TcxCustomCurrencyEdit::AcceptsChar(wchar_t c) const {
    const std::wstring text = InnerTextEdit()->Text();
    return AmountKeyAccepted(KeyContext(text), c);
}

bool TcxCustomCurrencyEdit::KeyPress(wchar_t& key) {
    const std::wstring text = InnerTextEdit()->Text();
    const TcxAmountTypedKey typed = AmountTypedKey(KeyContext(text), key);
    key = typed.Char;
    if (typed.Refused) {
        EditBeep();
        return true;
    }
    return TcxCustomTextEdit::KeyPress(key);
}

void TcxCustomCurrencyEdit::PasteText() {
    if (!ValueModel().CanChangeValue()) {
        return;
    }
    const std::wstring previous = GetDisplayText();
    TcxCustomTextEdit::PasteText();
    if (!IsPastedAmount(GetDisplayText())) {
        ApplyDisplayText(previous);
        SelectAllText();
    }
}

void TcxCustomCurrencyEdit::ApplyPropertiesChange() {
    if (Properties().FormatChanging()) {
        return;
    }
    if (!HasInputFocus()) {
        DataBinding().UpdateDisplayValue();
    }
    TcxCustomTextEdit::ApplyPropertiesChange();
}

void TcxCustomCurrencyEdit::LocaleFormatsChanged() {
    Properties().SetDisplayFormat(formatController_.CurrencyFormat());
    // Text the user is still typing is kept; it is read in the new format when committed.
    if (!ValueModel().TextModified()) {
        DataBinding().UpdateDisplayValue();
    }
}

TcxCurrencyEdit::TcxCurrencyEdit(TControl* parent)
    : TcxCurrencyEdit(parent, CurrencyPropertiesFactory()) {}

TcxCurrencyEdit::TcxCurrencyEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties)
    : TcxCustomCurrencyEdit(parent, createProperties) {
    AfterConstruction();
}

TcxCurrencyEditProperties& TcxCurrencyEdit::Properties() const {
    return static_cast<TcxCurrencyEditProperties&>(TcxCustomCurrencyEdit::Properties());
}

void TcxCurrencyEdit::CreateParams(TCreateParams& params) {
    TcxCustomCurrencyEdit::CreateParams(params);
    params.ClassName = L"TcxCurrencyEdit";
}

double TcxCurrencyEdit::Value() const {
    return AmountOfEditValue(EditValue());
}

void TcxCurrencyEdit::SetValue(double value) {
    const TcxCurrencyEditProperties& properties = Properties();
    SetEditValue(ClampAmount(value, properties.MinValue(), properties.MaxValue()));
    LoseFocus();
}

} // namespace velkaro
