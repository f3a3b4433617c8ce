#pragma once
// The locale format controller: builds the number formats the edit controls show from the
// locale values and tells its listeners when the user's regional settings change.
#include "runtime/FormatSettings.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velkaro {

class IcxFormatControllerListener {
public:
    virtual void LocaleFormatsChanged() = 0;

protected:
    ~IcxFormatControllerListener() = default;
};

// The default display format of currency edits: ",0.00 TL;-,0.00 TL" for the symbol "TL" after
// the amount with a space and two currency decimals.
std::wstring BuildCurrencyFormat(const TFormatSettings& settings);

// The hidden window through which the system's settings broadcasts reach the controller;
// destroying the object destroys the window.
class TcxFormatNotificationWindow {
public:
    virtual ~TcxFormatNotificationWindow() = default;
};

class TcxFormatController {
public:
    using TNotificationWindowFactory =
        std::function<std::unique_ptr<TcxFormatNotificationWindow>(TcxFormatController&)>;

    // Without a factory the controller listens without a window (nothing to receive broadcasts).
    explicit TcxFormatController(TNotificationWindowFactory createNotificationWindow = {});
    ~TcxFormatController();
    TcxFormatController(const TcxFormatController&) = delete;
    TcxFormatController& operator=(const TcxFormatController&) = delete;

    // The first controller constructed, while it lives: the process-wide one.
    static TcxFormatController* Instance();

    const std::wstring& CurrencyFormat() const { return currencyFormat_; }

    // The notification window exists exactly while there are listeners.
    void Subscribe(IcxFormatControllerListener& listener);
    void Unsubscribe(IcxFormatControllerListener& listener);
    bool HasNotificationWindow() const { return notificationWindow_ != nullptr; }

    void Rebuild();
    // Calls every listener in registration order.
    void BroadcastChange();
    // The regional settings changed: re-read the locale values, rebuild, tell every listener.
    void LocaleSettingsChanged();

private:
    bool IsSubscribed(const IcxFormatControllerListener& listener) const;

    TNotificationWindowFactory createNotificationWindow_;
    std::wstring currencyFormat_;
    std::vector<IcxFormatControllerListener*> listeners_;
    std::unique_ptr<TcxFormatNotificationWindow> notificationWindow_;
};

} // namespace velkaro
