// The amount in words against ICU's Turkish spellout, measured side by side in one run over the
// same amounts: every length from one digit to 10^15, interleaved repetitions, medians compared.
#include "bench/RatioTable.h"
#include "core/sayiyazi.h"

#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr int kLongestAmount = 16; // digits of 10^15
constexpr std::size_t kAmountsPerLength = 1024;
// Cost of ours over ICU's per number: at least ten times faster.
constexpr double kGoal = 0.1;

// Amounts of exactly `digits` digits (0 to 9 for one digit), the same in every run.
const std::vector<std::int64_t>& Amounts(int digits) {
    static const auto amounts = [] {
        std::map<int, std::vector<std::int64_t>> byLength;
        std::mt19937_64 random(20261207);
        for (int length = 1; length <= kLongestAmount; ++length) {
            std::int64_t low = 1;
            for (int k = 1; k < length; ++k) {
                low *= 10;
            }
            const std::int64_t first = length == 1 ? 0 : low;
            const std::int64_t span = low * (length == 1 ? 10 : 9);
            auto& amounts = byLength[length];
            for (std::size_t k = 0; k < kAmountsPerLength; ++k) {
                amounts.push_back(first + static_cast<std::int64_t>(random() % span));
            }
        }
        // 10^15 itself closes the spread.
        byLength[kLongestAmount].back() = 1000000000000000;
        return byLength;
    }();
    return amounts.at(digits);
}

void Ours(benchmark::State& state) {
    const auto& amounts = Amounts(static_cast<int>(state.range(0)));
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
    const auto& amounts = Amounts(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    for (auto _ : state) {
        icu::UnicodeString words;
        spellout.format(amounts[next], words);
        benchmark::DoNotOptimize(words);
        next = (next + 1) % kAmountsPerLength;
    }
}

// Keeps the median time per number of every benchmark, by name and length.
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

} // namespace

int main(int argc, char** argv) {
    for (int length = 1; length <= kLongestAmount; ++length) {
        using Function = void (*)(benchmark::State&);
        for (const auto& [name, function] :
             {std::pair<const char*, Function>{"SayiYazi", Ours}, {"ICU", Icu}}) {
            benchmark::RegisterBenchmark(name, function)
                ->Arg(length)
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

    std::printf("Amount in words against ICU's Turkish spellout, median ns per number\n");
    std::printf("%7s %10s %10s %12s\n", "digits", "SayiYazi", "ICU", "ICU/SayiYazi");
    double oursTotal = 0;
    double icuTotal = 0;
    for (int length = 1; length <= kLongestAmount; ++length) {
        const double ours = collector.medians[{"SayiYazi", length}];
        const double icu = collector.medians[{"ICU", length}];
        oursTotal += ours;
        icuTotal += icu;
        std::printf("%7d %10.1f %10.1f %11.1fx\n", length, ours, icu, ours > 0 ? icu / ours : 0);
    }
    // Every length holds as many amounts, so the mean over lengths is the mean per number.
    const double ours = oursTotal / kLongestAmount;
    const double icu = icuTotal / kLongestAmount;
    std::printf("%7s %10.1f %10.1f %11.1fx\n", "all", ours, icu, ours > 0 ? icu / ours : 0);
    velkaro::bench::PrintRatio("SayiYazi vs ICU spellout, per number, 0..10^15", ours, icu, "ns",
                               kGoal);
    return 0;
}
