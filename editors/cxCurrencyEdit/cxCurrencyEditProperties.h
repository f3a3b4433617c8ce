#pragma once
// The properties of the currency edit: how its number is shown without the focus (the display
// format, by default the locale's currency format), the null text, and what may be typed. They
// follow changes of the regional settings through the format controller.
#include "editors/cxCurrencyEdit/cxCurrencyConversions.h"
#include "editors/cxFormats/cxFormats.h"
#include "editors/cxTextEdit/cxTextEditProperties.h"

#include <memory>
#include <string>

namespace velkaro {

class TcxCurrencyEditPropertiesValues : public TcxTextEditPropertiesValues {
public:
    bool DisplayFormat = false;
};

class TcxCustomCurrencyEditProperties : public TcxCustomTextEditProperties,
                                        public IcxFormatControllerListener {
public:
    // Listens to the controller for its whole life; the controller must outlive it.
    TcxCustomCurrencyEditProperties(IcxEditPropertiesOwner* owner,
                                    TcxFormatController& formatController);
    ~TcxCustomCurrencyEditProperties() override;

    std::unique_ptr<TcxCustomEditPropertiesValues> AssignedValuesClass() const override;
    Variant MakeDisplayValue(const Variant& value, bool InEditForm) const override;
    void CheckDisplayValue(Variant& DisplayValue, std::wstring& ErrorText, TObject* edit,
                           bool& Error) override;
    bool ChecksRange() const override { return true; }
    // Every text can be shown, and case conversion never applies to numbers.
    bool AcceptDisplayValue(Variant&, bool) const override { return true; }
    void Assign(const TObject& source) override;
    // The regional settings changed: the locale's new currency format becomes the display format.
    void LocaleFormatsChanged() override;

    bool TryTextToAmount(std::wstring_view text, double& value) const {
        return velkaro::TryTextToAmount(text, value);
    }

    // Decimals that may be typed; the display format decides what is shown.
    int DecimalPlaces() const { return decimalPlaces_; }
    void SetDecimalPlaces(int value) { decimalPlaces_ = value; }
    // The assigned format; else the defaults provider's; else the controller's currency format.
    std::wstring DisplayFormat() const;
    void SetDisplayFormat(const std::wstring& value);
    bool IsDisplayFormatStored() const { return CurrencyAssignedValues().DisplayFormat; }
    bool Nullable() const { return nullable_; }
    void SetNullable(bool value);
    const std::wstring& NullString() const { return nullString_; }
    void SetNullString(const std::wstring& value);
    bool UseThousandSeparator() const { return useThousandSeparator_; }
    void SetUseThousandSeparator(bool value);

    // Set only while a change of the regional settings is being taken over.
    bool FormatChanging() const { return formatChanging_; }
    TcxFormatController& FormatController() const { return formatController_; }

    TcxAmountDisplaySettings DisplaySettings() const;

private:
    TcxCurrencyEditPropertiesValues& CurrencyAssignedValues();
    const TcxCurrencyEditPropertiesValues& CurrencyAssignedValues() const;
    void AssignCurrencyProperties(const TcxCustomCurrencyEditProperties& source);

    TcxFormatController& formatController_;
    int decimalPlaces_ = 2;
    std::wstring displayFormat_;
    bool formatChanging_ = false;
    bool nullable_ = true;
    std::wstring nullString_;
    bool useThousandSeparator_ = false;
};

class TcxCurrencyEditProperties : public TcxCustomCurrencyEditProperties {
public:
    using TcxCustomCurrencyEditProperties::TcxCustomCurrencyEditProperties;
};

// The registration of TcxCurrencyEditProperties in the list of edit properties classes.
inline constexpr wchar_t kcxCurrencyEditPropertiesDescription[] =
    L"CurrencyEdit|Represents an editor enabling editing currency data";

} // namespace velkaro
