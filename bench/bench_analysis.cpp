// One complete analysis (the six families over a fresh finding list) of a mid-game position, the
// work the game does after every move, every finding's text written out and read. Iterations cycle
// through a fixed set of positions taken from the rated puzzles, so the time is an average over
// easy and hard middles.

#include "bench/puzzle_positions.h"
#include "engine/families.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AnalysisRun(benchmark::State& state) {
    const std::vector<engine::GridState>& positions = puzzles::MidGamePositions();
    if (positions.empty()) {
        state.SkipWithError("no puzzle file found");
        return;
    }
    std::size_t next = 0;
    std::size_t findings = 0;
    std::size_t characters = 0;
    std::string text;
    for (auto _ : state) {
        engine::FindingList list;
        benchmark::DoNotOptimize(engine::RunFamilies(positions[next], list));
        for (const engine::Finding& finding : list) {
            text.clear();
            finding.Text.AppendTo(text);
            benchmark::DoNotOptimize(text.data());
            characters += text.size();
        }
        findings += list.size();
        next = (next + 1) % positions.size();
    }
    state.counters["positions"] = double(positions.size());
    state.counters["findings/run"] =
        benchmark::Counter(double(findings), benchmark::Counter::kAvgIterations);
    state.counters["bytes/run"] =
        benchmark::Counter(double(characters), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AnalysisRun)->Unit(benchmark::kMicrosecond);

} // namespace
