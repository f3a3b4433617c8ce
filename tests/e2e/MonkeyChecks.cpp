#include "tests/e2e/MonkeyChecks.h"

#include "core/sayiyazi.h"
#include "runtime/Conversions.h"
#include "tests/support/MaskEditSteps.h"

namespace velkaro::test {

namespace {

// The start field's mask in the window's layout.
constexpr wchar_t kStartMask[] = L"!90:00;1;_";
constexpr std::size_t kStartMaskLength = 5;

// The minutes of a caption such as "75 dak.", or -1.
int MinutesOf(const std::wstring& caption) {
    const std::size_t digits = caption.find_first_not_of(L"0123456789");
    if (digits == 0 || digits > 4 || caption.substr(digits) != L" dak.") {
        return -1;
    }
    const int minutes = std::stoi(caption.substr(0, digits));
    return minutes <= 1439 ? minutes : -1;
}

} // namespace

WindowState ReadState(const MainWindow& main) {
    WindowState state;
    state.StartDisplay = TextOf(FindChild(main.tx_saat, L""));
    state.StartText = TextOf(main.tx_saat);
    state.Minutes = TextOf(main.lb_sure);
    state.Amount = TextOf(main.tx_para);
    state.Words = TextOf(main.lb_para);
    state.Tariff1 = Checked(main.rb_fiyat1);
    return state;
}

std::wstring MonkeyChecks::Broken(const WindowState& state, bool pasted) {
    std::wstring broken = BrokenStartField(state, pasted);
    return broken.empty() ? BrokenResults(state) : broken;
}

std::wstring MonkeyChecks::BrokenStartField(const WindowState& state, bool pasted) {
    const std::size_t length = state.StartDisplay.size();
    if (length == kStartMaskLength) {
        longerByPaste_ = false;
    } else if (pasted && length > kStartMaskLength) {
        longerByPaste_ = true;
    }
    if (length < kStartMaskLength || (length > kStartMaskLength && !longerByPaste_)) {
        return L"the start field's display lost the mask's length";
    }
    if (state.StartText != FittedEditValue(kStartMask, state.StartDisplay)) {
        return L"the start field's Text is not the fitted edit value of its display";
    }
    return {};
}

bool MonkeyChecks::ShowsAmountOf(const WindowState& state, int minutes, int tariff) const {
    const std::int64_t amount = DakikaTutari(minutes, tariff, settings_);
    // Unfocused the amount field shows the display format, focused the plain number.
    return (state.Amount == FormatFloat(L",0 TL", static_cast<long double>(amount)) ||
            state.Amount == std::to_wstring(amount)) &&
           state.Words == SayiYazi(static_cast<long double>(amount));
}

std::wstring MonkeyChecks::BrokenResults(const WindowState& state) {
    if (state.Minutes.empty()) {
        return {}; // no calculation yet
    }
    const int minutes = MinutesOf(state.Minutes);
    if (minutes < 0) {
        return L"the minutes label reads no minutes";
    }
    const int checked = state.Tariff1 ? 1 : 2;
    // A tariff click whose calculation failed (an invalid start time) leaves the results of
    // the other tariff as they were.
    const bool stale =
        state.Minutes == resultMinutes_ && ShowsAmountOf(state, minutes, resultTariff_);
    if (!ShowsAmountOf(state, minutes, checked) && !stale) {
        return L"the amount and its words disagree with the minutes, the tariff and the settings";
    }
    if (!stale) {
        resultTariff_ = checked;
    }
    ++resultsChecked_;
    if (state.Minutes != resultMinutes_ || state.Words != resultWords_) {
        ++resultsChanged_;
    }
    resultMinutes_ = state.Minutes;
    resultWords_ = state.Words;
    return {};
}

} // namespace velkaro::test
