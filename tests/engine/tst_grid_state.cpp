// The snapshot's cells in both orders, and the finding lines' texts cut at 80 characters.

#include "engine/grid_state.h"

#include <QTest>

using engine::GridState;

class GridStateTest : public QObject {
    Q_OBJECT

private slots:
    void cellCoordinates_data() {
        // Row, column, region, then the cell's 1-based place in the frame's snapshot (column by
        // column) and in the generator's grid (row by row).
        QTest::addColumn<QList<int>>("cell");
        QTest::newRow("L5C8") << QList<int>{5, 8, 6, 68, 44};
        QTest::newRow("L1C1") << QList<int>{1, 1, 1, 1, 1};
        QTest::newRow("L3C7") << QList<int>{3, 7, 3, 57, 25};
        QTest::newRow("L7C4") << QList<int>{7, 4, 8, 34, 58};
        QTest::newRow("L9C9") << QList<int>{9, 9, 9, 81, 81};
    }

    void cellCoordinates() {
        QFETCH(QList<int>, cell);
        for (auto [order, place] : {std::pair{GridState::Order::ColumnMajor, cell[3]},
                                    std::pair{GridState::Order::RowMajor, cell[4]}}) {
            const GridState grid(order);
            const engine::CellState& state = grid.Cells[place - 1];
            QCOMPARE(QList<int>({state.Row, state.Col, state.Region}), cell.mid(0, 3));
            QCOMPARE(&grid.At(cell[0], cell[1]), &state);
            QCOMPARE(engine::CandidateText(state.Candidates), "123456789");
        }
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
        engine::AddFinding(list, 5, 8, '3', 'C', 4, 7, 'N', text.toStdString());
        QCOMPARE(list.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(list[0].Text), stored);
    }
};

QTEST_APPLESS_MAIN(GridStateTest)
#include "tst_grid_state.moc"
