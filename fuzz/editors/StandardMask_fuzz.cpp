// Parses arbitrary masks and fits, tests and converts arbitrary texts against them, told or not
// which blanks were entered. Besides the sanitizers it checks that a fitted text always has one
// character per position, and that knowing the entered blanks changes an edit value only where it
// keeps one.
#include "editors/cxStandardMask/cxStandardMask.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// Two bytes make one UTF-16 code unit, so every character value can occur.
std::wstring CodeUnits(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const bool useConverted = (data[0] & 1) != 0;
    const std::size_t maskBytes = std::min<std::size_t>(data[1], size - 2);
    velkaro::TcxStandardMask mask;
    mask.SetMask(CodeUnits(data + 2, maskBytes));
    std::wstring text = CodeUnits(data + 2 + maskBytes, size - 2 - maskBytes);

    std::wstring unfitted = text;
    mask.IsFullText(unfitted);
    mask.FitText(text, useConverted);
    if (static_cast<int>(text.size()) != mask.Count()) {
        std::abort();
    }
    mask.IsFullText(text);
    mask.ToEditValue(text);
    if (text.size() > static_cast<std::size_t>(mask.Count())) {
        std::abort();
    }

    // Told which blanks were entered, the edit value differs only where it keeps one.
    velkaro::TcxEnteredBlanks entered;
    for (std::size_t i = 0; i < unfitted.size(); ++i) {
        entered.push_back((data[i % size] & 2) != 0);
    }
    std::wstring told = unfitted;
    mask.FitText(told, useConverted, entered);
    if (static_cast<int>(told.size()) != mask.Count() || entered.size() != told.size()) {
        std::abort();
    }
    mask.IsFullText(told, entered);
    std::wstring alone = told;
    mask.ToEditValue(alone);
    mask.ToEditValue(told, entered);
    if (told.size() != alone.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < told.size(); ++i) {
        if (told[i] != alone[i] && !(alone[i] == L' ' && mask.IsBlank(told[i]))) {
            std::abort();
        }
    }
    return 0;
}
