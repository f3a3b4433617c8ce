#pragma once
// An action: what a click on the controls linked to it runs when they have no click handler of
// their own, and a checked state those controls share.
#include "runtime/Events.h"

#include <vector>

namespace velkaro {

class TControl;

class TAction : public TObject {
public:
    TAction() = default;
    // The linked controls are left without an action.
    ~TAction() override;
    TAction(const TAction&) = delete;
    TAction& operator=(const TAction&) = delete;

    bool Checked() const { return checked_; }
    // A change is passed on to every linked control.
    void SetChecked(bool value);

    // Runs OnExecute with the action as the sender; answers whether there was a handler.
    bool Execute();

    TNotifyEvent OnExecute;

private:
    friend class TControl;

    std::vector<TControl*> clients_;
    bool checked_ = false;
};

} // namespace velkaro
