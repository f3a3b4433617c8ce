#include "fuzz/runtime/FuzzInput.h"
#include "runtime/Conversions.h"

// Any format with any value: no crash, no sanitizer report.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkaro::fuzzing::FuzzInput input(data, size);
    input.ChooseLocale();
    // Arithmetic turns the bit patterns the hardware does not accept as numbers into NaN,
    // as any value the program computes would be.
    const long double value = input.Value<long double>() + 0.0L;
    const std::wstring format = input.Text();
    velkaro::FormatFloat(format, value);
    velkaro::FloatToStr(value);
    return 0;
}
