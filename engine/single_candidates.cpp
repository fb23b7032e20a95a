#include "engine/single_candidates.h"

#include <bit>

namespace engine {

void FindNakedSingles(FindingList& list, int& familyCount, const GridState& grid) {
    familyCount = 0;
    for (const CellState& cell : grid.Cells) {
        if (CountDigits(cell.Candidates) != 1)
            continue;
        const int d = std::countr_zero(unsigned(cell.Candidates));
        AddFinding(list, cell.Row, cell.Col, char('0' + d), 'P', 0, familyCount, 'O',
                   FindingText::NakedSingle(d, cell.Row, cell.Col));
        SetUnit(list, list.size() - 1, UnitKind::Row, cell.Row);
        ++familyCount;
    }
}

void FindHiddenSingles(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind) {
    VisitHiddenSingles(grid, kind, [&](int row, int col, int d) {
        AddFinding(list, row, col, char('0' + d), 'P', 1, familyCount, 'O',
                   FindingText::HiddenSingle(d, row, col, kind));
        SetUnit(list, list.size() - 1, kind,
                kind == UnitKind::Row      ? row
                : kind == UnitKind::Column ? col
                                           : RegionOf(row, col));
        ++familyCount;
    });
}

} // namespace engine
