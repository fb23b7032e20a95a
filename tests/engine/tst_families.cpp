// The six families run in order over one snapshot, and the bit-set searches measured against the
// plain implementation on many positions, sound and contradictory.

#include "bench/puzzle_positions.h"
#include "engine/families.h"
#include "tests/engine/position_builder.h"

#include <QTest>

#include <algorithm>
#include <random>

using engine::FindingList;
using engine::GridState;

namespace {

// Every cell gets each digit with the given chance; some cells get none, as if filled.
GridState RandomGrid(std::mt19937& random, double digitChance, double filledChance,
                     GridState::Order order = GridState::Order::ColumnMajor) {
    std::bernoulli_distribution digit(digitChance);
    std::bernoulli_distribution filled(filledChance);
    GridState grid(order);
    for (engine::CellState& cell : grid.Cells) {
        cell.Candidates = 0;
        if (filled(random))
            continue;
        for (int d = 1; d <= 9; ++d)
            if (digit(random))
                cell.Candidates |= engine::DigitBit(d);
    }
    return grid;
}

// Positions met while playing every 10th puzzle of each level with all families applied.
std::vector<GridState> PlayedPositions() {
    std::vector<GridState> positions;
    for (std::string_view level : puzzles::kLevels) {
        const std::vector<puzzles::Puzzle> all = puzzles::LoadPuzzles(level);
        for (std::size_t i = 0; i < all.size(); i += 10) {
            GridState grid = puzzles::GridFromGivens(all[i].givens);
            FindingList list;
            do {
                positions.push_back(grid);
                engine::RunFamilies(grid, list);
            } while (puzzles::ApplyFindings(grid, list));
        }
    }
    return positions;
}

// The lines and final count of a search, as one comparable text.
QString Outcome(const testing::Search& search, const GridState& grid) {
    FindingList list;
    int count = 7;
    search(list, count, grid);
    return testing::Describe(list).join('\n') + QStringLiteral("\ncount %1").arg(count);
}

QString CandidateDump(const GridState& grid) {
    QString cells;
    for (const engine::CellState& cell : grid.Cells)
        if (cell.Candidates != 0)
            cells += QString::asprintf("L%dC%d:%s ", cell.Row, cell.Col,
                                       engine::CandidateText(cell.Candidates).c_str());
    return cells;
}

} // namespace

