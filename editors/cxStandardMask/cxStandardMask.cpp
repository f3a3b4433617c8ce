#include "editors/cxStandardMask/cxStandardMask.h"

#include "editors/cxEdit/cxListIndex.h"
#include "runtime/FormatSettings.h"

#include <algorithm>

namespace velkaro {

namespace {

bool IsSaveLiteralsFlag(wchar_t c) {
    return c == L'0' || c == L'1';
}

std::unique_ptr<TcxStandardMaskCustomItem> MakeManyItem(wchar_t maskChar,
                                                        TcxStandardMaskCaseControl caseControl) {
    const bool optional = maskChar >= L'a' && maskChar <= L'z';
    switch (maskChar) {
    case L'L':
    case L'l':
        return std::make_unique<TcxStandardMaskAlphaItem>(caseControl, optional);
    case L'A':
    case L'a':
        return std::make_unique<TcxStandardMaskAlphaNumericItem>(caseControl, optional);
    case L'C':
    case L'c':
        return std::make_unique<TcxStandardMaskASCIIItem>(caseControl, optional);
    case L'0':
        return std::make_unique<TcxStandardMaskNumericItem>(caseControl, false);
    case L'9':
        return std::make_unique<TcxStandardMaskNumericItem>(caseControl, true);
    case L'#':
        return std::make_unique<TcxStandardMaskNumericSymbolItem>(caseControl, true);
    default:
        return nullptr;
    }
}

} // namespace

void TcxStandardMask::SetMask(std::wstring_view maskText) {
    Clear();
    maskText_ = maskText;
    if (!maskText.empty() && maskText.front() == L'!') {
        leadingMark_ = true;
        maskText.remove_prefix(1);
    }
    Parse(maskText);
}

void TcxStandardMask::Clear() {
    maskText_.clear();
    blankChar_ = L'_';
    saveLiterals_ = true;
    leadingMark_ = false;
    items_.clear();
}

void TcxStandardMask::Parse(std::wstring_view text) {
    auto caseControl = TcxStandardMaskCaseControl::None;
    const auto appendLiteral = [this](wchar_t c) {
        items_.push_back(std::make_unique<TcxStandardMaskLiteralItem>(c));
    };
    for (std::size_t p = 0; p < text.size(); ++p) {
        const wchar_t c = text[p];
        if (auto item = MakeManyItem(c, caseControl)) {
            items_.push_back(std::move(item));
        } else if (c == L':') {
            appendLiteral(FormatSettings().TimeSeparator);
        } else if (c == L'/') {
            appendLiteral(FormatSettings().DateSeparator);
        } else if (c == L'\\') {
            if (++p < text.size()) {
                appendLiteral(text[p]);
            }
        } else if (c == L'>') {
            caseControl = TcxStandardMaskCaseControl::Upper;
        } else if (c == L'<') {
            if (p + 1 < text.size() && text[p + 1] == L'>') {
                caseControl = TcxStandardMaskCaseControl::None;
                ++p;
            } else {
                caseControl = TcxStandardMaskCaseControl::Lower;
            }
        } else if (c == L';' && TakeSections(text.substr(p + 1))) {
            return;
        } else {
            appendLiteral(c);
        }
    }
}

// The save-literals and blank sections are recognised only in their exact shapes at the very end
// of the mask; any other ";" is an ordinary literal.
bool TcxStandardMask::TakeSections(std::wstring_view afterSemicolon) {
    if (afterSemicolon.size() == 3 && afterSemicolon[1] == L';' &&
        IsSaveLiteralsFlag(afterSemicolon[0])) {
        saveLiterals_ = afterSemicolon[0] != L'0';
        blankChar_ = afterSemicolon[2];
        return true;
    }
    if (afterSemicolon.size() == 1 && IsSaveLiteralsFlag(afterSemicolon[0])) {
        saveLiterals_ = afterSemicolon[0] != L'0';
        return true;
    }
    return false;
}

const TcxStandardMaskCustomItem& TcxStandardMask::Items(int index) const {
    CheckListIndex(index, Count());
    return *items_[static_cast<std::size_t>(index)];
}

const TcxStandardMaskLiteralItem* TcxStandardMask::LiteralAt(std::size_t index) const {
    return items_[index]->AsLiteral();
}

bool TcxStandardMask::IsGap(const std::wstring& text, const TcxEnteredBlanks& entered,
                            std::size_t index) const {
    return IsBlank(text[index]) && !(index < entered.size() && entered[index]);
}

std::wstring TcxStandardMask::EmptyText() const {
    std::wstring text;
    text.reserve(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto* literal = LiteralAt(i);
        text += literal ? literal->Literal : blankChar_;
    }
    return text;
}

std::wstring TcxStandardMask::EmptyEditValue() const {
    std::wstring value;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto* literal = LiteralAt(i);
        if (!literal) {
            value += L' ';
        } else if (saveLiterals_) {
            value += literal->Literal;
        }
    }
    return value;
}

