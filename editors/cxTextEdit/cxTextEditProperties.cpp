#include "editors/cxTextEdit/cxTextEditProperties.h"

#include "editors/cxEdit/cxEditConsts.h"
#include "editors/cxTextEdit/cxTextEditing.h"
#include "runtime/TextCase.h"

#include <algorithm>

namespace velkaro {

TcxCustomTextEditProperties::TcxCustomTextEditProperties(IcxEditPropertiesOwner* owner)
    : TcxCustomEditProperties(owner) {}

std::unique_ptr<TcxCustomEditPropertiesValues>
TcxCustomTextEditProperties::AssignedValuesClass() const {
    return std::make_unique<TcxTextEditPropertiesValues>();
}

TcxTextEditPropertiesValues& TcxCustomTextEditProperties::TextAssignedValues() {
    return static_cast<TcxTextEditPropertiesValues&>(AssignedValues());
}

const TcxTextEditPropertiesValues& TcxCustomTextEditProperties::TextAssignedValues() const {
    return static_cast<const TcxTextEditPropertiesValues&>(AssignedValues());
}

std::wstring TcxCustomTextEditProperties::GetDefaultErrorText(int kind) const {
    if (kind == kcxEditValueOutOfBoundsError) {
        return cxGetResourceString(cxSEditValueOutOfBounds);
    }
    return TcxCustomEditProperties::GetDefaultErrorText(kind);
}

bool TcxCustomTextEditProperties::CanShowValue(const Variant& value, bool InEditForm) const {
    if (value.IsNull() || value.Kind() != VariantKind::String) {
        return true;
    }
    Variant display = value;
    return AcceptDisplayValue(display, InEditForm);
}

Variant TcxCustomTextEditProperties::MakeDisplayValue(const Variant& value, bool) const {
    return Variant(value.ToString());
}

void TcxCustomTextEditProperties::CheckDisplayValue(Variant& DisplayValue, std::wstring& ErrorText,
                                                    TObject* edit, bool& Error) {
    if (auto* source = dynamic_cast<IcxEditValueSource*>(edit)) {
        CheckRange(DisplayValue, ErrorText, *source, Error);
    }
    TcxCustomEditProperties::CheckDisplayValue(DisplayValue, ErrorText, edit, Error);
}

void TcxCustomTextEditProperties::CheckRange(const Variant& DisplayValue, std::wstring& ErrorText,
                                             IcxEditValueSource& edit, bool& Error) const {
    if (!ChecksRange() || MaxValue() == MinValue()) {
        return;
    }
    const Variant value = edit.MakeEditValue(DisplayValue, edit.InEditForm());
    double number = 0;
    switch (value.Kind()) {
    case VariantKind::Double:
    case VariantKind::Currency:
    case VariantKind::Integer:
        number = value.ToDouble();
        break;
    case VariantKind::DateTime:
        number = value.AsDateTime().Value;
        break;
    default:
        return;
    }
    if (number < MinValue() || number > MaxValue()) {
        Error = true;
        ErrorText = GetDefaultErrorText(kcxEditValueOutOfBoundsError);
    }
}

// List-matching lookup kinds refuse texts outside their items; the text edit takes every text.
bool TcxCustomTextEditProperties::AcceptDisplayValue(Variant& DisplayValue, bool) const {
    DisplayValue = Variant(ApplyCharCase(DisplayValue.ToString(), charCase_));
    return true;
}

std::wstring TcxCustomTextEditProperties::GetPaintText(const Variant& DisplayValue) const {
    std::wstring text = DisplayValue.ToString();
    if (echoMode_ == eemPassword) {
        text = PasswordText(text);
    }
    return ApplyCharCase(text, charCase_);
}

void TcxCustomTextEditProperties::SetAlignment(const TcxEditAlignment& value) {
    const TcxEditPropertiesChangeHold hold(*this);
    TcxCustomEditProperties::SetAlignment(value);
}

void TcxCustomTextEditProperties::Assign(const TObject& source) {
    const auto* properties = dynamic_cast<const TcxCustomTextEditProperties*>(&source);
    if (properties == this) {
        return;
    }
    const TcxEditPropertiesChangeHold hold(*this);
    TcxCustomEditProperties::Assign(source);
    if (properties) {
        AssignTextProperties(*properties);
    }
}

void TcxCustomTextEditProperties::AssignTextProperties(const TcxCustomTextEditProperties& source) {
    SetCharCase(source.charCase_);
    SetEchoMode(source.echoMode_);
    autoCompleteLookup_ = source.autoCompleteLookup_;
    SetLookupOnly(source.lookupOnly_);
    SetHideSelection(source.hideSelection_);
    auto& assigned = TextAssignedValues();
    const auto& sourceAssigned = source.TextAssignedValues();
    assigned.MaxLength = assigned.MaxValue = assigned.MinValue = false;
    if (sourceAssigned.MaxLength) {
        SetMaxLength(source.maxLength_);
    }
    validChars_ = source.validChars_;
    if (sourceAssigned.MaxValue) {
        SetMaxValue(source.maxValue_);
    }
    if (sourceAssigned.MinValue) {
        SetMinValue(source.minValue_);
    }
    SetOEMConvert(source.oemConvert_);
    lookupMatchAnywhere_ = source.lookupMatchAnywhere_;
    lookupItemsSorted_ = false;
    SetLookupItems(source.lookupItems_);
    SetLookupItemsSorted(source.lookupItemsSorted_);
    OnNewLookupDisplayText = source.OnNewLookupDisplayText;
}

void TcxCustomTextEditProperties::SetCharCase(TEditCharCase value) {
    Change(charCase_, value);
}

void TcxCustomTextEditProperties::SetEchoMode(TcxEditEchoMode value) {
    Change(echoMode_, value);
}

void TcxCustomTextEditProperties::SetHideSelection(bool value) {
    Change(hideSelection_, value);
}

void TcxCustomTextEditProperties::SetOEMConvert(bool value) {
    Change(oemConvert_, value);
}

void TcxCustomTextEditProperties::SetLookupOnly(bool value) {
    Change(lookupOnly_, value);
}

int TcxCustomTextEditProperties::MaxLength() const {
    return TextAssignedValues().MaxLength ? maxLength_ : DefaultValues().DefaultMaxLength();
}

void TcxCustomTextEditProperties::SetMaxLength(int value) {
    ChangeAssigned(TextAssignedValues().MaxLength, maxLength_, std::max(value, 0));
}

double TcxCustomTextEditProperties::MaxValue() const {
    return TextAssignedValues().MaxValue ? maxValue_ : DefaultValues().DefaultMaxValue();
}

void TcxCustomTextEditProperties::SetMaxValue(double value) {
    auto& assigned = TextAssignedValues();
    if (assigned.MinValue && value < minValue_) {
        value = minValue_;
    }
    ChangeAssigned(assigned.MaxValue, maxValue_, value);
}

double TcxCustomTextEditProperties::MinValue() const {
    return TextAssignedValues().MinValue ? minValue_ : DefaultValues().DefaultMinValue();
}

void TcxCustomTextEditProperties::SetMinValue(double value) {
    auto& assigned = TextAssignedValues();
    if (assigned.MaxValue && value > maxValue_) {
        value = maxValue_;
    }
    ChangeAssigned(assigned.MinValue, minValue_, value);
}

void TcxCustomTextEditProperties::SetLookupItems(const std::vector<std::wstring>& items) {
    lookupItems_ = items;
    SortLookupItems();
    AnnounceChange();
}

void TcxCustomTextEditProperties::SetLookupItemsSorted(bool value) {
    if (lookupItemsSorted_ != value) {
        lookupItemsSorted_ = value;
        SortLookupItems();
        AnnounceChange();
    }
}

void TcxCustomTextEditProperties::SortLookupItems() {
    if (lookupItemsSorted_) {
        std::sort(lookupItems_.begin(), lookupItems_.end());
    }
}

std::wstring ApplyCharCase(const std::wstring& text, TEditCharCase charCase) {
    switch (charCase) {
    case ecUpperCase:
        return ConvertCase(text, TTextCase::Upper);
    case ecLowerCase:
        return ConvertCase(text, TTextCase::Lower);
    case ecNormal:
        break;
    }
    return text;
}

} // namespace velkaro
