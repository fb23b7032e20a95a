// Rated puzzles played with every family: findings sound, one line per configuration; generation.

#include "bench/puzzle_positions.h"
#include "engine/deduction.h"
#include "engine/families.h"
#include "engine/generator.h"
#include "engine/single_candidates.h"
#include "tests/golden.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <numeric>

using namespace engine;

namespace {

bool InUnit(const Deduction& deduction, const CellDigit& cell) {
    switch (deduction.Unit) {
    case UnitKind::Row:
        return cell.Row == deduction.UnitNumber;
    case UnitKind::Column:
        return cell.Col == deduction.UnitNumber;
    case UnitKind::Region:
        break;
    }
    return RegionOf(cell.Row, cell.Col) == deduction.UnitNumber;
}

// Why a deduction read back from the lines does not hold together, or empty: its pattern lies in
// its unit; twins and interactions act outside it, the others inside; exclusive groups remove
// other digits than their own, the others place or remove their own.
QString DeductionFault(const FindingList& list, const GridState& grid) {
    std::size_t lines = 0;
    for (const Deduction& deduction : GroupDeductions(list, grid)) {
        lines += deduction.End - deduction.Begin;
        bool sound = deduction.PatternDigits != 0 && !deduction.Effects.empty() &&
                     list[deduction.Origin].Trace == 'O';
        for (const CellDigit& cell : deduction.PatternCells)
            sound &= InUnit(deduction, cell);
        for (const CellDigit& effect : deduction.Effects)
            sound &=
                InUnit(deduction, effect) == (deduction.Family != 2 && deduction.Family != 3) &&
                HasDigit(deduction.PatternDigits, effect.Digit) == (deduction.Family != 5);
        if (!sound)
            return QString::asprintf("family %d, configuration %d: unit %c%d does not hold",
                                     deduction.Family, deduction.Seq, char(deduction.Unit),
                                     deduction.UnitNumber);
    }
    return lines == list.size() ? QString() : QStringLiteral("lines outside every deduction");
}

// Why the findings are wrong for the solution, or empty.
QString Fault(const engine::FindingList& list, const engine::FamilyCounts& counts,
              const std::string& solution) {
    std::map<std::pair<int, int>, int> standing; // lines with trace "O" per configuration
    for (const engine::Finding& f : list) {
        const char truth = solution[std::size_t((f.Row - 1) * 9 + f.Col - 1)];
        if ((f.Action == 'P' && f.Digit != truth) || (f.Action == 'C' && f.Digit == truth) ||
            f.Seq < 0 || f.Seq >= counts[f.Family])
            return QString::asprintf("family %d, configuration %d: %c %c at L%dC%d (solution %c): ",
                                     f.Family, f.Seq, f.Action, f.Digit, f.Row, f.Col, truth) +
                   QString::fromStdString(f.Text);
        standing[{f.Family, f.Seq}] += f.Trace == 'O';
    }
    for (int family = 0; family < engine::kFamilyCount; ++family)
        for (int seq = 0; seq < counts[family]; ++seq)
            if (standing[{family, seq}] != 1)
                return QString::asprintf("family %d, configuration %d: %d lines stand for it",
                                         family, seq, standing[{family, seq}]);
    return {};
}

constexpr UnitKind kKinds[] = {UnitKind::Row, UnitKind::Column, UnitKind::Region};

// Applies naked and hidden singles until none is left.
void SolveBySingles(GridState& grid) {
    FindingList findings;
    do {
        findings.clear();
        int count = 0;
        FindNakedSingles(findings, count, grid);
        for (UnitKind kind : kKinds)
            FindHiddenSingles(findings, count, grid, kind);
    } while (puzzles::ApplyFindings(grid, findings));
}

bool UnitsHoldEachDigitOnce(const GridState& grid, bool allowEmpty) {
    for (UnitKind kind : kKinds) {
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

class PuzzleWalkTest : public QObject {
    Q_OBJECT

private slots:
    void everyFindingIsSound_data() {
        QTest::addColumn<QString>("level");
        for (std::string_view level : puzzles::kLevels)
            QTest::newRow(std::string(level).c_str()) << QString::fromUtf8(level);
    }

    void everyFindingIsSound() {
        QFETCH(QString, level);
        const std::vector<puzzles::Puzzle> all = puzzles::LoadPuzzles(level.toStdString());
        QCOMPARE(int(all.size()), 200);
        int solved = 0;
        for (const puzzles::Puzzle& puzzle : all) {
            engine::GridState grid = puzzles::GridFromGivens(puzzle.givens);
            engine::FindingList list;
            do {
                const engine::FamilyCounts counts = engine::RunFamilies(grid, list);
                const QString fault =
                    Fault(list, counts, puzzle.solution) + DeductionFault(list, grid);
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QString::fromStdString(puzzle.givens) + "\n" + fault));
            } while (puzzles::ApplyFindings(grid, list));
            solved += puzzles::CountPlacedCells(grid) == 81;
        }
        qInfo("%s: %d of %zu puzzles solved to the end", qPrintable(level), solved, all.size());
    }

    void puzzlesAreWellFormedAndSolvableBySingles() {
        // Enough seeds to meet a grid holding a digit twice (62216: only in a ninth unit).
        QByteArray firstPuzzles;
        std::vector<std::uint32_t> seeds(3000);
        std::iota(seeds.begin(), seeds.end(), 1u);
        seeds.push_back(62216);
        for (std::uint32_t seed : seeds) {
            RandomSource random(seed * 2654435761u);
            const std::string puzzle = GenerateGrid(random);
            if (seed <= 8)
                firstPuzzles += QByteArray::fromStdString(puzzle) + "\n";
            QVERIFY2(puzzle.size() == 81 && puzzle.find_first_not_of(".123456789") == puzzle.npos &&
                         std::count(puzzle.begin(), puzzle.end(), '.') <= 81 - 18,
                     puzzle.c_str());
            GridState grid = puzzles::GridFromGivens(puzzle);
            QVERIFY2(UnitsHoldEachDigitOnce(grid, true), puzzle.c_str());
            SolveBySingles(grid);
            QVERIFY2(UnitsHoldEachDigitOnce(grid, false), puzzle.c_str());
        }
        QCOMPARE_GOLDEN(firstPuzzles, "engine/generated_puzzles.txt");
    }

    void twoCallsDiffer() { QVERIFY(GenerateGrid() != GenerateGrid()); }
};

QTEST_APPLESS_MAIN(PuzzleWalkTest)
#include "tst_puzzle_walk.moc"
