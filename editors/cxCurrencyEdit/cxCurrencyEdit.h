#pragma once
// The currency edit: a text edit whose value is a number. Without the focus it shows the number
// through its display format ("1.250.000 TL"), with the focus the plain number for typing; it
// lets through only keys that keep the text a number, and follows changes of the regional
// settings through the format controller.
#include "editors/cxCurrencyEdit/cxCurrencyConversions.h"
#include "editors/cxCurrencyEdit/cxCurrencyEditProperties.h"
#include "editors/cxTextEdit/cxTextEdit.h"

#include <string>

namespace velkaro {

class TcxCustomCurrencyEdit : public TcxCustomTextEdit, public IcxFormatControllerListener {
public:
    ~TcxCustomCurrencyEdit() override;

    TcxCustomCurrencyEditProperties& Properties() const;
    TcxCustomCurrencyEditProperties& ActiveProperties() const { return Properties(); }

    // A number for text that converts, else Null (or the currency 0 when not Nullable).
    Variant MakeEditValue(const Variant& DisplayValue, bool InEditForm) override;
    // The properties take the locale's new currency format; the value is shown in it.
    void LocaleFormatsChanged() override;

protected:
    TcxCustomCurrencyEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties);

    bool AcceptsChar(wchar_t c) const override;
    // "," and "." type the decimal separator; a key the filter refuses is dropped with a beep
    // before any key-press handler sees it.
    bool KeyPress(wchar_t& key) override;
    // A paste that leaves no number is undone, and the whole text selected.
    void PasteText() override;
    // A change that the regional settings caused is shown by LocaleFormatsChanged instead.
    void ApplyPropertiesChange() override;

private:
    // The filter's view of the inner edit holding the text.
    TcxAmountKeyContext KeyContext(const std::wstring& text) const;

    TcxFormatController& formatController_;
};

class TcxCurrencyEdit : public TcxCustomCurrencyEdit {
public:
    explicit TcxCurrencyEdit(TControl* parent);

    TcxCurrencyEditProperties& Properties() const;

    // 0 for Null and for a text that reads as no amount.
    double Value() const;
    // Clamped to MinValue..MaxValue when they differ, then shown as after leaving the edit.
    void SetValue(double value);

protected:
    TcxCurrencyEdit(TControl* parent, const TcxEditPropertiesFactory& createProperties);
    void CreateParams(TCreateParams& params) override;
};

} // namespace velkaro
