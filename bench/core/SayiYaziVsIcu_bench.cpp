// The amount in words against ICU's Turkish spellout, measured side by side in one run over the
// same amounts: every length of a range, interleaved repetitions, medians compared. Two ranges:
// every length up to 16 digits, and the amounts the window can produce (a price in the 32-bit
// range for 1,439 minutes comes to at most 51,503,816,133).
#include "bench/RatioTable.h"
#include "core/sayiyazi.h"

#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kAmountsPerLength = 1024;
// Cost of ours over ICU's per number: at least ten times faster.
constexpr double kGoal = 0.1;

struct Range {
    const char* Label;
    std::int64_t Lowest;
    std::int64_t Highest;
    // Replaces the last amount of the longest length, so that the range's end is among them.
    std::int64_t Closing;
};

constexpr Range kRanges[] = {
    {"0..10^15", 0, 9'999'999'999'999'999, 1'000'000'000'000'000},
    {"1..51,503,816,133", 1, 51'503'816'133, 51'503'816'133},
};

int DigitsOf(std::int64_t value) {
    int digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

std::int64_t PowerOfTen(int exponent) {
    std::int64_t value = 1;
    for (int k = 0; k < exponent; ++k) {
        value *= 10;
    }
    return value;
}

// The amounts of one length within a range: the same in every run, and the same set wherever
// two ranges agree on a length, so that it is measured once.
struct Span {
    std::int64_t First;
    std::int64_t Last;
    std::int64_t Closing; // 0: none

    bool operator<(const Span& other) const {
        return std::tie(First, Last, Closing) < std::tie(other.First, other.Last, other.Closing);
    }
};

Span SpanOf(const Range& range, int digits) {
    const std::int64_t first = std::max(range.Lowest, digits == 1 ? 0 : PowerOfTen(digits - 1));
    const std::int64_t last = std::min(range.Highest, PowerOfTen(digits) - 1);
    return {first, last, digits == DigitsOf(range.Highest) ? range.Closing : 0};
}

std::vector<Span>& Spans() {
    static std::vector<Span> spans;
    return spans;
}

std::vector<std::int64_t> AmountsOf(const Span& span) {
    std::mt19937_64 random(20261207);
    std::vector<std::int64_t> amounts;
    const auto width = static_cast<std::uint64_t>(span.Last - span.First + 1);
    for (std::size_t k = 0; k < kAmountsPerLength; ++k) {
        amounts.push_back(span.First + static_cast<std::int64_t>(random() % width));
    }
    if (span.Closing != 0) {
        amounts.back() = span.Closing;
    }
    return amounts;
}

void Ours(benchmark::State& state) {
    const auto amounts = AmountsOf(Spans().at(static_cast<std::size_t>(state.range(0))));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velkaro::SayiYazi(static_cast<long double>(amounts[next])));
        next = (next + 1) % kAmountsPerLength;
    }
}

void Icu(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat spellout(icu::URBNF_SPELLOUT, icu::Locale("tr"), status);
    if (U_FAILURE(status)) {
        state.SkipWithError(u_errorName(status));
        return;
    }
    const auto amounts = AmountsOf(Spans().at(static_cast<std::size_t>(state.range(0))));
    std::size_t next = 0;
    for (auto _ : state) {
        icu::UnicodeString words;
        spellout.format(amounts[next], words);
        benchmark::DoNotOptimize(words);
        next = (next + 1) % kAmountsPerLength;
    }
}

// Keeps the median time per number of every benchmark, by name and span.
class MedianCollector : public benchmark::BenchmarkReporter {
public:
    std::map<std::pair<std::string, int>, double> medians;

    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(),
                             run.error_message.c_str());
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[{run.run_name.function_name, std::stoi(run.run_name.args)}] =
                    run.GetAdjustedCPUTime();
            }
        }
    }
};

void PrintRange(const Range& range, const std::map<Span, int>& spanIndex,
                MedianCollector& collector) {
    std::printf("Amount in words against ICU's Turkish spellout over %s, median ns per number\n",
                range.Label);
    std::printf("%7s %10s %10s %12s\n", "digits", "SayiYazi", "ICU", "ICU/SayiYazi");
    double oursTotal = 0;
    double icuTotal = 0;
    int lengths = 0;
    for (int digits = DigitsOf(range.Lowest); digits <= DigitsOf(range.Highest); ++digits) {
        const int span = spanIndex.at(SpanOf(range, digits));
        const double ours = collector.medians[{"SayiYazi", span}];
        const double icu = collector.medians[{"ICU", span}];
        oursTotal += ours;
        icuTotal += icu;
        ++lengths;
        std::printf("%7d %10.1f %10.1f %11.1fx\n", digits, ours, icu, ours > 0 ? icu / ours : 0);
    }
    // Every length holds as many amounts, so the mean over lengths is the mean per number.
    const double ours = oursTotal / lengths;
    const double icu = icuTotal / lengths;
    std::printf("%7s %10.1f %10.1f %11.1fx\n", "all", ours, icu, ours > 0 ? icu / ours : 0);
    const std::string measure = std::string("SayiYazi vs ICU spellout, per number, ") + range.Label;
    velkaro::bench::PrintRatio(measure.c_str(), ours, icu, "ns", kGoal);
}

} // namespace

int main(int argc, char** argv) {
    std::map<Span, int> spanIndex;
    for (const Range& range : kRanges) {
        for (int digits = DigitsOf(range.Lowest); digits <= DigitsOf(range.Highest); ++digits) {
            const Span span = SpanOf(range, digits);
            if (spanIndex.emplace(span, static_cast<int>(Spans().size())).second) {
                Spans().push_back(span);
            }
        }
    }
    for (std::size_t span = 0; span < Spans().size(); ++span) {
        using Function = void (*)(benchmark::State&);
        for (const auto& [name, function] :
             {std::pair<const char*, Function>{"SayiYazi", Ours}, {"ICU", Icu}}) {
            benchmark::RegisterBenchmark(name, function)
                ->Arg(static_cast<std::int64_t>(span))
                ->Repetitions(9)
                ->MinTime(0.03)
                ->Unit(benchmark::kNanosecond);
        }
    }
    // Interleaved repetitions, so that a busy moment of the machine falls on both sides alike.
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.push_back(interleave);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    for (const Range& range : kRanges) {
        PrintRange(range, spanIndex, collector);
    }
    return 0;
}
