#include "fuzz/runtime/FuzzInput.h"
#include "runtime/Conversions.h"
#include "runtime/Exceptions.h"

#include <cstdlib>

// The strict conversion raises exactly where the lenient one refuses, and agrees otherwise.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkaro::fuzzing::FuzzInput input(data, size);
    input.ChooseLocale();
    const std::wstring text = input.Text();
    long double lenient = 0;
    const bool accepted = velkaro::TryTextToFloat(text, lenient);
    try {
        const long double strict = velkaro::StrToFloat(text);
        if (!accepted || !(strict == lenient)) {
            std::abort();
        }
    } catch (const velkaro::EConvertError&) {
        if (accepted) {
            std::abort();
        }
    }
    return 0;
}
