#pragma once
// The properties of the masked edit: the mask, its kind and how it is applied, with a cached mode
// of the current kind and mask that converts and validates values when no control is at hand.
#include "editors/cxMaskEdit/cxMaskEditModes.h"
#include "editors/cxTextEdit/cxTextEditProperties.h"

#include <memory>
#include <string>

namespace velkaro {

class TcxCustomMaskEditProperties : public TcxCustomTextEditProperties,
                                    public IcxMaskEditModeProperties {
public:
    explicit TcxCustomMaskEditProperties(IcxEditPropertiesOwner* owner = nullptr);
    ~TcxCustomMaskEditProperties() override;

    TcxEditMaskKind MaskKind() const { return maskKind_; }
    void SetMaskKind(TcxEditMaskKind value);
    // The effective mask: a blank standard mask gives way to the defaults provider's.
    std::wstring EditMask() const;
    // A regular expression that does not compile raises EcxMaskEditError and changes nothing.
    void SetEditMask(const std::wstring& value);
    // Only the stored text, blank or not.
    const std::wstring& StoredEditMask() const { return editMask_; }
    // A mask with at least one character other than blanks is active.
    bool IsMasked() const;

    // Forced true while CharCase converts.
    bool CaseInsensitive() const override;
    void SetCaseInsensitive(bool value);
    // Setting a converting case also makes the regular expressions case-insensitive.
    void SetCharCase(TEditCharCase value) override;
    bool IgnoreMaskBlank() const override { return ignoreMaskBlank_; }
    void SetIgnoreMaskBlank(bool value);
    bool ShowBlanksUnfocused() const override { return showBlanksUnfocused_; }
    void SetShowBlanksUnfocused(bool value);
    // Held at 0 while a mask is active.
    void SetMaxLength(int value) override;

    // IcxMaskEditModeProperties
    bool BeepOnError() const override { return TcxCustomTextEditProperties::BeepOnError(); }
    bool UsesNormalCharCase() const override { return CharCase() == ecNormal; }

    // A mode of the current kind and mask, rebuilt whenever either changed.
    const TcxMaskEditCustomMode& CachedMode() const;

    // While a mask is active: the mask's display conversion, its completeness test ahead of the
    // text edit's checks, and every value can be shown.
    Variant MakeDisplayValue(const Variant& value, bool InEditForm) const override;
    void CheckDisplayValue(Variant& DisplayValue, std::wstring& ErrorText, TObject* edit,
                           bool& Error) override;
    bool CanShowValue(const Variant& value, bool InEditForm) const override;
    void Assign(const TObject& source) override;

private:
    bool IsTextValid(const std::wstring& text, TObject* edit) const;

    TcxEditMaskKind maskKind_ = emkStandard;
    std::wstring editMask_;
    bool caseInsensitive_ = true;
    bool ignoreMaskBlank_ = false;
    bool showBlanksUnfocused_ = false;
    mutable std::unique_ptr<TcxMaskEditCustomMode> cachedMode_;
};

class TcxMaskEditProperties : public TcxCustomMaskEditProperties {
public:
    using TcxCustomMaskEditProperties::TcxCustomMaskEditProperties;
};

} // namespace velkaro
