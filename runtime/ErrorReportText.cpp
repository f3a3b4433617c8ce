#include "runtime/ErrorReportText.h"

namespace velkaro {

std::wstring ErrorReportText(const std::wstring& message) {
    std::wstring text = message;
    if (!text.empty() && text.back() > L'.') {
        text += L'.';
    }
    return text;
}

} // namespace velkaro
