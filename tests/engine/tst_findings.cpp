// The six families' finding lines, compared with golden files (one per family) over a fixed set of
// positions: hand-built ones that isolate each case, random candidates (many contradictory), and
// rated puzzles at every stage of play.

#include "bench/puzzle_positions.h"
#include "engine/families.h"
#include "engine/single_candidates.h"
#include "tests/golden.h"

#include <QRegularExpression>
#include <QTest>

#include <random>

using engine::FindingList;
using engine::GridState;

namespace {

struct Position {
    QString name;
    GridState grid;
};

// Only the listed cells have candidates ("L2C9:47": candidates 4 and 7 in row 2, column 9).
GridState CandidateGrid(const QString& cells, GridState::Order order) {
    static const QRegularExpression entry(QStringLiteral("L([1-9])C([1-9]):([1-9]*)"));
    GridState grid(order);
    for (engine::CellState& cell : grid.Cells)
        cell.Candidates = 0;
    for (const QRegularExpressionMatch& match : entry.globalMatch(cells))
        for (QChar digit : match.captured(3))
            grid.At(match.captured(1).toInt(), match.captured(2).toInt()).Candidates |=
                engine::DigitBit(digit.digitValue());
    return grid;
}

// Each cell gets each digit with the given chance in percent, unless filled (no candidate).
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
    auto hand = [&](const char* name, const char* cells,
                    GridState::Order order = GridState::Order::ColumnMajor) {
        all.push_back({name, CandidateGrid(cells, order)});
    };
    hand("naked singles column by column", "L2C9:7 L1C2:9 L3C3:12 L5C1:4 L4C4:");
    hand("hidden singles in a row", "L3C1:169 L3C5:1469 L3C7:16");
    hand("hidden singles in a region", "L4C7:58 L5C8:5 L6C9:59");
    hand("hidden singles, rows then digits", "L7C2:3 L7C5:23 L1C4:96");
    hand("twins in row 2", "L2C7:5 L2C9:5 L2C1:5 L2C5:15");
    hand("one cell of the region: no twin", "L2C7:5 L2C1:5");
    hand("twins, nothing else in the row", "L2C7:5 L2C9:5");
    hand("region holds the digit on another row", "L2C7:5 L2C9:5 L3C8:5 L2C1:5");
    hand("triplets", "L2C7:5 L2C8:5 L2C9:5 L2C4:5");
    hand("twins in three regions of rows 1 and 3",
         "L1C8:1 L1C9:1 L1C2:1 L1C1:6 L1C3:6 L1C5:6 L3C1:2 L3C3:2 L3C9:2");
    hand("row twins and column twins", "L2C7:5 L2C9:5 L2C1:5 L4C4:8 L6C4:48 L1C4:8 L9C4:8");
    hand("interaction of row 5 and region 4", "L5C1:7 L5C3:7 L4C2:7 L6C3:17");
    hand("row holds the digit outside the region", "L5C1:7 L5C3:7 L5C8:7 L4C2:7");
    hand("a single cell of the row", "L5C1:7 L4C2:7 L6C3:7");
    hand("interactions of column 8 and row 8", "L7C8:2 L9C8:2 L8C7:2 L8C9:26");
    hand("doublet with nothing to remove", "L3C2:47 L3C6:47 L3C8:19");
    hand("doublet, removal between the pair", "L4C1:35 L4C5:1357 L4C9:35");
    const char* triplet = "L4C4:123 L6C5:123 L5C6:123 L4C6:1234 L6C6:39";
    hand("triplet in region 5", triplet);
    hand("triplet in region 5, generator order", triplet, row);
    hand("three cells 47 for a doublet", "L1C2:47 L3C2:47 L6C2:47 L8C2:479");
    hand("quadruplet", "L9C1:1234 L9C3:1234 L9C5:1234 L9C7:1234 L9C9:45");
    hand("12, 34, 1234, 1234: no quadruplet", "L9C1:12 L9C2:34 L9C3:1234 L9C4:1234 L9C5:15");
    hand("incomplete trio 12, 23, 13", "L1C1:12 L2C2:23 L3C3:13 L1C3:259");
    hand("three cells 123 and a 14", "L6C1:123 L6C2:123 L6C3:123 L6C9:14");
    hand("incomplete trio 1, 23, 123", "L2C5:1 L4C5:23 L7C5:123 L9C5:39");
    hand("12, 12, 123 and 34", "L2C1:12 L2C4:12 L2C8:123 L2C9:34");
    hand("two doublets in a row, one in a column",
         "L2C1:89 L2C2:89 L2C3:189 L2C5:56 L2C6:56 L2C7:5 L5C8:34 L7C8:34 L9C8:3");
    hand("exclusive pair 58", "L3C2:1258 L3C6:158 L3C9:12");
    hand("two cells 58 and nothing else", "L3C2:58 L3C6:58 L3C9:12");
    hand("exclusive pair in a region", "L9C9:34 L7C7:349 L8C8:9");
    hand("exclusive pair in a column", "L2C4:136 L8C4:1567 L5C4:357 L6C4:357 L9C4:37");
    hand("three digits in the same two cells", "L1C1:1234 L1C5:123 L1C9:4");
    hand("exclusive trio 123, 9 elsewhere", "L1C7:129 L4C7:239 L8C7:13 L9C7:49");
    hand("9 nowhere else either", "L1C7:129 L4C7:239 L8C7:13");
    hand("12, 23, 13, 45", "L1C7:12 L4C7:23 L8C7:13 L9C7:45");
    hand("exclusive trio, one digit three times", "L5C1:4789 L5C4:478 L5C6:47 L5C8:19");
    hand("exclusive trio in a region", "L1C4:25 L3C5:2569 L2C6:56 L1C6:19");
    hand("first cell holds none of the trio's digits", "L1C1:5 L1C2:123 L1C3:123");
    hand("two exclusive pairs and a trio", "L1C1:129 L1C2:349 L1C4:89 L1C5:12 L1C8:348 L1C9:89 "
                                           "L2C1:126 L2C2:1567 L2C3:67 L2C8:25 L2C9:25");
    hand("every family", "L1C1:1 L2C7:5 L2C9:5 L2C1:59 L5C1:7 L5C3:7 L4C2:7 L8C4:34 L8C6:34 "
                         "L8C9:348 L9C2:1268 L9C5:268 L9C7:12 L9C8:3");
    all.push_back({"every candidate everywhere", GridState()});

