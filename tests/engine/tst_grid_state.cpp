// The snapshot and the small operations every technique shares.

#include "engine/grid_state.h"
#include "tests/engine/position_builder.h"

#include <QTest>

using engine::GridState;
using engine::UnitKind;

Q_DECLARE_METATYPE(engine::UnitKind)
Q_DECLARE_METATYPE(engine::GridState::Order)

class GridStateTest : public QObject {
    Q_OBJECT

private slots:
    void newGridHasEveryCandidateInEveryCell() {
        for (auto order : {GridState::Order::ColumnMajor, GridState::Order::RowMajor})
            for (const engine::CellState& cell : GridState(order).Cells) {
                QCOMPARE(engine::CandidateText(cell.Candidates), std::string("123456789"));
                QCOMPARE(int(cell.Digit), 0);
            }
    }

    void cellCoordinates_data() {
        // Row, column, region, row in band, column in stack, then the cell's 1-based place in
        // the frame's snapshot (column by column) and in the generator's grid (row by row).
        QTest::addColumn<QList<int>>("cell");
        QTest::newRow("L5C8") << QList<int>{5, 8, 6, 2, 2, 68, 44};
        QTest::newRow("L1C1") << QList<int>{1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("L3C7") << QList<int>{3, 7, 3, 3, 1, 57, 25};
        QTest::newRow("L7C4") << QList<int>{7, 4, 8, 1, 1, 34, 58};
        QTest::newRow("L9C9") << QList<int>{9, 9, 9, 3, 3, 81, 81};
    }

    void cellCoordinates() {
        QFETCH(QList<int>, cell);
        const int row = cell[0], col = cell[1];
        QCOMPARE(engine::RegionOf(row, col), cell[2]);
        const GridState snapshot(GridState::Order::ColumnMajor);
        const engine::CellState& state = snapshot.Cells[cell[5] - 1];
        QCOMPARE(
            QList<int>({state.Row, state.Col, state.Region, state.RowInBand, state.ColInStack}),
            cell.mid(0, 5));
        QCOMPARE(&snapshot.At(row, col), &state);
        const GridState generator(GridState::Order::RowMajor);
        const engine::CellState& generated = generator.Cells[cell[6] - 1];
        QCOMPARE(QList<int>({generated.Row, generated.Col}), cell.mid(0, 2));
        QCOMPARE(&generator.At(row, col), &generated);
    }

    void regionArithmetic_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("bandFirstRowFirstCol");
        QTest::addColumn<QString>("columnsCrossing");
        QTest::addColumn<QString>("rowsCrossing");
        QTest::newRow("3") << 3 << QList<int>{3, 1, 7} << "789"
                           << "123";
        QTest::newRow("4") << 4 << QList<int>{1, 4, 1} << "123"
                           << "456";
        QTest::newRow("8") << 8 << QList<int>{2, 7, 4} << "456"
                           << "789";
    }

    void regionArithmetic() {
        QFETCH(int, n);
        QFETCH(QList<int>, bandFirstRowFirstCol);
        QFETCH(QString, columnsCrossing);
        QFETCH(QString, rowsCrossing);
        QCOMPARE(QList<int>({engine::PositionInBand(n), engine::FirstRowOfRegion(n),
                             engine::FirstColOfRegion(n)}),
                 bandFirstRowFirstCol);
        QString columns, rows;
        for (int line = 1; line <= 9; ++line) {
            if (engine::ColumnCrossesRegion(line, n))
                columns += QString::number(line);
            if (engine::RowCrossesRegion(line, n))
                rows += QString::number(line);
        }
        QCOMPARE(columns, columnsCrossing);
        QCOMPARE(rows, rowsCrossing);
    }

