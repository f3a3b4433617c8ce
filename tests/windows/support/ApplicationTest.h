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

} // namespace velkaro::test
