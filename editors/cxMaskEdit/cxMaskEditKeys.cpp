#include "editors/cxMaskEdit/cxMaskEditKeys.h"

namespace velkaro {

namespace {

constexpr wchar_t kCharBackspace = 8;
constexpr wchar_t kCharTab = 9;
constexpr wchar_t kCharEnter = 13;
constexpr wchar_t kCharEscape = 27;
constexpr wchar_t kCharCopy = 3;
constexpr wchar_t kCharPaste = 22;
constexpr wchar_t kCharCut = 24;

using ModeQuery = bool (TcxMaskEditCustomMode::*)() const;
using ModePress = bool (TcxMaskEditCustomMode::*)();

// Left and Right: with Ctrl the caret jumps to an end (the inner edit hears the matching Home or
// End first); without, it steps over literals, and the host hears of a key that tried to leave
// the text at its edge. A press answering true leaves the key to the text edit.
void ArrowKey(TcxMaskEditCustomMode& mode, std::uint16_t& key, TShiftState shift,
              std::uint16_t jumpKey, ModePress jump, ModeQuery atEdge, ModePress step) {
    IcxMaskEditHost& edit = *mode.Edit();
    if ((shift & ssCtrl) != 0) {
        edit.SendInternalKeyDown(jumpKey);
        if (!(mode.*jump)()) {
            key = 0;
        }
        return;
    }
    const bool wasAtEdge = (mode.*atEdge)();
    if ((mode.*step)()) {
        return;
    }
    if (wasAtEdge) {
        edit.NotifyHostKey(key, shift);
    }
    key = 0;
}

} // namespace

void MaskEditKeyDown(TcxMaskEditCustomMode& mode, std::uint16_t& key, TShiftState shift) {
    IcxMaskEditHost& edit = *mode.Edit();
    if (!edit.IsKeyPermitted(key, shift)) {
        edit.NotifyHostKey(key, shift);
        key = 0;
        return;
    }
    if (edit.InternalKey() || key == kVkTab) {
        return;
    }
    edit.SetSelecting((shift & ssShift) != 0);
    switch (key) {
    case kVkUp:
    case kVkDown:
        edit.NotifyHostKey(key, shift);
        key = 0;
        break;
    case kVkLeft:
        ArrowKey(mode, key, shift, kVkHome, &TcxMaskEditCustomMode::PressHome,
                 &TcxMaskEditCustomMode::IsCursorBegin, &TcxMaskEditCustomMode::PressLeft);
        break;
    case kVkRight:
        ArrowKey(mode, key, shift, kVkEnd, &TcxMaskEditCustomMode::PressEnd,
                 &TcxMaskEditCustomMode::IsCursorEnd, &TcxMaskEditCustomMode::PressRight);
        break;
    case kVkDelete:
        if ((shift & ssShift) == 0) {
            if (!mode.PressDelete()) {
                key = 0;
            }
        } else if (edit.SelLength() == 0) {
            if (!mode.PressBackspace()) {
                key = 0;
            }
        } else if (mode.GetMaskKind() == emkStandard) {
            // The native edit would cut the characters out and shift the literals.
            edit.CutSelection();
            key = 0;
        }
        break;
    case kVkHome:
        if (!mode.PressHome()) {
            key = 0;
        }
        break;
    case kVkEnd:
        if (!mode.PressEnd()) {
            key = 0;
        }
        break;
    default:
        break;
    }
}

bool MaskEditKeyPress(TcxMaskEditCustomMode& mode, wchar_t& c) {
    IcxMaskEditHost& edit = *mode.Edit();
    if (c == kCharTab || c == kCharEscape || !edit.IsCharPermitted(c)) {
        c = 0;
        return false;
    }
    if (c == kCharEnter || edit.InternalKey()) {
        return false;
    }
    if (c == kCharCopy || c == kCharPaste || c == kCharCut) {
        return true;
    }
    const bool passOn = c == kCharBackspace ? mode.PressBackspace() : mode.PressChar(c);
    if (!passOn) {
        c = 0;
    }
    return passOn;
}

void MaskEditReplaceSelection(TcxMaskEditCustomMode& mode, const std::wstring& text,
                              const std::function<void(const std::wstring&)>& replaceSelection) {
    mode.InsertLength = static_cast<int>(text.size());
    mode.BeforeInsert();
    mode.Inserting(text);
    replaceSelection(text);
    mode.AfterInsert();
}

// No mask has this many positions, so the bound cuts nothing a mask could use; without it, every
// character beyond would make each later key slower, and a large clipboard froze the field.
std::size_t MaskEditPasteRoom(const TcxMaskEditCustomMode& mode, std::size_t caret,
                              std::size_t textRoom) {
    if (mode.GetMaskKind() != emkStandard) {
        return textRoom;
    }
    constexpr std::size_t kPastedPositions = 1024;
    return kPastedPositions > caret ? kPastedPositions - caret : 0;
}

} // namespace velkaro
