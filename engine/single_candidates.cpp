#include "engine/single_candidates.h"

namespace engine {

namespace {

std::string HiddenSingleText(int d, int row, int col, UnitKind kind) {
    const std::string prefix = "Le " + std::to_string(d) + " seul sur la ";
    const std::string r = std::to_string(row);
    const std::string c = std::to_string(col);
    switch (kind) {
    case UnitKind::Row:
        return prefix + "Ligne : " + r + " Colonne : " + c;
    case UnitKind::Column:
        return prefix + "Colonne : " + c + " Ligne : " + r;
    case UnitKind::Region:
        break;
    }
    return prefix + "Region en L" + r + "C" + c;
}

} // namespace

void FindNakedSingles(FindingList& list, int& familyCount, const GridState& grid) {
    familyCount = 0;
    for (const CellState& cell : grid.Cells) {
        if (CountDigits(cell.Candidates) != 1)
            continue;
        const std::string digit = CandidateText(cell.Candidates);
        AddFinding(list, cell.Row, cell.Col, digit[0], 'P', 0, familyCount, 'O',
                   "Le " + digit + " seul dans la case L" + std::to_string(cell.Row) + "C" +
                       std::to_string(cell.Col));
        SetUnit(list, list.size() - 1, UnitKind::Row, cell.Row);
        ++familyCount;
    }
}

void FindHiddenSingles(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind) {
    VisitHiddenSingles(grid, kind, [&](int row, int col, int d) {
        AddFinding(list, row, col, char('0' + d), 'P', 1, familyCount, 'O',
                   HiddenSingleText(d, row, col, kind));
        SetUnit(list, list.size() - 1, kind,
                kind == UnitKind::Row      ? row
                : kind == UnitKind::Column ? col
                                           : RegionOf(row, col));
        ++familyCount;
    });
}

} // namespace engine
