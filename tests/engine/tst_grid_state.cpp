// The snapshot and the small operations every technique shares.

#include "engine/grid_state.h"
#include "tests/engine/position_builder.h"

#include <QTest>

using engine::GridState;
using engine::UnitKind;

Q_DECLARE_METATYPE(engine::UnitKind)
Q_DECLARE_METATYPE(engine::GridState::Order)

namespace {

QStringList UnitCellNames(const GridState& grid, int u, UnitKind kind) {
    QStringList names;
    for (const engine::UnitCell& cell : engine::GatherUnit(grid, u, kind))
        names << QStringLiteral("L%1C%2").arg(cell.Row).arg(cell.Col);
    return names;
}

} // namespace

class GridStateTest : public QObject {
    Q_OBJECT

private slots:
    void newGridHasEveryCandidateInEveryCell_data();
    void newGridHasEveryCandidateInEveryCell();
    void cellCoordinates_data();
    void cellCoordinates();
    void regionArithmetic_data();
    void regionArithmetic();
    void gatherUnitFollowsGridOrder_data();
    void gatherUnitFollowsGridOrder();
    void countCandidateCells_data();
    void countCandidateCells();
    void cellHasCandidate();
    void candidateTexts();
    void addFindingCutsTextsAt80Characters_data();
    void addFindingCutsTextsAt80Characters();
    void clearFindings();
};

void GridStateTest::newGridHasEveryCandidateInEveryCell_data() {
    QTest::addColumn<GridState::Order>("order");
    QTest::newRow("frame snapshot, column by column") << GridState::Order::ColumnMajor;
    QTest::newRow("generator grid, row by row") << GridState::Order::RowMajor;
}

void GridStateTest::newGridHasEveryCandidateInEveryCell() {
    QFETCH(GridState::Order, order);
    const GridState grid(order);
    for (const engine::CellState& cell : grid.Cells) {
        QCOMPARE(engine::CandidateText(cell.Candidates), std::string("123456789"));
        QCOMPARE(int(cell.Digit), 0);
    }
}

void GridStateTest::cellCoordinates_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("rowInBand");
    QTest::addColumn<int>("colInStack");
    QTest::addColumn<int>("snapshotCell");  // 1-based, column by column
    QTest::addColumn<int>("generatorCell"); // 1-based, row by row
    QTest::newRow("L5C8") << 5 << 8 << 6 << 2 << 2 << 68 << 44;
    QTest::newRow("L1C1") << 1 << 1 << 1 << 1 << 1 << 1 << 1;
    QTest::newRow("L3C7") << 3 << 7 << 3 << 3 << 1 << 57 << 25;
    QTest::newRow("L7C4") << 7 << 4 << 8 << 1 << 1 << 34 << 58;
    QTest::newRow("L9C1") << 9 << 1 << 7 << 3 << 1 << 9 << 73;
    QTest::newRow("L9C9") << 9 << 9 << 9 << 3 << 3 << 81 << 81;
}

void GridStateTest::cellCoordinates() {
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, region);
    QFETCH(int, rowInBand);
    QFETCH(int, colInStack);
    QFETCH(int, snapshotCell);
    QFETCH(int, generatorCell);
    QCOMPARE(engine::RegionOf(row, col), region);

    const GridState snapshot(GridState::Order::ColumnMajor);
    const engine::CellState& cell = snapshot.Cells[snapshotCell - 1];
    QCOMPARE(int(cell.Row), row);
    QCOMPARE(int(cell.Col), col);
    QCOMPARE(int(cell.Region), region);
    QCOMPARE(int(cell.RowInBand), rowInBand);
    QCOMPARE(int(cell.ColInStack), colInStack);
    QCOMPARE(&snapshot.At(row, col), &cell);

    const GridState generator(GridState::Order::RowMajor);
    QCOMPARE(int(generator.Cells[generatorCell - 1].Row), row);
    QCOMPARE(int(generator.Cells[generatorCell - 1].Col), col);
    QCOMPARE(&generator.At(row, col), &generator.Cells[generatorCell - 1]);
}

