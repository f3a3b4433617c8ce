#pragma once
// The fixture of a test of real windows: the application started, no error reported yet.
#include "tests/windows/support/WindowDriver.h"

#include <gtest/gtest.h>

namespace velkaro::test {

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartApplication();
        ReportedErrors().clear();
    }
};

// The same with the reports shown as the operator sees them: in the system's message box, whose
// modal loop runs inside the handler that failed.
class SystemErrorBoxTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        UseSystemErrorBox(true);
    }
    void TearDown() override { UseSystemErrorBox(false); }
};

} // namespace velkaro::test
