// Families 0 and 1: naked and hidden singles.

#include "engine/single_candidates.h"
#include "tests/engine/position_builder.h"

#include <QTest>

class SingleCandidatesTest : public QObject {
    Q_OBJECT

private slots:
    void findings_data() {
        testing::AddFindingColumns();
        QTest::newRow("one candidate left")
            << "naked" << 5 << QStringList{"L2C9:7"}
            << QStringList{"L2C9 7 P F0 S0 O Le 7 seul dans la case L2C9"};
        QTest::newRow("column by column, numbered in order")
            << "naked" << 5 << QStringList{"L2C9:7", "L1C2:9", "L3C3:12", "L5C1:4"}
            << QStringList{"L5C1 4 P F0 S0 O Le 4 seul dans la case L5C1",
                           "L1C2 9 P F0 S1 O Le 9 seul dans la case L1C2",
                           "L2C9 7 P F0 S2 O Le 7 seul dans la case L2C9"};
        QTest::newRow("two candidates or none: nothing")
            << "naked" << 5 << QStringList{"L3C3:12", "L4C4:"} << QStringList{};
        QTest::newRow("row: 4 has one place, among other candidates")
            << "hidden L" << 0 << QStringList{"L3C1:169", "L3C5:1469", "L3C7:16"}
            << QStringList{"L3C5 4 P F1 S0 O Le 4 seul sur la Ligne : 3 Colonne : 5"};
        QTest::newRow("region: digits ascending")
            << "hidden R" << 0 << QStringList{"L4C7:58", "L5C8:5", "L6C9:59"}
            << QStringList{"L4C7 8 P F1 S0 O Le 8 seul sur la Region en L4C7",
                           "L6C9 9 P F1 S1 O Le 9 seul sur la Region en L6C9"};
        QTest::newRow("rows in order, digits in order within a row")
            << "hidden L" << 0 << QStringList{"L7C2:3", "L7C5:23", "L1C4:96"}
            << QStringList{"L1C4 6 P F1 S0 O Le 6 seul sur la Ligne : 1 Colonne : 4",
                           "L1C4 9 P F1 S1 O Le 9 seul sur la Ligne : 1 Colonne : 4",
                           "L7C5 2 P F1 S2 O Le 2 seul sur la Ligne : 7 Colonne : 5"};
        // A lone candidate is the only place of its digit in its row, column and region: no
        // duplicate is removed, and the count runs on over the three passes.
        QTest::newRow("three passes, one count")
            << "hidden L, hidden C, hidden R" << 0 << QStringList{"L2C9:7", "L8C1:35", "L8C3:3"}
            << QStringList{"L2C9 7 P F1 S0 O Le 7 seul sur la Ligne : 2 Colonne : 9",
                           "L8C1 5 P F1 S1 O Le 5 seul sur la Ligne : 8 Colonne : 1",
                           "L8C1 3 P F1 S2 O Le 3 seul sur la Colonne : 1 Ligne : 8",
                           "L8C1 5 P F1 S3 O Le 5 seul sur la Colonne : 1 Ligne : 8",
                           "L8C3 3 P F1 S4 O Le 3 seul sur la Colonne : 3 Ligne : 8",
                           "L2C9 7 P F1 S5 O Le 7 seul sur la Colonne : 9 Ligne : 2",
                           "L2C9 7 P F1 S6 O Le 7 seul sur la Region en L2C9",
                           "L8C1 5 P F1 S7 O Le 5 seul sur la Region en L8C1"};
    }
    void findings() { testing::CheckFindings(); }

    void emptyGridHasNoSingle() {
        const engine::GridState grid;
        engine::FindingList list;
        int familyCount = 0;
        engine::FindNakedSingles(list, familyCount, grid);
        for (auto kind :
             {engine::UnitKind::Row, engine::UnitKind::Column, engine::UnitKind::Region})
            engine::FindHiddenSingles(list, familyCount, grid, kind);
        QVERIFY(list.empty());
        QCOMPARE(familyCount, 0);
    }
};

QTEST_APPLESS_MAIN(SingleCandidatesTest)
#include "tst_single_candidates.moc"
