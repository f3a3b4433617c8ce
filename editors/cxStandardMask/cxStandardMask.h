#pragma once
// The standard edit mask: parses a mask text such as "!90:00;1;_" into one item per character
// position and fits, tests and converts texts against it.
#include "editors/cxStandardMask/cxStandardMaskItems.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

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
    // Unfilled positions become spaces (a blank its position takes as content stays);
    // literals stay only when SaveLiterals is set.
    void ToEditValue(std::wstring& text) const;

private:
    void Parse(std::wstring_view text);
    bool TakeSections(std::wstring_view afterSemicolon);
    void FindBlanksThatAreContent();
    // The character of an edit value for a many position showing c.
    wchar_t EditValueChar(std::size_t index, wchar_t c) const;
    const TcxStandardMaskLiteralItem* LiteralAt(std::size_t index) const;
    bool IsBlank(wchar_t c) const { return c == blankChar_ || c == L' '; }

    std::wstring maskText_;
    wchar_t blankChar_ = L'_';
    bool saveLiterals_ = true;
    bool leadingMark_ = false;
    std::vector<std::unique_ptr<TcxStandardMaskCustomItem>> items_;
    std::vector<bool> blankIsContent_;
};

} // namespace velkaro
