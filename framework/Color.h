#pragma once
// What a colour looks like on this system now.
#include "runtime/Color.h"

#include <cstdint>

namespace velkaro {

// The RGB value a colour stands for now (system colours are looked up).
std::uint32_t ColorToRGB(TColor color);

} // namespace velkaro
