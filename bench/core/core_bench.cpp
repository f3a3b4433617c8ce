#include "core/sayiyazi.h"
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

void BM_SayiYazi(benchmark::State& state) {
    const long double tutar = static_cast<long double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(velkaro::SayiYazi(tutar));
    }
}
BENCHMARK(BM_SayiYazi)->Arg(1250000)->Arg(2147483647)->Arg(51799999999);

} // namespace