    std::mt19937 random(11u);
    for (int i = 0; i < 8; ++i) {
        all.push_back({QStringLiteral("random sparse %1").arg(i), RandomGrid(random, 30, column)});
        all.push_back({QStringLiteral("random dense %1").arg(i), RandomGrid(random, 55, column)});
        all.push_back({QStringLiteral("random row by row %1").arg(i), RandomGrid(random, 30, row)});
    }

    // The first and the 100th puzzle of each level at every stage of play, then a solved grid
    // written as lone candidates.
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
        for (const Position& position : Positions()) {
            FindingList list;
            engine::AddFinding(list, 1, 1, '1', 'P', 0, 0, 'O', "left from the last run");
            const engine::FamilyCounts counts = engine::RunFamilies(position.grid, list);
            for (int family = 0; family < engine::kFamilyCount; ++family)
                files[family] +=
                    "== " + position.name.toUtf8() + ": " +
                    QByteArray::fromStdString(engine::FamilyLine(family, counts[family])) + "\n";
            for (const engine::Finding& finding : list)
                files[finding.Family] += Line(finding);
        }
        for (int family = 0; family < engine::kFamilyCount; ++family)
            QCOMPARE_GOLDEN(files[family], QStringLiteral("engine/family_%1.txt").arg(family));
        QCOMPARE(engine::FamilyLine(engine::kFamilyCount, 2), "2");
        QCOMPARE(engine::FamilyLine(-1, 2), "2");
    }

    void nakedSinglesRestartTheCount() {
        FindingList list;
        int count = 7;
        engine::FindNakedSingles(list, count, CandidateGrid("L2C9:7", GridState::Order::RowMajor));
        QCOMPARE(count, 1);
    }

    void strayCandidateBitsAreIgnored() {
        // Bits outside 1..9 are no digits: families 2 to 5 see the position as without them.
        std::mt19937 random(5u);
        for (int i = 0; i < 100; ++i) {
            const GridState clean = RandomGrid(random, 30, GridState::Order::ColumnMajor);
            GridState stray = clean;
            for (engine::CellState& cell : stray.Cells)
                cell.Candidates |= engine::CandidateSet(1u | (1u << (10 + random() % 6)));
            FindingList withStray, without;
            engine::RunFamilies(stray, withStray);
            engine::RunFamilies(clean, without);
            auto laterFamilies = [](const FindingList& list) {
                QByteArray lines;
                for (const engine::Finding& finding : list)
                    lines += finding.Family >= 2 ? Line(finding) : QByteArray();
                return lines;
            };
            QCOMPARE(laterFamilies(withStray), laterFamilies(without));
        }
    }
};

QTEST_APPLESS_MAIN(FindingsTest)
#include "tst_findings.moc"
