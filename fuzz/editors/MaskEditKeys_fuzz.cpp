// Feeds arbitrary key sequences to the masked edit's rules under arbitrary masks. Besides the
// sanitizers it checks that the mask keeps its shape after every step.
#include "tests/editors/cxMaskEdit/MaskEditSteps.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::size_t maskLength = std::min<std::size_t>(data[0] % 16, size - 1);
    std::wstring maskText;
    for (std::size_t i = 1; i <= maskLength; ++i) {
        maskText += velkaro::testing::MaskCharacter(data[i]);
    }
    velkaro::testing::MaskEditModel edit(maskText);
    if (!edit.Mode().IsMasked()) {
        return 0;
    }
    const auto& mask = dynamic_cast<velkaro::TcxMaskEditStandardMode&>(edit.Mode()).Mask;
    edit.SetTextAndFocus(L"");
    bool grown = false;
    for (std::size_t i = 1 + maskLength; i + 1 < size; i += 2) {
        const std::wstring before = edit.Display();
        const bool pasted = velkaro::testing::ApplyStep(edit, data[i], data[i + 1]);
        grown = grown || static_cast<int>(edit.Display().size()) > mask.Count();
        if (!velkaro::testing::BrokenInvariant(edit, mask, before, pasted, grown).empty()) {
            std::abort();
        }
    }
    return 0;
}
