#include "runtime/TextCase.h"

#include <gtest/gtest.h>

namespace velkaro {
namespace {

struct CaseRow {
    std::wstring small, capital;
};

// Pairs that every locale converts alike, across the runs where Latin Extended-A switches the
// capital between even and odd codes; letters without a partner and other characters stay.
TEST(TextCase, ConvertsTheLatinLettersPairWise) {
    const CaseRow rows[] = {
        {L"az", L"AZ"},
        {L"\xE0\xE9\xF6\xFC\xFE\xE7", L"\xC0\xC9\xD6\xDC\xDE\xC7"},
        {L"\x101\x12F\x133\x137", L"\x100\x12E\x132\x136"},
        {L"\x13A\x148\x11F\x15F", L"\x139\x147\x11E\x15E"},
        {L"\x14B\x177\xFF\x17A\x17E", L"\x14A\x176\x178\x179\x17D"},
        {L"1 -\xD7\xF7", L"1 -\xD7\xF7"},
    };
    for (const CaseRow& row : rows) {
        EXPECT_EQ(ConvertCase(row.small, TTextCase::Upper), row.capital);
        EXPECT_EQ(ConvertCase(row.capital, TTextCase::Lower), row.small);
    }
    EXPECT_EQ(ConvertCase(L"\x138\x149", TTextCase::Upper),
              L"\x138\x149"); // no capital of their own
    EXPECT_EQ(ConvertCase(L"", TTextCase::Lower), L"");
}

#ifndef _WIN32
// Without a system locale the common rules pair the two Turkish i's with the other case's.
TEST(TextCase, CommonRulesForTheDottedAndDotlessI) {
    EXPECT_EQ(ConvertCase(L"i\x131", TTextCase::Upper), L"II");
    EXPECT_EQ(ConvertCase(L"I\x130", TTextCase::Lower), L"ii");
}
#endif

} // namespace
} // namespace velkaro
