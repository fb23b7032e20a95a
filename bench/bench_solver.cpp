// The solver, the rating and the practice puzzles, timed one puzzle at a time so the median and
// the 99th percentile can be read (counters median_us and p99_us).

#include "bench/puzzle_positions.h"
#include "engine/practice_puzzles.h"
#include "engine/rating.h"
#include "engine/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

std::vector<engine::Digits> AllGivens() {
    std::vector<engine::Digits> all;
    for (std::string_view level : puzzles::kLevels)
        for (const puzzles::Puzzle& puzzle : puzzles::LoadPuzzles(level))
            all.push_back(engine::DigitsFromText(puzzle.givens));
    return all;
}

// Runs work once per item each iteration, timing every call; reports median and 99th percentile.
template <typename Work> void TimeEach(benchmark::State& state, int items, Work work) {
    std::vector<double> micros;
    for (auto _ : state) {
        for (int i = 0; i < items; ++i) {
            const auto start = std::chrono::steady_clock::now();
            work(i);
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    state.SetItemsProcessed(std::int64_t(micros.size()));
}

void BM_Solve(benchmark::State& state) {
    const std::vector<engine::Digits> all = AllGivens();
    engine::Digits solution{};
    TimeEach(state, int(all.size()), [&](int i) {
        benchmark::DoNotOptimize(engine::CountSolutions(all[std::size_t(i)], &solution));
    });
}
BENCHMARK(BM_Solve)->Unit(benchmark::kMillisecond);

void BM_Rate(benchmark::State& state) {
    const std::vector<engine::Digits> all = AllGivens();
    TimeEach(state, int(all.size()),
             [&](int i) { benchmark::DoNotOptimize(engine::RatePuzzle(all[std::size_t(i)])); });
}
BENCHMARK(BM_Rate)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PracticePuzzle(benchmark::State& state) {
    engine::RandomSource random(20261207);
    const int level = int(state.range(0));
    TimeEach(state, 200,
             [&](int) { benchmark::DoNotOptimize(engine::GeneratePracticePuzzle(level, random)); });
}
BENCHMARK(BM_PracticePuzzle)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
