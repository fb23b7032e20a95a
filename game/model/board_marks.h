#pragma once
// What the board shows beyond the cells' own contents: digits that break a rule, and the cells a
// chosen digit lights up.

#include "game/model/board_cell.h"

#include <array>
#include <vector>

namespace game {

// Sets Conflict on every cell whose digit repeats in its row, column or region, and clears it
// everywhere else. Returns the indexes of the cells whose mark changed.
std::vector<std::size_t> MarkConflicts(std::array<BoardCell, 81>& cells);

// How a cell shows the digit the player chose: it holds it, or it is still one of its candidates.
enum class DigitLight { None, Holds, Candidate };
DigitLight LightFor(const BoardCell& cell, int digit);

} // namespace game
