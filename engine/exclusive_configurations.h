#pragma once
// Family 5, exclusive configurations: two (three) digits that, inside one unit, are candidates of
// the same two (three) cells and of no other; every other candidate of those cells goes.

#include "engine/grid_state.h"

namespace engine {

void FindExclusivePairs(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind);
void FindExclusiveTrios(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind);

} // namespace engine
