#pragma once
// An action: what a click on the controls linked to it runs when they have no click handler of
// their own, and a checked state those controls share.
#include "framework/Control.h"
#include "runtime/Events.h"

#include <vector>

namespace velkaro {

class TAction : public TObject, public TControlAction {
public:
    TAction() = default;
    // The linked controls are left without an action.
    ~TAction() override;
    TAction(const TAction&) = delete;
    TAction& operator=(const TAction&) = delete;

    bool Checked() const override { return checked_; }
    // A change is passed on to every linked control.
    void SetChecked(bool value) override;

    // Runs OnExecute with the action as the sender; answers whether there was a handler.
    bool Execute() override;

    TNotifyEvent OnExecute;

private:
    void Link(TControl& control) override;
    void Unlink(TControl& control) override;

    std::vector<TControl*> clients_;
    bool checked_ = false;
};

} // namespace velkaro