void GridStateTest::regionArithmetic_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("positionInBand");
    QTest::addColumn<int>("firstRowOfRegion");
    QTest::addColumn<int>("firstColOfRegion");
    QTest::addColumn<QString>("columnsCrossingRegion");
    QTest::addColumn<QString>("rowsCrossingRegion");
    QTest::newRow("1") << 1 << 1 << 1 << 1 << "123"
                       << "123";
    QTest::newRow("3") << 3 << 3 << 1 << 7 << "789"
                       << "123";
    QTest::newRow("4") << 4 << 1 << 4 << 1 << "123"
                       << "456";
    QTest::newRow("5") << 5 << 2 << 4 << 4 << "456"
                       << "456";
    QTest::newRow("8") << 8 << 2 << 7 << 4 << "456"
                       << "789";
    QTest::newRow("9") << 9 << 3 << 7 << 7 << "789"
                       << "789";
}

void GridStateTest::regionArithmetic() {
    QFETCH(int, n);
    QFETCH(int, positionInBand);
    QFETCH(int, firstRowOfRegion);
    QFETCH(int, firstColOfRegion);
    QFETCH(QString, columnsCrossingRegion);
    QFETCH(QString, rowsCrossingRegion);
    QCOMPARE(engine::PositionInBand(n), positionInBand);
    QCOMPARE(engine::FirstRowOfRegion(n), firstRowOfRegion);
    QCOMPARE(engine::FirstColOfRegion(n), firstColOfRegion);
    QString columns;
    QString rows;
    for (int line = 1; line <= 9; ++line) {
        if (engine::ColumnCrossesRegion(line, n))
            columns += QString::number(line);
        if (engine::RowCrossesRegion(line, n))
            rows += QString::number(line);
    }
    QCOMPARE(columns, columnsCrossingRegion);
    QCOMPARE(rows, rowsCrossingRegion);
}

void GridStateTest::gatherUnitFollowsGridOrder_data() {
    QTest::addColumn<GridState::Order>("order");
    QTest::addColumn<UnitKind>("kind");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("cells");
    const auto column = GridState::Order::ColumnMajor;
    const auto row = GridState::Order::RowMajor;
    QTest::newRow("region 1, snapshot: column by column")
        << column << UnitKind::Region << 1
        << QStringList{"L1C1", "L2C1", "L3C1", "L1C2", "L2C2", "L3C2", "L1C3", "L2C3", "L3C3"};
    QTest::newRow("region 1, generator: row by row")
        << row << UnitKind::Region << 1
        << QStringList{"L1C1", "L1C2", "L1C3", "L2C1", "L2C2", "L2C3", "L3C1", "L3C2", "L3C3"};
    QTest::newRow("region 6, snapshot")
        << column << UnitKind::Region << 6
        << QStringList{"L4C7", "L5C7", "L6C7", "L4C8", "L5C8", "L6C8", "L4C9", "L5C9", "L6C9"};
    QTest::newRow("row 4, snapshot: left to right")
        << column << UnitKind::Row << 4
        << QStringList{"L4C1", "L4C2", "L4C3", "L4C4", "L4C5", "L4C6", "L4C7", "L4C8", "L4C9"};
    QTest::newRow("column 7, generator: top to bottom")
        << row << UnitKind::Column << 7
        << QStringList{"L1C7", "L2C7", "L3C7", "L4C7", "L5C7", "L6C7", "L7C7", "L8C7", "L9C7"};
}

void GridStateTest::gatherUnitFollowsGridOrder() {
    QFETCH(GridState::Order, order);
    QFETCH(UnitKind, kind);
    QFETCH(int, unit);
    QFETCH(QStringList, cells);
    QCOMPARE(UnitCellNames(GridState(order), unit, kind), cells);
}

