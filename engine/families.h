#pragma once
// The six technique families run in their fixed order over one snapshot: what one analysis run
// computes before anything is applied.

#include "engine/grid_state.h"

#include <array>
#include <string>

namespace engine {

constexpr int kFamilyCount = 6;
using FamilyCounts = std::array<int, kFamilyCount>;

// Empties list, then appends the findings of families 0..5 in order. Returns, per family, the
// number of configurations found.
FamilyCounts RunFamilies(const GridState& grid, FindingList& list);
// The same for families 0..lastFamily only: the list is the start of the whole run's list, and
// the later families count 0.
FamilyCounts RunFamiliesUpTo(const GridState& grid, FindingList& list, int lastFamily);

// The line of the family check list after a run: count followed by the family's text
// ("3 Candidat(s) seul(s) dans leur case").
std::string FamilyLine(int family, int count);

} // namespace engine
