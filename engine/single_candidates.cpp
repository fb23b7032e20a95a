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
        ++familyCount;
    }
}

void FindHiddenSingles(FindingList& list, int& familyCount, const GridState& grid, UnitKind kind) {
    for (int u = 1; u <= 9; ++u) {
        std::array<int, 10> count{};
        std::array<std::uint8_t, 10> lastRow{};
        std::array<std::uint8_t, 10> lastCol{};
        for (std::uint8_t p : grid.Unit(kind, u)) {
            const CellState& cell = grid.Cells[p];
            for (int d = 1; d <= 9; ++d) {
                if (HasDigit(cell.Candidates, d)) {
                    ++count[d];
                    lastRow[d] = cell.Row;
                    lastCol[d] = cell.Col;
                }
            }
        }
        for (int d = 1; d <= 9; ++d) {
            if (count[d] != 1)
                continue;
            AddFinding(list, lastRow[d], lastCol[d], char('0' + d), 'P', 1, familyCount, 'O',
                       HiddenSingleText(d, lastRow[d], lastCol[d], kind));
            ++familyCount;
        }
    }
}

} // namespace engine
