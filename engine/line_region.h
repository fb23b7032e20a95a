#pragma once
// Family 2, twins/triplets: inside a region, every candidate d lies in two or three cells of one
// row (column); d leaves the rest of that row (column).
// Family 3, line-region interaction: inside a row (column), every candidate d lies in one region;
// d leaves the other cells of that region.
// All four loop over region r = 1..9, digit d = 1..9, line k = 1..3 of the region.

#include "engine/unit_bits.h"

namespace engine {

void FindRowTwins(FindingList& list, int& familyCount, const UnitTable& units);
void FindColumnTwins(FindingList& list, int& familyCount, const UnitTable& units);
void FindRowInteractions(FindingList& list, int& familyCount, const UnitTable& units);
void FindColumnInteractions(FindingList& list, int& familyCount, const UnitTable& units);

} // namespace engine
