#pragma once
// Families 0 and 1: a cell with one candidate left (naked single) and a digit with one place
// left in a row, column or region (hidden single). Every finding places a digit ("P").

#include "engine/grid_state.h"

namespace engine {

// Family 0. Resets familyCount first: it opens every analysis run.
void FindNakedSingles(FindingList& list, int& familyCount, const GridState& grid);

// Family 1, for the units of one kind. familyCount accumulates over the row, column and region
// passes. No duplicate is removed: one cell and digit may come from each pass and from family 0.
void FindHiddenSingles(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind);

} // namespace engine
