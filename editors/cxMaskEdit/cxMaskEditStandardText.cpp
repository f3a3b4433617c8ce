// The standard mode's texts: the display and the edit value of a text, its completeness, and the
// blanks the user entered, which the text alone cannot tell from unfilled positions.
#include "editors/cxMaskEdit/cxMaskEditModes.h"
#include "editors/cxTextEdit/cxTextEditing.h"

#include <algorithm>
#include <utility>

namespace velkaro {

void TcxMaskEditStandardMode::SetMask(const std::wstring& text) {
    TcxMaskEditCustomMode::SetMask(text);
    // A new mask: the positions are not those the blanks were entered in.
    enteredText_.clear();
    entered_.clear();
    if (IsActiveEditMask(text)) {
        Mask.SetMask(text);
    } else {
        Mask.Clear();
    }
}

// A blank left as a gap stays one, even where a position would take it in another case.
std::wstring TcxMaskEditStandardMode::FormatText(const std::wstring& text) const {
    std::wstring fitted = text;
    TcxEnteredBlanks entered = EnteredIn(text);
    Mask.FitText(fitted, true, entered);
    return fitted;
}

TcxEnteredBlanks TcxMaskEditStandardMode::EnteredIn(const std::wstring& text) const {
    TcxEnteredBlanks entered = text == enteredText_ ? entered_ : TcxEnteredBlanks();
    entered.resize(text.size(), false);
    return entered;
}

TcxEnteredBlanks TcxMaskEditStandardMode::EnteredInValue(const std::wstring& valueText) const {
    TcxEnteredBlanks entered(valueText.size(), false);
    for (std::size_t i = 0; i < valueText.size(); ++i) {
        entered[i] = valueText[i] == Mask.BlankChar() && valueText[i] != L' ';
    }
    return entered;
}

void TcxMaskEditStandardMode::Remember(const std::wstring& text, const TcxEnteredBlanks& entered) {
    enteredText_ = text;
    entered_.assign(text.size(), false);
    for (std::size_t i = 0; i < text.size() && i < entered.size(); ++i) {
        entered_[i] = entered[i] && Mask.IsBlank(text[i]);
    }
}

std::wstring TcxMaskEditStandardMode::EditValueText(const std::wstring& text,
                                                    TcxEnteredBlanks& entered) const {
    if (Mask.Count() == 0) {
        return text;
    }
    std::wstring value = text;
    Mask.FitText(value, Properties() == nullptr || Properties()->UsesNormalCharCase(), entered);
    Mask.ToEditValue(value, entered);
    entered = EnteredInValue(value);
    return value;
}

std::wstring TcxMaskEditStandardMode::Displayed(const std::wstring& text, TcxEnteredBlanks& entered,
                                                bool inEditForm) const {
    if (!ShowsBlanks(inEditForm)) {
        return EditValueText(text, entered);
    }
    std::wstring fitted = text;
    Mask.FitText(fitted, true, entered);
    return fitted;
}

std::wstring TcxMaskEditStandardMode::GetEditValueText(const std::wstring& text) const {
    TcxEnteredBlanks entered = EnteredIn(text);
    return EditValueText(text, entered);
}

std::wstring TcxMaskEditStandardMode::MakeDisplayText(const std::wstring& valueText,
                                                      bool inEditForm) const {
    TcxEnteredBlanks entered = EnteredInValue(valueText);
    return Displayed(valueText, entered, inEditForm);
}

std::wstring TcxMaskEditStandardMode::ShowValue(const std::wstring& valueText, bool inEditForm) {
    return Show(valueText, EnteredInValue(valueText), inEditForm);
}

std::wstring TcxMaskEditStandardMode::ShowDisplay(const std::wstring& text, bool inEditForm) {
    return Show(text, EnteredIn(text), inEditForm);
}

std::wstring TcxMaskEditStandardMode::Show(const std::wstring& text, TcxEnteredBlanks entered,
                                           bool inEditForm) {
    const std::wstring shown = Displayed(text, entered, inEditForm);
    Remember(shown, entered);
    return shown;
}

void TcxMaskEditStandardMode::ShowEdited(const std::wstring& text,
                                         const TcxEnteredBlanks& entered) {
    IcxMaskEditHost& edit = *Edit();
    const std::wstring shown = edit.DisplayText();
    const TcxEnteredBlanks before = EnteredIn(shown);
    Remember(text, entered);
    if (text != shown || EnteredIn(text) != before) {
        edit.SetDisplayText(text);
    }
}

// A paste overwrites as many characters as it has; every character it brings was entered.
void TcxMaskEditStandardMode::Inserting(const std::wstring& text) {
    IcxMaskEditHost& edit = *Edit();
    const std::wstring shown = edit.DisplayText();
    const TcxTextSelection selection{edit.SelStart(), edit.SelLength()};
    const TcxTextEditResult result = ReplaceSelectionText(shown, selection, text, 0).value();
    const TcxTextSelection replaced = ClampSelection(shown, selection);
    TcxEnteredBlanks entered = EnteredIn(shown);
    const auto start = entered.begin() + replaced.Start;
    entered.erase(start, start + replaced.Length);
    entered.insert(entered.begin() + replaced.Start, text.size(), true);
    insertion_.emplace(result.Text, std::move(entered));
}

bool TcxMaskEditStandardMode::InsertionShown(const std::wstring& display) {
    if (!insertion_ || insertion_->first != display) {
        return false;
    }
    const TcxEnteredBlanks before = EnteredIn(display);
    Remember(display, insertion_->second);
    insertion_.reset();
    return EnteredIn(display) != before;
}

bool TcxMaskEditStandardMode::IsTextValid(const std::wstring& text) const {
    const TcxEnteredBlanks entered = EnteredIn(text);
    std::wstring tested = text;
    if (Mask.IsFullText(tested, entered)) {
        return true;
    }
    // An empty field: every position shows its blank, and none was entered.
    return Properties() != nullptr && Properties()->IgnoreMaskBlank() && text == Mask.EmptyText() &&
           std::none_of(entered.begin(), entered.end(), [](bool blank) { return blank; });
}

} // namespace velkaro
