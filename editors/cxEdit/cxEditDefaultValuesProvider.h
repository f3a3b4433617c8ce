#pragma once
// Defaults that a value source supplies to the properties of the edits bound to it. A
// stand-alone edit uses the plain provider.
#include "editors/cxEdit/cxEditAlignment.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace velkaro {

class IcxEditDefaultValuesProvider {
public:
    virtual ~IcxEditDefaultValuesProvider() = default;

    virtual TAlignment DefaultAlignment() const = 0;
    virtual bool DefaultCanModify() const = 0;
    virtual std::wstring DefaultDisplayFormat() const = 0;
    virtual bool IsDisplayFormatDefined() const = 0;
    virtual std::wstring DefaultEditFormat() const = 0;
    virtual std::wstring DefaultEditMask() const = 0;
    virtual int DefaultMaxLength() const = 0;
    virtual double DefaultMaxValue() const = 0;
    virtual double DefaultMinValue() const = 0;
    virtual bool DefaultReadOnly() const = 0;
    virtual bool IsValidChar(wchar_t c) const = 0;

    // Hooks called when the source's defaults change, one per subscriber.
    virtual void AddChangeHook(const void* subscriber, std::function<void()> hook) = 0;
    virtual void RemoveChangeHook(const void* subscriber) = 0;
};

class TcxCustomEditDefaultValuesProvider : public IcxEditDefaultValuesProvider {
public:
    TAlignment DefaultAlignment() const override { return taLeftJustify; }
    bool DefaultCanModify() const override { return true; }
    std::wstring DefaultDisplayFormat() const override { return {}; }
    bool IsDisplayFormatDefined() const override { return false; }
    std::wstring DefaultEditFormat() const override { return {}; }
    std::wstring DefaultEditMask() const override { return {}; }
    int DefaultMaxLength() const override { return 0; }
    double DefaultMaxValue() const override { return 0.0; }
    double DefaultMinValue() const override { return 0.0; }
    bool DefaultReadOnly() const override { return false; }
    bool IsValidChar(wchar_t) const override { return true; }

    void AddChangeHook(const void* subscriber, std::function<void()> hook) override;
    void RemoveChangeHook(const void* subscriber) override;

protected:
    // For value sources whose defaults change.
    void DefaultValuesChanged() const;

private:
    std::vector<std::pair<const void*, std::function<void()>>> changeHooks_;
};

} // namespace velkaro
