#include "editors/cxMaskEdit/cxMaskEditKeys.h"
#include "editors/cxMaskEdit/cxMaskEditModes.h"

#include <algorithm>

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
