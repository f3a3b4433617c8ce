#pragma once
// The process-wide format controller of the Windows program, whose hidden notification window
// receives the system's broadcast when the user changes the regional settings.
#include "editors/cxFormats/cxFormats.h"

#include <memory>

namespace velkaro {

// Created on first use; destroyed at shutdown without telling anyone.
TcxFormatController& cxFormatController();

// A hidden top-level tool window (top-level, so that broadcasts reach it) of this class.
inline constexpr wchar_t kcxFormatNotificationWindowClass[] = L"TcxFormatControllerWindow";
std::unique_ptr<TcxFormatNotificationWindow>
CreateFormatNotificationWindow(TcxFormatController& controller);

} // namespace velkaro
