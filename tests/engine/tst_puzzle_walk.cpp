// Every rated puzzle played with all families applied: no finding contradicts the solution, and
// each configuration has exactly one line standing for it.

#include "bench/puzzle_positions.h"
#include "engine/families.h"

#include <QTest>

#include <map>

namespace {

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
                const QString fault = Fault(list, counts, puzzle.solution);
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QString::fromStdString(puzzle.givens) + "\n" + fault));
            } while (puzzles::ApplyFindings(grid, list));
            solved += puzzles::CountPlacedCells(grid) == 81;
        }
        qInfo("%s: %d of %zu puzzles solved to the end", qPrintable(level), solved, all.size());
    }
};

QTEST_APPLESS_MAIN(PuzzleWalkTest)
#include "tst_puzzle_walk.moc"
