// Properties every generated puzzle must have, checked over many seeds.

#include "engine/generator.h"
#include "engine/grid_state.h"
#include "engine/single_candidates.h"

#include <QtTest>

using namespace engine;

namespace {

// The puzzle's givens as a row-major grid with the candidates the givens leave.
GridState GridOfPuzzle(const std::string& puzzle) {
    GridState grid(GridState::Order::RowMajor);
    for (int k = 0; k < 81; ++k)
        if (puzzle[k] != '.')
            grid.Cells[k].Digit = std::uint8_t(puzzle[k] - '0');
    for (CellState& cell : grid.Cells) {
        if (cell.Digit) {
            cell.Candidates = 0;
            continue;
        }
        for (const CellState& peer : grid.Cells)
            if (peer.Digit &&
                (peer.Row == cell.Row || peer.Col == cell.Col || peer.Region == cell.Region))
                cell.Candidates &= CandidateSet(~DigitBit(peer.Digit));
    }
    return grid;
}

void Place(GridState& grid, int row, int col, int d) {
    CellState& target = grid.At(row, col);
    target.Digit = std::uint8_t(d);
    target.Candidates = 0;
    for (CellState& cell : grid.Cells)
        if (cell.Row == row || cell.Col == col || cell.Region == target.Region)
            cell.Candidates &= CandidateSet(~DigitBit(d));
}

// Applies naked and hidden singles, one finding at a time, until none is left.
void SolveBySingles(GridState& grid) {
    for (;;) {
        FindingList findings;
        int count = 0;
        FindNakedSingles(findings, count, grid);
        for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Region})
            FindHiddenSingles(findings, count, grid, kind);
        if (findings.empty())
            return;
        const Finding& first = findings.front();
        Place(grid, first.Row, first.Col, first.Digit - '0');
    }
}

bool UnitsHoldEachDigitOnce(const GridState& grid, bool allowEmpty) {
    for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Region}) {
        for (int u = 1; u <= 9; ++u) {
            CandidateSet seen = 0;
            for (std::uint8_t p : grid.Unit(kind, u)) {
                const int d = grid.Cells[p].Digit;
                if (d == 0 && allowEmpty)
                    continue;
                if (d == 0 || HasDigit(seen, d))
                    return false;
                seen |= DigitBit(d);
            }
        }
    }
    return true;
}

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT
private slots:
    void randomRangeStaysInBoundsAndCoversThem();
    void puzzlesAreWellFormedAndSolvableBySingles();
    void twoCallsDiffer();
};

void TestGenerator::randomRangeStaysInBoundsAndCoversThem() {
    RandomSource random(12345);
    std::array<int, 26> seen{};
    for (int i = 0; i < 26000; ++i) {
        const int value = random.Range(65, 90);
        QVERIFY(value >= 65 && value <= 90);
        ++seen[value - 65];
    }
    for (int count : seen)
        QVERIFY(count > 800 && count < 1300); // about 1000 each
    QCOMPARE(RandomSource(7).Range(3, 3), 3);
}

void TestGenerator::puzzlesAreWellFormedAndSolvableBySingles() {
    // Many seeds, so the rare attempt that places conflicting hidden singles together is met.
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        RandomSource random(seed * 2654435761u);
        const std::string puzzle = GenerateGrid(random);
        QCOMPARE(int(puzzle.size()), 81);
        int givens = 0;
        for (char ch : puzzle) {
            QVERIFY2(ch == '.' || (ch >= '1' && ch <= '9'), puzzle.c_str());
            givens += ch != '.';
        }
        QVERIFY2(givens >= 18, puzzle.c_str());
        GridState grid = GridOfPuzzle(puzzle);
        QVERIFY2(UnitsHoldEachDigitOnce(grid, true), puzzle.c_str());
        SolveBySingles(grid);
        QVERIFY2(UnitsHoldEachDigitOnce(grid, false), puzzle.c_str());
    }
}

void TestGenerator::twoCallsDiffer() {
    const std::string first = GenerateGrid();
    const std::string second = GenerateGrid();
    QVERIFY(first != second);
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