    void gatherUnitFollowsGridOrder_data() {
        QTest::addColumn<GridState::Order>("order");
        QTest::addColumn<UnitKind>("kind");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("cells");
        const auto column = GridState::Order::ColumnMajor;
        const auto row = GridState::Order::RowMajor;
        QTest::newRow("region 1, snapshot: column by column")
            << column << UnitKind::Region << 1 << "L1C1 L2C1 L3C1 L1C2 L2C2 L3C2 L1C3 L2C3 L3C3";
        QTest::newRow("region 1, generator: row by row")
            << row << UnitKind::Region << 1 << "L1C1 L1C2 L1C3 L2C1 L2C2 L2C3 L3C1 L3C2 L3C3";
        QTest::newRow("region 6, snapshot")
            << column << UnitKind::Region << 6 << "L4C7 L5C7 L6C7 L4C8 L5C8 L6C8 L4C9 L5C9 L6C9";
        QTest::newRow("row 4, snapshot: left to right")
            << column << UnitKind::Row << 4 << "L4C1 L4C2 L4C3 L4C4 L4C5 L4C6 L4C7 L4C8 L4C9";
        QTest::newRow("column 7, generator: top to bottom")
            << row << UnitKind::Column << 7 << "L1C7 L2C7 L3C7 L4C7 L5C7 L6C7 L7C7 L8C7 L9C7";
    }

    void gatherUnitFollowsGridOrder() {
        QFETCH(GridState::Order, order);
        QFETCH(UnitKind, kind);
        QFETCH(int, unit);
        QFETCH(QString, cells);
        QStringList names;
        for (const engine::UnitCell& cell : engine::GatherUnit(GridState(order), unit, kind))
            names << QStringLiteral("L%1C%2").arg(cell.Row).arg(cell.Col);
        QCOMPARE(names.join(' '), cells);
    }

    void countCandidateCells_data() {
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("expected");
        // Digit 3 lies in L1C3, L4C1, L4C3, L4C9, L5C2, L5C3, L6C3, L7C3 (see below).
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

    void countCandidateCells() {
        QFETCH(int, d);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, r);
        QFETCH(int, expected);
        const GridState grid = testing::CandidateGrid(
            {"L1C3:3", "L4C1:3", "L4C3:35", "L4C9:3", "L5C2:13", "L5C3:3", "L6C3:39", "L7C3:3"});
        QCOMPARE(engine::CountCandidateCells(grid, d, a, b, r), expected);
    }

    void candidateTexts() {
        const GridState grid = testing::CandidateGrid({"L2C9:47"});
        QVERIFY(engine::CellHasCandidate(grid, 2, 9, 4));
        QVERIFY(engine::CellHasCandidate(grid, 2, 9, 7));
        QVERIFY(!engine::CellHasCandidate(grid, 2, 9, 5));
        QVERIFY(!engine::CellHasCandidate(grid, 9, 2, 4));
        const auto set =
            engine::CandidateSet(engine::DigitBit(2) | engine::DigitBit(5) | engine::DigitBit(9));
        QCOMPARE(engine::CandidateText(set), std::string("259"));
        QCOMPARE(engine::CandidateText(0), std::string());
        QCOMPARE(engine::CountDigits(set), 3);
        QCOMPARE(engine::PositionInText(set, 2), 1);
        QCOMPARE(engine::PositionInText(set, 9), 3);
    }

    void addFindingCutsTextsAt80Characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        const QString eighty(80, QLatin1Char('a'));
        QTest::newRow("80 characters kept") << eighty << eighty;
        QTest::newRow("81 characters cut") << eighty + "b" << eighty;
        QTest::newRow("accents count as one character")
            << QString(78, QLatin1Char('a')) + "éèz" << QString(78, QLatin1Char('a')) + "éè";
        QTest::newRow("empty") << QString() << QString();
    }

    void addFindingCutsTextsAt80Characters() {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        engine::FindingList list;
        engine::ClearFindings(list); // on an empty list
        QVERIFY(list.empty());
        engine::AddFinding(list, 5, 8, '3', 'C', 4, 7, 'N', text.toStdString());
        QCOMPARE(list.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(list[0].Text), stored);
        QCOMPARE(testing::Describe(list).first().section(' ', 0, 5), "L5C8 3 C F4 S7 N");
        engine::ClearFindings(list);
        QVERIFY(list.empty());
    }
};

QTEST_APPLESS_MAIN(GridStateTest)
#include "tst_grid_state.moc"
