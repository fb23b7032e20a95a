#pragma once
// Families 2 to 5 written a second time, plainly: candidate texts, concatenation and digit counts,
// cell lookups by row and column, step by step with no shortcut. The engine's bit-set versions must
// give exactly the same lines on any position.

#include "engine/grid_state.h"

#include <string_view>

namespace reference {

using engine::FindingList;
using engine::GridState;
using engine::UnitKind;

void FindRowTwins(FindingList&, int& familyCount, const GridState&);
void FindColumnTwins(FindingList&, int& familyCount, const GridState&);
void FindRowInteractions(FindingList&, int& familyCount, const GridState&);
void FindColumnInteractions(FindingList&, int& familyCount, const GridState&);
void FindOpenConfigurations(FindingList&, int& familyCount, const GridState&, int size,
                            UnitKind kind, std::string_view familyText);
void FindIncompleteOpenTrios(FindingList&, int& familyCount, const GridState&, UnitKind kind);
void FindExclusivePairs(FindingList&, int& familyCount, const GridState&, UnitKind kind);
void FindExclusiveTrios(FindingList&, int& familyCount, const GridState&, UnitKind kind);

} // namespace reference
