#pragma once
// Arbitrary editing steps for a masked edit model and the invariants that must hold after each,
// shared by the property test and the fuzzer.
#include "editors/cxStandardMask/cxStandardMask.h"
#include "tests/support/MaskEditModel.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velkaro::test {

// A mask character chosen by a byte: mask characters, literals, sections and escapes.
inline wchar_t MaskCharacter(std::uint8_t byte) {
    static constexpr wchar_t kAlphabet[] = L"09#LlAaCc:/\\-()<>!; _x0099";
    return kAlphabet[byte % (sizeof(kAlphabet) / sizeof(wchar_t) - 1)];
}

// A blank section for a generated mask, chosen by a byte: often a blank that positions take
// ("0" for digits, "a" for letters, "+" for a sign, any blank for any-character positions).
inline std::wstring_view BlankSection(std::uint8_t byte) {
    static constexpr std::wstring_view kSections[] = {L"",     L"",     L";1;0", L";0;0",
                                                      L";1;9", L";1;a", L";1;+", L";0; "};
    return kSections[(byte >> 5) % std::size(kSections)];
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

// What a step did, as far as the checks after it need to know.
struct AppliedStep {
    enum Kind { Typed, Erased, Pasted, Written, Other } kind = Other;
    std::size_t caret = 0; // the selection start before the step
    std::wstring text;     // the character typed, the text pasted or the value written
};

// One step chosen by two bytes. A paste may overwrite literals and make the text longer than the
// mask; a write is code setting the edit value.
inline AppliedStep ApplyStep(MaskEditModel& edit, std::uint8_t what, std::uint8_t how) {
    static constexpr wchar_t kTyped[] = L"0123456789aZ:._ -+/\x00e7\x0130";
    static constexpr std::size_t kTypedCount = sizeof(kTyped) / sizeof(wchar_t) - 1;
    static constexpr std::uint16_t kKeys[] = {kVkLeft,   kVkRight, kVkHome, kVkEnd,
                                              kVkDelete, kVkBack,  kVkUp,   kVkDown};
    const TShiftState shift = (how & 1 ? ssShift : 0) | (how & 2 ? ssCtrl : 0);
    AppliedStep step;
    step.caret = static_cast<std::size_t>(edit.SelStart());
    switch (what % 7) {
    case 0:
    case 1:
        step.kind = AppliedStep::Typed;
        step.text = std::wstring(1, kTyped[how % kTypedCount]);
        edit.Type(step.text[0]);
        break;
    case 2: {
        const std::uint16_t key = kKeys[(how >> 2) % std::size(kKeys)];
        if (key == kVkDelete || key == kVkBack) {
            step.kind = AppliedStep::Erased;
        }
        edit.Key(key, shift, key == kVkBack ? wchar_t{8} : wchar_t{0});
        break;
    }
    case 3:
        edit.Click(how % 12);
        break;
    case 4:
        step.kind = AppliedStep::Erased;
        edit.Cut();
        break;
    case 5:
        step.kind = AppliedStep::Pasted;
        step.text = std::wstring(how % 4, kTyped[how % 11]);
        edit.Paste(step.text);
        break;
    default:
        step.kind = AppliedStep::Written;
        for (int i = 0; i < how % 5; ++i) {
            step.text += kTyped[(how + 7 * i) % kTypedCount];
        }
        edit.WriteEditValue(step.text);
        break;
    }
    return step;
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

// For each character of the display, whether a key, a paste or a write may have put a blank
// character there: the field may read a blank as a character only there. And where a blank was
// typed since the last erasure, paste or write: the field must read it as a character.
class EnteredBlanksShadow {
public:
    void Follow(const AppliedStep& step, const TcxStandardMask& mask, const std::wstring& shown) {
        may_.resize(std::max(may_.size(), shown.size()), false);
        if (step.kind != AppliedStep::Typed && step.kind != AppliedStep::Other) {
            must_.clear();
        }
        must_.resize(shown.size(), false);
        switch (step.kind) {
        case AppliedStep::Typed:
            Typed(step, mask);
            break;
        case AppliedStep::Pasted:
            may_.resize(std::max(may_.size(), step.caret + step.text.size()), false);
            std::fill_n(may_.begin() + static_cast<std::ptrdiff_t>(step.caret), step.text.size(),
                        true);
            break;
        case AppliedStep::Written:
            // An edit value holds a space for an unfilled position: blanks in it were entered.
            may_.assign(shown.size(), step.text.find(mask.BlankChar()) != std::wstring::npos &&
                                          mask.BlankChar() != L' ');
            break;
        case AppliedStep::Erased:
        case AppliedStep::Other:
            break;
        }
        may_.resize(shown.size(), false);
    }

    bool May(std::size_t index) const { return index < may_.size() && may_[index]; }
    bool Must(std::size_t index) const { return index < must_.size() && must_[index]; }
    bool Any() const { return std::find(may_.begin(), may_.end(), true) != may_.end(); }

private:
    // The typed character goes to the first position from the caret that is not a literal.
    void Typed(const AppliedStep& step, const TcxStandardMask& mask) {
        auto position = static_cast<int>(step.caret);
        while (position < mask.Count() && mask.Items(position).AsLiteral() != nullptr) {
            ++position;
        }
        wchar_t typed = step.text[0];
        if (position < mask.Count() && static_cast<std::size_t>(position) < may_.size() &&
            mask.Items(position).Check(typed)) {
            may_[position] = true;
            must_[position] = true;
        }
    }

    std::vector<bool> may_;
    std::vector<bool> must_;
};

// Empty when the invariants hold, else what broke.
inline std::string BrokenInvariant(MaskEditModel& edit, const TcxStandardMask& mask,
                                   const std::wstring& before, const AppliedStep& step, bool grown,
                                   const EnteredBlanksShadow& shadow) {
    const std::wstring& shown = edit.Display();
    if (!grown && static_cast<int>(shown.size()) != mask.Count()) {
        return "the display lost the mask's length";
    }
    if (step.kind != AppliedStep::Pasted && step.kind != AppliedStep::Written) {
        for (int i = 0; i < mask.Count() && i < static_cast<int>(before.size()); ++i) {
            const bool literal = mask.Items(i).AsLiteral() != nullptr;
            if (literal && (i >= static_cast<int>(shown.size()) || shown[i] != before[i])) {
                return "a literal position changed";
            }
        }
    }
    if (edit.SelStart() < 0 ||
        edit.SelStart() + edit.SelLength() > static_cast<int>(shown.size())) {
        return "the selection left the text";
    }
    // Read alone the display gives its blanks as gaps, or as characters where a position takes
    // them; the field may differ only where it reads a blank as a gap, or keeps a blank that was
    // entered.
    const std::wstring alone = FittedEditValue(edit.Mode().MaskText(), shown);
    const std::wstring text = edit.Text();
    if (text.size() != alone.size()) {
        return "Text is not the fitted edit value of the display";
    }
    // Where the display shows each character in its own position, positions map to it.
    const bool inPlace =
        static_cast<int>(shown.size()) == mask.Count() && edit.Mode().FormatText(shown) == shown;
    bool full = true;
    std::size_t k = 0;
    for (int i = 0; i < mask.Count() && k < text.size(); ++i) {
        const auto* many = mask.Items(i).AsMany();
        if (many == nullptr && !mask.SaveLiterals()) {
            continue;
        }
        if (text[k] != alone[k]) {
            const bool gap = text[k] == L' ' && (!inPlace || mask.IsBlank(shown[i]));
            const bool entered = inPlace ? shadow.May(static_cast<std::size_t>(i)) : shadow.Any();
            if (!gap && (alone[k] != L' ' || text[k] != mask.BlankChar() || !entered)) {
                return "the edit value holds a character no key, paste or write entered";
            }
        }
        // Where any character goes, a blank is content and reads as a space.
        const bool gapless = many != nullptr && many->BlankIsContent();
        if (inPlace && many != nullptr && !gapless && shadow.Must(static_cast<std::size_t>(i)) &&
            mask.IsBlank(shown[i]) && text[k] != shown[i]) {
            return "a blank typed into a position reads as a gap";
        }
        full = full && (many == nullptr || many->Optional || gapless || text[k] != L' ');
        if (inPlace && many != nullptr && !many->Optional && !gapless && text[k] == L' ' &&
            shown[i] != L' ' && edit.Mode().IsTextValid(shown)) {
            return "a text with a position unfilled passes validation";
        }
        ++k;
    }
    if (inPlace && full && !edit.Mode().IsTextValid(shown)) {
        return "a text with every position filled fails validation";
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
    if (kind == emkStandard && count > 0) {
        maskText += BlankSection(bytes[0]);
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
        const AppliedStep step = ApplyStep(edit_, what, how);
        if (standard_ == nullptr) {
            return BrokenExpressionInvariant(edit_);
        }
        shadow_.Follow(step, standard_->Mask, edit_.Display());
        grown_ = grown_ || static_cast<int>(edit_.Display().size()) > standard_->Mask.Count();
        return BrokenInvariant(edit_, standard_->Mask, before, step, grown_, shadow_);
    }

    bool Validate() { return edit_.Mode().IsTextValid(edit_.Display()); }

private:
    MaskEditModel& edit_;
    const TcxMaskEditStandardMode* standard_;
    EnteredBlanksShadow shadow_;
    bool grown_ = false;
};

} // namespace velkaro::test
