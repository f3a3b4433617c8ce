#pragma once
// The start-time field's typing cases, run against the model natively and against the real
// control under Wine, so that both must agree.
#include <optional>

namespace velkaro::test {

// From "00:00" focused with everything selected, an optional click, then keys.
struct TypingCase {
    const char* name;
    const wchar_t* start;
    std::optional<int> click;
    const wchar_t* keys;
    const wchar_t* display;
    const wchar_t* text;
    int selStart;
    int selLength;
    int beeps;
    bool valid;
};

inline constexpr TypingCase kStartTimeTyping[] = {
    {"four digits", L"00:00", 0, L"0930", L"09:30", L"09:30", 5, 0, 0, true},
    {"all selected then one digit", L"00:00", {}, L"1", L"10:00", L"10:00", 1, 1, 0, true},
    {"typed separator beeps once", L"00:00", 0, L"09:30", L"09:30", L"09:30", 5, 0, 1, true},
    {"early separator refused", L"00:00", 0, L"9:30", L"93:00", L"93:00", 4, 1, 1, true},
    {"fifth digit ignored", L"00:00", 0, L"09305", L"09:30", L"09:30", 5, 0, 0, true},
    {"letter refused", L"12:34", 1, L"a", L"12:34", L"12:34", 1, 1, 1, true},
    {"space refused", L"12:34", 0, L" ", L"12:34", L"12:34", 0, 1, 1, true},
    {"click on separator", L"00:00", 2, L"5", L"00:50", L"00:50", 4, 1, 0, true},
    {"backspace over separator", L"09:30", 3, L"{BS}", L"0_:30", L"0 :30", 1, 1, 0, false},
    {"delete at start", L"09:30", 0, L"{Del}", L"_9:30", L" 9:30", 0, 1, 0, true},
    {"select all and delete", L"09:30", {}, L"{Del}", L"__:__", L"  :  ", 0, 1, 0, false},
    {"backspace at start blanks it", L"09:30", 0, L"{BS}", L"_9:30", L" 9:30", 0, 1, 0, true},
    {"backspace at end", L"09:30", {}, L"{End}{BS}", L"09:3_", L"09:3 ", 4, 1, 0, false},
    {"backspace on a selection", L"09:30", {}, L"{BS}", L"__:__", L"  :  ", 0, 1, 0, false},
    {"left at start stays", L"09:30", 0, L"{Left}", L"09:30", L"09:30", 0, 1, 0, true},
    {"left over separator", L"09:30", 3, L"{Left}", L"09:30", L"09:30", 1, 1, 0, true},
    {"right over separator", L"09:30", 1, L"{Right}", L"09:30", L"09:30", 3, 1, 0, true},
    {"right at the end stays", L"09:30", 5, L"{Right}", L"09:30", L"09:30", 5, 0, 0, true},
    {"right on a selection", L"09:30", {}, L"{Right}", L"09:30", L"09:30", 5, 0, 0, true},
    {"left on a selection", L"09:30", {}, L"{Left}", L"09:30", L"09:30", 0, 1, 0, true},
    {"home", L"09:30", 4, L"{Home}", L"09:30", L"09:30", 0, 1, 0, true},
    {"end", L"09:30", 1, L"{End}", L"09:30", L"09:30", 5, 0, 0, true},
    {"ctrl left", L"09:30", 4, L"{C-Left}", L"09:30", L"09:30", 0, 1, 0, true},
    {"ctrl right", L"09:30", 1, L"{C-Right}", L"09:30", L"09:30", 5, 0, 0, true},
    {"up and down", L"09:30", 3, L"{Up}{Down}", L"09:30", L"09:30", 3, 1, 0, true},
    {"enter is left alone", L"09:30", 3, L"{Enter}", L"09:30", L"09:30", 3, 1, 0, true},
    {"shift right grows the block", L"09:30", 0, L"{S-Right}", L"09:30", L"09:30", 0, 2, 0, true},
    {"shift left grows the block", L"09:30", 3, L"{S-Left}", L"09:30", L"09:30", 2, 2, 0, true},
    {"shift right on a reversed one-character selection", L"09:30", 3,
     L"{S-Left}{S-Right}{S-Right}", L"09:30", L"09:30", 3, 2, 0, true},
    {"shift home", L"09:30", 3, L"{S-Home}", L"09:30", L"09:30", 0, 3, 0, true},
    {"shift end", L"09:30", 1, L"{S-End}", L"09:30", L"09:30", 1, 4, 0, true},
    {"typing after a shift selection", L"09:30", 0, L"{S-Right}{S-Right}{S-Right}7", L"79:30",
     L"79:30", 1, 1, 0, true},
    {"shift delete without selection",
     L"09:30",
     {},
     L"{End}{S-Del}",
     L"09:30",
     L"09:30",
     5,
     0,
     0,
     true},
    {"shift delete cuts a selection", L"09:30", {}, L"{S-Del}", L"__:__", L"  :  ", 0, 1, 0, false},
};

} // namespace velkaro::test
