#include "runtime/CaseFold.h"

namespace velkaro {

namespace {

// Latin Extended-A pairs its letters as capital and small in neighbouring codes, the capital on
// the even code in some runs and on the odd code in others.
struct TPairedRun {
    wchar_t First, Last;
    bool CapitalEven;
};
constexpr TPairedRun kPairedRuns[] = {
    {0x100, 0x12F, true}, {0x132, 0x137, true},  {0x139, 0x148, false},
    {0x14A, 0x177, true}, {0x179, 0x17E, false},
};

const TPairedRun* PairedRunOf(wchar_t c) {
    for (const TPairedRun& run : kPairedRuns) {
        if (c >= run.First && c <= run.Last) {
            return &run;
        }
    }
    return nullptr;
}

bool IsCapitalInRun(const TPairedRun& run, wchar_t c) {
    return ((c & 1) == 0) == run.CapitalEven;
}

} // namespace

wchar_t LatinUpperCase(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<wchar_t>(c - 0x20);
    }
    if (c == 0xFF) {
        return 0x178;
    }
    if (c == 0x131) {
        return L'I';
    }
    if (const TPairedRun* run = PairedRunOf(c); run != nullptr && !IsCapitalInRun(*run, c)) {
        return static_cast<wchar_t>(c - 1);
    }
    return c;
}

wchar_t LatinLowerCase(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<wchar_t>(c + 0x20);
    }
    if (c == 0x178) {
        return 0xFF;
    }
    if (c == 0x130) {
        return L'i';
    }
    if (const TPairedRun* run = PairedRunOf(c); run != nullptr && IsCapitalInRun(*run, c)) {
        return static_cast<wchar_t>(c + 1);
    }
    return c;
}

wchar_t FoldCase(wchar_t c) {
    return c == 0x130 ? L'I' : LatinUpperCase(c);
}

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldCase(text[i]) != FoldCase(prefix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace velkaro
