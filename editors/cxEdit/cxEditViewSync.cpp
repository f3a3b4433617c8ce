#include "editors/cxEdit/cxEditViewSync.h"

#include "editors/cxEdit/cxEdit.h"

#include <utility>

namespace velkaro {

TcxEditViewSync::TcxEditViewSync(TcxCustomEdit& edit) : edit_(edit), sync_([this] { Run(); }) {}

void TcxEditViewSync::Later(TPending what) {
    pending_ |= what;
    sync_.Schedule();
}

void TcxEditViewSync::ShowInnerEdit() {
    if (edit_.InnerEdit() == nullptr) {
        return;
    }
    if (!edit_.HandleAllocated()) {
        ApplyInnerEditShown();
    } else {
        Later(InnerEditShown);
    }
}

void TcxEditViewSync::PassFocusInward() {
    Later(InnerFocus);
}

void TcxEditViewSync::Invalidate() {
    if (edit_.focus_.InStep() && paintedLook_ && edit_.HandleAllocated()) {
        Later(Look);
    } else {
        edit_.Invalidate();
    }
}

void TcxEditViewSync::Reset() {
    pending_ = 0;
    sync_.Cancel();
    paintedLook_.reset();
}

// The inner edit shown before it takes the focus: a screen reader hears the focus land on the
// window it then reads.
void TcxEditViewSync::Run() {
    if (edit_.IsDestroying()) {
        return;
    }
    if ((pending_ & InnerEditShown) != 0) {
        ApplyInnerEditShown();
    }
    if ((pending_ & InnerFocus) != 0) {
        pending_ &= ~InnerFocus;
        edit_.focus_.PassToInnerAtOnce();
    }
    if ((pending_ & Look) != 0) {
        pending_ &= ~Look;
        if (edit_.Look() != paintedLook_) {
            edit_.Invalidate();
        }
    }
}

void TcxEditViewSync::ApplyInnerEditShown() {
    pending_ &= ~InnerEditShown;
    TControl& inner = edit_.InnerEdit()->Control();
    const bool shown = edit_.IsInnerEditShown();
    if (inner.Visible() != shown) {
        inner.SetVisible(shown);
    }
}

} // namespace velkaro
