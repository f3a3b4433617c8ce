#include "editors/cxEdit/cxEditState.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace velkaro {
namespace {

TEST(EditStateTest, MarksSetTheSpanFlags) {
    TcxEditState state;
    state.SetInputChecked(true);
    state.MarkModified();
    EXPECT_TRUE(state.EditingActive());
    EXPECT_TRUE(state.TextModified());
    EXPECT_FALSE(state.InputChecked());

    state.MarkSetByCode();
    EXPECT_FALSE(state.EditingActive());
    EXPECT_FALSE(state.TextModified());

    state.MarkEditing();
    EXPECT_TRUE(state.EditingActive());
    EXPECT_FALSE(state.TextModified());
}

TEST(EditStateTest, NestedOperationsRestoreThePairTheyFound) {
    TcxEditState state;
    state.MarkModified();
    state.PushModifiedState();
    state.MarkSetByCode(); // a commit inside validation
    state.PushModifiedState();
    state.MarkEditing();
    state.PopModifiedState();
    EXPECT_FALSE(state.EditingActive());
    state.PopModifiedState();
    EXPECT_TRUE(state.EditingActive());
    EXPECT_TRUE(state.TextModified());
    EXPECT_EQ(state.ModifiedStateDepth(), 0);
    // An unmatched pop keeps the current pair.
    state.PopModifiedState();
    EXPECT_TRUE(state.TextModified());
}

TEST(EditStateTest, ASaveRestoresThePairWhenTheOperationFails) {
    TcxEditState state;
    state.MarkModified();
    try {
        const TcxModifiedStateSave saved(state);
        state.MarkSetByCode();
        throw std::runtime_error("the commit failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(state.EditingActive());
    EXPECT_TRUE(state.TextModified());
    EXPECT_EQ(state.ModifiedStateDepth(), 0);
}

TEST(EditStateDeathTest, ASaveAssertsThatTheOperationLeftTheStackAsItFoundIt) {
    EXPECT_DEBUG_DEATH(
        {
            TcxEditState state;
            const TcxModifiedStateSave saved(state);
            state.PopModifiedState();
        },
        "unbalanced");
}

class ChangeEventsTest : public ::testing::Test {
protected:
    ChangeEventsTest() {
        onChange = [this](TObject*) { fired.push_back("change"); };
        onValue = [this](TObject*) { fired.push_back("value"); };
    }
    void Unlock(bool fire) { events.Unlock(fire, onChange, onValue, nullptr); }

    TcxEditChangeEvents events;
    TNotifyEvent onChange;
    TNotifyEvent onValue;
    std::vector<std::string> fired;
};

TEST_F(ChangeEventsTest, UnlockedEventsFireAtOnce) {
    events.FireChange(onChange, nullptr);
    events.FireEditValueChanged(onValue, nullptr);
    EXPECT_EQ(fired, (std::vector<std::string>{"change", "value"}));
}

TEST_F(ChangeEventsTest, HeldBackEventsFireOnceEachWhenTheOutermostLockIsReleased) {
    events.Lock();
    events.Lock();
    events.FireEditValueChanged(onValue, nullptr);
    events.FireChange(onChange, nullptr);
    events.FireChange(onChange, nullptr);
    Unlock(true);
    EXPECT_TRUE(fired.empty());
    Unlock(true);
    // OnChange first, whatever the order they were raised in.
    EXPECT_EQ(fired, (std::vector<std::string>{"change", "value"}));
    Unlock(true);
    EXPECT_EQ(fired.size(), 2u);
}

TEST_F(ChangeEventsTest, AnUnlockWithoutFireDropsNothingUntilTheNextLockBegins) {
    events.Lock();
    events.FireChange(onChange, nullptr);
    Unlock(false);
    EXPECT_TRUE(fired.empty());
    EXPECT_TRUE(events.ChangePending());
    events.Lock(); // a new outermost lock starts clean
    EXPECT_FALSE(events.ChangePending());
    Unlock(true);
    EXPECT_TRUE(fired.empty());
}

TEST_F(ChangeEventsTest, NothingFiresOrIsRememberedWhileEventsAreBarred) {
    bool allowed = false;
    events.CanFire = [&allowed] { return allowed; };
    events.FireChange(onChange, nullptr);
    events.Lock();
    events.FireEditValueChanged(onValue, nullptr);
    allowed = true;
    Unlock(true);
    EXPECT_TRUE(fired.empty());
}

TEST_F(ChangeEventsTest, AHandlerMayStartAnotherLockedOperation) {
    int changes = 0;
    const TNotifyEvent reentrant = [&](TObject*) {
        if (++changes == 1) {
            events.Lock();
            events.FireChange(onChange, nullptr);
            events.Unlock(true, onChange, onValue, nullptr);
        }
    };
    events.Lock();
    events.FireChange(reentrant, nullptr);
    events.Unlock(true, reentrant, onValue, nullptr);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fired, (std::vector<std::string>{"change"}));
    EXPECT_EQ(events.LockCount(), 0);
}

} // namespace
} // namespace velkaro
