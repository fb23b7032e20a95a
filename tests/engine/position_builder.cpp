#include "tests/engine/position_builder.h"

#include "engine/exclusive_configurations.h"
#include "engine/line_region.h"
#include "engine/open_configurations.h"
#include "engine/single_candidates.h"
#include "tests/engine/reference_families.h"

#include <QRegularExpression>
#include <QTest>

namespace testing {

using engine::FindingList;
using engine::GridState;
using engine::UnitKind;

engine::GridState CandidateGrid(const QStringList& cells) {
    static const QRegularExpression entry(QStringLiteral("^L([1-9])C([1-9]):([1-9]*)$"));
    GridState grid(cells.contains(QStringLiteral("row by row")) ? GridState::Order::RowMajor
                                                                : GridState::Order::ColumnMajor);
    for (engine::CellState& cell : grid.Cells)
        cell.Candidates = 0;
    for (const QString& cell : cells) {
        if (cell == QStringLiteral("row by row"))
            continue;
        const QRegularExpressionMatch match = entry.match(cell);
        if (!match.hasMatch())
            qFatal("malformed cell entry: %s", qPrintable(cell));
        engine::CandidateSet set = 0;
        for (QChar digit : match.captured(3))
            set |= engine::DigitBit(digit.digitValue());
        grid.At(match.captured(1).toInt(), match.captured(2).toInt()).Candidates = set;
    }
    return grid;
}

QStringList Describe(const FindingList& list) {
    QStringList lines;
    for (const engine::Finding& f : list)
        lines << QString::asprintf("L%dC%d %c %c F%d S%d %c", f.Row, f.Col, f.Digit, f.Action,
                                   f.Family, f.Seq, f.Trace) +
                     (f.Text.empty() ? QString() : " " + QString::fromStdString(f.Text));
    return lines;
}

namespace {

using KindSearch = void (*)(FindingList&, int&, const GridState&, UnitKind);

Search ForKind(KindSearch search, UnitKind kind) {
    return [=](FindingList& l, int& c, const GridState& g) { search(l, c, g, kind); };
}

} // namespace

const std::vector<NamedSearch>& Searches() {
    static const std::vector<NamedSearch> searches = [] {
        std::vector<NamedSearch> all = {
            {"naked", engine::FindNakedSingles, {}},
            {"twins L", engine::FindRowTwins, reference::FindRowTwins},
            {"twins C", engine::FindColumnTwins, reference::FindColumnTwins},
            {"interactions L", engine::FindRowInteractions, reference::FindRowInteractions},
            {"interactions C", engine::FindColumnInteractions, reference::FindColumnInteractions},
        };
        constexpr std::string_view kOpenTexts[] = {
            " en doublet franc sur ", " en triplet franc sur ", " en quadruplet franc sur "};
        for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Region}) {
            const QString unit = QString(QChar(char(kind)));
            all.push_back({"hidden " + unit, ForKind(engine::FindHiddenSingles, kind), {}});
            for (int size = 2; size <= 4; ++size) {
                const std::string_view text = kOpenTexts[size - 2];
                all.push_back({QStringLiteral("open %1 %2").arg(size).arg(unit),
                               [=](FindingList& l, int& c, const GridState& g) {
                                   engine::FindOpenConfigurations(l, c, g, size, kind, text);
                               },
                               [=](FindingList& l, int& c, const GridState& g) {
                                   reference::FindOpenConfigurations(l, c, g, size, kind, text);
                               }});
            }
            all.push_back({"trio " + unit, ForKind(engine::FindIncompleteOpenTrios, kind),
                           ForKind(reference::FindIncompleteOpenTrios, kind)});
            all.push_back({"exclusive 2 " + unit, ForKind(engine::FindExclusivePairs, kind),
                           ForKind(reference::FindExclusivePairs, kind)});
            all.push_back({"exclusive 3 " + unit, ForKind(engine::FindExclusiveTrios, kind),
                           ForKind(reference::FindExclusiveTrios, kind)});
        }
        return all;
    }();
    return searches;
}

void AddFindingColumns() {
    QTest::addColumn<QString>("searches");
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("expected");
}

void CheckFindings() {
    QFETCH(QString, searches);
    QFETCH(int, start);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, expected);
    const GridState grid = CandidateGrid(cells);
    FindingList list;
    int count = start;
    for (const QString& name : searches.split(QStringLiteral(", "))) {
        const auto search = std::find_if(Searches().begin(), Searches().end(),
                                         [&](const NamedSearch& s) { return s.name == name; });
        QVERIFY2(search != Searches().end(), qPrintable(name));
        search->engine(list, count, grid);
    }
    QCOMPARE(Describe(list), expected);
    // Naked singles open every run: their count starts from 0 whatever it was.
    const int none = searches.startsWith(QStringLiteral("naked")) ? 0 : start;
    QCOMPARE(count, list.empty() ? none : list.back().Seq + 1);
}

} // namespace testing
