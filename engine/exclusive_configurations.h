#pragma once
// Family 5, exclusive configurations: two (three) digits that, inside one unit, are candidates of
// the same two (three) cells and of no other; every other candidate of those cells goes.

#include "engine/unit_bits.h"

namespace engine {

void FindExclusivePairs(FindingList& list, int& familyCount, const UnitTable& units, UnitKind kind);
void FindExclusiveTrios(FindingList& list, int& familyCount, const UnitTable& units, UnitKind kind);

} // namespace engine
