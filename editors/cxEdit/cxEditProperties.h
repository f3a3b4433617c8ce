#pragma once
// The behaviour settings and value events of an edit control, kept apart from the control so that
// they can be copied and shared. Every change is announced to the owning control through the
// change hook; changes made inside an update bracket are announced once when it closes.
#include "editors/cxEdit/cxEditAlignment.h"
#include "editors/cxEdit/cxEditButtons.h"
#include "editors/cxEdit/cxEditDefaultValuesProvider.h"
#include "runtime/Events.h"
#include "runtime/Variant.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace velkaro {

using TShortCut = std::uint16_t;
constexpr TShortCut kCtrlEnterShortCut = 0x400D;

using TcxEditValidateEvent = std::function<void(TObject* Sender, Variant& DisplayValue,
                                                std::wstring& ErrorText, bool& Error)>;
using TcxEditButtonClickEvent = std::function<void(TObject* Sender, int AButtonIndex)>;

// What the properties need of whatever owns them: the control or a repository item.
class IcxEditPropertiesOwner {
public:
    // While the owner is being destroyed no change is announced.
    virtual bool IsDestroying() const = 0;

protected:
    ~IcxEditPropertiesOwner() = default;
};

// Which members were explicitly assigned; kinds with more such members derive from it.
class TcxCustomEditPropertiesValues {
public:
    virtual ~TcxCustomEditPropertiesValues() = default;
    bool ReadOnly = false;
};

// Error kinds the default error texts are asked for.
constexpr int kcxEditInvalidInputError = 0;

class TcxCustomEditProperties : public TObject {
public:
    explicit TcxCustomEditProperties(IcxEditPropertiesOwner* owner = nullptr);
    ~TcxCustomEditProperties() override;
    TcxCustomEditProperties(const TcxCustomEditProperties&) = delete;
    TcxCustomEditProperties& operator=(const TcxCustomEditProperties&) = delete;

    // The overridable operations, in the order the edit kinds rely on.
    // The copy returned by Alignment() was changed: take it over.
    virtual void AlignmentCopyChanged();
    virtual void SetAlignment(const TcxEditAlignment& value);
    virtual void ButtonsChanged();
    // Without a display value the edit neither validates nor converts between value and text.
    virtual bool UsesDisplayValue() const { return false; }
    virtual void AnnounceChange();
    // Without it a stored value never counts as changed.
    virtual bool ComparesEditValues() const { return false; }
    virtual bool DefaultUseLeftAlignmentOnEditing() const { return true; }
    // A new record of the class this kind keeps its assigned flags in.
    virtual std::unique_ptr<TcxCustomEditPropertiesValues> AssignedValuesClass() const;
    virtual TAlignment DefaultHorzAlignment() const;
    virtual std::wstring GetDefaultErrorText(int kind) const;
    // With it OnChange follows text changes only.
    virtual bool ChangeFollowsText() const { return false; }
    virtual bool KeepsTabKey() const { return false; }
    virtual bool KeepsNavigationKeys() const { return false; }
    virtual bool CanShowValue(const Variant& value, bool InEditForm) const;
    // Without it Escape has nothing to return to.
    virtual bool CanRevert() const { return false; }
    virtual Variant MakeDisplayValue(const Variant& value, bool InEditForm) const;
    // The last link of the validation chain: a default error text, then OnValidate with the
    // edit as sender.
    virtual void CheckDisplayValue(Variant& DisplayValue, std::wstring& ErrorText, TObject* edit,
                                   bool& Error);
    // Copies another edit properties object, announcing once; anything else is refused.
    virtual void Assign(const TObject& source);

    // The update bracket.
    void HoldChanges() { ++updateLock_; }
    void ReleaseChanges(bool announce = true);
    // While suppressed no change is announced, and none is remembered.
    void SetChangesSuppressed(bool value) { changesSuppressed_ = value; }

