#include "tests/e2e/MonkeyEvents.h"

#include "framework/Clipboard.h"
#include "runtime/Exceptions.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <iterator>
#include <utility>

namespace velkaro::test {

namespace {

// Digits most of all, since the start field takes digits; then what a careless hand adds.
constexpr wchar_t kTyped[] = L"01234567890123456789012345aZ:._ -+/";

constexpr std::array<std::pair<WORD, const wchar_t*>, 13> kKeys = {{
    {VK_LEFT, L"Left"},
    {VK_RIGHT, L"Right"},
    {VK_HOME, L"Home"},
    {VK_END, L"End"},
    {VK_DELETE, L"Delete"},
    {VK_BACK, L"Backspace"},
    {VK_UP, L"Up"},
    {VK_DOWN, L"Down"},
    {VK_RETURN, L"Enter"},
    {VK_RETURN, L"Enter"},
    {VK_TAB, L"Tab"},
    {VK_ESCAPE, L"Escape"},
    {VK_SPACE, L"Space"},
}};

constexpr const wchar_t* kPasted[] = {L"12:34", L"1234",     L"9:5", L"abc", L"2359",
                                      L"0000",  L"12345678", L"",    L"7"};

std::wstring Modifiers(bool shift, bool control) {
    return std::wstring(shift ? L"Shift+" : L"") + (control ? L"Ctrl+" : L"");
}

} // namespace

MonkeyEvent MonkeyEvents::Next(bool menuOpen) {
    if (menuOpen) {
        return InMenu();
    }
    const int roll = Below(100);
    if (roll < 5) {
        // What the operator mostly does: into the start field, a start time, then Enter.
        wchar_t digits[8];
        std::swprintf(digits, 8, L"%02d%02d", Below(24), Below(60));
        const SIZE field = ClientSize(main_.tx_saat);
        SendClick(main_.tx_saat, {field.cx / 2, field.cy / 2});
        SendKey(VK_HOME);
        SendText(digits);
        SendKey(VK_RETURN);
        return {L"start time '" + std::wstring(digits) + L"' and Enter"};
    }
    if (roll < 45) {
        const wchar_t c = kTyped[Below(static_cast<int>(std::size(kTyped)) - 1)];
        SendText(std::wstring(1, c));
        return {L"type '" + std::wstring(1, c) + L"'"};
    }
    if (roll < 72) {
        return Key();
    }
    if (roll < 78) {
        return Paste();
    }
    if (roll < 81) {
        const bool cut = Coin();
        SendKey(cut ? 'X' : 'C', false, true);
        return {cut ? L"Ctrl+X" : L"Ctrl+C"};
    }
    if (roll < 93) {
        return ClickControl();
    }
    return ClickAnywhere(roll >= 97);
}

MonkeyEvent MonkeyEvents::InMenu() {
    if (Coin()) {
        SendKey(VK_ESCAPE);
        return {L"menu: Escape"};
    }
    const int downs = Below(4);
    for (int k = 0; k < downs; ++k) {
        SendKey(VK_DOWN);
    }
    SendKey(VK_RETURN);
    return {L"menu: Down x" + std::to_wstring(downs) + L", Enter"};
}

MonkeyEvent MonkeyEvents::Key() {
    const auto& [key, name] = kKeys[Below(static_cast<int>(kKeys.size()))];
    const bool shift = Below(4) == 0;
    const bool control = key != VK_RETURN && Below(4) == 0;
    SendKey(key, shift, control);
    return {Modifiers(shift, control) + name};
}

MonkeyEvent MonkeyEvents::Paste() {
    const std::wstring text = kPasted[Below(static_cast<int>(std::size(kPasted)))];
    try {
        SetClipboardText(text);
    } catch (const Exception&) {
        // Another program holds the clipboard: the paste takes whatever is there.
    }
    SendKey('V', false, true);
    return {L"paste '" + text + L"'", true};
}

MonkeyEvent MonkeyEvents::ClickControl() {
    const std::pair<HWND, const wchar_t*> controls[] = {
        {main_.tx_saat, L"tx_saat"},     {main_.tx_para, L"tx_para"},
        {main_.lb_sure, L"lb_sure"},     {main_.lb_para, L"lb_para"},
        {main_.rb_fiyat1, L"rb_fiyat1"}, {main_.rb_fiyat2, L"rb_fiyat2"}};
    const auto& [control, name] = controls[Below(static_cast<int>(std::size(controls)))];
    const SIZE size = ClientSize(control);
    const POINT at{Below(std::max<int>(1, size.cx)), Below(std::max<int>(1, size.cy))};
    SendClick(control, at);
    return {L"click " + std::wstring(name) + L" at " + std::to_wstring(at.x) + L"," +
            std::to_wstring(at.y)};
}

MonkeyEvent MonkeyEvents::ClickAnywhere(bool right) {
    const SIZE size = ClientSize(main_.Window);
    const POINT at{Below(std::max<int>(1, size.cx)), Below(std::max<int>(1, size.cy))};
    SendClick(main_.Window, at, right);
    return {std::wstring(right ? L"right-click" : L"click") + L" window at " +
            std::to_wstring(at.x) + L"," + std::to_wstring(at.y)};
}

} // namespace velkaro::test
