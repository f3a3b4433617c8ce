#include "editors/cxStandardMask/cxStandardMaskItems.h"

namespace velkaro {

namespace {

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool IsAsciiDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

constexpr wchar_t kCaseDistance = L'a' - L'A';

} // namespace

void TcxStandardMaskManyItem::ApplyCaseControl(wchar_t& c) const {
    if (CaseControl == TcxStandardMaskCaseControl::Upper && c >= L'a' && c <= L'z') {
        c = static_cast<wchar_t>(c - kCaseDistance);
    } else if (CaseControl == TcxStandardMaskCaseControl::Lower && c >= L'A' && c <= L'Z') {
        c = static_cast<wchar_t>(c + kCaseDistance);
    }
}

bool TcxStandardMaskAlphaItem::Check(wchar_t& c) const {
    ApplyCaseControl(c);
    return IsAsciiLetter(c);
}

bool TcxStandardMaskAlphaNumericItem::Check(wchar_t& c) const {
    ApplyCaseControl(c);
    return IsAsciiLetter(c) || IsAsciiDigit(c);
}

bool TcxStandardMaskASCIIItem::Check(wchar_t& c) const {
    ApplyCaseControl(c);
    return true;
}

bool TcxStandardMaskNumericItem::Check(wchar_t& c) const {
    ApplyCaseControl(c);
    return IsAsciiDigit(c);
}

bool TcxStandardMaskNumericSymbolItem::Check(wchar_t& c) const {
    ApplyCaseControl(c);
    return IsAsciiDigit(c) || c == L'+' || c == L'-';
}

} // namespace velkaro
