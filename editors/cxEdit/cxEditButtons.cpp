#include "editors/cxEdit/cxEditButtons.h"

#include "editors/cxEdit/cxListIndex.h"

namespace velkaro {

const TcxEditButton& TcxEditButtons::Items(int index) const {
    CheckListIndex(index, Count());
    return buttons_[static_cast<std::size_t>(index)];
}

void TcxEditButtons::SetItem(int index, const TcxEditButton& button) {
    CheckListIndex(index, Count());
    buttons_[static_cast<std::size_t>(index)] = button;
    Changed();
}

void TcxEditButtons::Add(const TcxEditButton& button) {
    buttons_.push_back(button);
    Changed();
}

void TcxEditButtons::Delete(int index) {
    CheckListIndex(index, Count());
    buttons_.erase(buttons_.begin() + index);
    Changed();
}

void TcxEditButtons::Assign(const TcxEditButtons& source) {
    if (this != &source) {
        buttons_ = source.buttons_;
        Changed();
    }
}

void TcxEditButtons::Changed() {
    if (OnChanged) {
        OnChanged();
    }
}

} // namespace velkaro
