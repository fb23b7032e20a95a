#pragma once
// Family 4, open ("franc") configurations: cells of one unit whose candidates together are
// exactly as many digits as there are cells; those digits leave every other cell of the unit.

#include "engine/unit_bits.h"

namespace engine {

// 2, 3 or 4 cells with the identical candidate text of size digits.
void FindOpenConfigurations(FindingList& list, int& familyCount, const UnitTable& units, int size,
                            UnitKind kind);

// Three cells holding exactly three digits together, without all holding all three.
void FindIncompleteOpenTrios(FindingList& list, int& familyCount, const UnitTable& units,
                             UnitKind kind);

} // namespace engine
