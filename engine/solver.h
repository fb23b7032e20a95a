#pragma once
// A complete solver: counts the solutions of a puzzle up to two and gives the solution when it is
// the only one. Bit sets per cell, singles propagated after each placement, the cell with the
// fewest candidates tried first; the search keeps its own fixed stack, so no call allocates and no
// puzzle can deepen the program's stack.

#include "engine/puzzle.h"

namespace engine {

// 0, 1, or 2 for two solutions or more. When exactly one, *solution (if given) receives it.
int CountSolutions(const Digits& puzzle, Digits* solution = nullptr);

} // namespace engine
