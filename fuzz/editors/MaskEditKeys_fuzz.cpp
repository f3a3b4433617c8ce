// Feeds arbitrary key sequences, pastes and written values to the masked edit's rules under
// arbitrary masks of every kind, blanks that positions take among them. Besides the sanitizers it
// checks that a standard mask keeps its shape after every step and that its edit value holds no
// blank that no key, paste or write entered, and that an expression kind types freely and
// decides the text it ends with.
#include "tests/support/MaskEditSteps.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const velkaro::TcxEditMaskKind kind = velkaro::test::MaskKindOf(data[0]);
    const std::size_t maskLength = std::min<std::size_t>(data[0] / 4 % 16, size - 1);
    const auto edit =
        velkaro::test::FocusedModel(kind, velkaro::test::MaskTextOf(kind, data + 1, maskLength));
    if (!edit) {
        return 0;
    }
    velkaro::test::StepChecker checker(*edit);
    for (std::size_t i = 1 + maskLength; i + 1 < size; i += 2) {
        if (!checker.Step(data[i], data[i + 1]).empty()) {
            std::abort();
        }
    }
    checker.Validate();
    return 0;
}
