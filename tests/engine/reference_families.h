#pragma once
// Families 2 to 5 written a second time, plainly: candidate texts, concatenation and digit counts,
// cell lookups by row and column, step by step with no shortcut. The engine's bit-set versions must
// give exactly the same lines on any position.

#include "engine/grid_state.h"

#include <string_view>

namespace reference {

void FindRowTwins(engine::FindingList& list, int& familyCount, const engine::GridState& grid);
void FindColumnTwins(engine::FindingList& list, int& familyCount, const engine::GridState& grid);
void FindRowInteractions(engine::FindingList& list, int& familyCount,
                         const engine::GridState& grid);
void FindColumnInteractions(engine::FindingList& list, int& familyCount,
                            const engine::GridState& grid);
void FindOpenConfigurations(engine::FindingList& list, int& familyCount,
                            const engine::GridState& grid, int size, engine::UnitKind kind,
                            std::string_view familyText);
void FindIncompleteOpenTrios(engine::FindingList& list, int& familyCount,
                             const engine::GridState& grid, engine::UnitKind kind);
void FindExclusivePairs(engine::FindingList& list, int& familyCount, const engine::GridState& grid,
                        engine::UnitKind kind);
void FindExclusiveTrios(engine::FindingList& list, int& familyCount, const engine::GridState& grid,
                        engine::UnitKind kind);

} // namespace reference
