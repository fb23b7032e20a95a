// Family 5: exclusive pairs and trios.

#include "tests/engine/position_builder.h"

#include <QTest>

class ExclusiveConfigurationsTest : public QObject {
    Q_OBJECT

private slots:
    void findings_data() {
        testing::AddFindingColumns();
        QTest::newRow("pair 58 in row 3, 1 elsewhere in the row")
            << "exclusive 2 L" << 0 << QStringList{"L3C2:1258", "L3C6:158", "L3C9:12"}
            << QStringList{"L3C2 5 V F5 S0 O 58 En doublet exclusif sur la ligne : 3",
                           "L3C2 8 V F5 S0 N 58 En doublet exclusif sur la ligne : 3",
                           "L3C6 5 V F5 S0 N",
                           "L3C6 8 V F5 S0 N",
                           "L3C2 1 C F5 S0 N",
                           "L3C2 2 C F5 S0 N",
                           "L3C6 1 C F5 S0 N"};
        QTest::newRow("two cells 58 and nothing else: no exclusive pair")
            << "exclusive 2 L" << 0 << QStringList{"L3C2:58", "L3C6:58", "L3C9:12"}
            << QStringList{};
        QTest::newRow("pair 34 in region 9")
            << "exclusive 2 R" << 0 << QStringList{"L9C9:34", "L7C7:349", "L8C8:9"}
            << QStringList{"L7C7 3 V F5 S0 O 34 En doublet exclusif sur la région : 9",
                           "L7C7 4 V F5 S0 N 34 En doublet exclusif sur la région : 9",
                           "L9C9 3 V F5 S0 N", "L9C9 4 V F5 S0 N", "L7C7 9 C F5 S0 N"};
        QTest::newRow("pair 16 in column 4")
            << "exclusive 2 C" << 0
            << QStringList{"L2C4:136", "L8C4:1567", "L5C4:357", "L6C4:357", "L9C4:37"}
            << QStringList{"L2C4 1 V F5 S0 O 16 En doublet exclusif sur la colonne : 4",
                           "L2C4 6 V F5 S0 N 16 En doublet exclusif sur la colonne : 4",
                           "L8C4 1 V F5 S0 N",
                           "L8C4 6 V F5 S0 N",
                           "L2C4 3 C F5 S0 N",
                           "L8C4 5 C F5 S0 N",
                           "L8C4 7 C F5 S0 N"};
        QTest::newRow("three digits confined to the same two cells: no pair")
            << "exclusive 2 L" << 0 << QStringList{"L1C1:1234", "L1C5:123", "L1C9:4"}
            << QStringList{};
        QTest::newRow("trio 123 in column 7, 9 elsewhere, and no pair in the same cells")
            << "exclusive 3 C, exclusive 2 C" << 0
            << QStringList{"L1C7:129", "L4C7:239", "L8C7:13", "L9C7:49"}
            << QStringList{"L1C7 1 V F5 S0 O 123 En Trio exclusif sur la colonne : 7",
                           "L1C7 2 V F5 S0 N 123 En Trio exclusif sur la colonne : 7",
                           "L4C7 2 V F5 S0 N",
                           "L4C7 3 V F5 S0 N",
                           "L8C7 1 V F5 S0 N",
                           "L8C7 3 V F5 S0 N",
                           "L1C7 9 C F5 S0 N",
                           "L4C7 9 C F5 S0 N"};
        QTest::newRow("9 nowhere else either: four digits, no trio")
            << "exclusive 3 C" << 0 << QStringList{"L1C7:129", "L4C7:239", "L8C7:13"}
            << QStringList{};
        QTest::newRow("12, 23, 13: nothing to remove")
            << "exclusive 3 C" << 0 << QStringList{"L1C7:12", "L4C7:23", "L8C7:13", "L9C7:45"}
            << QStringList{};
        QTest::newRow("trio 478 in row 5, one digit held three times")
            << "exclusive 3 L" << 0 << QStringList{"L5C1:4789", "L5C4:478", "L5C6:47", "L5C8:19"}
            << QStringList{"L5C1 4 V F5 S0 O 478 En Trio exclusif sur la ligne : 5",
                           "L5C1 7 V F5 S0 N 478 En Trio exclusif sur la ligne : 5",
                           "L5C1 8 V F5 S0 N 478 En Trio exclusif sur la ligne : 5",
                           "L5C4 4 V F5 S0 N",
                           "L5C4 7 V F5 S0 N",
                           "L5C4 8 V F5 S0 N",
                           "L5C6 4 V F5 S0 N",
                           "L5C6 7 V F5 S0 N",
                           "L5C1 9 C F5 S0 N"};
        QTest::newRow("trio 256 in region 2")
            << "exclusive 3 R" << 0 << QStringList{"L1C4:25", "L3C5:2569", "L2C6:56", "L1C6:19"}
            << QStringList{"L1C4 2 V F5 S0 O 256 En Trio exclusif sur la région : 2",
                           "L1C4 5 V F5 S0 N 256 En Trio exclusif sur la région : 2",
                           "L3C5 2 V F5 S0 N",
                           "L3C5 5 V F5 S0 N",
                           "L3C5 6 V F5 S0 N",
                           "L2C6 5 V F5 S0 N",
                           "L2C6 6 V F5 S0 N",
                           "L3C5 9 C F5 S0 N"};
        // Contradictory: three digits confined to two cells. The first cell holds none of them,
        // so no line of the configuration stands for it, yet its removal lines are there.
        QTest::newRow("first cell holds none of the trio's digits")
            << "exclusive 3 L" << 0 << QStringList{"L1C1:5", "L1C2:123", "L1C3:123"}
            << QStringList{"L1C2 1 V F5 S0 N", "L1C2 2 V F5 S0 N", "L1C2 3 V F5 S0 N",
                           "L1C3 1 V F5 S0 N", "L1C3 2 V F5 S0 N", "L1C3 3 V F5 S0 N",
                           "L1C1 5 C F5 S0 N"};
        // Row 1 holds two exclusive pairs (found in unit order), row 2 an exclusive trio.
        QTest::newRow("pairs and trios share one count")
            << "exclusive 2 L, exclusive 3 L" << 4
            << QStringList{"L1C1:129", "L1C2:349",  "L1C4:89", "L1C5:12", "L1C8:348", "L1C9:89",
                           "L2C1:126", "L2C2:1567", "L2C3:67", "L2C8:25", "L2C9:25"}
            << QStringList{"L1C1 1 V F5 S4 O 12 En doublet exclusif sur la ligne : 1",
                           "L1C1 2 V F5 S4 N 12 En doublet exclusif sur la ligne : 1",
                           "L1C5 1 V F5 S4 N",
                           "L1C5 2 V F5 S4 N",
                           "L1C1 9 C F5 S4 N",
                           "L1C2 3 V F5 S5 O 34 En doublet exclusif sur la ligne : 1",
                           "L1C2 4 V F5 S5 N 34 En doublet exclusif sur la ligne : 1",
                           "L1C8 3 V F5 S5 N",
                           "L1C8 4 V F5 S5 N",
                           "L1C2 9 C F5 S5 N",
                           "L1C8 8 C F5 S5 N",
                           "L2C1 1 V F5 S6 O 167 En Trio exclusif sur la ligne : 2",
                           "L2C1 6 V F5 S6 N 167 En Trio exclusif sur la ligne : 2",
                           "L2C2 1 V F5 S6 N",
                           "L2C2 6 V F5 S6 N",
                           "L2C2 7 V F5 S6 N",
                           "L2C3 6 V F5 S6 N",
                           "L2C3 7 V F5 S6 N",
                           "L2C1 2 C F5 S6 N",
                           "L2C2 5 C F5 S6 N"};
    }
    void findings() { testing::CheckFindings(); }
};

QTEST_APPLESS_MAIN(ExclusiveConfigurationsTest)
#include "tst_exclusive_configurations.moc"
