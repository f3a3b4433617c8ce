#include "editors/cxEdit/cxEditProperties.h"

#include "editors/cxEdit/cxEditConsts.h"

#include "runtime/Exceptions.h"

#include <exception>
#include <utility>

namespace velkaro {

TcxCustomEditProperties::TcxCustomEditProperties(IcxEditPropertiesOwner* owner) : owner_(owner) {
    buttons_.OnChanged = [this] { ButtonsChanged(); };
    alignmentCopy_.OnChanged = [this] { AlignmentCopyChanged(); };
}

TcxCustomEditProperties::~TcxCustomEditProperties() {
    if (defaultValuesProvider_) {
        defaultValuesProvider_->RemoveChangeHook(this);
    }
}

void TcxCustomEditProperties::AlignmentCopyChanged() {
    alignment_.Assign(alignmentCopy_);
    AnnounceChange();
}

void TcxCustomEditProperties::SetAlignment(const TcxEditAlignment& value) {
    alignment_.Assign(value);
    AnnounceChange();
}

void TcxCustomEditProperties::ButtonsChanged() {
    AnnounceChange();
}

void TcxCustomEditProperties::AnnounceChange() {
    if (changesSuppressed_ || updateLock_ > 0 || (owner_ && owner_->IsDestroying())) {
        return;
    }
    if (OnPropertiesChanged) {
        OnPropertiesChanged(this);
    }
}

std::unique_ptr<TcxCustomEditPropertiesValues>
TcxCustomEditProperties::AssignedValuesClass() const {
    return std::make_unique<TcxCustomEditPropertiesValues>();
}

TAlignment TcxCustomEditProperties::DefaultHorzAlignment() const {
    return DefaultValues().DefaultAlignment();
}

std::wstring TcxCustomEditProperties::GetDefaultErrorText(int kind) const {
    return kind == kcxEditInvalidInputError ? cxGetResourceString(cxSEditInvalidInput)
                                            : std::wstring();
}

bool TcxCustomEditProperties::CanShowValue(const Variant&, bool) const {
    return true;
}

Variant TcxCustomEditProperties::MakeDisplayValue(const Variant& value, bool) const {
    return value;
}

void TcxCustomEditProperties::CheckDisplayValue(Variant& DisplayValue, std::wstring& ErrorText,
                                                TObject* edit, bool& Error) {
    if (ErrorText.empty()) {
        ErrorText = GetDefaultErrorText(kcxEditInvalidInputError);
    }
    if (OnValidate) {
        OnValidate(edit, DisplayValue, ErrorText, Error);
    }
}

void TcxCustomEditProperties::Assign(const TObject& source) {
    const auto* properties = dynamic_cast<const TcxCustomEditProperties*>(&source);
    if (!properties) {
        throw EConvertError(L"Cannot assign this object to edit properties");
    }
    if (properties == this) {
        return;
    }
    const TcxEditPropertiesChangeHold hold(*this);
    AssignEditProperties(*properties);
}

void TcxCustomEditProperties::AssignEditProperties(const TcxCustomEditProperties& source) {
    SetAutoSelect(source.AutoSelect());
    buttons_.Assign(source.buttons_);
    beepOnError_ = source.beepOnError_;
    clearKey_ = source.clearKey_;
    clickKey_ = source.clickKey_;
    SetUseLeftAlignmentOnEditing(source.UseLeftAlignmentOnEditing());
    SetDefaultValuesProvider(source.defaultValuesProvider_);
    SetAlignment(source.alignment_);
    AssignedValues().ReadOnly = false;
    if (source.AssignedValues().ReadOnly) {
        SetReadOnly(source.readOnly_);
    }
    immediatePost_ = source.immediatePost_;
    useMouseWheel_ = source.useMouseWheel_;
    validateOnEnter_ = source.validateOnEnter_;
    OnButtonClick = source.OnButtonClick;
    OnChange = source.OnChange;
    OnEditValueChanged = source.OnEditValueChanged;
    OnValidate = source.OnValidate;
}

void TcxCustomEditProperties::ReleaseChanges(bool announce) {
    if (updateLock_ > 0 && --updateLock_ == 0 && announce) {
        AnnounceChange();
    }
}

void TcxCustomEditProperties::SetAutoSelect(bool value) {
    Change(autoSelect_, value);
}

void TcxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool value) {
    Change(useLeftAlignmentOnEditing_, value);
}

bool TcxCustomEditProperties::IsUseLeftAlignmentOnEditingStored() const {
    return useLeftAlignmentOnEditing_ != DefaultUseLeftAlignmentOnEditing();
}

bool TcxCustomEditProperties::ReadOnly() const {
    return AssignedValues().ReadOnly ? readOnly_ : DefaultValues().DefaultReadOnly();
}

void TcxCustomEditProperties::SetReadOnly(bool value) {
    ChangeAssigned(AssignedValues().ReadOnly, readOnly_, value);
}

TcxEditAlignment& TcxCustomEditProperties::Alignment() {
    alignmentCopy_.Assign(alignment_);
    if (!alignment_.HorzExplicit()) {
        alignmentCopy_.SetDefaultHorz(DefaultHorzAlignment());
    }
    return alignmentCopy_;
}

TcxCustomEditPropertiesValues& TcxCustomEditProperties::AssignedValues() {
    return const_cast<TcxCustomEditPropertiesValues&>(std::as_const(*this).AssignedValues());
}

const TcxCustomEditPropertiesValues& TcxCustomEditProperties::AssignedValues() const {
    if (!assignedValues_) {
        assignedValues_ = AssignedValuesClass();
    }
    return *assignedValues_;
}

void TcxCustomEditProperties::SetDefaultValuesProvider(
    std::shared_ptr<IcxEditDefaultValuesProvider> provider) {
    if (defaultValuesProvider_) {
        defaultValuesProvider_->RemoveChangeHook(this);
    }
    defaultValuesProvider_ = std::move(provider);
    if (defaultValuesProvider_) {
        defaultValuesProvider_->AddChangeHook(this, [this] { AnnounceChange(); });
    }
    AnnounceChange();
}

const IcxEditDefaultValuesProvider& TcxCustomEditProperties::DefaultValues() const {
    static const TcxCustomEditDefaultValuesProvider standAlone;
    if (defaultValuesProvider_) {
        return *defaultValuesProvider_;
    }
    return standAlone;
}

TcxEditPropertiesChangeHold::TcxEditPropertiesChangeHold(TcxCustomEditProperties& properties)
    : properties_(properties), exceptionsAtStart_(std::uncaught_exceptions()) {
    properties_.HoldChanges();
}

TcxEditPropertiesChangeHold::~TcxEditPropertiesChangeHold() {
    properties_.ReleaseChanges(std::uncaught_exceptions() == exceptionsAtStart_);
}

} // namespace velkaro
