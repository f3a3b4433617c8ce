#pragma once
// The properties of the single-line text edit and of the kinds built on it (masked, currency):
// case conversion, password echo, length limit, value range and lookup completion settings.
#include "editors/cxEdit/cxEditProperties.h"
#include "editors/cxEdit/cxEditTextOptions.h"
#include "editors/cxEdit/cxEditValueSource.h"

#include <bitset>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velkaro {

using TcxNewLookupDisplayTextEvent =
    std::function<void(TObject* Sender, const std::wstring& AText)>;

// Error kinds beyond the core's.
constexpr int kcxEditValueOutOfBoundsError = 1;

class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
public:
    bool MaxLength = false;
    bool MaxValue = false;
    bool MinValue = false;
};

// Characters (codes 0-255) an edit accepts beyond those its defaults provider accepts.
using TcxValidChars = std::bitset<256>;

class TcxCustomTextEditProperties : public TcxCustomEditProperties {
public:
    explicit TcxCustomTextEditProperties(IcxEditPropertiesOwner* owner = nullptr);

    // The answers to the edit's questions.
    bool UsesDisplayValue() const override { return true; }
    bool ComparesEditValues() const override { return true; }
    bool ChangeFollowsText() const override { return true; }
    bool KeepsNavigationKeys() const override { return true; }
    bool KeepsTabKey() const override { return false; }
    bool CanRevert() const override { return !LookupOnly(); }
    std::unique_ptr<TcxCustomEditPropertiesValues> AssignedValuesClass() const override;
    std::wstring GetDefaultErrorText(int kind) const override;
    bool CanShowValue(const Variant& value, bool InEditForm) const override;
    Variant MakeDisplayValue(const Variant& value, bool InEditForm) const override;
    // The range check runs before the core's link of the chain.
    void CheckDisplayValue(Variant& DisplayValue, std::wstring& ErrorText, TObject* edit,
                           bool& Error) override;
    void SetAlignment(const TcxEditAlignment& value) override;
    void Assign(const TObject& source) override;

    // Kinds with numeric or date values check MinValue..MaxValue.
    virtual bool ChecksRange() const { return false; }
    // Whether a text can be shown; an accepted one comes back converted by CharCase.
    virtual bool AcceptDisplayValue(Variant& DisplayValue, bool InEditForm) const;
    // The text the edit paints for a display value: stars for a password, then CharCase.
    virtual std::wstring GetPaintText(const Variant& DisplayValue) const;
    virtual Variant EmptyDisplayValue() const { return Variant(std::wstring()); }
    // Sets Error and ErrorText when the edit's value for DisplayValue lies outside the range.
    virtual void CheckRange(const Variant& DisplayValue, std::wstring& ErrorText,
                            IcxEditValueSource& edit, bool& Error) const;

    TEditCharCase CharCase() const { return charCase_; }
    // Virtual, as is SetMaxLength: a kind's own rule holds through Assign and a base reference.
    virtual void SetCharCase(TEditCharCase value);
    TcxEditEchoMode EchoMode() const { return echoMode_; }
    void SetEchoMode(TcxEditEchoMode value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value);

    // 0: no limit. Unassigned it is the defaults provider's.
    int MaxLength() const;
    virtual void SetMaxLength(int value);
    bool IsMaxLengthStored() const { return TextAssignedValues().MaxLength; }
    double MaxValue() const;
    void SetMaxValue(double value);
    double MinValue() const;
    void SetMinValue(double value);

    TcxValidChars& ValidChars() { return validChars_; }
    const TcxValidChars& ValidChars() const { return validChars_; }

    // Lookup completion; none of the program's edits has lookup items.
    const std::vector<std::wstring>& LookupItems() const { return lookupItems_; }
    void SetLookupItems(const std::vector<std::wstring>& items);
    bool LookupItemsSorted() const { return lookupItemsSorted_; }
    void SetLookupItemsSorted(bool value);
    // Typed text is completed from LookupItems.
    bool AutoCompleteLookup() const { return autoCompleteLookup_; }
    void SetAutoCompleteLookup(bool value) { autoCompleteLookup_ = value; }
    // Only texts of LookupItems may be shown; nothing can be typed.
    bool LookupOnly() const { return lookupOnly_; }
    void SetLookupOnly(bool value);
    // Completion also when the typed text matches no item from its start.
    bool LookupMatchAnywhere() const { return lookupMatchAnywhere_; }
    void SetLookupMatchAnywhere(bool value) { lookupMatchAnywhere_ = value; }

    TcxNewLookupDisplayTextEvent OnNewLookupDisplayText;

protected:
    TcxTextEditPropertiesValues& TextAssignedValues();
    const TcxTextEditPropertiesValues& TextAssignedValues() const;

private:
    void AssignTextProperties(const TcxCustomTextEditProperties& source);
    void SortLookupItems();

    TEditCharCase charCase_ = ecNormal;
    TcxEditEchoMode echoMode_ = eemNormal;
    bool autoCompleteLookup_ = true;
    bool lookupOnly_ = false;
    bool hideSelection_ = true;
    std::vector<std::wstring> lookupItems_;
    bool lookupItemsSorted_ = false;
    int maxLength_ = 0;
    double maxValue_ = 0.0;
    double minValue_ = 0.0;
    TcxValidChars validChars_;
    bool oemConvert_ = false;
    bool lookupMatchAnywhere_ = false;
};

class TcxTextEditProperties : public TcxCustomTextEditProperties {
public:
    using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
};

// CharCase applied to a text, by the case rules of the user's locale.
std::wstring ApplyCharCase(const std::wstring& text, TEditCharCase charCase);

} // namespace velkaro
