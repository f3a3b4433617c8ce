#include "framework/Color.h"

#include <windows.h>

namespace velkaro {

std::uint32_t ColorToRGB(TColor color) {
    if ((color & kSystemColorFlag) != 0) {
        return GetSysColor(color & 0xFF);
    }
    return static_cast<std::uint32_t>(color);
}

} // namespace velkaro
