#pragma once
// How the edit core reads a key: as a stored shortcut, and whether it moves within the text.
#include "runtime/Events.h"

#include <cstdint>

namespace velkaro {

// A key with its shift state as one 16-bit shortcut value (Shift 0x2000, Ctrl 0x4000,
// Alt 0x8000), as shortcuts are stored.
std::uint16_t ShortCutOf(std::uint16_t key, TShiftState shift);

// PgUp, PgDn, End, Home and the arrows.
bool IsNavigationKey(std::uint16_t key);

} // namespace velkaro
