#pragma once
// Family 4, open ("franc") configurations: cells of one unit whose candidates together are
// exactly as many digits as there are cells; those digits leave every other cell of the unit.

#include "engine/grid_state.h"

#include <string_view>

namespace engine {

// 2, 3 or 4 cells with the identical candidate text of size digits. familyText is the middle of
// the view lines' text (" en doublet franc sur ", " en triplet franc sur ", ...).
void FindOpenConfigurations(FindingList& list, int& familyCount, const GridState& grid, int size,
                            UnitKind kind, std::string_view familyText);

// Three cells holding exactly three digits together, without all holding all three.
void FindIncompleteOpenTrios(FindingList& list, int& familyCount, const GridState& grid,
                             UnitKind kind);

} // namespace engine
