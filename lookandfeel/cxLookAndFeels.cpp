#include "lookandfeel/cxLookAndFeels.h"

namespace velkaro {

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind kind) {
    if (kind != kind_) {
        kind_ = kind;
        Changed();
    }
}

void TcxLookAndFeel::SetNativeStyle(bool value) {
    if (value != nativeStyle_) {
        nativeStyle_ = value;
        Changed();
    }
}

void TcxLookAndFeel::Changed() {
    if (OnChanged) {
        OnChanged();
    }
}

} // namespace velkaro
