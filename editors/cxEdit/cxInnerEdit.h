#pragma once
// The only ways the edit controls reach their inner native edit: as a generic inner control
// (value, focus, change notification, read-only state) and as a text edit (selection, clipboard,
// the native settings).
#include "editors/cxEdit/cxEditAlignment.h"
#include "editors/cxEdit/cxEditTextOptions.h"
#include "runtime/Variant.h"

#include <functional>
#include <string>

namespace velkaro {

class TControl;

class IcxCustomInnerEdit {
public:
    virtual TControl& Control() = 0;
    // Its text, as a string variant.
    virtual Variant EditValue() const = 0;
    // Its text becomes the value as text.
    virtual void SetEditValue(const Variant& value) = 0;
    // While locked it ignores moves and resizes.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void SafelySetFocus() = 0;
    // Called after every change of its text.
    virtual void SetOnChange(std::function<void()> handler) = 0;
    virtual bool ReadOnly() const = 0;
    virtual void SetReadOnly(bool value) = 0;

protected:
    ~IcxCustomInnerEdit() = default;
};

class IcxInnerTextEdit {
public:
    virtual std::wstring Text() const = 0;
    virtual void CopyToClipboard() = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelStart(int value) = 0;
    virtual void SetSelLength(int value) = 0;
    virtual void SelectAll() = 0;
    // Replaces the selection.
    virtual void SetSelText(const std::wstring& text) = 0;
    // Left whenever useLeftAlignmentOnEditing is on; re-creates the window on a change.
    virtual void SetAlignment(TAlignment value, bool useLeftAlignmentOnEditing) = 0;
    virtual void SetAutoSelect(bool value) = 0;
    virtual void SetCharCase(TEditCharCase value) = 0;
    virtual void SetEchoMode(TcxEditEchoMode value) = 0;
    virtual void SetHideSelection(bool value) = 0;
    virtual void SetMaxLength(int value) = 0;
    virtual void SetOEMConvert(bool value) = 0;

protected:
    ~IcxInnerTextEdit() = default;
};

} // namespace velkaro
