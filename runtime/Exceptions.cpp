#include "runtime/Exceptions.h"

#include "runtime/Utf.h"

#include <utility>

namespace velkaro {

Exception::Exception(std::wstring message)
    : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

} // namespace velkaro
