#pragma once
// Arbitrary editing steps for a masked edit model and the invariants that must hold after each,
// shared by the property test and the fuzzer.
#include "editors/cxStandardMask/cxStandardMask.h"
#include "tests/editors/cxMaskEdit/MaskEditModel.h"

#include <cstdint>
#include <string>

namespace velkaro::testing {

// A mask character chosen by a byte: mask characters, literals, sections and escapes.
inline wchar_t MaskCharacter(std::uint8_t byte) {
    static constexpr wchar_t kAlphabet[] = L"09#LlAaCc:/\\-()<>!; _x0099";
    return kAlphabet[byte % (sizeof(kAlphabet) / sizeof(wchar_t) - 1)];
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

} // namespace velkaro::testing
