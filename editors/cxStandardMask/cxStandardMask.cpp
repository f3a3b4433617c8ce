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
    FindBlanksThatAreContent();
}

void TcxStandardMask::Clear() {
    maskText_.clear();
    blankChar_ = L'_';
    saveLiterals_ = true;
    leadingMark_ = false;
    items_.clear();
    blankIsContent_.clear();
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

// A blank that its position takes as a character of its class (a "0" blank on a digit position)
// may have been typed there, and then reads back as typed. A position that takes any character
// keeps its blank as the mark of a gap, as the edit value of an empty field shows spaces there.
void TcxStandardMask::FindBlanksThatAreContent() {
    blankIsContent_.assign(items_.size(), false);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const TcxStandardMaskCustomItem& item = *items_[i];
        wchar_t c = blankChar_;
        blankIsContent_[i] = item.AsMany() != nullptr &&
                             dynamic_cast<const TcxStandardMaskASCIIItem*>(&item) == nullptr &&
                             item.Check(c) && c == blankChar_;
    }
}

wchar_t TcxStandardMask::EditValueChar(std::size_t index, wchar_t c) const {
    return c == blankChar_ && !blankIsContent_[index] ? L' ' : c;
}

const TcxStandardMaskCustomItem& TcxStandardMask::Items(int index) const {
    CheckListIndex(index, Count());
    return *items_[static_cast<std::size_t>(index)];
}

const TcxStandardMaskLiteralItem* TcxStandardMask::LiteralAt(std::size_t index) const {
    return items_[index]->AsLiteral();
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
            value += EditValueChar(i, blankChar_);
        } else if (saveLiterals_) {
            value += literal->Literal;
        }
    }
    return value;
}

// The scan restarts at the first unfilled position for every character, so a position that
// refused one character stays open for the next: in "9:30" the ":" passes the second digit
// position, which the "3" then fills.
void TcxStandardMask::FitText(std::wstring& text, bool useConverted) const {
    std::wstring result = EmptyText();
    std::vector<bool> filled(items_.size(), false);
    std::size_t filledCount = 0;
    for (const wchar_t original : text) {
        if (filledCount == items_.size()) {
            break;
        }
        wchar_t converted = original;
        for (std::size_t j = 0; j < items_.size(); ++j) {
            if (filled[j]) {
                continue;
            }
            const bool accepted = items_[j]->Check(converted);
            if (accepted) {
                result[j] = useConverted ? converted : original;
            }
            // A blank or space leaves the first open user position blank instead of being dropped.
            if (accepted || (IsBlank(original) && !LiteralAt(j))) {
                filled[j] = true;
                ++filledCount;
                break;
            }
        }
    }
    text = std::move(result);
}

bool TcxStandardMask::IsFullText(std::wstring& text) const {
    if (text.size() != items_.size()) {
        return false;
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const wchar_t original = text[i];
        if (items_[i]->Check(text[i])) {
            continue;
        }
        const auto* many = items_[i]->AsMany();
        if (!(IsBlank(original) && many && many->Optional)) {
            return false;
        }
    }
    return true;
}

void TcxStandardMask::ToEditValue(std::wstring& text) const {
    const std::size_t length = std::min(text.size(), items_.size());
    std::wstring value;
    value.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (!LiteralAt(i)) {
            value += EditValueChar(i, text[i]);
        } else if (saveLiterals_) {
            value += text[i];
        }
    }
    text = std::move(value);
}

} // namespace velkaro
