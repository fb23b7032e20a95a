// Plays every rated puzzle with all six families applied after each analysis, as a player who
// ticks every family would: no finding may ever place a wrong digit or remove the solution's
// candidate, and every configuration has exactly one line that stands for it.

#include "bench/puzzle_positions.h"
#include "engine/families.h"

#include <QTest>

#include <map>

using engine::Finding;
using engine::FindingList;

namespace {

// Why a finding is wrong for the solution, or empty.
QString Fault(const Finding& finding, const std::string& solution) {
    const char truth = solution[std::size_t((finding.Row - 1) * 9 + finding.Col - 1)];
    const bool wrong = (finding.Action == 'P' && finding.Digit != truth) ||
                       (finding.Action == 'C' && finding.Digit == truth);
    if (!wrong)
        return {};
    return QStringLiteral("family %1 %2 %3 at L%4C%5 (solution %6): %7")
        .arg(finding.Family)
        .arg(QChar(finding.Action))
        .arg(QChar(finding.Digit))
        .arg(finding.Row)
        .arg(finding.Col)
        .arg(QChar(truth))
        .arg(QString::fromStdString(finding.Text));
}

// Configurations numbered 0, 1, ... in each family, each with exactly one "O" line.
QString NumberingFault(const FindingList& list, const engine::FamilyCounts& counts) {
    std::map<std::pair<int, int>, int> standing;
    for (const Finding& finding : list) {
        if (finding.Seq < 0 || finding.Seq >= counts[finding.Family])
            return QStringLiteral("family %1: number %2 out of range")
                .arg(finding.Family)
                .arg(finding.Seq);
        standing[{finding.Family, finding.Seq}] += finding.Trace == 'O';
    }
    for (int family = 0; family < engine::kFamilyCount; ++family)
        for (int seq = 0; seq < counts[family]; ++seq)
            if (standing[{family, seq}] != 1)
                return QStringLiteral("family %1, configuration %2: %3 lines stand for it")
                    .arg(family)
                    .arg(seq)
                    .arg(standing[{family, seq}]);
    return {};
}

} // namespace

class PuzzleWalkTest : public QObject {
    Q_OBJECT

private slots:
    void everyFindingIsSound_data();
    void everyFindingIsSound();
};

void PuzzleWalkTest::everyFindingIsSound_data() {
    QTest::addColumn<QString>("level");
    for (std::string_view level : puzzles::kLevels)
        QTest::newRow(std::string(level).c_str()) << QString::fromUtf8(level.data(), level.size());
}

void PuzzleWalkTest::everyFindingIsSound() {
    QFETCH(QString, level);
    const std::vector<puzzles::Puzzle> all = puzzles::LoadPuzzles(level.toStdString());
    QCOMPARE(int(all.size()), 200);
    int solved = 0;
    for (const puzzles::Puzzle& puzzle : all) {
        engine::GridState grid = puzzles::GridFromGivens(puzzle.givens);
        FindingList list;
        bool changed = true;
        while (changed) {
            const engine::FamilyCounts counts = engine::RunFamilies(grid, list);
            for (const Finding& finding : list) {
                const QString fault = Fault(finding, puzzle.solution);
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QString::fromStdString(puzzle.givens) + "\n" + fault));
            }
            const QString numbering = NumberingFault(list, counts);
            QVERIFY2(numbering.isEmpty(), qPrintable(numbering));
            changed = puzzles::ApplyFindings(grid, list);
        }
        if (puzzles::CountPlacedCells(grid) == 81)
            ++solved;
    }
    qInfo("%s: %d of %zu puzzles solved to the end", qPrintable(level), solved, all.size());
}

QTEST_APPLESS_MAIN(PuzzleWalkTest)
#include "tst_puzzle_walk.moc"
