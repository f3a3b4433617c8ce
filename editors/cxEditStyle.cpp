#include "editors/cxEditStyle.h"

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
    if (!IsAssigned(svButtonStyle) && controller_ != nullptr) {
        return controller_->Style().ButtonStyle();
    }
    return buttonStyle_;
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle value) {
    buttonStyle_ = value;
    SetMember(svButtonStyle);
}

TcxEditButtonTransparency TcxCustomEditStyle::ButtonTransparency() const {
    if (!IsAssigned(svButtonTransparency) && controller_ != nullptr) {
        return controller_->Style().ButtonTransparency();
    }
    return buttonTransparency_;
}

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency value) {
    buttonTransparency_ = value;
    SetMember(svButtonTransparency);
}

TcxEditPopupBorderStyle TcxCustomEditStyle::PopupBorderStyle() const {
    if (!IsAssigned(svPopupBorderStyle) && controller_ != nullptr) {
        return controller_->Style().PopupBorderStyle();
    }
    return popupBorderStyle_;
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle value) {
    popupBorderStyle_ = value;
    SetMember(svPopupBorderStyle);
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
