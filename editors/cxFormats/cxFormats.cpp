#include "editors/cxFormats/cxFormats.h"

#include "editors/cxEdit/cxListenerList.h"

#include <algorithm>

namespace velkaro {

namespace {

TcxFormatController* processController = nullptr;

// A "," or "." in the symbol would be read as grouping or decimal point: quote it.
std::wstring QuotedCurrencySymbol(const std::wstring& symbol) {
    std::wstring quoted;
    for (const wchar_t c : symbol) {
        if (c == L',' || c == L'.') {
            quoted += L'\'';
            quoted += c;
            quoted += L'\'';
        } else {
            quoted += c;
        }
    }
    return quoted;
}

std::wstring PlaceCurrencySymbol(const std::wstring& number, const std::wstring& symbol,
                                 int placement) {
    if (symbol.empty()) {
        return number;
    }
    switch (placement) {
    case 0:
        return symbol + number;
    case 1:
        return number + symbol;
    case 2:
        return symbol + L' ' + number;
    case 3:
        return number + L' ' + symbol;
    default:
        return number;
    }
}

} // namespace

std::wstring BuildCurrencyFormat(const TFormatSettings& settings) {
    const auto decimals = static_cast<std::size_t>(std::max(settings.CurrencyDecimals, 0));
    const std::wstring number = L",0." + std::wstring(decimals, L'0');
    const std::wstring positive = PlaceCurrencySymbol(
        number, QuotedCurrencySymbol(settings.CurrencyString), settings.CurrencyFormat);
    return positive + L";-" + positive;
}

TcxFormatController::TcxFormatController(TNotificationWindowFactory createNotificationWindow)
    : createNotificationWindow_(std::move(createNotificationWindow)) {
    if (!processController) {
        processController = this;
    }
    Rebuild();
}

TcxFormatController::~TcxFormatController() {
    if (processController == this) {
        processController = nullptr;
    }
}

TcxFormatController* TcxFormatController::Instance() {
    return processController;
}

bool TcxFormatController::IsSubscribed(const IcxFormatControllerListener& listener) const {
    return std::find(listeners_.begin(), listeners_.end(), &listener) != listeners_.end();
}

void TcxFormatController::Subscribe(IcxFormatControllerListener& listener) {
    if (IsSubscribed(listener)) {
        return;
    }
    if (listeners_.empty() && createNotificationWindow_) {
        notificationWindow_ = createNotificationWindow_(*this);
    }
    listeners_.push_back(&listener);
}

void TcxFormatController::Unsubscribe(IcxFormatControllerListener& listener) {
    std::erase(listeners_, &listener);
    if (listeners_.empty()) {
        notificationWindow_.reset();
    }
}

void TcxFormatController::Rebuild() {
    currencyFormat_ = BuildCurrencyFormat(FormatSettings());
}

void TcxFormatController::BroadcastChange() {
    TellListeners(listeners_,
                  [](IcxFormatControllerListener& listener) { listener.LocaleFormatsChanged(); });
}

void TcxFormatController::LocaleSettingsChanged() {
    LoadFormatSettings();
    Rebuild();
    BroadcastChange();
}

} // namespace velkaro
