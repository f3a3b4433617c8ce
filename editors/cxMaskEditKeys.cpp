#include "editors/cxMaskEditKeys.h"

namespace velkaro {

namespace {

constexpr wchar_t kCharBackspace = 8;
constexpr wchar_t kCharTab = 9;
constexpr wchar_t kCharEnter = 13;
constexpr wchar_t kCharEscape = 27;
constexpr wchar_t kCharCopy = 3;
constexpr wchar_t kCharPaste = 22;
constexpr wchar_t kCharCut = 24;

// The arrow keys answer false when they moved the caret themselves; the host hears of a key
// that tried to leave the text at its edge.
void ConsumeArrow(IcxMaskEditHost& edit, bool atEdge, bool passOn, std::uint16_t& key,
                  TShiftState shift) {
    if (passOn) {
        return;
    }
    if (atEdge) {
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
    const bool ctrl = (shift & ssCtrl) != 0;
    switch (key) {
    case kVkUp:
    case kVkDown:
        edit.NotifyHostKey(key, shift);
        key = 0;
        break;
    case kVkLeft:
        if (ctrl) {
            edit.SendInternalKeyDown(kVkHome);
            if (!mode.PressHome()) {
                key = 0;
            }
        } else {
            const bool atBegin = mode.IsCursorBegin();
            ConsumeArrow(edit, atBegin, mode.PressLeft(), key, shift);
        }
        break;
    case kVkRight:
        if (ctrl) {
            edit.SendInternalKeyDown(kVkEnd);
            if (!mode.PressEnd()) {
                key = 0;
            }
        } else {
            const bool atEnd = mode.IsCursorEnd();
            ConsumeArrow(edit, atEnd, mode.PressRight(), key, shift);
        }
        break;
    case kVkDelete:
        if ((shift & ssShift) == 0) {
            if (!mode.PressDelete()) {
                key = 0;
            }
        } else if (edit.SelLength() == 0 && !mode.PressBackspace()) {
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

void MaskEditKeyPress(TcxMaskEditCustomMode& mode, wchar_t& c) {
    IcxMaskEditHost& edit = *mode.Edit();
    if (c == kCharTab || c == kCharEscape || !edit.IsCharPermitted(c)) {
        c = 0;
        return;
    }
    if (c == kCharEnter || edit.InternalKey() || c == kCharCopy || c == kCharPaste ||
        c == kCharCut) {
        return;
    }
    const bool passOn = c == kCharBackspace ? mode.PressBackspace() : mode.PressChar(c);
    if (!passOn) {
        c = 0;
    }
}

void MaskEditReplaceSelection(TcxMaskEditCustomMode& mode, const std::wstring& text,
                              const std::function<void(const std::wstring&)>& replaceSelection) {
    mode.InsertLength = static_cast<int>(text.size());
    mode.BeforeInsert();
    replaceSelection(text);
    mode.AfterInsert();
}

} // namespace velkaro
