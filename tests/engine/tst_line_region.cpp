// Families 2 and 3: twins/triplets and line-region interactions.

#include "engine/line_region.h"
#include "tests/engine/position_builder.h"

#include <QTest>

namespace {

using Technique = void (*)(engine::FindingList&, int&, const engine::GridState&);

Technique TechniqueNamed(const QString& name) {
    if (name == "FindRowTwins")
        return engine::FindRowTwins;
    if (name == "FindColumnTwins")
        return engine::FindColumnTwins;
    if (name == "FindRowInteractions")
        return engine::FindRowInteractions;
    if (name == "FindColumnInteractions")
        return engine::FindColumnInteractions;
    qFatal("unknown technique %s", qPrintable(name));
}

} // namespace

class LineRegionTest : public QObject {
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void rowAndColumnSearchesShareOneCount();
};

void LineRegionTest::findings_data() {
    QTest::addColumn<QString>("technique");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("expected");

    const QStringList twinsRow2 = {"L2C7:5", "L2C9:5", "L2C1:5", "L2C5:15"};
    QTest::newRow("twins in row 2 of region 3, 5 also at L2C1 and L2C5")
        << "FindRowTwins" << twinsRow2
        << QStringList{"L2C7 5 V F2 S0 O Jumeaux/triplés de 5 en L2R3",
                       "L2C9 5 V F2 S0 N Jumeaux/triplés de 5 en L2R3",
                       "L2C1 5 C F2 S0 N Le 5 supprimé en L2C1",
                       "L2C5 5 C F2 S0 N Le 5 supprimé en L2C5"};
    QTest::newRow("one cell of the region holds the digit: no twin")
        << "FindRowTwins" << QStringList{"L2C7:5", "L2C1:5"} << QStringList{};
    QTest::newRow("twins with nothing else in their row")
        << "FindRowTwins" << QStringList{"L2C7:5", "L2C9:5"} << QStringList{};
    QTest::newRow("region holds the digit on another row too")
        << "FindRowTwins" << QStringList{"L2C7:5", "L2C9:5", "L3C8:5", "L2C1:5"} << QStringList{};
    QTest::newRow("triplets") << "FindRowTwins"
                              << QStringList{"L2C7:5", "L2C8:5", "L2C9:5", "L2C4:5"}
                              << QStringList{"L2C7 5 V F2 S0 O Jumeaux/triplés de 5 en L2R3",
                                             "L2C8 5 V F2 S0 N Jumeaux/triplés de 5 en L2R3",
                                             "L2C9 5 V F2 S0 N Jumeaux/triplés de 5 en L2R3",
                                             "L2C4 5 C F2 S0 N Le 5 supprimé en L2C4"};
    QTest::newRow("digits ascending within a region, one number each")
        << "FindRowTwins" << QStringList{"L1C1:6", "L1C2:6", "L1C5:6", "L3C1:2", "L3C3:2", "L3C9:2"}
        << QStringList{"L3C1 2 V F2 S0 O Jumeaux/triplés de 2 en L3R1",
                       "L3C3 2 V F2 S0 N Jumeaux/triplés de 2 en L3R1",
                       "L3C9 2 C F2 S0 N Le 2 supprimé en L3C9",
                       "L1C1 6 V F2 S1 O Jumeaux/triplés de 6 en L1R1",
                       "L1C2 6 V F2 S1 N Jumeaux/triplés de 6 en L1R1",
                       "L1C5 6 C F2 S1 N Le 6 supprimé en L1C5"};
    QTest::newRow("regions before digits")
        << "FindRowTwins" << QStringList{"L1C8:1", "L1C9:1", "L1C2:1", "L2C1:9", "L2C3:9", "L2C5:9"}
        << QStringList{"L2C1 9 V F2 S0 O Jumeaux/triplés de 9 en L2R1",
                       "L2C3 9 V F2 S0 N Jumeaux/triplés de 9 en L2R1",
                       "L2C5 9 C F2 S0 N Le 9 supprimé en L2C5",
                       "L1C8 1 V F2 S1 O Jumeaux/triplés de 1 en L1R3",
                       "L1C9 1 V F2 S1 N Jumeaux/triplés de 1 en L1R3",
                       "L1C2 1 C F2 S1 N Le 1 supprimé en L1C2"};
    QTest::newRow("row twins are not column twins")
        << "FindColumnTwins" << twinsRow2 << QStringList{};
    QTest::newRow("twins in column 4 of region 5")
        << "FindColumnTwins" << QStringList{"L4C4:8", "L6C4:48", "L1C4:8", "L9C4:8"}
        << QStringList{"L4C4 8 V F2 S0 O Jumeaux/triplés de 8 en C4R5",
                       "L6C4 8 V F2 S0 N Jumeaux/triplés de 8 en C4R5",
                       "L1C4 8 C F2 S0 N Le 8 supprimé en L1C4",
                       "L9C4 8 C F2 S0 N Le 8 supprimé en L9C4"};

    const QStringList interactionRow5 = {"L5C1:7", "L5C3:7", "L4C2:7", "L6C3:17"};
    QTest::newRow("row 5 in region 4: removals above and below the view lines")
        << "FindRowInteractions" << interactionRow5
        << QStringList{"L4C2 7 C F3 S0 N",
                       "L5C1 7 V F3 S0 O Interaction du 7 entre la ligne: 5 et la Region: 4",
                       "L5C3 7 V F3 S0 N Interaction du 7 entre la ligne: 5 et la Region: 4",
                       "L6C3 7 C F3 S0 N"};
    QTest::newRow("row holds the digit outside the region: no interaction")
        << "FindRowInteractions" << QStringList{"L5C1:7", "L5C3:7", "L5C8:7", "L4C2:7"}
        << QStringList{};
    QTest::newRow("row and region hold the digit in the same two cells: no interaction")
        << "FindRowInteractions" << QStringList{"L5C1:7", "L5C3:7"} << QStringList{};
    QTest::newRow("row and region hold the digit in the same two cells: no twin")
        << "FindRowTwins" << QStringList{"L5C1:7", "L5C3:7"} << QStringList{};
    QTest::newRow("a single cell of the row: no interaction")
        << "FindRowInteractions" << QStringList{"L5C1:7", "L4C2:7", "L6C3:7"} << QStringList{};

    const QStringList cross = {"L7C8:2", "L9C8:2", "L8C7:2", "L8C9:26"};
    QTest::newRow("column 8 in region 9: removals column by column")
        << "FindColumnInteractions" << cross
        << QStringList{"L8C7 2 C F3 S0 N",
                       "L7C8 2 V F3 S0 O Interaction du 2 entre la colonne : 8 et la région: 9",
                       "L9C8 2 V F3 S0 N Interaction du 2 entre la colonne : 8 et la région: 9",
                       "L8C9 2 C F3 S0 N"};
    QTest::newRow("the same region and digit found by the row search too")
        << "FindRowInteractions" << cross
        << QStringList{"L7C8 2 C F3 S0 N",
                       "L8C7 2 V F3 S0 O Interaction du 2 entre la ligne: 8 et la Region: 9",
                       "L8C9 2 V F3 S0 N Interaction du 2 entre la ligne: 8 et la Region: 9",
                       "L9C8 2 C F3 S0 N"};
}

