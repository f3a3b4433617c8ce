#pragma once
// 64-bit integer arithmetic that raises instead of wrapping or trapping.
#include "runtime/Exceptions.h"

#include <cstdint>
#include <limits>

namespace velkaro {

namespace detail {
// Taken by reference, so the result is read only after the builtin has written it.
inline std::int64_t RaiseOnOverflow(bool overflowed, const std::int64_t& result) {
    if (overflowed) {
        throw EIntOverflow();
    }
    return result;
}
} // namespace detail

inline std::int64_t CheckedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    return detail::RaiseOnOverflow(__builtin_add_overflow(a, b, &result), result);
}

inline std::int64_t CheckedSub(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    return detail::RaiseOnOverflow(__builtin_sub_overflow(a, b, &result), result);
}

inline std::int64_t CheckedMul(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    return detail::RaiseOnOverflow(__builtin_mul_overflow(a, b, &result), result);
}

// Truncates toward zero, like the hardware division.
inline std::int64_t CheckedDiv(std::int64_t a, std::int64_t b) {
    if (b == 0) {
        throw EDivByZero();
    }
    if (a == std::numeric_limits<std::int64_t>::min() && b == -1) {
        throw EIntOverflow();
    }
    return a / b;
}

inline std::int64_t CheckedAbs(std::int64_t a) {
    return a < 0 ? CheckedSub(0, a) : a;
}

} // namespace velkaro
