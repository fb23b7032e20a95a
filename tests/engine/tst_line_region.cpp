// Families 2 and 3: twins/triplets and line-region interactions.

#include "tests/engine/position_builder.h"

#include <QTest>

class LineRegionTest : public QObject {
    Q_OBJECT

private slots:
    void findings_data() {
        testing::AddFindingColumns();
        const QStringList twinsRow2 = {"L2C7:5", "L2C9:5", "L2C1:5", "L2C5:15"};
        QTest::newRow("twins in row 2 of region 3, 5 also at L2C1 and L2C5")
            << "twins L" << 0 << twinsRow2
            << QStringList{"L2C7 5 V F2 S0 O Jumeaux/triplés de 5 en L2R3",
                           "L2C9 5 V F2 S0 N Jumeaux/triplés de 5 en L2R3",
                           "L2C1 5 C F2 S0 N Le 5 supprimé en L2C1",
                           "L2C5 5 C F2 S0 N Le 5 supprimé en L2C5"};
        QTest::newRow("one cell of the region holds the digit: no twin")
            << "twins L" << 0 << QStringList{"L2C7:5", "L2C1:5"} << QStringList{};
        QTest::newRow("twins with nothing else in their row")
            << "twins L" << 0 << QStringList{"L2C7:5", "L2C9:5"} << QStringList{};
        QTest::newRow("region holds the digit on another row too")
            << "twins L" << 0 << QStringList{"L2C7:5", "L2C9:5", "L3C8:5", "L2C1:5"}
            << QStringList{};
        QTest::newRow("triplets") << "twins L" << 0
                                  << QStringList{"L2C7:5", "L2C8:5", "L2C9:5", "L2C4:5"}
                                  << QStringList{"L2C7 5 V F2 S0 O Jumeaux/triplés de 5 en L2R3",
                                                 "L2C8 5 V F2 S0 N Jumeaux/triplés de 5 en L2R3",
                                                 "L2C9 5 V F2 S0 N Jumeaux/triplés de 5 en L2R3",
                                                 "L2C4 5 C F2 S0 N Le 5 supprimé en L2C4"};
        QTest::newRow("regions first, then digits ascending, one number each")
            << "twins L" << 0 << QStringList{"L1C8:1", "L1C9:1", "L1C2:1", "L1C1:6", "L1C3:6",
                                             "L1C5:6", "L3C1:2", "L3C3:2", "L3C9:2"}
            << QStringList{"L3C1 2 V F2 S0 O Jumeaux/triplés de 2 en L3R1",
                           "L3C3 2 V F2 S0 N Jumeaux/triplés de 2 en L3R1",
                           "L3C9 2 C F2 S0 N Le 2 supprimé en L3C9",
                           "L1C1 6 V F2 S1 O Jumeaux/triplés de 6 en L1R1",
                           "L1C3 6 V F2 S1 N Jumeaux/triplés de 6 en L1R1",
                           "L1C5 6 C F2 S1 N Le 6 supprimé en L1C5",
                           "L1C8 1 V F2 S2 O Jumeaux/triplés de 1 en L1R3",
                           "L1C9 1 V F2 S2 N Jumeaux/triplés de 1 en L1R3",
                           "L1C2 1 C F2 S2 N Le 1 supprimé en L1C2"};
        QTest::newRow("row twins are not column twins")
            << "twins C" << 0 << twinsRow2 << QStringList{};
        // The run passes the family's running count, and both searches add to it.
        QTest::newRow("twins in column 4 of region 5, after row twins")
            << "twins L, twins C" << 3
            << QStringList{"L2C7:5", "L2C9:5", "L2C1:5", "L4C4:8", "L6C4:48", "L1C4:8", "L9C4:8"}
            << QStringList{"L2C7 5 V F2 S3 O Jumeaux/triplés de 5 en L2R3",
                           "L2C9 5 V F2 S3 N Jumeaux/triplés de 5 en L2R3",
                           "L2C1 5 C F2 S3 N Le 5 supprimé en L2C1",
                           "L4C4 8 V F2 S4 O Jumeaux/triplés de 8 en C4R5",
                           "L6C4 8 V F2 S4 N Jumeaux/triplés de 8 en C4R5",
                           "L1C4 8 C F2 S4 N Le 8 supprimé en L1C4",
                           "L9C4 8 C F2 S4 N Le 8 supprimé en L9C4"};

        QTest::newRow("row 5 in region 4: removals above and below the view lines")
            << "interactions L" << 0 << QStringList{"L5C1:7", "L5C3:7", "L4C2:7", "L6C3:17"}
            << QStringList{"L4C2 7 C F3 S0 N",
                           "L5C1 7 V F3 S0 O Interaction du 7 entre la ligne: 5 et la Region: 4",
                           "L5C3 7 V F3 S0 N Interaction du 7 entre la ligne: 5 et la Region: 4",
                           "L6C3 7 C F3 S0 N"};
        QTest::newRow("row holds the digit outside the region: no interaction")
            << "interactions L" << 0 << QStringList{"L5C1:7", "L5C3:7", "L5C8:7", "L4C2:7"}
            << QStringList{};
        QTest::newRow("row and region hold the digit in the same two cells: nothing")
            << "interactions L, twins L" << 0 << QStringList{"L5C1:7", "L5C3:7"} << QStringList{};
        QTest::newRow("a single cell of the row: no interaction")
            << "interactions L" << 0 << QStringList{"L5C1:7", "L4C2:7", "L6C3:7"} << QStringList{};
        const QStringList cross = {"L7C8:2", "L9C8:2", "L8C7:2", "L8C9:26"};
        QTest::newRow("column 8 in region 9: removals column by column")
            << "interactions C" << 0 << cross
            << QStringList{"L8C7 2 C F3 S0 N",
                           "L7C8 2 V F3 S0 O Interaction du 2 entre la colonne : 8 et la région: 9",
                           "L9C8 2 V F3 S0 N Interaction du 2 entre la colonne : 8 et la région: 9",
                           "L8C9 2 C F3 S0 N"};
        QTest::newRow("the same region and digit found by the row search too")
            << "interactions L" << 0 << cross
            << QStringList{"L7C8 2 C F3 S0 N",
                           "L8C7 2 V F3 S0 O Interaction du 2 entre la ligne: 8 et la Region: 9",
                           "L8C9 2 V F3 S0 N Interaction du 2 entre la ligne: 8 et la Region: 9",
                           "L9C8 2 C F3 S0 N"};
    }
    void findings() { testing::CheckFindings(); }
};

QTEST_APPLESS_MAIN(LineRegionTest)
#include "tst_line_region.moc"