void LineRegionTest::findings() {
    QFETCH(QString, technique);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, expected);
    engine::FindingList list;
    int familyCount = 0;
    TechniqueNamed(technique)(list, familyCount, testing::CandidateGrid(cells));
    QCOMPARE(testing::Describe(list), expected);
    QCOMPARE(familyCount, list.empty() ? 0 : list.back().Seq + 1);
}

void LineRegionTest::rowAndColumnSearchesShareOneCount() {
    const engine::GridState grid =
        testing::CandidateGrid({"L2C7:5", "L2C9:5", "L2C1:5", "L4C4:8", "L6C4:8", "L9C4:8"});
    engine::FindingList list;
    int familyCount = 3; // the run passes the family's running count
    engine::FindRowTwins(list, familyCount, grid);
    engine::FindColumnTwins(list, familyCount, grid);
    QCOMPARE(testing::Describe(list), (QStringList{"L2C7 5 V F2 S3 O Jumeaux/triplés de 5 en L2R3",
                                                   "L2C9 5 V F2 S3 N Jumeaux/triplés de 5 en L2R3",
                                                   "L2C1 5 C F2 S3 N Le 5 supprimé en L2C1",
                                                   "L4C4 8 V F2 S4 O Jumeaux/triplés de 8 en C4R5",
                                                   "L6C4 8 V F2 S4 N Jumeaux/triplés de 8 en C4R5",
                                                   "L9C4 8 C F2 S4 N Le 8 supprimé en L9C4"}));
    QCOMPARE(familyCount, 5);
}

QTEST_APPLESS_MAIN(LineRegionTest)
#include "tst_line_region.moc"
