#include "runtime/ErrorReportText.h"

#include <gtest/gtest.h>

#include <string>

namespace velkaro {
namespace {

TEST(ErrorReportText, AFullStopFollowsALastCharacterThatSortsAfterIt) {
    const struct {
        std::wstring Message, Text;
    } cases[] = {
        {L"", L""},
        {L"x", L"x."},
        {L"x.", L"x."},
        {L"x!", L"x!"},
        {L"x?", L"x?."},
        {L"abc", L"abc."},
        {L"x-", L"x-"},
        {L"x ", L"x "},
        {L"x)", L"x)"},
        {L"x/", L"x/."},
        {L"x0", L"x0."},
        {L"Pano a\u00E7\u0131lam\u0131yor", L"Pano a\u00E7\u0131lam\u0131yor."},
        {L"de\u011Fi\u015F", L"de\u011Fi\u015F."},
        {L"\u0130", L"\u0130."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorReportText(c.Message), c.Text);
    }
}

} // namespace
} // namespace velkaro
