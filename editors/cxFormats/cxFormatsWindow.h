#pragma once
// The process-wide format controller of the Windows program, whose hidden notification window
// receives the system's broadcast when the user changes the regional settings.
#include "editors/cxFormats/cxFormats.h"

#include <memory>

namespace velkaro {

// Created on first use; destroyed at shutdown without telling anyone.
TcxFormatController& cxFormatController();

// The controller's listening through the program's broadcast window (framework/BroadcastWindow.h).
std::unique_ptr<TcxFormatNotificationWindow>
CreateFormatNotificationWindow(TcxFormatController& controller);

} // namespace velkaro
