#include "runtime/FormatSettings.h"

namespace velkaro {

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}

void ResetFormatSettings() {
    FormatSettings() = TFormatSettings{};
}

#ifndef _WIN32
void LoadFormatSettings() {
    ResetFormatSettings();
}
#endif

} // namespace velkaro
