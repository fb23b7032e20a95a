#pragma once
// Difficulty by technique. A puzzle with one solution is rated by the smallest k (0..5) such that
// applying families 0..k after every run, as ticked family lines are applied in play mode, fills
// the grid from its givens; "beyond" when the six families together stall.

#include "engine/puzzle.h"

#include <string>

namespace engine {

enum class Verdict { Rated, Beyond, Invalid, Multiple };

struct Rating {
    Verdict Kind = Verdict::Invalid;
    int Level = -1; // 0..5 when Kind is Rated
};

// Invalid for a digit repeated in a unit or no solution; Multiple for two solutions or more.
Rating RatePuzzle(const Digits& puzzle);

// Whether applying families 0..highestFamily after every run fills the grid from the givens.
bool FamiliesFill(const Digits& puzzle, int highestFamily);

// "0".."5", "beyond", "invalid", "multiple": the words of the command line.
std::string RatingWord(const Rating& rating);

} // namespace engine
