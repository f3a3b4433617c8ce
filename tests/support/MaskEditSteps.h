#pragma once
// Arbitrary editing steps for a masked edit model and the invariants that must hold after each,
// shared by the property test and the fuzzer.
#include "editors/cxStandardMask/cxStandardMask.h"
#include "tests/support/MaskEditModel.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velkaro::test {

// A mask character chosen by a byte: mask characters, literals, sections and escapes.
inline wchar_t MaskCharacter(std::uint8_t byte) {
    static constexpr wchar_t kAlphabet[] = L"09#LlAaCc:/\\-()<>!; _x0099";
    return kAlphabet[byte % (sizeof(kAlphabet) / sizeof(wchar_t) - 1)];
}

// A piece of a regular expression chosen by a byte; joined, they make valid and invalid
// expressions, some of them slow to match.
inline std::wstring_view ExpressionPiece(std::uint8_t byte) {
    static constexpr std::wstring_view kPieces[] = {
        L"a",   L"b",   L"0",    L"[0-9]",  L"[a-c]", L"\\d", L"\\w",   L".", L"*",
        L"+",   L"?",   L"|",    L"(",      L")",     L"{2}", L"{1,3}", L"^", L"$",
        L"(?:", L"\\1", L"[^x]", L"(a|aa)", L"(a*)*", L"\\s", L"-",     L"[", L"]"};
    return kPieces[byte % std::size(kPieces)];
}

// The mask kind a byte chooses, the standard kind as often as the two expression kinds.
inline TcxEditMaskKind MaskKindOf(std::uint8_t byte) {
    switch (byte % 4) {
    case 2:
        return emkRegExpr;
    case 3:
        return emkRegExprEx;
    default:
        return emkStandard;
    }
}

// One step chosen by two bytes. Answers whether it was a paste, which may overwrite literals
// and make the text longer than the mask.
inline bool ApplyStep(MaskEditModel& edit, std::uint8_t what, std::uint8_t how) {
    static constexpr wchar_t kTyped[] = L"0123456789aZ:._ -+/\x00e7\x0130";
    static constexpr std::uint16_t kKeys[] = {kVkLeft,   kVkRight, kVkHome, kVkEnd,
                                              kVkDelete, kVkBack,  kVkUp,   kVkDown};
    const TShiftState shift = (how & 1 ? ssShift : 0) | (how & 2 ? ssCtrl : 0);
    switch (what % 6) {
    case 0:
    case 1:
        edit.Type(kTyped[how % (sizeof(kTyped) / sizeof(wchar_t) - 1)]);
        return false;
    case 2: {
        const std::uint16_t key = kKeys[(how >> 2) % std::size(kKeys)];
        edit.Key(key, shift, key == kVkBack ? wchar_t{8} : wchar_t{0});
        return false;
    }
    case 3:
        edit.Click(how % 12);
        return false;
    case 4:
        edit.Cut();
        return false;
    default:
        edit.Paste(std::wstring(how % 4, kTyped[how % 11]));
        return true;
    }
}

// The edit-value text of a display, computed afresh from the mask text.
inline std::wstring FittedEditValue(const std::wstring& maskText, const std::wstring& display) {
    TcxStandardMask mask;
    mask.SetMask(maskText);
    if (mask.Count() == 0) {
        return display;
    }
    std::wstring value = display;
    mask.FitText(value, true);
    mask.ToEditValue(value);
    return value;
}

// Empty when the invariants of an expression kind hold (typing is free and the text is what is
// shown), else what broke.
inline std::string BrokenExpressionInvariant(MaskEditModel& edit) {
    const std::wstring& shown = edit.Display();
    if (edit.Text() != shown) {
        return "Text is not what the field shows";
    }
    if (edit.SelStart() < 0 ||
        edit.SelStart() + edit.SelLength() > static_cast<int>(shown.size())) {
        return "the selection left the text";
    }
    return {};
}

// Empty when the invariants hold, else what broke.
inline std::string BrokenInvariant(MaskEditModel& edit, const TcxStandardMask& mask,
                                   const std::wstring& before, bool pasted, bool grown) {
    const std::wstring& shown = edit.Display();
    if (!grown && static_cast<int>(shown.size()) != mask.Count()) {
        return "the display lost the mask's length";
    }
    if (!pasted) {
        for (int i = 0; i < mask.Count() && i < static_cast<int>(before.size()); ++i) {
            const bool literal = mask.Items(i).AsLiteral() != nullptr;
            if (literal && (i >= static_cast<int>(shown.size()) || shown[i] != before[i])) {
                return "a literal position changed";
            }
        }
    }
    if (edit.Text() != FittedEditValue(edit.Mode().MaskText(), shown)) {
        return "Text is not the fitted edit value of the display";
    }
    if (edit.SelStart() < 0 ||
        edit.SelStart() + edit.SelLength() > static_cast<int>(shown.size())) {
        return "the selection left the text";
    }
    return {};
}

// The mask text a run of bytes chooses for the kind.
inline std::wstring MaskTextOf(TcxEditMaskKind kind, const std::uint8_t* bytes, std::size_t count) {
    std::wstring maskText;
    for (std::size_t i = 0; i < count; ++i) {
        if (kind == emkStandard) {
            maskText += MaskCharacter(bytes[i]);
        } else {
            maskText += ExpressionPiece(bytes[i]);
        }
    }
    return maskText;
}

// A focused, empty model under an active mask; nothing for an expression that does not compile
// or a mask that is none.
inline std::unique_ptr<MaskEditModel> FocusedModel(TcxEditMaskKind kind,
                                                   const std::wstring& maskText) {
    std::unique_ptr<MaskEditModel> edit;
    try {
        edit = std::make_unique<MaskEditModel>(maskText, kind);
    } catch (const EcxMaskEditError&) {
        return nullptr;
    }
    if (!edit->Mode().IsMasked()) {
        return nullptr;
    }
    edit->SetTextAndFocus(L"");
    return edit;
}

// Applies steps to a model and checks after each the invariants of its kind; Validate then
// decides the text as Enter would (for an expression, at most the matcher's work limit).
class StepChecker {
public:
    explicit StepChecker(MaskEditModel& edit)
        : edit_(edit), standard_(dynamic_cast<const TcxMaskEditStandardMode*>(&edit.Mode())) {}

    // Empty when the invariants still hold after the step, else what broke.
    std::string Step(std::uint8_t what, std::uint8_t how) {
        const std::wstring before = edit_.Display();
        const bool pasted = ApplyStep(edit_, what, how);
        if (standard_ == nullptr) {
            return BrokenExpressionInvariant(edit_);
        }
        grown_ = grown_ || static_cast<int>(edit_.Display().size()) > standard_->Mask.Count();
        return BrokenInvariant(edit_, standard_->Mask, before, pasted, grown_);
    }

    bool Validate() { return edit_.Mode().IsTextValid(edit_.Display()); }

private:
    MaskEditModel& edit_;
    const TcxMaskEditStandardMode* standard_;
    bool grown_ = false;
};

} // namespace velkaro::test
