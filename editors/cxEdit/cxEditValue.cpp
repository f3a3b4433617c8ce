#include "editors/cxEdit/cxEditValue.h"

#include "editors/cxEdit/cxEditDataBinding.h"

#include <cassert>

namespace velkaro {

TcxEditValue::TcxEditValue(IcxEditValueText& text, TObject& sender, TPropertiesSource properties)
    : text_(text), sender_(sender), properties_(std::move(properties)),
      binding_(std::make_unique<TcxEditDataBinding>(*this)) {}

TcxEditValue::~TcxEditValue() = default;

void TcxEditValue::SetDataBinding(std::unique_ptr<TcxEditDataBinding> binding) {
    binding_ = std::move(binding);
}

// Writing the value.

void TcxEditValue::SetEditValue(const Variant& value) {
    if (inEditingCheck_ || (changeByUser_ && !RequestEditing())) {
        return;
    }
    AssignEditValue(value);
}

void TcxEditValue::AssignEditValue(const Variant& value) {
    if (changeByUser_ && !RequestEditing()) {
        return;
    }
    const TcxCustomEditProperties& properties = Properties();
    const bool changed = properties.ComparesEditValues() && !(editValue_ == value);
    editValue_ = value;
    text_.RefreshDisplayFromValue();
    if (changeByUser_) {
        MarkModified();
    } else {
        MarkSetByCode();
    }
    if (changed) {
        FireEditValueChanged();
        if (!properties.ChangeFollowsText()) {
            FireChange();
        }
    }
}

// Change events.

void TcxEditValue::FireChange() {
    const TcxCustomEditProperties& properties = Properties();
    changeEvents_.FireChange(properties.OnChange, &sender_);
    if (!properties.ChangeFollowsText() && !properties.ComparesEditValues()) {
        FireEditValueChanged();
    }
}

void TcxEditValue::FireEditValueChanged() {
    changeEvents_.FireEditValueChanged(Properties().OnEditValueChanged, &sender_);
}

void TcxEditValue::UnlockChangeEvents(bool fire) {
    const TcxCustomEditProperties& properties = Properties();
    changeEvents_.Unlock(fire, properties.OnChange, properties.OnEditValueChanged, &sender_);
}

void TcxEditValue::TextChanged(bool focused) {
    if (focused) {
        MarkModified();
    }
    FireChange();
}

// Permission, validation, posting.

bool TcxEditValue::RequestEditing() {
    if (!text_.AllowsEditing()) {
        return false;
    }
    if (binding_->Modified()) {
        return true;
    }
    const auto checking = ScopedValue(inEditingCheck_, true);
    return CanChangeValue() && text_.EditingPermitted() && binding_->SetEditMode();
}

bool TcxEditValue::CanChangeValue() {
    const TcxCustomEditProperties& properties = Properties();
    if (properties.AssignedValues().ReadOnly) {
        return !properties.ReadOnly();
    }
    const auto& provider = properties.DefaultValuesProvider();
    return (provider == nullptr || provider->DefaultCanModify()) && binding_->CanModify();
}

TcxInputVerdict TcxEditValue::CheckInput() {
    if (!TextModified() || InputChecked()) {
        return {};
    }
    TcxCustomEditProperties& properties = Properties();
    Variant displayValue(text_.GetDisplayText());
    bool error = false;
    std::wstring errorText;
    if (properties.UsesDisplayValue()) {
        properties.CheckDisplayValue(displayValue, errorText, &sender_, error);
    }
    if (error) {
        return errorText.empty() ? TcxInputVerdict{TcxInputVerdict::Refused, {}, {}}
                                 : TcxInputVerdict{TcxInputVerdict::Invalid, errorText, {}};
    }
    SetInputChecked(true);
    if (!changeByUser_ || RequestEditing()) {
        {
            const TcxModifiedStateSave saved(state_);
            text_.CommitDisplayValue(displayValue);
        }
        if (!text_.InEditForm()) {
            SetTextModified(false);
        }
    }
    return {};
}

TcxInputVerdict TcxEditValue::PostValue() {
    try {
        const auto posting = ScopedValue(posting_, true);
        binding_->StoreValue(editValue_);
    } catch (...) {
        return {TcxInputVerdict::PostRefused, {}, std::current_exception()};
    }
    return {};
}

TcxInputVerdict TcxEditValue::ValidateAndPost() {
    const TcxChangeEventsLock lock(*this);
    TcxInputVerdict verdict = CheckInput();
    if (verdict.IsValid() && binding_->Modified()) {
        verdict = PostValue();
    }
    return verdict;
}

TcxInputVerdict TcxEditValue::RevertToValueAtEnter() {
    if (!TextModified() || !Properties().CanRevert()) {
        return {};
    }
    const TcxChangeEventsLock lock(*this);
    SetTextModified(false);
    SetEditValue(valueAtEnter_);
    MarkEditing();
    text_.SelectAllText();
    if (Properties().ImmediatePost() && binding_->Modified()) {
        return PostValue();
    }
    return {};
}

// Focus.

void TcxEditValue::Enter(const std::function<void()>& fireOnEnter) {
    {
        const TcxModifiedStateSave saved(state_);
        fireOnEnter();
        // The binding shows its source's value (a bound edit's value comes from there); that is
        // the value Escape returns to, shown in its edit form.
        binding_->UpdateDisplayValue();
        if (Properties().CanRevert()) {
            valueAtEnter_ = editValue_;
        }
        text_.RefreshDisplayFromValue();
    }
    SetTextModified(false);
}

TcxInputVerdict TcxEditValue::Leave(const std::function<void()>& showDisplayForm) {
    const TcxModifiedStateSave saved(state_);
    if (TextModified()) {
        TcxInputVerdict verdict = ValidateAndPost();
        if (!verdict.IsValid()) {
            return verdict;
        }
    }
    binding_->UpdateDisplayValue();
    showDisplayForm();
    return {};
}

TcxChangeEventsLock::TcxChangeEventsLock(TcxEditValue& value)
    : value_(value), exceptionsAtStart_(std::uncaught_exceptions()) {
    value_.LockChangeEvents();
    depth_ = value_.ChangeEvents().LockCount();
}

TcxChangeEventsLock::~TcxChangeEventsLock() noexcept(false) {
    assert(value_.ChangeEvents().LockCount() == depth_ && "an operation left the lock unbalanced");
    if (std::uncaught_exceptions() == exceptionsAtStart_) {
        value_.UnlockChangeEvents(true);
        return;
    }
    try {
        value_.UnlockChangeEvents(true);
    } catch (...) {
        // The error already on its way is the one reported.
    }
}

} // namespace velkaro
