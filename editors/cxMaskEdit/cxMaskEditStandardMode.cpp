#include "editors/cxMaskEdit/cxMaskEditKeys.h"
#include "editors/cxMaskEdit/cxMaskEditModes.h"
#include "editors/cxTextEdit/cxTextEditing.h"

#include <algorithm>
#include <utility>

namespace velkaro {

namespace {

int Length(const std::wstring& text) {
    return static_cast<int>(text.size());
}

} // namespace

bool TcxMaskEditStandardMode::IsLiteral(int position) const {
    return position >= 0 && position < Mask.Count() && Mask.Items(position).AsLiteral() != nullptr;
}

int TcxMaskEditStandardMode::FirstNonLiteral() const {
    int position = 0;
    while (IsLiteral(position)) {
        ++position;
    }
    return position;
}

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

// The fitted text does not depend on which blanks were entered: an entered blank fills the
// position a blank left as a gap would.
std::wstring TcxMaskEditStandardMode::FormatText(const std::wstring& text) const {
    std::wstring fitted = text;
    Mask.FitText(fitted, true);
    return fitted;
}

// The entered blanks.

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
    TcxEnteredBlanks entered = EnteredInValue(valueText);
    const std::wstring shown = Displayed(valueText, entered, inEditForm);
    Remember(shown, entered);
    return shown;
}

std::wstring TcxMaskEditStandardMode::ShowDisplay(const std::wstring& text, bool inEditForm) {
    TcxEnteredBlanks entered = EnteredIn(text);
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

bool TcxMaskEditStandardMode::IsCursorBegin() const {
    return Edit()->SelStart() <= FirstNonLiteral() &&
           (Edit()->SelLength() < 2 || Edit()->CaretAtSelectionStart());
}

void TcxMaskEditStandardMode::EnsureBlockCursor() {
    IcxMaskEditHost* edit = Edit();
    if (edit == nullptr || !edit->HasWindow() || !IsMasked() || edit->SelLength() != 0) {
        return;
    }
    const int caret = edit->SelStart();
    if (caret < Length(edit->DisplayText())) {
        edit->SelectDirectly(caret, 1);
    }
}

void TcxMaskEditStandardMode::BeforeInsert() {
    IcxMaskEditHost& edit = *Edit();
    SavedSelStart = edit.SelStart();
    const int room = std::max(0, Length(edit.DisplayText()) - SavedSelStart);
    edit.SelectDirectly(SavedSelStart, std::clamp(InsertLength, 0, room));
}

void TcxMaskEditStandardMode::AfterInsert() {
    insertion_.reset();
    IcxMaskEditHost& edit = *Edit();
    const int length = Length(edit.DisplayText());
    int caret = SavedSelStart + InsertLength;
    if (caret >= length) {
        caret = length - 1;
    }
    caret = std::max(caret, 0);
    edit.SetSelStart(caret);
    if (IsLiteral(caret)) {
        edit.SetSelecting(false);
        PressRight();
    }
}

bool TcxMaskEditStandardMode::PressRight() {
    IcxMaskEditHost& edit = *Edit();
    const int start = edit.SelStart();
    const int selected = edit.SelLength();
    if (edit.Selecting()) {
        // A one-character selection whose caret is at its start would shrink to nothing.
        if (selected == 1 && edit.CaretAtSelectionStart()) {
            edit.SetSelLength(0);
        }
        return true;
    }
    const int length = Length(edit.DisplayText());
    if (selected < 2) {
        int literals = 0;
        while (IsLiteral(start + 1 + literals)) {
            ++literals;
        }
        if (start + literals + 1 <= length) {
            edit.SetSelStart(start + literals + 1);
        }
        return false;
    }
    const int end = start + selected;
    if (end >= length) {
        edit.SetSelStart(end);
        return false;
    }
    int target = end - 1;
    while (target > start && IsLiteral(target)) {
        --target;
    }
    edit.SetSelStart(IsLiteral(target) ? end - 1 : target);
    return false;
}

bool TcxMaskEditStandardMode::PressLeft() {
    IcxMaskEditHost& edit = *Edit();
    const int start = edit.SelStart();
    const int selected = edit.SelLength();
    if (edit.Selecting()) {
        // Native Shift+Left would empty a one-character block; grow it leftwards instead.
        if (selected == 1) {
            edit.SetSelStart(start + 1);
            edit.SetSelLength(0);
            edit.SendInternalKeyDown(kVkLeft);
            edit.SendInternalKeyDown(kVkLeft);
        }
        return true;
    }
    if (selected < 2) {
        int literals = 0;
        while (IsLiteral(start - 1 - literals)) {
            ++literals;
        }
        const int step = start - (literals + 1) < 0 ? 0 : literals + 1;
        if (start > 0) {
            edit.SetSelStart(start - step);
        }
        return false;
    }
    const int end = start + selected;
    for (int position = start; position < end; ++position) {
        if (!IsLiteral(position)) {
            edit.SetSelStart(position);
            return false;
        }
    }
    const int length = Length(edit.DisplayText());
    edit.SetSelStart(end < length ? start : length);
    return false;
}

bool TcxMaskEditStandardMode::PressHome() {
    IcxMaskEditHost& edit = *Edit();
    if (edit.Selecting()) {
        return true;
    }
    edit.SetSelStart(0);
    if (IsLiteral(0)) {
        PressRight();
    }
    return false;
}

bool TcxMaskEditStandardMode::PressEnd() {
    IcxMaskEditHost& edit = *Edit();
    if (edit.Selecting()) {
        return true;
    }
    edit.SetSelStart(Length(edit.DisplayText()));
    return false;
}

bool TcxMaskEditStandardMode::PressDelete() {
    IcxMaskEditHost& edit = *Edit();
    const int start = edit.SelStart();
    const std::wstring shown = edit.DisplayText();
    std::wstring blanked = shown;
    TcxEnteredBlanks entered = EnteredIn(shown);
    const int end = std::min(start + edit.SelLength(), Length(shown));
    for (int position = start; position < end; ++position) {
        if (!IsLiteral(position)) {
            blanked[position] = Mask.BlankChar();
            entered[position] = false;
        }
    }
    ShowEdited(blanked, entered);
    edit.SetSelStart(start);
    return false;
}

bool TcxMaskEditStandardMode::PressBackspace() {
    if (Edit()->SelLength() <= 1) {
        PressLeft();
    }
    return PressDelete();
}

bool TcxMaskEditStandardMode::PressChar(wchar_t& c) {
    IcxMaskEditHost& edit = *Edit();
    std::wstring shown = edit.DisplayText();
    const int caret = edit.SelStart();
    if (shown.empty() || caret >= Length(shown) || caret >= Mask.Count()) {
        return false;
    }
    if (IsLiteral(caret)) {
        // The caret skips the literal; the character is never compared with it.
        edit.SetSelecting(false);
        if (edit.SelLength() > 1) {
            edit.SetSelStart(caret);
        }
        PressRight();
        return edit.SelStart() != caret ? PressChar(c) : false;
    }
    if (!Mask.Items(caret).Check(c)) {
        BeepOnError();
        return false;
    }
    // A typed blank is a character: the position it fills counts as filled, though the text
    // looks the same.
    TcxEnteredBlanks entered = EnteredIn(shown);
    entered[caret] = true;
    shown[caret] = c;
    ShowEdited(shown, entered);
    edit.SetSelStart(caret);
    edit.SetSelecting(false);
    PressRight();
    return false;
}

} // namespace velkaro
