// Generation of one puzzle, dead-end attempts included.

#include "engine/generator.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GenerateGrid(benchmark::State& state) {
    engine::RandomSource random(20261206);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::GenerateGrid(random));
}
BENCHMARK(BM_GenerateGrid)->Unit(benchmark::kMicrosecond);

} // namespace