    IcxEditPropertiesOwner* Owner() const { return owner_; }

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value);
    bool BeepOnError() const { return beepOnError_; }
    void SetBeepOnError(bool value) { beepOnError_ = value; }
    TcxEditButtons& Buttons() { return buttons_; }
    const TcxEditButtons& Buttons() const { return buttons_; }
    TShortCut ClearKey() const { return clearKey_; }
    void SetClearKey(TShortCut value) { clearKey_ = value; }
    TShortCut ClickKey() const { return clickKey_; }
    void SetClickKey(TShortCut value) { clickKey_ = value; }
    bool ImmediatePost() const { return immediatePost_; }
    void SetImmediatePost(bool value) { immediatePost_ = value; }
    bool UseLeftAlignmentOnEditing() const { return useLeftAlignmentOnEditing_; }
    void SetUseLeftAlignmentOnEditing(bool value);
    bool IsUseLeftAlignmentOnEditingStored() const;
    // In-place edits follow the mouse wheel only with it (or with Ctrl held).
    bool UseMouseWheel() const { return useMouseWheel_; }
    void SetUseMouseWheel(bool value) { useMouseWheel_ = value; }
    bool ValidateOnEnter() const { return validateOnEnter_; }
    void SetValidateOnEnter(bool value) { validateOnEnter_ = value; }

    // The stored value once assigned, otherwise the defaults provider's.
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool IsReadOnlyStored() const { return AssignedValues().ReadOnly; }

    // A copy whose unassigned Horz is the default; changing a member of it changes the
    // properties.
    TcxEditAlignment& Alignment();

    TcxCustomEditPropertiesValues& AssignedValues();
    const TcxCustomEditPropertiesValues& AssignedValues() const;

    // Without a provider the plain one's answers apply.
    const std::shared_ptr<IcxEditDefaultValuesProvider>& DefaultValuesProvider() const {
        return defaultValuesProvider_;
    }
    void SetDefaultValuesProvider(std::shared_ptr<IcxEditDefaultValuesProvider> provider);

    TcxEditButtonClickEvent OnButtonClick;
    TNotifyEvent OnChange;
    TNotifyEvent OnEditValueChanged;
    TcxEditValidateEvent OnValidate;
    // Set by the owning control to its reaction to a change.
    TNotifyEvent OnPropertiesChanged;

protected:
    const IcxEditDefaultValuesProvider& DefaultValues() const;

    // The setters' rule: a value equal to the stored one changes nothing, another is stored and
    // announced. Answers whether it changed.
    template <class T> bool Change(T& field, const std::type_identity_t<T>& value) {
        if (field == value) {
            return false;
        }
        field = value;
        AnnounceChange();
        return true;
    }
    // The same for a member read from the defaults until it is assigned: writing it assigns it,
    // and only an equal value written over an assigned one changes nothing.
    template <class T>
    bool ChangeAssigned(bool& assigned, T& field, const std::type_identity_t<T>& value) {
        if (assigned && field == value) {
            return false;
        }
        assigned = true;
        field = value;
        AnnounceChange();
        return true;
    }

private:
    void AssignEditProperties(const TcxCustomEditProperties& source);

    IcxEditPropertiesOwner* owner_;
    bool autoSelect_ = true;
    bool beepOnError_ = false;
    TcxEditButtons buttons_;
    TShortCut clearKey_ = 0;
    TShortCut clickKey_ = kCtrlEnterShortCut;
    bool immediatePost_ = false;
    TcxEditAlignment alignment_;
    bool readOnly_ = false;
    int updateLock_ = 0;
    bool useLeftAlignmentOnEditing_ = true;
    bool useMouseWheel_ = true;
    bool validateOnEnter_ = false;
    TcxEditAlignment alignmentCopy_;
    // Made on first use, as AssignedValuesClass is not yet the kind's own during construction.
    mutable std::unique_ptr<TcxCustomEditPropertiesValues> assignedValues_;
    bool changesSuppressed_ = false;
    std::shared_ptr<IcxEditDefaultValuesProvider> defaultValuesProvider_;
};

// Holds the changes of a properties object for its lifetime and announces them once at the end,
// unless the scope is left by an exception.
class TcxEditPropertiesChangeHold {
public:
    explicit TcxEditPropertiesChangeHold(TcxCustomEditProperties& properties);
    ~TcxEditPropertiesChangeHold();
    TcxEditPropertiesChangeHold(const TcxEditPropertiesChangeHold&) = delete;
    TcxEditPropertiesChangeHold& operator=(const TcxEditPropertiesChangeHold&) = delete;

private:
    TcxCustomEditProperties& properties_;
    int exceptionsAtStart_;
};

} // namespace velkaro
