// Fitting and testing what the start-time field does on every keystroke.
#include "editors/cxStandardMask/cxStandardMask.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

velkaro::TcxStandardMask StartTimeMask() {
    velkaro::TcxStandardMask mask;
    mask.SetMask(L"!90:00;1;_");
    return mask;
}

void FitStartTime(benchmark::State& state) {
    const auto mask = StartTimeMask();
    for (auto _ : state) {
        std::wstring text = L"9:30";
        mask.FitText(text, true);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FitStartTime);

void TestFullStartTime(benchmark::State& state) {
    const auto mask = StartTimeMask();
    for (auto _ : state) {
        std::wstring text = L"_9:30";
        benchmark::DoNotOptimize(mask.IsFullText(text));
    }
}
BENCHMARK(TestFullStartTime);

void FitAndConvertStartTime(benchmark::State& state) {
    const auto mask = StartTimeMask();
    for (auto _ : state) {
        std::wstring text = L"0930";
        mask.FitText(text, true);
        mask.ToEditValue(text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FitAndConvertStartTime);

void ParseStartTimeMask(benchmark::State& state) {
    velkaro::TcxStandardMask mask;
    for (auto _ : state) {
        mask.SetMask(L"!90:00;1;_");
        benchmark::DoNotOptimize(mask.Count());
    }
}
BENCHMARK(ParseStartTimeMask);

} // namespace
