#include "core/sayiyazi.h"
#include "fuzz/runtime/FuzzInput.h"
#include "runtime/Exceptions.h"

#include <cstdlib>

// Any amount: words, the negative text, or the error for amounts beyond the words' frame.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkaro::fuzzing::FuzzInput input(data, size);
    const long double tutar = input.Value<long double>() + 0.0L;
    try {
        const std::wstring words = velkaro::SayiYazi(tutar);
        if (!words.empty() && words.front() != L' ' && words != L"Negatif değer") {
            std::abort();
        }
    } catch (const velkaro::EConvertError&) {
    }
    return 0;
}
