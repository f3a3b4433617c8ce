#include "editors/cxEdit/cxEditKeys.h"

namespace velkaro {

std::uint16_t ShortCutOf(std::uint16_t key, TShiftState shift) {
    std::uint16_t result = key & 0x00FF;
    if (shift & ssShift) {
        result |= 0x2000;
    }
    if (shift & ssCtrl) {
        result |= 0x4000;
    }
    if (shift & ssAlt) {
        result |= 0x8000;
    }
    return result;
}

bool IsNavigationKey(std::uint16_t key) {
    return key >= 33 && key <= 40;
}

} // namespace velkaro
