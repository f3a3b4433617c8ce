// Random masks and random key sequences: whatever is typed, the mask keeps its shape.
#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"
#include "tests/editors/cxMaskEdit/MaskEditSteps.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace velkaro {
namespace {

TEST(MaskEditPropertyTest, RandomKeysKeepTheMasksShape) {
    ResetFormatSettings();
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 400; ++round) {
        std::wstring maskText;
        for (int n = byte(random) % 12 + 1; n > 0; --n) {
            maskText += testing::MaskCharacter(static_cast<std::uint8_t>(byte(random)));
        }
        testing::MaskEditModel edit(maskText);
        if (!edit.Mode().IsMasked()) {
            continue;
        }
        const auto& mask = dynamic_cast<TcxMaskEditStandardMode&>(edit.Mode()).Mask;
        edit.SetTextAndFocus(L"");
        bool grown = false;
        std::wstring steps;
        for (int step = 0; step < 60; ++step) {
            const std::wstring before = edit.Display();
            const auto what = static_cast<std::uint8_t>(byte(random));
            const auto how = static_cast<std::uint8_t>(byte(random));
            const bool pasted = testing::ApplyStep(edit, what, how);
            grown = grown || static_cast<int>(edit.Display().size()) > mask.Count();
            steps += L" " + std::to_wstring(what) + L"/" + std::to_wstring(how);
            const std::string broken = testing::BrokenInvariant(edit, mask, before, pasted, grown);
            ASSERT_EQ(broken, "") << "mask " << ToUtf8(maskText) << ", steps" << ToUtf8(steps)
                                  << ", display " << ToUtf8(edit.Display());
        }
    }
    ResetFormatSettings();
}

} // namespace
} // namespace velkaro
