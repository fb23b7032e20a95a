// Any 81 digits through the solver and the rating, and the first-mistake check of a play on them.
// Invariants: a count is 0, 1 or 2; the only solution keeps the givens and breaks no rule; the
// rating agrees with the count; a mistake is a play-mode step against that solution.
#include "fuzz/fuzz_check.h"

#include "engine/rating.h"
#include "engine/solver.h"
#include "game/model/solution_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    engine::Digits puzzle{};
    for (std::size_t p = 0; p < puzzle.size() && p < size; ++p)
        puzzle[p] = std::uint8_t(data[p] % 10);

    engine::Digits solution{};
    const int count = engine::CountSolutions(puzzle, &solution);
    Require(count >= 0 && count <= 2, "a count is 0, 1 or 2");
    const engine::Rating rating = engine::RatePuzzle(puzzle);
    Require((rating.Kind == engine::Verdict::Invalid) == (count == 0),
            "invalid exactly when there is no solution");
    Require((rating.Kind == engine::Verdict::Multiple) == (count == 2),
            "multiple exactly when there are two solutions");
    if (count != 1)
        return 0;
    Require(!engine::FindRepeatedDigit(solution), "the solution breaks no rule");
    for (std::size_t p = 0; p < puzzle.size(); ++p)
        Require(solution[p] != 0 && (puzzle[p] == 0 || puzzle[p] == solution[p]),
                "the solution is full and keeps the givens");

    // The bytes after the puzzle are play-mode steps, three bytes each.
    game::ActionHistory history{{0, 0, 0, game::Operation::PlayMode}};
    for (std::size_t i = 81; i + 2 < size; i += 3)
        history.push_back(
            {std::uint8_t(data[i] % 10), std::uint8_t(data[i + 1] % 10),
             std::uint8_t(data[i + 2] % 10),
             data[i + 2] & 0x80 ? game::Operation::RemoveCandidate : game::Operation::Place});
    const int mistake = game::FirstMistake(history, solution);
    Require(mistake == -1 || (mistake > 0 && mistake < int(history.size())),
            "a mistake is one of the steps");
    return 0;
}
