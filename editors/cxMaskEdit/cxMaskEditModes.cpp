#include "editors/cxMaskEdit/cxMaskEditModes.h"

#include <algorithm>

namespace velkaro {

bool IsActiveEditMask(std::wstring_view maskText) {
    return std::any_of(maskText.begin(), maskText.end(), [](wchar_t c) {
        return c != L'\0' && c != L'\t' && c != L'\n' && c != L'\f' && c != L'\r' && c != L' ';
    });
}

TcxMaskEditCustomMode::TcxMaskEditCustomMode(IcxMaskEditHost* edit,
                                             const IcxMaskEditModeProperties* properties)
    : edit_(edit), properties_(properties) {}

void TcxMaskEditCustomMode::SetMask(const std::wstring& text) {
    maskText_ = text;
    // A mode without a live control empties the value once a control takes it over.
    resetPending_ = !HasLiveEdit();
}

bool TcxMaskEditCustomMode::IsCursorBegin() const {
    return edit_->SelStart() == 0;
}

bool TcxMaskEditCustomMode::IsCursorEnd() const {
    return edit_->SelStart() == static_cast<int>(edit_->DisplayText().size());
}

void TcxMaskEditCustomMode::Resynchronize() {
    if (edit_ == nullptr) {
        return;
    }
    if (edit_->TextModified()) {
        const std::wstring shown = edit_->DisplayText();
        const std::wstring fitted = ShowDisplay(shown, true);
        if (fitted != shown) {
            edit_->SetDisplayText(fitted);
        }
    } else {
        edit_->RefreshDisplayFromValue();
    }
    EnsureBlockCursor();
}

void TcxMaskEditCustomMode::ApplyPendingReset() {
    if (resetPending_ && HasLiveEdit()) {
        resetPending_ = false;
        edit_->SetEditValue(Variant(GetEmptyEditValue()));
    }
}

bool TcxMaskEditCustomMode::ShowsBlanks(bool inEditForm) const {
    return inEditForm || GetMaskKind() != emkStandard ||
           (properties_ != nullptr && properties_->ShowBlanksUnfocused());
}

std::wstring TcxMaskEditCustomMode::MakeDisplayText(const std::wstring& valueText,
                                                    bool inEditForm) const {
    return ShowsBlanks(inEditForm) ? FormatText(valueText) : GetEditValueText(valueText);
}

void TcxMaskEditCustomMode::BeepOnError() const {
    if (properties_ != nullptr && properties_->BeepOnError() && edit_ != nullptr) {
        edit_->Beep();
    }
}

void TcxMaskEditRegExprMode::SetMask(const std::wstring& text) {
    auto expression = TcxRegularExpression::Compile(text, false);
    auto caseless = TcxRegularExpression::Compile(text, true);
    if (!expression || !caseless) {
        throw EcxMaskEditError(L"Invalid regular expression: " + text);
    }
    expression_ = std::move(expression);
    caseless_ = std::move(caseless);
    TcxMaskEditCustomMode::SetMask(text);
}

bool TcxMaskEditRegExprMode::IsTextValid(const std::wstring& text) const {
    const bool caseInsensitive = Properties() == nullptr || Properties()->CaseInsensitive();
    const auto& expression = caseInsensitive ? caseless_ : expression_;
    return expression.has_value() && expression->MatchesWhole(text);
}

std::unique_ptr<TcxMaskEditCustomMode>
MakeMaskEditMode(TcxEditMaskKind kind, IcxMaskEditHost* edit,
                 const IcxMaskEditModeProperties* properties) {
    switch (kind) {
    case emkRegExpr:
        return std::make_unique<TcxMaskEditRegExprMode>(edit, properties);
    case emkRegExprEx:
        return std::make_unique<TcxMaskEditRegExprExMode>(edit, properties);
    case emkStandard:
        break;
    }
    return std::make_unique<TcxMaskEditStandardMode>(edit, properties);
}

} // namespace velkaro
