#include "editors/cxEdit/cxEditKeys.h"

#include <gtest/gtest.h>

namespace velkaro::test {

TEST(EditKeysTest, NavigationKeysArePageEndHomeAndArrows) {
    EXPECT_TRUE(IsNavigationKey(33));
    EXPECT_TRUE(IsNavigationKey(40));
    EXPECT_FALSE(IsNavigationKey(41));
    EXPECT_FALSE(IsNavigationKey(32));
}

TEST(EditKeysTest, ShortCutsCarryTheShiftState) {
    EXPECT_EQ(ShortCutOf(13, ssCtrl), 0x400D);
    EXPECT_EQ(ShortCutOf(46, ssShift | ssAlt), 0xA02E);
    EXPECT_EQ(ShortCutOf(65, 0), 65);
}

} // namespace velkaro::test
