#pragma once
// A regular expression of the masked edit's expression kinds (ECMAScript syntax) and the one
// question the masks ask of it: does a whole text match? Matching keeps its backtracking on the
// heap, not on the call stack, and gives up after a fixed amount of work whatever the text's
// length, so that no text a field can hold crashes the program or hangs it.
#include <memory>
#include <optional>
#include <string_view>

namespace velkaro {

class TcxRegularExpression {
public:
    // Nothing when the pattern is no valid expression.
    static std::optional<TcxRegularExpression> Compile(std::wstring_view pattern,
                                                       bool caseInsensitive);

    // An expression too complex to decide within the work limit counts as no match.
    bool MatchesWhole(std::wstring_view text) const;

private:
    struct Compiled;
    explicit TcxRegularExpression(std::shared_ptr<const Compiled> compiled);

    std::shared_ptr<const Compiled> compiled_;
};

} // namespace velkaro
