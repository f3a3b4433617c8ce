#include "fuzz/runtime/FuzzInput.h"
#include "runtime/TimeParse.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkaro::fuzzing::FuzzInput input(data, size);
    input.ChooseLocale();
    velkaro::TimeOfDay time;
    if (velkaro::TryStrToTime(input.Text(), time)) {
        const bool valid = time.Hour >= 0 && time.Hour < 24 && time.Minute >= 0 &&
                           time.Minute < 60 && time.Second >= 0 && time.Second < 60 &&
                           time.Millisecond >= 0 && time.Millisecond < 1000;
        if (!valid) {
            std::abort();
        }
    }
    return 0;
}
