#pragma once
// Putting state back on every way out of a scope, an exception's included: a flag raised for the
// length of an operation, a value saved and restored around it, a bracket closed after it.
#include <utility>

namespace velkaro {

// Runs restore when the scope ends.
//     properties.HoldChanges();
//     const TScopedRestore release([&] { properties.ReleaseChanges(false); });
template <class Restore> class TScopedRestore {
public:
    explicit TScopedRestore(Restore restore) : restore_(std::move(restore)) {}
    ~TScopedRestore() { restore_(); }
    TScopedRestore(const TScopedRestore&) = delete;
    TScopedRestore& operator=(const TScopedRestore&) = delete;

private:
    Restore restore_;
};

// Gives the variable the value until the scope ends, and then the value it had before.
//     const auto checking = ScopedValue(inEditingCheck_, true);
template <class T, class U> [[nodiscard]] auto ScopedValue(T& variable, U&& value) {
    return TScopedRestore(
        [&variable, saved = std::exchange(variable, std::forward<U>(value))]() mutable {
            variable = std::move(saved);
        });
}

} // namespace velkaro
