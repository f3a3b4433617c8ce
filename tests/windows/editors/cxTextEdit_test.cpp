#include "editors/cxTextEdit.h"
#include "framework/Application.h"
#include "tests/windows/editors/EditTestForm.h"
#include "tests/windows/framework/WindowDriver.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

using namespace test;

class TextEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartApplication();
        ReportedErrors().clear();
    }
};

TEST_F(TextEditTest, TypingShowsInTextAndCommitsOnExit) {
    TEditForm form;
    TChangeCounts counts;
    CountChanges(form.Edit(0).Properties(), counts);
    form.Show();
    ASSERT_TRUE(HasFocus(form.Edit(0)));
    TypeText(L"abc");
    EXPECT_EQ(form.Edit(0).Text(), L"abc");
    EXPECT_TRUE(form.Edit(0).EditValue().IsNull());
    EXPECT_EQ(counts, (TChangeCounts{3, 0}));
    PressKey(VK_TAB);
    EXPECT_TRUE(HasFocus(form.Edit(1)));
    EXPECT_EQ(form.Edit(0).EditValue(), Variant(L"abc"));
    EXPECT_EQ(counts, (TChangeCounts{3, 1}));
    EXPECT_TRUE(ReportedErrors().empty());
}

} // namespace
} // namespace velkaro
