#pragma once
// Real positions for benchmarks and tests: the rated puzzles of tests/data, positions played from
// their givens the way the game does, and a fixed set of mid-game positions.

#include "engine/grid_state.h"

#include <string>
#include <string_view>
#include <vector>

namespace puzzles {

struct Puzzle {
    std::string givens;   // 81 characters, row by row, "." for an empty cell
    std::string solution; // 81 digits
};

// The four rating levels of the puzzle files, easiest first.
inline constexpr std::string_view kLevels[] = {"simple", "easy", "intermediate", "expert"};

// The folder of the puzzle files: $TESSARINE_PUZZLES when set, else tests/data of this checkout.
std::string PuzzleDirectory();

// The puzzles of qqwing_<level>.txt, in file order. Malformed lines are skipped; a missing file
// gives no puzzle.
std::vector<Puzzle> LoadPuzzles(std::string_view level);

// A frame-order (column by column) snapshot of the givens; each placed digit leaves the candidates
// of its row, column and region, as on the board. Characters other than 1..9 are empty cells.
engine::GridState GridFromGivens(std::string_view givens);

// Places d: clears the cell's candidates and removes d from its row, column and region.
void PlaceDigit(engine::GridState& grid, int row, int col, int d);

// Carries out every finding in list order ("P" places, "C" removes a candidate, "V" does nothing).
// Returns whether the position changed.
bool ApplyFindings(engine::GridState& grid, const engine::FindingList& list);

int CountPlacedCells(const engine::GridState& grid);

// Every 20th puzzle of each level after two rounds of naked and hidden singles, full grids left
// out: the same positions on every call.
const std::vector<engine::GridState>& MidGamePositions();

} // namespace puzzles