class FamiliesTest : public QObject {
    Q_OBJECT

private slots:
    void familyLines_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("line");
        QTest::newRow("0") << 0 << 3 << "3 Candidat(s) seul(s) dans leur case";
        QTest::newRow("1") << 1 << 12 << "12 Candidat(s) seul(s) dans une unité L/C ou R";
        QTest::newRow("2") << 2 << 0 << "0 Jumeaux/Triplés découvert(s)";
        QTest::newRow("3") << 3 << 1 << "1 interaction L/C et regions découvert(s)";
        QTest::newRow("4") << 4 << 4 << "4 Configuration(s) franche(s)découverte(s)";
        QTest::newRow("5, past 255") << 5 << 300 << "300 configuration exclusive(s) découverte(s)";
        QTest::newRow("no such family") << 6 << 2 << "2";
    }

    void familyLines() {
        QFETCH(int, family);
        QFETCH(int, count);
        QFETCH(QString, line);
        QCOMPARE(QString::fromStdString(engine::FamilyLine(family, count)), line);
    }

    void runFamiliesInOrder() {
        // One finding of each family at least; each family numbers its configurations from 0.
        const GridState grid = testing::CandidateGrid({
            "L1C1:1",                                    // naked single (and hidden singles)
            "L2C7:5", "L2C9:5", "L2C1:59",               // twins of 5 in row 2 of region 3
            "L5C1:7", "L5C3:7", "L4C2:7",                // interaction of 7: row 5, region 4
            "L8C4:34", "L8C6:34", "L8C9:348",            // doublet franc 34 in row 8
            "L9C2:1268", "L9C5:268", "L9C7:12", "L9C8:3" // exclusive pair 68 in row 9
        });
        FindingList list;
        engine::AddFinding(list, 1, 1, '1', 'P', 0, 0, 'O', "left from the last run");
        const engine::FamilyCounts counts = engine::RunFamilies(grid, list);
        engine::FamilyCounts configurations{};
        int previousFamily = 0;
        for (const engine::Finding& finding : list) {
            QVERIFY(finding.Family >= previousFamily);
            if (finding.Family != previousFamily)
                QCOMPARE(finding.Seq, 0);
            previousFamily = finding.Family;
            configurations[finding.Family] =
                std::max(configurations[finding.Family], finding.Seq + 1);
        }
        QCOMPARE(counts, configurations);
        QVERIFY(std::ranges::count(counts, 0) == 0);
        QCOMPARE(counts[0], 7); // L1C1, L2C7, L2C9, L4C2, L5C1, L5C3 and L9C8
        QCOMPARE(list.front().Text, std::string("Le 1 seul dans la case L1C1"));
        QCOMPARE(engine::RunFamilies(GridState(), list), engine::FamilyCounts{});
        QVERIFY(list.empty());
    }

    void nothingIsDroppedPast255Findings() {
        // A solved grid written as lone candidates: 81 naked singles and 243 hidden singles.
        const std::vector<puzzles::Puzzle> puzzles = puzzles::LoadPuzzles("simple");
        QVERIFY(!puzzles.empty());
        GridState grid;
        for (engine::CellState& cell : grid.Cells)
            cell.Candidates = engine::DigitBit(
                puzzles.front().solution[std::size_t((cell.Row - 1) * 9 + cell.Col - 1)] - '0');
        FindingList list;
        QCOMPARE(engine::RunFamilies(grid, list), (engine::FamilyCounts{81, 243, 0, 0, 0, 0}));
        QCOMPARE(list.size(), std::size_t(324));
        QCOMPARE(list.back().Seq, 242);
    }

    void searchesMatchThePlainImplementation_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("positions of played puzzles") << "played";
        QTest::newRow("random candidates, sparse") << "sparse";
        QTest::newRow("random candidates, dense") << "dense";
        QTest::newRow("random candidates, generator order") << "generator";
    }

    void searchesMatchThePlainImplementation() {
        QFETCH(QString, kind);
        std::vector<GridState> positions;
        if (kind == "played") {
            positions = PlayedPositions();
        } else {
            std::mt19937 random(kind == "sparse" ? 11u : kind == "dense" ? 23u : 37u);
            const auto order =
                kind == "generator" ? GridState::Order::RowMajor : GridState::Order::ColumnMajor;
            for (int i = 0; i < 300; ++i)
                positions.push_back(RandomGrid(random, kind == "dense" ? 0.55 : 0.3, 0.35, order));
        }
        QVERIFY(positions.size() >= 100);
        for (const GridState& grid : positions)
            for (const testing::NamedSearch& search : testing::Searches())
                if (search.reference) {
                    const QString engine = Outcome(search.engine, grid);
                    const QString plain = Outcome(search.reference, grid);
                    QVERIFY2(engine == plain,
                             qPrintable(search.name + "\n" + CandidateDump(grid) + "\nengine:\n" +
                                        engine + "\nplain:\n" + plain));
                }
    }

    void strayCandidateBitsAreIgnored() {
        // Bits outside 1..9 are no digits: the searches see the position as if they were not there.
        std::mt19937 random(5u);
        std::uniform_int_distribution<int> strayBit(10, 15);
        for (int i = 0; i < 100; ++i) {
            const GridState clean = RandomGrid(random, 0.3, 0.3);
            GridState stray = clean;
            for (engine::CellState& cell : stray.Cells)
                cell.Candidates |= engine::CandidateSet(1u | (1u << strayBit(random)));
            for (const testing::NamedSearch& search : testing::Searches())
                if (search.reference)
                    QCOMPARE(Outcome(search.engine, stray), Outcome(search.engine, clean));
        }
    }
};

QTEST_APPLESS_MAIN(FamiliesTest)
#include "tst_families.moc"
