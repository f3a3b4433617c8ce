#pragma once
// The edit's value model's link to a value source. Stand-alone edits use this plain form: the value
// lives in the edit, posting keeps nothing, editing may always begin.
#include "editors/cxEdit/cxEditDefaultValuesProvider.h"
#include "runtime/Variant.h"

#include <memory>

namespace velkaro {

class TcxEditValue;

class TcxEditDataBinding {
public:
    explicit TcxEditDataBinding(TcxEditValue& value);
    virtual ~TcxEditDataBinding() = default;
    TcxEditDataBinding(const TcxEditDataBinding&) = delete;
    TcxEditDataBinding& operator=(const TcxEditDataBinding&) = delete;

    TcxEditValue& Value() const { return value_; }
    const std::shared_ptr<IcxEditDefaultValuesProvider>& DefaultValuesProvider() const {
        return defaultValuesProvider_;
    }

    // The value counts as modified in the source (stand-alone: the user changed the text).
    virtual bool Modified() const;
    // The source lets the value be changed.
    virtual bool CanModify() const { return true; }
    // Editing may begin now.
    virtual bool SetEditMode() { return true; }
    // Puts a display value into the text.
    virtual void SetDisplayValue(const Variant& value);
    // The edit shows the source's value again.
    virtual void UpdateDisplayValue();
    // Hands the edit value to the source.
    virtual void StoreValue(const Variant&) {}
    // Whether the source asks the edit to check its range when it posts.
    virtual bool NeedsRangeCheck() const { return false; }
    virtual void Initialize() {}

private:
    TcxEditValue& value_;
    std::shared_ptr<IcxEditDefaultValuesProvider> defaultValuesProvider_;
};

} // namespace velkaro
