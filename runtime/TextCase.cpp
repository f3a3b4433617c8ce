// Without a system locale: the common rules of the Latin letters.
#include "runtime/TextCase.h"

#include "runtime/CaseFold.h"

#include <algorithm>

namespace velkaro {

namespace {

std::wstring Converted(std::wstring_view text, wchar_t (*convert)(wchar_t)) {
    std::wstring result(text);
    std::transform(result.begin(), result.end(), result.begin(), convert);
    return result;
}

} // namespace

std::wstring UpperCaseText(std::wstring_view text) {
    return Converted(text, LatinUpperCase);
}

std::wstring LowerCaseText(std::wstring_view text) {
    return Converted(text, LatinLowerCase);
}

} // namespace velkaro
