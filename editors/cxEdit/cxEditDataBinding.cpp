#include "editors/cxEdit/cxEditDataBinding.h"

#include "editors/cxEdit/cxEdit.h"

namespace velkaro {

TcxEditDataBinding::TcxEditDataBinding(TcxCustomEdit& edit)
    : edit_(edit), defaultValuesProvider_(std::make_shared<TcxCustomEditDefaultValuesProvider>()) {}

bool TcxEditDataBinding::Modified() const {
    return edit_.TextModified();
}

void TcxEditDataBinding::SetDisplayValue(const Variant& value) {
    if (IcxCustomInnerEdit* inner = edit_.InnerEdit()) {
        inner->SetEditValue(value);
    }
}

void TcxEditDataBinding::UpdateDisplayValue() {
    edit_.RefreshDisplayFromValue();
}

} // namespace velkaro
