#pragma once
// Positions and findings written as readable text, for the engine tests.

#include "engine/grid_state.h"

#include <QStringList>

namespace testing {

// A snapshot (column by column, as the game takes it) in which only the listed cells have
// candidates: entries "L2C9:47" give the cell in row 2, column 9 the candidates 4 and 7. Every
// other cell has none, as if it held a digit. An entry "L2C9:" leaves that cell without candidates
// too.
engine::GridState
CandidateGrid(const QStringList& cells,
              engine::GridState::Order order = engine::GridState::Order::ColumnMajor);

// Sets the candidates of the listed cells ("L2C9:47") on top of an existing position.
void SetCandidates(engine::GridState& grid, const QStringList& cells);

// One line per finding: "L2C7 5 V F2 S0 O Jumeaux/triplés de 5 en L2R3" (row and column, digit,
// action, family, configuration number, trace, then the text when it is not empty).
QStringList Describe(const engine::FindingList& list);

} // namespace testing
