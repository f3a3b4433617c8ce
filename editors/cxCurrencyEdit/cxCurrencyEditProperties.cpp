#include "editors/cxCurrencyEdit/cxCurrencyEditProperties.h"

#include "editors/cxEdit/cxEditRegisteredProperties.h"
#include "runtime/ScopedRestore.h"

namespace velkaro {

namespace {

const TcxEditPropertiesRegistration registration(L"TcxCurrencyEditProperties",
                                                 kcxCurrencyEditPropertiesDescription);

} // namespace

TcxCustomCurrencyEditProperties::TcxCustomCurrencyEditProperties(
    IcxEditPropertiesOwner* owner, TcxFormatController& formatController)
    : TcxCustomTextEditProperties(owner), formatController_(formatController) {
    SetValidateOnEnter(true);
    formatController_.Subscribe(*this);
}

TcxCustomCurrencyEditProperties::~TcxCustomCurrencyEditProperties() {
    formatController_.Unsubscribe(*this);
}

std::unique_ptr<TcxCustomEditPropertiesValues>
TcxCustomCurrencyEditProperties::AssignedValuesClass() const {
    return std::make_unique<TcxCurrencyEditPropertiesValues>();
}

TcxCurrencyEditPropertiesValues& TcxCustomCurrencyEditProperties::CurrencyAssignedValues() {
    return static_cast<TcxCurrencyEditPropertiesValues&>(AssignedValues());
}

const TcxCurrencyEditPropertiesValues&
TcxCustomCurrencyEditProperties::CurrencyAssignedValues() const {
    return static_cast<const TcxCurrencyEditPropertiesValues&>(AssignedValues());
}

std::wstring TcxCustomCurrencyEditProperties::DisplayFormat() const {
    if (CurrencyAssignedValues().DisplayFormat) {
        return displayFormat_;
    }
    if (const auto& provider = DefaultValuesProvider()) {
        std::wstring format = provider->DefaultDisplayFormat();
        if (!format.empty()) {
            return format;
        }
    }
    return formatController_.CurrencyFormat();
}

void TcxCustomCurrencyEditProperties::SetDisplayFormat(const std::wstring& value) {
    ChangeAssigned(CurrencyAssignedValues().DisplayFormat, displayFormat_, value);
}

void TcxCustomCurrencyEditProperties::SetNullable(bool value) {
    Change(nullable_, value);
}

void TcxCustomCurrencyEditProperties::SetNullString(const std::wstring& value) {
    Change(nullString_, value);
}

void TcxCustomCurrencyEditProperties::SetUseThousandSeparator(bool value) {
    Change(useThousandSeparator_, value);
}

TcxAmountDisplaySettings TcxCustomCurrencyEditProperties::DisplaySettings() const {
    return {nullable_, nullString_, DisplayFormat()};
}

Variant TcxCustomCurrencyEditProperties::MakeDisplayValue(const Variant& value,
                                                          bool InEditForm) const {
    return AmountDisplayValue(value, InEditForm, DisplaySettings());
}

void TcxCustomCurrencyEditProperties::CheckDisplayValue(Variant& DisplayValue,
                                                        std::wstring& ErrorText, TObject* edit,
                                                        bool& Error) {
    Error = false;
    TcxCustomTextEditProperties::CheckDisplayValue(DisplayValue, ErrorText, edit, Error);
}

void TcxCustomCurrencyEditProperties::Assign(const TObject& source) {
    const auto* properties = dynamic_cast<const TcxCustomCurrencyEditProperties*>(&source);
    if (properties == this) {
        return;
    }
    const TcxEditPropertiesChangeHold hold(*this);
    TcxCustomTextEditProperties::Assign(source);
    if (properties) {
        AssignCurrencyProperties(*properties);
    }
}

void TcxCustomCurrencyEditProperties::AssignCurrencyProperties(
    const TcxCustomCurrencyEditProperties& source) {
    decimalPlaces_ = source.decimalPlaces_;
    SetDisplayFormat(source.DisplayFormat());
    SetNullable(source.nullable_);
    SetNullString(source.nullString_);
    SetUseThousandSeparator(source.useThousandSeparator_);
}

void TcxCustomCurrencyEditProperties::LocaleFormatsChanged() {
    const auto changing = ScopedValue(formatChanging_, true);
    const TcxEditPropertiesChangeHold hold(*this);
    SetDisplayFormat(formatController_.CurrencyFormat());
}

} // namespace velkaro
