// Family 4: doublets, triplets and quadruplets francs, and incomplete open trios.

#include "tests/engine/position_builder.h"

#include <QTest>

class OpenConfigurationsTest : public QObject {
    Q_OBJECT

private slots:
    void findings_data() {
        testing::AddFindingColumns();
        QTest::newRow("doublet with nothing to remove")
            << "open 2 L" << 0 << QStringList{"L3C2:47", "L3C6:47", "L3C8:19"} << QStringList{};
        QTest::newRow("doublet in row 4, removal between the pair, texts are positions")
            << "open 2 L" << 0 << QStringList{"L4C1:35", "L4C5:1357", "L4C9:35"}
            << QStringList{"L4C1 0 V F4 S0 O 35 en doublet franc sur  la ligne   :4",
                           "L4C9 0 V F4 S0 N 35 en doublet franc sur  la ligne   :4",
                           "L4C5 3 C F4 S0 N 2", "L4C5 5 C F4 S0 N 3"};
        const QStringList triplet = {"L4C4:123", "L6C5:123", "L5C6:123", "L4C6:1234", "L6C6:39"};
        QTest::newRow("triplet in region 5, snapshot order")
            << "open 3 R" << 0 << triplet
            << QStringList{"L4C4 0 V F4 S0 O 123 en triplet franc sur  la région  :5",
                           "L6C5 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                           "L5C6 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                           "L4C6 1 C F4 S0 N 1",
                           "L4C6 2 C F4 S0 N 2",
                           "L4C6 3 C F4 S0 N 3",
                           "L6C6 3 C F4 S0 N 1"};
        QTest::newRow("triplet in region 5, generator order")
            << "open 3 R" << 0 << triplet + QStringList{"row by row"}
            << QStringList{"L4C4 0 V F4 S0 O 123 en triplet franc sur  la région  :5",
                           "L5C6 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                           "L6C5 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                           "L4C6 1 C F4 S0 N 1",
                           "L4C6 2 C F4 S0 N 2",
                           "L4C6 3 C F4 S0 N 3",
                           "L6C6 3 C F4 S0 N 1"};
        QTest::newRow("three cells 47 for a doublet: found at the second, all three shown")
            << "open 2 C" << 0 << QStringList{"L1C2:47", "L3C2:47", "L6C2:47", "L8C2:479"}
            << QStringList{"L1C2 0 V F4 S0 O 47 en doublet franc sur  la colonne :2",
                           "L3C2 0 V F4 S0 N 47 en doublet franc sur  la colonne :2",
                           "L6C2 0 V F4 S0 N 47 en doublet franc sur  la colonne :2",
                           "L8C2 4 C F4 S0 N 1", "L8C2 7 C F4 S0 N 2"};
        QTest::newRow("quadruplet")
            << "open 4 L" << 0
            << QStringList{"L9C1:1234", "L9C3:1234", "L9C5:1234", "L9C7:1234", "L9C9:45"}
            << QStringList{"L9C1 0 V F4 S0 O 1234 en quadruplet franc sur  la ligne   :9",
                           "L9C3 0 V F4 S0 N 1234 en quadruplet franc sur  la ligne   :9",
                           "L9C5 0 V F4 S0 N 1234 en quadruplet franc sur  la ligne   :9",
                           "L9C7 0 V F4 S0 N 1234 en quadruplet franc sur  la ligne   :9",
                           "L9C9 4 C F4 S0 N 1"};
        QTest::newRow("12, 34, 1234, 1234 is no quadruplet")
            << "open 4 L" << 0
            << QStringList{"L9C1:12", "L9C2:34", "L9C3:1234", "L9C4:1234", "L9C5:15"}
            << QStringList{};

        QTest::newRow("incomplete trio 12, 23, 13 in region 1, and no triplet franc")
            << "trio R, open 3 R" << 0 << QStringList{"L1C1:12", "L2C2:23", "L3C3:13", "L1C3:259"}
            << QStringList{"L1C1 0 V F4 S0 O  Trio franc incomplet région  : 1",
                           "L2C2 0 V F4 S0 N  Trio franc incomplet région  : 1",
                           "L3C3 0 V F4 S0 N  Trio franc incomplet région  : 1",
                           "L1C3 2 C F4 S0 N 1"};
        QTest::newRow("three cells 123: triplet franc, no incomplete trio")
            << "trio L, open 3 L" << 0 << QStringList{"L6C1:123", "L6C2:123", "L6C3:123", "L6C9:14"}
            << QStringList{"L6C1 0 V F4 S0 O 123 en triplet franc sur  la ligne   :6",
                           "L6C2 0 V F4 S0 N 123 en triplet franc sur  la ligne   :6",
                           "L6C3 0 V F4 S0 N 123 en triplet franc sur  la ligne   :6",
                           "L6C9 1 C F4 S0 N 1"};
        QTest::newRow("incomplete trio 1, 23, 123 in column 5")
            << "trio C" << 0 << QStringList{"L2C5:1", "L4C5:23", "L7C5:123", "L9C5:39"}
            << QStringList{"L2C5 0 V F4 S0 O  Trio franc incomplet sur la colonne : 5",
                           "L4C5 0 V F4 S0 N  Trio franc incomplet sur la colonne : 5",
                           "L7C5 0 V F4 S0 N  Trio franc incomplet sur la colonne : 5",
                           "L9C5 3 C F4 S0 N 1"};
        QTest::newRow("12, 12, 123: incomplete trio and doublet franc, one count")
            << "trio L, open 2 L" << 0 << QStringList{"L2C1:12", "L2C4:12", "L2C8:123", "L2C9:34"}
            << QStringList{"L2C1 0 V F4 S0 O  Trio franc incomplet sur la ligne   : 2",
                           "L2C4 0 V F4 S0 N  Trio franc incomplet sur la ligne   : 2",
                           "L2C8 0 V F4 S0 N  Trio franc incomplet sur la ligne   : 2",
                           "L2C9 3 C F4 S0 N 1",
                           "L2C1 0 V F4 S1 O 12 en doublet franc sur  la ligne   :2",
                           "L2C4 0 V F4 S1 N 12 en doublet franc sur  la ligne   :2",
                           "L2C8 1 C F4 S1 N 1",
                           "L2C8 2 C F4 S1 N 2"};
        QTest::newRow("incomplete trio with nothing to remove")
            << "trio L" << 0 << QStringList{"L2C1:12", "L2C4:12", "L2C8:123"} << QStringList{};
        // Units in order, one number per configuration, the count running on from the run's.
        QTest::newRow("two doublets in row 2, one in column 8")
            << "open 2 L, open 2 C" << 2
            << QStringList{"L2C1:89", "L2C2:89", "L2C3:189", "L2C5:56", "L2C6:56",
                           "L2C7:5",  "L5C8:34", "L7C8:34",  "L9C8:3"}
            << QStringList{"L2C1 0 V F4 S2 O 89 en doublet franc sur  la ligne   :2",
                           "L2C2 0 V F4 S2 N 89 en doublet franc sur  la ligne   :2",
                           "L2C3 8 C F4 S2 N 2",
                           "L2C3 9 C F4 S2 N 3",
                           "L2C5 0 V F4 S3 O 56 en doublet franc sur  la ligne   :2",
                           "L2C6 0 V F4 S3 N 56 en doublet franc sur  la ligne   :2",
                           "L2C7 5 C F4 S3 N 1",
                           "L5C8 0 V F4 S4 O 34 en doublet franc sur  la colonne :8",
                           "L7C8 0 V F4 S4 N 34 en doublet franc sur  la colonne :8",
                           "L9C8 3 C F4 S4 N 1"};
    }
    void findings() { testing::CheckFindings(); }
};

QTEST_APPLESS_MAIN(OpenConfigurationsTest)
#include "tst_open_configurations.moc"
