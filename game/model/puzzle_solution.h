#pragma once
// What the program knows of a grid's puzzle: its givens, whether a digit repeats in a unit, how
// many solutions it has (0, 1, or 2 for several), the only solution, and its rating. Worked out
// again only when the givens change, so undo and replay cost nothing here.

#include "engine/puzzle.h"
#include "engine/rating.h"

#include <QString>

#include <optional>

namespace game {

class PuzzleSolution {
public:
    // Takes the puzzle (its givens, row by row).
    void Update(const engine::Digits& givens);

    const engine::Digits& Givens() const { return givens_; }
    const std::optional<engine::RepeatedDigit>& Repeat() const { return repeat_; }
    int Count() const { return count_; }
    bool Unique() const { return count_ == 1; }
    // The solution's digit at row, col (1..9); meaningful when Unique().
    int DigitAt(int row, int col) const { return solution_[std::size_t((row - 1) * 9 + col - 1)]; }
    const engine::Digits& Digits() const { return solution_; }
    const engine::Rating& Rating() const { return rating_; }

private:
    bool known_ = false;
    engine::Digits givens_{};
    std::optional<engine::RepeatedDigit> repeat_;
    int count_ = 0;
    engine::Digits solution_{};
    engine::Rating rating_;
};

// Why the puzzle cannot be played as a puzzle: the repeated digit and its unit, no solution, or
// several; empty when it has exactly one solution.
QString PuzzleProblem(const PuzzleSolution& puzzle);

// The player's name of a level: "facile", "moyen", "difficile" for 0-1, 2-3, 4-5, "expert" past
// them.
QString LevelName(const engine::Rating& rating);

// The dashboard's line: "Niveau : moyen (3)", "Niveau : expert"; empty for a puzzle without a
// single solution.
QString LevelLine(const engine::Rating& rating);

} // namespace game
