#include "editors/cxEdit/cxEditStyle.h"

#include <algorithm>

namespace velkaro {

TcxCustomEditStyle::TcxCustomEditStyle(TcxControl* owner) : TcxContainerStyle(owner) {}

TcxCustomEditStyle::~TcxCustomEditStyle() {
    SetStyleController(nullptr);
}

int TcxCustomEditStyle::DefaultBorderStyle() const {
    switch (const_cast<TcxCustomEditStyle*>(this)->LookAndFeel().Kind()) {
    case TcxLookAndFeelKind::lfFlat:
        return ebsFlat;
    case TcxLookAndFeelKind::lfUltraFlat:
        return ebsUltraFlat;
    case TcxLookAndFeelKind::lfStandard:
        break;
    }
    return ebs3D;
}

TcxEditButtonStyle TcxCustomEditStyle::ButtonStyle() const {
    return Resolve(svButtonStyle, buttonStyle_, &TcxCustomEditStyle::ButtonStyle, buttonStyle_);
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle value) {
    SetMember(svButtonStyle, buttonStyle_, value);
}

TcxEditButtonTransparency TcxCustomEditStyle::ButtonTransparency() const {
    return Resolve(svButtonTransparency, buttonTransparency_,
                   &TcxCustomEditStyle::ButtonTransparency, buttonTransparency_);
}

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency value) {
    SetMember(svButtonTransparency, buttonTransparency_, value);
}

TcxEditPopupBorderStyle TcxCustomEditStyle::PopupBorderStyle() const {
    return Resolve(svPopupBorderStyle, popupBorderStyle_, &TcxCustomEditStyle::PopupBorderStyle,
                   popupBorderStyle_);
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle value) {
    SetMember(svPopupBorderStyle, popupBorderStyle_, value);
}

void TcxCustomEditStyle::SetStyleController(TcxEditStyleController* controller) {
    if (controller_ == controller || (controller != nullptr && &controller->Style() == this)) {
        return;
    }
    if (controller_ != nullptr) {
        controller_->RemoveListener(*this);
    }
    controller_ = controller;
    if (controller_ != nullptr) {
        controller_->AddListener(*this);
    }
    Changed();
}

void TcxCustomEditStyle::Assign(const TcxContainerStyle& source) {
    if (const auto* edit = dynamic_cast<const TcxCustomEditStyle*>(&source)) {
        buttonStyle_ = edit->buttonStyle_;
        buttonTransparency_ = edit->buttonTransparency_;
        popupBorderStyle_ = edit->popupBorderStyle_;
        SetStyleController(edit->controller_);
    }
    TcxContainerStyle::Assign(source);
}

TcxContainerStyle* TcxCustomEditStyle::ControllerStyle() const {
    return controller_ != nullptr ? &controller_->Style() : nullptr;
}

void TcxCustomEditStyle::ControllerChanged() {
    Changed();
}

void TcxCustomEditStyle::ControllerRemoved() {
    controller_ = nullptr;
    Changed();
}

TcxEditStyleController::TcxEditStyleController() : style_(nullptr) {
    style_.OnChanged = [this] { StyleChanged(); };
}

TcxEditStyleController::~TcxEditStyleController() {
    const auto listeners = listeners_;
    listeners_.clear();
    for (TcxCustomEditStyle* style : listeners) {
        style->ControllerRemoved();
    }
}

void TcxEditStyleController::AddListener(TcxCustomEditStyle& style) {
    listeners_.push_back(&style);
}

void TcxEditStyleController::RemoveListener(TcxCustomEditStyle& style) {
    std::erase(listeners_, &style);
}

void TcxEditStyleController::StyleChanged() {
    for (TcxCustomEditStyle* style : std::vector<TcxCustomEditStyle*>(listeners_)) {
        style->ControllerChanged();
    }
}

} // namespace velkaro
