#include "framework/Actions.h"

namespace velkaro {

TAction::~TAction() {
    for (TControl* client : std::vector<TControl*>(clients_)) {
        client->SetAction(nullptr);
    }
}

void TAction::SetChecked(bool value) {
    if (checked_ == value) {
        return;
    }
    checked_ = value;
    for (TControl* client : std::vector<TControl*>(clients_)) {
        client->ActionChanged();
    }
}

void TAction::Link(TControl& control) {
    clients_.push_back(&control);
}

void TAction::Unlink(TControl& control) {
    std::erase(clients_, &control);
}

bool TAction::Execute() {
    if (!OnExecute) {
        return false;
    }
    OnExecute(this);
    return true;
}

} // namespace velkaro
