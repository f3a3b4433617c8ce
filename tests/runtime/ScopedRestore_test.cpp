#include "runtime/ScopedRestore.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace velkaro {
namespace {

TEST(ScopedValue, TheValueBeforeComesBackOnEveryWayOutAndNestedScopesUnwindInOrder) {
    std::wstring text = L"before";
    int depth = 0;
    {
        const auto outer = ScopedValue(text, L"outer");
        const auto deeper = ScopedValue(depth, depth + 1);
        try {
            const auto inner = ScopedValue(text, std::wstring(L"inner"));
            const auto deepest = ScopedValue(depth, depth + 1);
            EXPECT_EQ(depth, 2);
            throw std::runtime_error("leaving");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(text, L"outer");
        EXPECT_EQ(depth, 1);
    }
    EXPECT_EQ(text, L"before");
    EXPECT_EQ(depth, 0);
}

} // namespace
} // namespace velkaro
