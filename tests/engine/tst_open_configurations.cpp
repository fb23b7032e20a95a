// Family 4: doublets, triplets and quadruplets francs, and incomplete open trios.

#include "engine/open_configurations.h"
#include "tests/engine/position_builder.h"

#include <QTest>

using engine::GridState;
using engine::UnitKind;

Q_DECLARE_METATYPE(engine::UnitKind)
Q_DECLARE_METATYPE(engine::GridState::Order)

namespace {

// "doublet", "triplet", "quadruplet" or "incomplete trio", as the analysis run calls them.
void Run(const QString& search, engine::FindingList& list, int& familyCount, const GridState& grid,
         UnitKind kind) {
    if (search == "doublet")
        engine::FindOpenConfigurations(list, familyCount, grid, 2, kind, " en doublet franc sur ");
    else if (search == "triplet")
        engine::FindOpenConfigurations(list, familyCount, grid, 3, kind, " en triplet franc sur ");
    else if (search == "quadruplet")
        engine::FindOpenConfigurations(list, familyCount, grid, 4, kind,
                                       " en quadruplet franc sur ");
    else if (search == "incomplete trio")
        engine::FindIncompleteOpenTrios(list, familyCount, grid, kind);
    else
        qFatal("unknown search %s", qPrintable(search));
}

} // namespace

class OpenConfigurationsTest : public QObject {
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void searchesShareOneCount();
};

void OpenConfigurationsTest::findings_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<UnitKind>("kind");
    QTest::addColumn<GridState::Order>("order");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("expected");
    const auto snapshot = GridState::Order::ColumnMajor;

    QTest::newRow("doublet with nothing to remove")
        << "doublet" << UnitKind::Row << snapshot << QStringList{"L3C2:47", "L3C6:47", "L3C8:19"}
        << QStringList{};
    QTest::newRow("doublet in column 2, removal texts are positions")
        << "doublet" << UnitKind::Column << snapshot
        << QStringList{"L1C2:47", "L5C2:47", "L8C2:4789"}
        << QStringList{"L1C2 0 V F4 S0 O 47 en doublet franc sur  la colonne :2",
                       "L5C2 0 V F4 S0 N 47 en doublet franc sur  la colonne :2",
                       "L8C2 4 C F4 S0 N 1", "L8C2 7 C F4 S0 N 2"};
    QTest::newRow("doublet in row 4, removal between the pair")
        << "doublet" << UnitKind::Row << snapshot << QStringList{"L4C1:35", "L4C5:1357", "L4C9:35"}
        << QStringList{"L4C1 0 V F4 S0 O 35 en doublet franc sur  la ligne   :4",
                       "L4C9 0 V F4 S0 N 35 en doublet franc sur  la ligne   :4",
                       "L4C5 3 C F4 S0 N 2", "L4C5 5 C F4 S0 N 3"};
    const QStringList triplet = {"L4C4:123", "L6C5:123", "L5C6:123", "L4C6:1234", "L6C6:39"};
    QTest::newRow("triplet in region 5, snapshot order")
        << "triplet" << UnitKind::Region << snapshot << triplet
        << QStringList{"L4C4 0 V F4 S0 O 123 en triplet franc sur  la région  :5",
                       "L6C5 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                       "L5C6 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                       "L4C6 1 C F4 S0 N 1",
                       "L4C6 2 C F4 S0 N 2",
                       "L4C6 3 C F4 S0 N 3",
                       "L6C6 3 C F4 S0 N 1"};
    QTest::newRow("triplet in region 5, generator order")
        << "triplet" << UnitKind::Region << GridState::Order::RowMajor << triplet
        << QStringList{"L4C4 0 V F4 S0 O 123 en triplet franc sur  la région  :5",
                       "L5C6 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                       "L6C5 0 V F4 S0 N 123 en triplet franc sur  la région  :5",
                       "L4C6 1 C F4 S0 N 1",
                       "L4C6 2 C F4 S0 N 2",
                       "L4C6 3 C F4 S0 N 3",
                       "L6C6 3 C F4 S0 N 1"};
    QTest::newRow("three cells 47 for a doublet: found at the second, all three shown")
        << "doublet" << UnitKind::Column << snapshot
        << QStringList{"L1C2:47", "L3C2:47", "L6C2:47", "L8C2:479"}
        << QStringList{"L1C2 0 V F4 S0 O 47 en doublet franc sur  la colonne :2",
                       "L3C2 0 V F4 S0 N 47 en doublet franc sur  la colonne :2",
                       "L6C2 0 V F4 S0 N 47 en doublet franc sur  la colonne :2",
                       "L8C2 4 C F4 S0 N 1", "L8C2 7 C F4 S0 N 2"};
    QTest::newRow("quadruplet")
        << "quadruplet" << UnitKind::Row << snapshot
        << QStringList{"L9C1:1234", "L9C3:1234", "L9C5:1234", "L9C7:1234", "L9C9:45"}
        << QStringList{"L9C1 0 V F4 S0 O 1234 en quadruplet franc sur  la ligne   :9",
                       "L9C3 0 V F4 S0 N 1234 en quadruplet franc sur  la ligne   :9",
                       "L9C5 0 V F4 S0 N 1234 en quadruplet franc sur  la ligne   :9",
                       "L9C7 0 V F4 S0 N 1234 en quadruplet franc sur  la ligne   :9",
                       "L9C9 4 C F4 S0 N 1"};
    QTest::newRow("12, 34, 1234, 1234 is no quadruplet")
        << "quadruplet" << UnitKind::Row << snapshot
        << QStringList{"L9C1:12", "L9C2:34", "L9C3:1234", "L9C4:1234", "L9C5:15"} << QStringList{};

    const QStringList trio = {"L1C1:12", "L2C2:23", "L3C3:13", "L1C3:259"};
    QTest::newRow("incomplete trio 12, 23, 13 in region 1")
        << "incomplete trio" << UnitKind::Region << snapshot << trio
        << QStringList{"L1C1 0 V F4 S0 O  Trio franc incomplet région  : 1",
                       "L2C2 0 V F4 S0 N  Trio franc incomplet région  : 1",
                       "L3C3 0 V F4 S0 N  Trio franc incomplet région  : 1", "L1C3 2 C F4 S0 N 1"};
    QTest::newRow("12, 23, 13 is no triplet franc")
        << "triplet" << UnitKind::Region << snapshot << trio << QStringList{};
    const QStringList sameThree = {"L6C1:123", "L6C2:123", "L6C3:123", "L6C9:14"};
    QTest::newRow("three cells 123: triplet franc")
        << "triplet" << UnitKind::Row << snapshot << sameThree
        << QStringList{"L6C1 0 V F4 S0 O 123 en triplet franc sur  la ligne   :6",
                       "L6C2 0 V F4 S0 N 123 en triplet franc sur  la ligne   :6",
                       "L6C3 0 V F4 S0 N 123 en triplet franc sur  la ligne   :6",
                       "L6C9 1 C F4 S0 N 1"};
    QTest::newRow("three cells 123: no incomplete trio")
        << "incomplete trio" << UnitKind::Row << snapshot << sameThree << QStringList{};
    QTest::newRow("incomplete trio 1, 23, 123 in column 5")
        << "incomplete trio" << UnitKind::Column << snapshot
        << QStringList{"L2C5:1", "L4C5:23", "L7C5:123", "L9C5:39"}
        << QStringList{"L2C5 0 V F4 S0 O  Trio franc incomplet sur la colonne : 5",
                       "L4C5 0 V F4 S0 N  Trio franc incomplet sur la colonne : 5",
                       "L7C5 0 V F4 S0 N  Trio franc incomplet sur la colonne : 5",
                       "L9C5 3 C F4 S0 N 1"};
    const QStringList pairInTrio = {"L2C1:12", "L2C4:12", "L2C8:123", "L2C9:34"};
    QTest::newRow("12, 12, 123: incomplete trio")
        << "incomplete trio" << UnitKind::Row << snapshot << pairInTrio
        << QStringList{"L2C1 0 V F4 S0 O  Trio franc incomplet sur la ligne   : 2",
                       "L2C4 0 V F4 S0 N  Trio franc incomplet sur la ligne   : 2",
                       "L2C8 0 V F4 S0 N  Trio franc incomplet sur la ligne   : 2",
                       "L2C9 3 C F4 S0 N 1"};
    QTest::newRow("12, 12, 123: and doublet franc")
        << "doublet" << UnitKind::Row << snapshot << pairInTrio
        << QStringList{"L2C1 0 V F4 S0 O 12 en doublet franc sur  la ligne   :2",
                       "L2C4 0 V F4 S0 N 12 en doublet franc sur  la ligne   :2",
                       "L2C8 1 C F4 S0 N 1", "L2C8 2 C F4 S0 N 2"};
    QTest::newRow("incomplete trio with nothing to remove")
        << "incomplete trio" << UnitKind::Row << snapshot
        << QStringList{"L2C1:12", "L2C4:12", "L2C8:123"} << QStringList{};
}

