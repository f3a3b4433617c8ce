#include "framework/Actions.h"

#include "framework/Control.h"

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

bool TAction::Execute() {
    if (!OnExecute) {
        return false;
    }
    OnExecute(this);
    return true;
}

} // namespace velkaro
