#include "runtime/TimeParse.h"
#include "tests/support/LocaleScope.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace velkaro::test {
namespace {

struct TimeCase {
    std::wstring text;
    int hour, minute, second, millisecond;
};

void ExpectTimes(std::initializer_list<TimeCase> cases) {
    for (const auto& c : cases) {
        TimeOfDay t;
        ASSERT_TRUE(TryStrToTime(c.text, t)) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(t.Hour, c.hour) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(t.Minute, c.minute);
        EXPECT_EQ(t.Second, c.second);
        EXPECT_EQ(t.Millisecond, c.millisecond);
    }
}

void ExpectRefused(std::initializer_list<std::wstring> texts) {
    for (const auto& text : texts) {
        TimeOfDay t;
        EXPECT_FALSE(TryStrToTime(text, t)) << std::string(text.begin(), text.end());
    }
}

TEST(TryStrToTime, ReadsStartFieldTexts) {
    ExpectTimes({
        {L"14:05", 14, 5, 0, 0},
        {L"00:00", 0, 0, 0, 0},
        {L"23:59", 23, 59, 0, 0},
        {L"12:3 ", 12, 3, 0, 0}, // the last minute position unfilled
        {L" 9:05", 9, 5, 0, 0},  // the first hour position unfilled
        {L"1 :05", 1, 5, 0, 0},
        {L"12: 3", 12, 3, 0, 0},
        {L"7", 7, 0, 0, 0},
        {L"15:20:41", 15, 20, 41, 0},
        {L"15:20:41.250", 15, 20, 41, 250},
        {L"0005:0007", 5, 7, 0, 0},
    });
}

TEST(TryStrToTime, RefusesTextsOutsideTheDay) {
    ExpectRefused({
        L"",      L"  ",     L"24:00",    L"12:60",  L"12:  ",         L"  :05", L"12:05x",
        L"12-05", L"12:05:", L"12:05:60", L"1:2:3.", L"9 5",           L"1000",  L"12345:00",
        L"-1:00", L"+1:00",  L"12:05 XM", L"AM",     L"12:05:01.1000",
    });
}

TEST(TryStrToTime, AmPmDesignatorsBeforeOrAfter) {
    ExpectTimes({
        {L"12:30 AM", 0, 30, 0, 0},
        {L"12:30 PM", 12, 30, 0, 0},
        {L"1:15 pm", 13, 15, 0, 0},
        {L"AM 11:00", 11, 0, 0, 0},
        {L"pm7", 19, 0, 0, 0},
    });
    ExpectRefused({L"0:30 AM", L"13:00 PM", L"AM 1:00 PM", L"1:00 AMX"});
}

TEST(TryStrToTime, FollowsLocaleSeparatorsAndDesignators) {
    auto settings = TurkishSettings();
    settings.TimeSeparator = L'.';
    LocaleScope scope(settings);
    ExpectTimes({
        {L"14.05", 14, 5, 0, 0},
        {L"2.05 ÖS", 14, 5, 0, 0},
        {L"öö 12.10", 0, 10, 0, 0}, // compared without regard to case
        {L"2.05 PM", 14, 5, 0, 0},  // the English designators stay accepted
        {L"1.02.03,4", 1, 2, 3, 4},
    });
    ExpectRefused({L"14:05"});
}

TEST(TryStrToTime, EmptyDesignatorsNeverMatch) {
    auto settings = TurkishSettings();
    settings.TimeAMString.clear();
    settings.TimePMString.clear();
    LocaleScope scope(settings);
    ExpectTimes({{L"14:05", 14, 5, 0, 0}});
}

// The time the program's clock can be fixed at (VELKARO_FIXED_CLOCK).
TEST(FixedTimeOfDay, IsHoursAndMinutesOnly) {
    struct Case {
        const wchar_t* text;
        std::optional<std::pair<int, int>> time;
    };
    for (const Case& c :
         {Case{L"14:30", {{14, 30}}}, Case{L"00:00", {{0, 0}}}, Case{L"23:59", {{23, 59}}},
          Case{L"24:00", {}}, Case{L"12:60", {}}, Case{L"1:30", {}}, Case{L"12:305", {}},
          Case{L"12.30", {}}, Case{L"+1:30", {}}, Case{L"", {}}}) {
        SCOPED_TRACE(c.text);
        const std::optional<TimeOfDay> time = FixedTimeOfDay(c.text);
        ASSERT_EQ(time.has_value(), c.time.has_value());
        if (time) {
            EXPECT_EQ(std::pair(time->Hour, time->Minute), *c.time);
        }
    }
}

} // namespace
} // namespace velkaro::test
