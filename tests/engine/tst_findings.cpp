// The six families' lines against golden files over hand-built, random and rated positions.

#include "bench/puzzle_positions.h"
#include "engine/families.h"
#include "tests/golden.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <random>

using engine::FindingList;
using engine::GridState;

namespace {

using Position = std::pair<QString, GridState>; // a name, a position

// Only the listed cells have candidates ("L2C9:47": candidates 4 and 7 in row 2, column 9).
GridState CandidateGrid(const QString& cells, GridState::Order order) {
    GridState grid(order);
    for (engine::CellState& cell : grid.Cells)
        cell.Candidates = 0;
    for (const auto& m : QRegularExpression("L([1-9])C([1-9]):([1-9]*)").globalMatch(cells))
        for (QChar digit : m.captured(3))
            grid.At(m.captured(1).toInt(), m.captured(2).toInt()).Candidates |=
                engine::DigitBit(digit.digitValue());
    return grid;
}

// A third of the cells filled (no candidate), the others with each digit at the given chance.
GridState RandomGrid(std::mt19937& random, unsigned digitPercent, GridState::Order order) {
    GridState grid(order);
    for (engine::CellState& cell : grid.Cells) {
        cell.Candidates = 0;
        if (random() % 100 < 35)
            continue;
        for (int d = 1; d <= 9; ++d)
            if (random() % 100 < digitPercent)
                cell.Candidates |= engine::DigitBit(d);
    }
    return grid;
}

std::vector<Position> Positions() {
    constexpr auto column = GridState::Order::ColumnMajor;
    constexpr auto row = GridState::Order::RowMajor;
    std::vector<Position> all;
    // Hand-built positions, one a line: name|cells|"row" for the generator's order.
    QFile file(QStringLiteral(TESSARINE_HAND_POSITIONS));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", TESSARINE_HAND_POSITIONS);
    for (const QByteArray& line : file.readAll().trimmed().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(u'|');
        all.push_back(
            {fields[0], CandidateGrid(fields[1], fields.value(2) == u"row" ? row : column)});
    }
    all.push_back({"every candidate everywhere", GridState()});

    std::mt19937 random(11u);
    for (int i = 0; i < 8; ++i) {
        all.push_back({QStringLiteral("random sparse %1").arg(i), RandomGrid(random, 30, column)});
        all.push_back({QStringLiteral("random dense %1").arg(i), RandomGrid(random, 55, column)});
        all.push_back({QStringLiteral("random row by row %1").arg(i), RandomGrid(random, 30, row)});
    }

    // Puzzles 0 and 100 of each level at every stage, then a solved grid as lone candidates.
    for (std::string_view level : puzzles::kLevels) {
        const std::vector<puzzles::Puzzle> puzzles = puzzles::LoadPuzzles(level);
        for (std::size_t i : {0, 100}) {
            GridState grid = puzzles::GridFromGivens(puzzles.at(i).givens);
            FindingList list;
            int stage = 0;
            do {
                all.push_back({QStringLiteral("%1 %2, stage %3")
                                   .arg(QString::fromUtf8(level))
                                   .arg(i)
                                   .arg(stage++),
                               grid});
                engine::RunFamilies(grid, list);
            } while (puzzles::ApplyFindings(grid, list));
        }
    }
    GridState solved;
    for (engine::CellState& cell : solved.Cells)
        cell.Candidates = engine::DigitBit(
            puzzles::LoadPuzzles("simple").at(0).solution.at((cell.Row - 1) * 9 + cell.Col - 1) -
            '0');
    all.push_back({"solved grid as lone candidates", solved});
    return all;
}

QByteArray Line(const engine::Finding& f) {
    return QString::asprintf("L%dC%d %c %c F%d S%d %c", f.Row, f.Col, f.Digit, f.Action, f.Family,
                             f.Seq, f.Trace)
               .toUtf8() +
           (f.Text.empty() ? "" : " ") + QByteArray::fromStdString(f.Text) + "\n";
}

} // namespace

class FindingsTest : public QObject {
    Q_OBJECT

private slots:
    void familyLinesAsGolden() {
        std::array<QByteArray, engine::kFamilyCount> files;
        for (const auto& [name, grid] : Positions()) {
            FindingList list;
            engine::AddFinding(list, 1, 1, '1', 'P', 0, 0, 'O', "left from the last run");
            const engine::FamilyCounts counts = engine::RunFamilies(grid, list);
            for (int family = 0; family < engine::kFamilyCount; ++family)
                files[family] +=
                    "== " + name.toUtf8() + ": " +
                    QByteArray::fromStdString(engine::FamilyLine(family, counts[family])) + "\n";
            for (const engine::Finding& finding : list)
                files[finding.Family] += Line(finding);
        }
        for (int family = 0; family < engine::kFamilyCount; ++family)
            QCOMPARE_GOLDEN(files[family], QStringLiteral("engine/family_%1.txt").arg(family));
        QCOMPARE(engine::FamilyLine(engine::kFamilyCount, 2), "2");
        QCOMPARE(engine::FamilyLine(-1, 2), "2");
    }

    void textsCutAt80Characters() {
        const QString eighty = QString(78, u'a') + "éè"; // 82 bytes
        for (const QString& text : {eighty, eighty + "z"}) {
            FindingList list;
            engine::AddFinding(list, 5, 8, '3', 'C', 4, 7, 'N', text.toStdString());
            QCOMPARE(QString::fromStdString(list.at(0).Text), eighty);
        }
    }
};

QTEST_APPLESS_MAIN(FindingsTest)
#include "tst_findings.moc"