// Read alone, every blank of a text is offered to the positions as a character.
void TcxStandardMask::FitText(std::wstring& text, bool useConverted) const {
    TcxEnteredBlanks entered(text.size(), true);
    FitText(text, useConverted, entered);
}

// The scan restarts at the first unfilled position for every character, so a position that
// refused one character stays open for the next: in "9:30" the ":" passes the second digit
// position, which the "3" then fills.
void TcxStandardMask::FitText(std::wstring& text, bool useConverted,
                              TcxEnteredBlanks& entered) const {
    std::wstring result = EmptyText();
    TcxEnteredBlanks placed(items_.size(), false);
    std::vector<bool> filled(items_.size(), false);
    std::size_t filledCount = 0;
    for (std::size_t k = 0; k < text.size() && filledCount < items_.size(); ++k) {
        const wchar_t original = text[k];
        const bool gap = IsGap(text, entered, k);
        wchar_t converted = original;
        for (std::size_t j = 0; j < items_.size(); ++j) {
            if (filled[j]) {
                continue;
            }
            const bool many = LiteralAt(j) == nullptr;
            const bool content = items_[j]->BlankIsContent();
            const bool accepted = !(gap && many && !content) && items_[j]->Check(converted);
            if (accepted) {
                result[j] = useConverted ? converted : original;
                placed[j] = IsBlank(result[j]) && !content;
            }
            // A blank or space leaves the first open user position blank instead of being dropped.
            if (accepted || (IsBlank(original) && many)) {
                filled[j] = true;
                ++filledCount;
                break;
            }
        }
    }
    text = std::move(result);
    entered = std::move(placed);
}

bool TcxStandardMask::IsFullText(std::wstring& text) const {
    return IsFullText(text, TcxEnteredBlanks(text.size(), true));
}

bool TcxStandardMask::IsFullText(std::wstring& text, const TcxEnteredBlanks& entered) const {
    if (text.size() != items_.size()) {
        return false;
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto* many = items_[i]->AsMany();
        const wchar_t original = text[i];
        const bool gap = many != nullptr && !many->BlankIsContent() && IsGap(text, entered, i);
        if (!gap && items_[i]->Check(text[i])) {
            continue;
        }
        if (!(IsBlank(original) && many && many->Optional)) {
            return false;
        }
    }
    return true;
}

void TcxStandardMask::ToEditValue(std::wstring& text) const {
    ToEditValue(text, {});
}

void TcxStandardMask::ToEditValue(std::wstring& text, const TcxEnteredBlanks& entered) const {
    const std::size_t length = std::min(text.size(), items_.size());
    std::wstring value;
    value.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (!LiteralAt(i)) {
            // A blank that is content still reads as a space.
            const bool space =
                items_[i]->BlankIsContent() ? text[i] == blankChar_ : IsGap(text, entered, i);
            value += space ? L' ' : text[i];
        } else if (saveLiterals_) {
            value += text[i];
        }
    }
    text = std::move(value);
}

} // namespace velkaro
