// Random masks of every kind (blanks that positions take among them) and random keys, pastes and
// written values: whatever is typed, a standard mask keeps its shape and its edit value holds a
// blank only where one was entered, an expression kind types freely, and either decides the text
// it ends with.
#include "runtime/FormatSettings.h"
#include "runtime/Utf.h"
#include "tests/support/MaskEditSteps.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace velkaro::test {
namespace {

TEST(MaskEditPropertyTest, RandomKeysKeepEachKindsRules) {
    ResetFormatSettings();
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    auto nextByte = [&] { return static_cast<std::uint8_t>(byte(random)); };
    for (int round = 0; round < 600; ++round) {
        const TcxEditMaskKind kind = MaskKindOf(nextByte());
        std::vector<std::uint8_t> maskBytes(static_cast<std::size_t>(byte(random) % 12 + 1));
        for (auto& b : maskBytes) {
            b = nextByte();
        }
        const std::wstring maskText = MaskTextOf(kind, maskBytes.data(), maskBytes.size());
        const auto edit = FocusedModel(kind, maskText);
        if (!edit) {
            continue;
        }
        StepChecker checker(*edit);
        std::wstring steps;
        for (int step = 0; step < 60; ++step) {
            const auto what = nextByte();
            const auto how = nextByte();
            const std::string broken = checker.Step(what, how);
            steps += L" " + std::to_wstring(what) + L"/" + std::to_wstring(how);
            ASSERT_EQ(broken, "") << "kind " << kind << ", mask " << ToUtf8(maskText) << ", steps"
                                  << ToUtf8(steps) << ", display " << ToUtf8(edit->Display());
        }
        EXPECT_NO_THROW(checker.Validate()) << ToUtf8(maskText);
    }
    ResetFormatSettings();
}

} // namespace
} // namespace velkaro::test
