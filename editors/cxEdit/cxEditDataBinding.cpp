#include "editors/cxEdit/cxEditDataBinding.h"

#include "editors/cxEdit/cxEditValue.h"

namespace velkaro {

TcxEditDataBinding::TcxEditDataBinding(TcxEditValue& value)
    : value_(value),
      defaultValuesProvider_(std::make_shared<TcxCustomEditDefaultValuesProvider>()) {}

bool TcxEditDataBinding::Modified() const {
    return value_.TextModified();
}

void TcxEditDataBinding::SetDisplayValue(const Variant& value) {
    value_.Text().SetDisplayValue(value);
}

void TcxEditDataBinding::UpdateDisplayValue() {
    value_.Text().RefreshDisplayFromValue();
}

} // namespace velkaro
