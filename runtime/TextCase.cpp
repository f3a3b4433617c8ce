// Without a system locale: the common rules of the Latin letters.
#include "runtime/TextCase.h"

#include "runtime/CaseFold.h"

#include <algorithm>

namespace velkaro {

std::wstring ConvertCase(std::wstring_view text, TTextCase to) {
    std::wstring result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   to == TTextCase::Upper ? LatinUpperCase : LatinLowerCase);
    return result;
}

} // namespace velkaro
