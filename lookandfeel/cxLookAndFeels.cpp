#include "lookandfeel/cxLookAndFeels.h"

namespace velkaro {

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind value) {
    if (kind_ != value) {
        kind_ = value;
        Changed();
    }
}

void TcxLookAndFeel::SetNativeStyle(bool value) {
    if (nativeStyle_ != value) {
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
