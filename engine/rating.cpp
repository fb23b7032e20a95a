#include "engine/rating.h"

#include "engine/families.h"
#include "engine/solver.h"

namespace engine {

namespace {

// A placement as the game makes it: the digit in the cell, the cell and its row, column and
// region lose that candidate.
void Place(GridState& grid, int row, int col, int d) {
    CellState& cell = grid.At(row, col);
    cell.Digit = std::uint8_t(d);
    cell.Candidates = 0;
    const CandidateSet keep = CandidateSet(~DigitBit(d));
    for (auto [kind, u] : {std::pair{UnitKind::Row, row}, std::pair{UnitKind::Column, col},
                           std::pair{UnitKind::Region, RegionOf(row, col)}})
        for (std::uint8_t p : grid.Unit(kind, u))
            grid.Cells[p].Candidates &= keep;
}

int PlacedCells(const GridState& grid) {
    int placed = 0;
    for (const CellState& cell : grid.Cells)
        placed += cell.Digit != 0;
    return placed;
}

} // namespace

bool FamiliesFill(const Digits& puzzle, int highestFamily) {
    // Cells in the game's order, so every run meets them as the game's runs do.
    GridState grid(GridState::Order::ColumnMajor);
    for (int p = 0; p < 81; ++p)
        if (puzzle[std::size_t(p)] != 0)
            Place(grid, p / 9 + 1, p % 9 + 1, puzzle[std::size_t(p)]);
    FindingList findings;
    for (;;) {
        if (PlacedCells(grid) == 81)
            return true;
        RunFamiliesUpTo(grid, findings, highestFamily);
        bool applied = false;
        for (const Finding& finding : findings) {
            if (finding.Action == 'V')
                continue;
            if (finding.Action == 'P')
                Place(grid, finding.Row, finding.Col, finding.Digit - '0');
            else
                grid.At(finding.Row, finding.Col).Candidates &=
                    CandidateSet(~DigitBit(finding.Digit - '0'));
            applied = true;
        }
        if (!applied)
            return false;
    }
}

Rating RatePuzzle(const Digits& puzzle) {
    if (FindRepeatedDigit(puzzle))
        return {};
    switch (CountSolutions(puzzle)) {
    case 0:
        return {};
    case 1:
        break;
    default:
        return {Verdict::Multiple};
    }
    for (int level = 0; level < kFamilyCount; ++level)
        if (FamiliesFill(puzzle, level))
            return {Verdict::Rated, level};
    return {Verdict::Beyond};
}

std::string RatingWord(const Rating& rating) {
    switch (rating.Kind) {
    case Verdict::Rated:
        return std::to_string(rating.Level);
    case Verdict::Beyond:
        return "beyond";
    case Verdict::Multiple:
        return "multiple";
    case Verdict::Invalid:
        break;
    }
    return "invalid";
}

} // namespace engine
