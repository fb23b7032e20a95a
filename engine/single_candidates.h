#pragma once
// Families 0 and 1: a cell with one candidate left (naked single) and a digit with one place
// left in a row, column or region (hidden single). Every finding places a digit ("P").

#include "engine/grid_state.h"

namespace engine {

// Family 0. Resets familyCount first: it opens every analysis run.
void FindNakedSingles(FindingList& list, int& familyCount, const GridState& grid);

// Family 1, for the units of one kind. familyCount accumulates over the row, column and region
// passes. No duplicate is removed: one cell and digit may come from each pass and from family 0.
void FindHiddenSingles(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind);

// Calls visit(row, col, d) for each digit d with exactly one place in a unit of the given kind:
// units 1..9, digits ascending within a unit. The search behind FindHiddenSingles, without texts.
template <typename Visit>
void VisitHiddenSingles(const GridState& grid, UnitKind kind, Visit&& visit) {
    for (int u = 1; u <= 9; ++u) {
        const UnitPositions& positions = grid.Unit(kind, u);
        CandidateSet once = 0;
        CandidateSet more = 0;
        for (std::uint8_t p : positions) {
            const CandidateSet candidates = grid.Cells[p].Candidates;
            more |= once & candidates;
            once |= candidates;
        }
        const CandidateSet single = once & CandidateSet(~more);
        for (int d = 1; d <= 9; ++d) {
            if (!HasDigit(single, d))
                continue;
            for (std::uint8_t p : positions) {
                const CellState& cell = grid.Cells[p];
                if (HasDigit(cell.Candidates, d))
                    visit(int(cell.Row), int(cell.Col), d);
            }
        }
    }
}

} // namespace engine
