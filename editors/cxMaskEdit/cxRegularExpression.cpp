#include "editors/cxMaskEdit/cxRegularExpression.h"

#include <boost/regex.hpp>

#include <cstddef>
#include <iterator>
#include <stdexcept>

namespace velkaro {

namespace {

// A text seen one step at a time. Over a text it can measure in one step the matcher lets its
// work grow with the length times the square of the expression's size, which for a long text
// and a backtracking expression means seconds; over this it keeps its fixed limit
// (BOOST_REGEX_MAX_STATE_COUNT, set where the library is declared).
class StepCursor {
public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = wchar_t;
    using difference_type = std::ptrdiff_t;
    using pointer = const wchar_t*;
    using reference = const wchar_t&;

    StepCursor() = default;
    explicit StepCursor(const wchar_t* position) : position_(position) {}

    reference operator*() const { return *position_; }
    StepCursor& operator++() {
        ++position_;
        return *this;
    }
    StepCursor operator++(int) {
        StepCursor before = *this;
        ++position_;
        return before;
    }
    StepCursor& operator--() {
        --position_;
        return *this;
    }
    StepCursor operator--(int) {
        StepCursor before = *this;
        --position_;
        return before;
    }
    bool operator==(const StepCursor&) const = default;

private:
    const wchar_t* position_ = nullptr;
};

boost::wregex::flag_type Flags(bool caseInsensitive, bool captures) {
    boost::wregex::flag_type flags = boost::wregex::ECMAScript | boost::wregex::no_mod_s;
    if (caseInsensitive) {
        flags |= boost::wregex::icase;
    }
    // Groups that nothing refers back to need not be remembered while matching, which spares
    // the backtracking memory a saved state per repetition.
    if (!captures) {
        flags |= boost::wregex::nosubs;
    }
    return flags;
}

} // namespace

struct TcxRegularExpression::Compiled {
    boost::wregex Expression;
};

TcxRegularExpression::TcxRegularExpression(std::shared_ptr<const Compiled> compiled)
    : compiled_(std::move(compiled)) {}

std::optional<TcxRegularExpression> TcxRegularExpression::Compile(std::wstring_view pattern,
                                                                  bool caseInsensitive) {
    const wchar_t* begin = pattern.data();
    const wchar_t* end = begin + pattern.size();
    try {
        return TcxRegularExpression(std::make_shared<const Compiled>(
            Compiled{boost::wregex(begin, end, Flags(caseInsensitive, false))}));
    } catch (const boost::regex_error& error) {
        if (error.code() != boost::regex_constants::error_backref) {
            return std::nullopt;
        }
    }
    // A back-reference needs its group remembered.
    try {
        return TcxRegularExpression(std::make_shared<const Compiled>(
            Compiled{boost::wregex(begin, end, Flags(caseInsensitive, true))}));
    } catch (const boost::regex_error&) {
        return std::nullopt;
    }
}

bool TcxRegularExpression::MatchesWhole(std::wstring_view text) const {
    const StepCursor begin(text.data());
    const StepCursor end(text.data() + text.size());
    try {
        return boost::regex_match(begin, end, compiled_->Expression);
    } catch (const std::runtime_error&) {
        // The work or the backtracking memory ran out (boost::regex_error is one of these).
        return false;
    }
}

} // namespace velkaro
