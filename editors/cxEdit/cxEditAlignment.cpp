#include "editors/cxEdit/cxEditAlignment.h"

namespace velkaro {

void TcxEditAlignment::SetHorz(TAlignment value) {
    horz_ = value;
    horzExplicit_ = true;
    Changed();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment value) {
    if (vert_ != value) {
        vert_ = value;
        Changed();
    }
}

void TcxEditAlignment::Assign(const TcxEditAlignment& source) {
    horz_ = source.horz_;
    horzExplicit_ = source.horzExplicit_;
    vert_ = source.vert_;
}

void TcxEditAlignment::Changed() {
    if (OnChanged) {
        OnChanged();
    }
}

} // namespace velkaro
