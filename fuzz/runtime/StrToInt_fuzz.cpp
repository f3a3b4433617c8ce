#include "fuzz/runtime/FuzzInput.h"
#include "runtime/Conversions.h"
#include "runtime/Exceptions.h"

#include <cstdlib>

// Every accepted text reads back the same after writing, and StrToInt agrees with TryStrToInt.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkaro::fuzzing::FuzzInput input(data, size);
    const std::wstring text = input.Text();
    std::int32_t value = 0;
    const bool accepted = velkaro::TryStrToInt(text, value);
    try {
        if (velkaro::StrToInt(text) != value || !accepted) {
            std::abort();
        }
        if (velkaro::StrToInt(velkaro::IntToStr(value)) != value) {
            std::abort();
        }
    } catch (const velkaro::EConvertError&) {
        if (accepted) {
            std::abort();
        }
    }
    return 0;
}
