#pragma once
// Positions, searches and findings written as readable text, for the engine tests.

#include "engine/grid_state.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace testing {

// A snapshot (column by column, as the game takes it) in which only the listed cells have
// candidates: entries "L2C9:47" give the cell in row 2, column 9 the candidates 4 and 7, "L2C9:"
// none. Every other cell has none, as if it held a digit. An entry "row by row" gives the
// generator's order instead.
engine::GridState CandidateGrid(const QStringList& cells);

// One line per finding: "L2C7 5 V F2 S0 O Jumeaux/triplés de 5 en L2R3" (row and column, digit,
// action, family, configuration number, trace, then the text when it is not empty).
QStringList Describe(const engine::FindingList& list);

using Search = std::function<void(engine::FindingList&, int&, const engine::GridState&)>;

// Every search of the families by name, with its plain twin from reference_families.h when it
// has one: "naked", "hidden L", "twins C", "interactions L", "open 3 R" (doublets, triplets and
// quadruplets francs), "trio C" (incomplete open trios), "exclusive 2 R".
struct NamedSearch {
    QString name;
    Search engine;
    Search reference;
};
const std::vector<NamedSearch>& Searches();

// Data rows for hand-built positions: the searches run one after the other ("twins L, twins C")
// with the family's count starting at start, over the cells of CandidateGrid; the lines expected.
void AddFindingColumns();
// Runs the row and checks its lines, and that the count ends one past the last configuration.
void CheckFindings();

} // namespace testing
