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

void TcxLookAndFeel::Assign(const TcxLookAndFeel& source) {
    if (kind_ != source.kind_ || nativeStyle_ != source.nativeStyle_) {
        kind_ = source.kind_;
        nativeStyle_ = source.nativeStyle_;
        Changed();
    }
}

void TcxLookAndFeel::Changed() {
    if (OnChanged) {
        OnChanged();
    }
}

} // namespace velkaro
