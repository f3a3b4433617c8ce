#include "core/ucret.h"

#include <benchmark/benchmark.h>

namespace {

void BM_UcretBul(benchmark::State& state) {
    const velkaro::Ayarlar ayarlar{1000000, 600000, 250000};
    for (auto _ : state) {
        benchmark::DoNotOptimize(velkaro::UcretBul(L"14:05", 15, 20, 1, ayarlar));
    }
}
BENCHMARK(BM_UcretBul);

} // namespace