void OpenConfigurationsTest::findings() {
    QFETCH(QString, search);
    QFETCH(UnitKind, kind);
    QFETCH(GridState::Order, order);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, expected);
    engine::FindingList list;
    int familyCount = 0;
    Run(search, list, familyCount, testing::CandidateGrid(cells, order), kind);
    QCOMPARE(testing::Describe(list), expected);
    QCOMPARE(familyCount, list.empty() ? 0 : 1);
}

void OpenConfigurationsTest::searchesShareOneCount() {
    // Two doublets in row 2 and one in column 8; units in order, one number per configuration.
    const GridState grid =
        testing::CandidateGrid({"L2C1:89", "L2C2:89", "L2C3:189", "L2C5:56", "L2C6:56", "L2C7:5",
                                "L5C8:34", "L7C8:34", "L9C8:3"});
    engine::FindingList list;
    int familyCount = 2;
    Run("doublet", list, familyCount, grid, UnitKind::Row);
    Run("doublet", list, familyCount, grid, UnitKind::Column);
    QCOMPARE(testing::Describe(list),
             (QStringList{
                 "L2C1 0 V F4 S2 O 89 en doublet franc sur  la ligne   :2",
                 "L2C2 0 V F4 S2 N 89 en doublet franc sur  la ligne   :2", "L2C3 8 C F4 S2 N 2",
                 "L2C3 9 C F4 S2 N 3", "L2C5 0 V F4 S3 O 56 en doublet franc sur  la ligne   :2",
                 "L2C6 0 V F4 S3 N 56 en doublet franc sur  la ligne   :2", "L2C7 5 C F4 S3 N 1",
                 "L5C8 0 V F4 S4 O 34 en doublet franc sur  la colonne :8",
                 "L7C8 0 V F4 S4 N 34 en doublet franc sur  la colonne :8", "L9C8 3 C F4 S4 N 1"}));
    QCOMPARE(familyCount, 5);
}

QTEST_APPLESS_MAIN(OpenConfigurationsTest)
#include "tst_open_configurations.moc"
