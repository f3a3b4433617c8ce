#include "fuzz/runtime/FuzzInput.h"
#include "runtime/Conversions.h"

#include <cmath>
#include <cstdlib>

// An accepted value survives the general float-to-text and back to 15 significant digits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkaro::fuzzing::FuzzInput input(data, size);
    input.ChooseLocale();
    long double value = 0;
    if (!velkaro::TryTextToFloat(input.Text(), value)) {
        return 0;
    }
    if (!std::isfinite(value)) {
        std::abort();
    }
    long double again = 0;
    if (!velkaro::TryTextToFloat(velkaro::FloatToStr(value), again)) {
        // Only a locale whose decimal separator is the exponent letter cannot read its own
        // text back.
        return 0;
    }
    if (std::fpclassify(value) == FP_NORMAL &&
        std::fabs(again - value) > std::fabs(value) * 1e-13L) {
        std::abort();
    }
    return 0;
}
