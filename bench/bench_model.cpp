// Auto-solving in the grid model: a puzzle imported, all six family lines ticked, "Jouer ! " -
// the analysis runs and applies until the grid is full, writing history and trace as it goes.
// Only puzzles the six families solve take part, so every iteration measures a whole solve.

#include "bench/puzzle_positions.h"
#include "game/model/game_session.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

// Solves the puzzle as the game does; returns whether the grid ended full.
bool AutoSolve(const std::string& givens) {
    game::GameSession session{game::GameSettings{}};
    session.InitBoard();
    session.ImportText(QString::fromLatin1(givens));
    QList<int> families;
    for (int family = 0; family < engine::kFamilyCount; ++family)
        families << family;
    session.CheckFamilies(families, true);
    session.StartPlay();
    return session.PlacedCells() == 81;
}

std::vector<std::string> SolvablePuzzles(std::string_view level) {
    std::vector<std::string> solvable;
    for (const puzzles::Puzzle& puzzle : puzzles::LoadPuzzles(level))
        if (AutoSolve(puzzle.givens))
            solvable.push_back(puzzle.givens);
    return solvable;
}

void BM_AutoSolveAllFamilies(benchmark::State& state) {
    const std::string_view level = puzzles::kLevels[state.range(0)];
    const std::vector<std::string> solvable = SolvablePuzzles(level);
    if (solvable.empty()) {
        state.SkipWithError("no puzzle of this level is solved by the six families");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AutoSolve(solvable[next]));
        next = (next + 1) % solvable.size();
    }
    state.SetLabel(std::string(level) + ", " + std::to_string(solvable.size()) + " puzzles");
}
BENCHMARK(BM_AutoSolveAllFamilies)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
