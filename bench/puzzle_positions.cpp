#include "bench/puzzle_positions.h"

#include "engine/single_candidates.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace puzzles {

namespace {

bool IsGridText(const std::string& text, bool digitsOnly) {
    if (text.size() != 81)
        return false;
    for (char c : text)
        if (!((c >= '1' && c <= '9') || (!digitsOnly && c == '.')))
            return false;
    return true;
}

engine::FindingList FindSingles(const engine::GridState& grid) {
    engine::FindingList list;
    int familyCount = 0;
    engine::FindNakedSingles(list, familyCount, grid);
    for (engine::UnitKind kind :
         {engine::UnitKind::Row, engine::UnitKind::Column, engine::UnitKind::Region})
        engine::FindHiddenSingles(list, familyCount, grid, kind);
    return list;
}

} // namespace

std::string PuzzleDirectory() {
    if (const char* folder = std::getenv("TESSARINE_PUZZLES"); folder && *folder)
        return folder;
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "tests" / "data")
        .string();
}

std::vector<Puzzle> LoadPuzzles(std::string_view level) {
    std::vector<Puzzle> result;
    std::ifstream file(PuzzleDirectory() + "/qqwing_" + std::string(level) + ".txt");
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        Puzzle puzzle;
        if (fields >> puzzle.givens >> puzzle.solution && IsGridText(puzzle.givens, false) &&
            IsGridText(puzzle.solution, true))
            result.push_back(std::move(puzzle));
    }
    return result;
}

engine::GridState GridFromGivens(std::string_view givens) {
    engine::GridState grid(engine::GridState::Order::ColumnMajor);
    for (int i = 0; i < 81 && i < int(givens.size()); ++i)
        if (givens[i] >= '1' && givens[i] <= '9')
            PlaceDigit(grid, i / 9 + 1, i % 9 + 1, givens[i] - '0');
    return grid;
}

void PlaceDigit(engine::GridState& grid, int row, int col, int d) {
    engine::CellState& cell = grid.At(row, col);
    cell.Digit = std::uint8_t(d);
    cell.Candidates = 0;
    const engine::CandidateSet keep = engine::CandidateSet(~engine::DigitBit(d));
    for (auto kind : {engine::UnitKind::Row, engine::UnitKind::Column, engine::UnitKind::Region}) {
        const int unit = kind == engine::UnitKind::Row      ? row
                         : kind == engine::UnitKind::Column ? col
                                                            : engine::RegionOf(row, col);
        for (std::uint8_t p : grid.Unit(kind, unit))
            grid.Cells[p].Candidates &= keep;
    }
}

bool ApplyFindings(engine::GridState& grid, const engine::FindingList& list) {
    bool changed = false;
    for (const engine::Finding& finding : list) {
        engine::CellState& cell = grid.At(finding.Row, finding.Col);
        const int d = finding.Digit - '0';
        if (finding.Action == 'P' && cell.Digit == 0) {
            PlaceDigit(grid, finding.Row, finding.Col, d);
            changed = true;
        } else if (finding.Action == 'C' && engine::HasDigit(cell.Candidates, d)) {
            cell.Candidates &= engine::CandidateSet(~engine::DigitBit(d));
            changed = true;
        }
    }
    return changed;
}

int CountPlacedCells(const engine::GridState& grid) {
    int placed = 0;
    for (const engine::CellState& cell : grid.Cells)
        placed += cell.Digit != 0;
    return placed;
}

const std::vector<engine::GridState>& MidGamePositions() {
    static const std::vector<engine::GridState> positions = [] {
        std::vector<engine::GridState> result;
        for (std::string_view level : kLevels) {
            const std::vector<Puzzle> all = LoadPuzzles(level);
            for (std::size_t i = 0; i < all.size(); i += 20) {
                engine::GridState grid = GridFromGivens(all[i].givens);
                for (int round = 0; round < 2; ++round)
                    ApplyFindings(grid, FindSingles(grid));
                if (CountPlacedCells(grid) < 81)
                    result.push_back(grid);
            }
        }
        return result;
    }();
    return positions;
}

} // namespace puzzles
