#pragma once
// The standard edit mask: parses a mask text such as "!90:00;1;_" into one item per character
// position and fits, tests and converts texts against it.
#include "editors/cxStandardMask/cxStandardMaskItems.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// For each character of a text, whether it is a blank that was entered; missing entries are
// false.
using TcxEnteredBlanks = std::vector<bool>;

class TcxStandardMask {
public:
    // Every text is a valid mask: characters without a meaning of their own become literals.
    // ":" and "/" take the locale's separators as they are now.
    void SetMask(std::wstring_view maskText);
    void Clear();

    int Count() const { return static_cast<int>(items_.size()); }
    const TcxStandardMaskCustomItem& Items(int index) const;
    const std::wstring& MaskText() const { return maskText_; }
    wchar_t BlankChar() const { return blankChar_; }
    bool SaveLiterals() const { return saveLiterals_; }
    bool LeadingMark() const { return leadingMark_; }

    std::wstring EmptyText() const;
    // The edit value of EmptyText.
    std::wstring EmptyEditValue() const;
    // Places each character of the text into the first unfilled position that takes it; the
    // result always has Count characters.
    void FitText(std::wstring& text, bool useConverted) const;
    // The text may come back case-converted.
    bool IsFullText(std::wstring& text) const;
    // Unfilled positions become spaces; literals stay only when SaveLiterals is set.
    void ToEditValue(std::wstring& text) const;

    // The same, told what the text alone cannot tell: which of its blanks (the blank character
    // or a space) were entered as characters rather than left as the mark of an unfilled
    // position. A blank not entered is a gap even where its position would take it; any other
    // character counts as entered. Where any character goes, a blank is content, entered or not.
    // FitText gives back the entered blanks of the fitted text.
    void FitText(std::wstring& text, bool useConverted, TcxEnteredBlanks& entered) const;
    bool IsFullText(std::wstring& text, const TcxEnteredBlanks& entered) const;
    void ToEditValue(std::wstring& text, const TcxEnteredBlanks& entered) const;
    bool IsBlank(wchar_t c) const { return c == blankChar_ || c == L' '; }

private:
    void Parse(std::wstring_view text);
    bool TakeSections(std::wstring_view afterSemicolon);
    const TcxStandardMaskLiteralItem* LiteralAt(std::size_t index) const;
    // Whether the character at the index of a text is a blank that marks an unfilled position.
    bool IsGap(const std::wstring& text, const TcxEnteredBlanks& entered, std::size_t index) const;

    std::wstring maskText_;
    wchar_t blankChar_ = L'_';
    bool saveLiterals_ = true;
    bool leadingMark_ = false;
    std::vector<std::unique_ptr<TcxStandardMaskCustomItem>> items_;
};

} // namespace velkaro
