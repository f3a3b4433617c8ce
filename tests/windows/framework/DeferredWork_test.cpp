#include "framework/DeferredWork.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velkaro::test {
namespace {

// An owner destroyed while its work is pending takes the work with it: nothing runs in its name,
// not even the work of the next owner built in the same place, as the next object often is.
TEST(DeferredWorkTest, AnOwnerDestroyedWhileItsWorkIsPendingLeavesNothingToRun) {
    std::string ran;
    std::optional<TDeferred> owner;
    owner.emplace([&ran] { ran += "destroyed owner's;"; });
    owner->Schedule();
    owner.reset();
    owner.emplace([&ran] { ran += "unscheduled;"; });
    RunDeferredWork();
    EXPECT_EQ(ran, "");
}

} // namespace
} // namespace velkaro::test