void GridStateTest::countCandidateCells_data() {
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("expected");
    // Digit 3 lies in L1C3, L4C1, L4C3, L4C9, L5C2, L5C3, L6C3, L7C3 (see countCandidateCells).
    QTest::newRow("row 4") << 3 << 4 << 0 << 0 << 3;
    QTest::newRow("column 3 (a = 0)") << 3 << 0 << 3 << 0 << 5;
    QTest::newRow("column 3 (a < 0)") << 3 << -1 << 3 << 0 << 5;
    QTest::newRow("region 4") << 3 << 0 << 0 << 4 << 5;
    QTest::newRow("column 3 of region 4: rows 4-6 only") << 3 << 0 << 3 << 4 << 3;
    QTest::newRow("column 2 of region 4") << 3 << 0 << 2 << 4 << 1;
    QTest::newRow("row 1 of region 4: not L4C9") << 3 << 1 << 0 << 4 << 2;
    QTest::newRow("row 2 of region 4, b ignored") << 3 << 2 << 3 << 4 << 2;
    QTest::newRow("another digit") << 5 << 4 << 0 << 0 << 1;
}

void GridStateTest::countCandidateCells() {
    QFETCH(int, d);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, r);
    QFETCH(int, expected);
    const GridState grid = testing::CandidateGrid(
        {"L1C3:3", "L4C1:3", "L4C3:35", "L4C9:3", "L5C2:13", "L5C3:3", "L6C3:39", "L7C3:3"});
    QCOMPARE(engine::CountCandidateCells(grid, d, a, b, r), expected);
}

void GridStateTest::cellHasCandidate() {
    const GridState grid = testing::CandidateGrid({"L2C9:47"});
    QVERIFY(engine::CellHasCandidate(grid, 2, 9, 4));
    QVERIFY(engine::CellHasCandidate(grid, 2, 9, 7));
    QVERIFY(!engine::CellHasCandidate(grid, 2, 9, 5));
    QVERIFY(!engine::CellHasCandidate(grid, 9, 2, 4));
}

void GridStateTest::candidateTexts() {
    const engine::CandidateSet set =
        engine::DigitBit(2) | engine::DigitBit(5) | engine::DigitBit(9);
    QCOMPARE(engine::CandidateText(set), std::string("259"));
    QCOMPARE(engine::CandidateText(0), std::string());
    QCOMPARE(engine::CountDigits(set), 3);
    QCOMPARE(engine::PositionInText(set, 2), 1);
    QCOMPARE(engine::PositionInText(set, 9), 3);
}

void GridStateTest::addFindingCutsTextsAt80Characters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    const QString eighty(80, QLatin1Char('a'));
    QTest::newRow("80 characters kept") << eighty << eighty;
    QTest::newRow("81 characters cut") << eighty + "b" << eighty;
    QTest::newRow("accents count as one character")
        << QString(78, QLatin1Char('a')) + "éèz" << QString(78, QLatin1Char('a')) + "éè";
    QTest::newRow("empty") << QString() << QString();
}

void GridStateTest::addFindingCutsTextsAt80Characters() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    engine::FindingList list;
    engine::AddFinding(list, 5, 8, '3', 'C', 4, 7, 'N', text.toStdString());
    QCOMPARE(list.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(list[0].Text), stored);
    QCOMPARE(testing::Describe(list).first().section(' ', 0, 5),
             QStringLiteral("L5C8 3 C F4 S7 N"));
}

void GridStateTest::clearFindings() {
    engine::FindingList list;
    engine::ClearFindings(list);
    QVERIFY(list.empty());
    engine::AddFinding(list, 1, 1, '1', 'P', 0, 0, 'O', "x");
    engine::AddFinding(list, 1, 2, '2', 'P', 0, 1, 'O', "y");
    engine::ClearFindings(list);
    QVERIFY(list.empty());
}

QTEST_APPLESS_MAIN(GridStateTest)
#include "tst_grid_state.moc"
