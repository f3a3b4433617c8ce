// Deciding whether a long text matches an expression mask, as validation on Enter or on leaving
// does: a plain expression over a million characters, and expressions that backtrack until the
// matcher's work limit stops them.
#include "editors/cxMaskEdit/cxRegularExpression.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void Decide(benchmark::State& state, const wchar_t* pattern, const std::wstring& text) {
    const auto expression = velkaro::TcxRegularExpression::Compile(pattern, false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(expression->MatchesWhole(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void MillionDigits(benchmark::State& state) {
    Decide(state, L"[0-9]+", std::wstring(1'000'000, L'7'));
}
BENCHMARK(MillionDigits)->Unit(benchmark::kMillisecond);

void MillionCharactersOfGroups(benchmark::State& state) {
    std::wstring text;
    for (int i = 0; i < 500'000; ++i) {
        text += L"ab";
    }
    Decide(state, L"(ab)+", text);
}
BENCHMARK(MillionCharactersOfGroups)->Unit(benchmark::kMillisecond);

// The worst cases: each runs until the work limit gives up.
void NestedRepeatsGiveUp(benchmark::State& state) {
    Decide(state, L"(a*)*b", std::wstring(static_cast<std::size_t>(state.range(0)), L'a'));
}
BENCHMARK(NestedRepeatsGiveUp)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void RepeatedWildcardsGiveUp(benchmark::State& state) {
    Decide(state, L"(.*[ab].*[ac].*[ad]){10}x",
           std::wstring(static_cast<std::size_t>(state.range(0)), L'a'));
}
BENCHMARK(RepeatedWildcardsGiveUp)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
