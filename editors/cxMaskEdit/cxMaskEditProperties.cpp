#include "editors/cxMaskEdit/cxMaskEditProperties.h"

namespace velkaro {

namespace {

const wchar_t* const kInvalidEditValue = L"The edit value is invalid";

} // namespace

TcxCustomMaskEditProperties::TcxCustomMaskEditProperties(IcxEditPropertiesOwner* owner)
    : TcxCustomTextEditProperties(owner) {
    SetValidateOnEnter(true);
}

TcxCustomMaskEditProperties::~TcxCustomMaskEditProperties() = default;

void TcxCustomMaskEditProperties::SetMaskKind(TcxEditMaskKind value) {
    Change(maskKind_, value);
}

std::wstring TcxCustomMaskEditProperties::EditMask() const {
    if (maskKind_ == emkStandard && !IsActiveEditMask(editMask_)) {
        return DefaultValues().DefaultEditMask();
    }
    return editMask_;
}

void TcxCustomMaskEditProperties::SetEditMask(const std::wstring& value) {
    if (value == EditMask()) {
        editMask_ = value;
        return;
    }
    MakeMaskEditMode(maskKind_, nullptr, this)->SetMask(value);
    editMask_ = value;
    AnnounceChange();
}

bool TcxCustomMaskEditProperties::IsMasked() const {
    return IsActiveEditMask(EditMask());
}

bool TcxCustomMaskEditProperties::CaseInsensitive() const {
    return caseInsensitive_ || CharCase() != ecNormal;
}

void TcxCustomMaskEditProperties::SetCaseInsensitive(bool value) {
    // While a case conversion is on, letters match either case: that cannot be switched off.
    if (value || CharCase() == ecNormal) {
        Change(caseInsensitive_, value);
    }
}

void TcxCustomMaskEditProperties::SetCharCase(TEditCharCase value) {
    const TcxEditPropertiesChangeHold hold(*this);
    TcxCustomTextEditProperties::SetCharCase(value);
    if (value != ecNormal) {
        SetCaseInsensitive(true);
    }
}

void TcxCustomMaskEditProperties::SetIgnoreMaskBlank(bool value) {
    Change(ignoreMaskBlank_, value);
}

void TcxCustomMaskEditProperties::SetShowBlanksUnfocused(bool value) {
    Change(showBlanksUnfocused_, value);
}

void TcxCustomMaskEditProperties::SetMaxLength(int value) {
    TcxCustomTextEditProperties::SetMaxLength(IsMasked() ? 0 : value);
}

const TcxMaskEditCustomMode& TcxCustomMaskEditProperties::CachedMode() const {
    const std::wstring mask = EditMask();
    if (!cachedMode_ || cachedMode_->GetMaskKind() != maskKind_ ||
        cachedMode_->MaskText() != mask) {
        auto mode = MakeMaskEditMode(maskKind_, nullptr, this);
        try {
            mode->SetMask(mask);
        } catch (const EcxMaskEditError&) {
            // A kind changed under a mask it cannot take: the mode has no mask.
        }
        cachedMode_ = std::move(mode);
    }
    return *cachedMode_;
}

Variant TcxCustomMaskEditProperties::MakeDisplayValue(const Variant& value, bool InEditForm) const {
    if (!IsMasked()) {
        return TcxCustomTextEditProperties::MakeDisplayValue(value, InEditForm);
    }
    return Variant(CachedMode().MakeDisplayText(value.ToString(), InEditForm));
}

void TcxCustomMaskEditProperties::CheckDisplayValue(Variant& DisplayValue, std::wstring& ErrorText,
                                                    TObject* edit, bool& Error) {
    if (!Error && IsMasked() && !IsTextValid(DisplayValue.ToString(), edit)) {
        Error = true;
        ErrorText = kInvalidEditValue;
    }
    TcxCustomTextEditProperties::CheckDisplayValue(DisplayValue, ErrorText, edit, Error);
}

// The control's own mode knows which blanks the user entered; the cached one cannot.
bool TcxCustomMaskEditProperties::IsTextValid(const std::wstring& text, TObject* edit) const {
    if (const auto* control = dynamic_cast<const IcxMaskEditTextTest*>(edit)) {
        return control->IsTextValid(text);
    }
    return CachedMode().IsTextValid(text);
}

bool TcxCustomMaskEditProperties::CanShowValue(const Variant& value, bool InEditForm) const {
    return IsMasked() || TcxCustomTextEditProperties::CanShowValue(value, InEditForm);
}

void TcxCustomMaskEditProperties::Assign(const TObject& source) {
    const auto* properties = dynamic_cast<const TcxCustomMaskEditProperties*>(&source);
    if (properties == this) {
        return;
    }
    const TcxEditPropertiesChangeHold hold(*this);
    TcxCustomTextEditProperties::Assign(source);
    if (properties) {
        SetMaskKind(properties->maskKind_);
        SetEditMask(properties->editMask_);
        SetCaseInsensitive(properties->caseInsensitive_);
        SetIgnoreMaskBlank(properties->ignoreMaskBlank_);
        SetShowBlanksUnfocused(properties->showBlanksUnfocused_);
        // The limit came across under the mask this object had before.
        if (properties->IsMaxLengthStored()) {
            SetMaxLength(properties->MaxLength());
        }
    }
}

} // namespace velkaro
