// The teacher's words: explanations of real deductions of every kind, in French and English.

#include "app/services/translations.h"
#include "bench/puzzle_positions.h"
#include "engine/families.h"
#include "game/model/deduction_explanation.h"
#include "game/model/model_messages.h"
#include "tests/golden.h"

#include <QRegularExpression>
#include <QTest>

#include <map>

using engine::Deduction;

namespace {

// One kind of configuration: its family, the kind of its unit, the size of its pattern, and
// whether its first two cells share a row (a twin along a row or a column).
using Kind = std::tuple<int, int, std::size_t, bool>;

QStringList Messages(const QString& language) {
    return services::ReadTranslationSection(QStringLiteral(TESSARINE_TRANSLATIONS),
                                            QStringLiteral("Messages"), language, true);
}

} // namespace

class TeachingTest : public QObject {
    Q_OBJECT

private slots:
    // Every deduction met while the rated puzzles are played names its pattern cells and what it
    // changes; the first of each kind is written out in both languages.
    void explanationsOfRealDeductions() {
        std::map<Kind, QString> firstOfKind;
        for (std::string_view level : puzzles::kLevels) {
            for (const puzzles::Puzzle& puzzle : puzzles::LoadPuzzles(level)) {
                engine::GridState grid = puzzles::GridFromGivens(puzzle.givens);
                engine::FindingList list;
                do {
                    engine::RunFamilies(grid, list);
                    for (const Deduction& deduction : engine::GroupDeductions(list, grid)) {
                        game::SetMessages({});
                        const QString french = game::ExplainDeduction(deduction);
                        for (const auto& cells : {deduction.PatternCells, deduction.Effects})
                            for (const engine::CellDigit& cell : cells)
                                QVERIFY2(french.contains(
                                             QStringLiteral("L%1C%2").arg(cell.Row).arg(cell.Col)),
                                         qPrintable(french));
                        const auto& cells = deduction.PatternCells;
                        const Kind kind{deduction.Family, int(deduction.Unit), cells.size(),
                                        cells.size() > 1 && cells[0].Row == cells[1].Row};
                        if (firstOfKind.count(kind))
                            continue;
                        game::SetMessages(Messages(QStringLiteral("en")));
                        firstOfKind[kind] = QString::fromStdString(list[deduction.Origin].Text) +
                                            "\n" + game::TechniqueName(deduction) + "\n" + french +
                                            "\n" + game::TechniqueName(deduction) + "\n" +
                                            game::ExplainDeduction(deduction) + "\n";
                    }
                } while (puzzles::ApplyFindings(grid, list));
            }
        }
        game::SetMessages({});
        QString report;
        for (const auto& [kind, text] : firstOfKind)
            report += text + "\n";
        QCOMPARE_GOLDEN(report.toUtf8(), "teaching/explanations.txt");
    }

    // The help pages the build writes: the handwritten page with, in place of each marker, an
    // example of that family on a real board, in the explanations' words.
    void helpPages_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("French") << "help_fr.html";
        QTest::newRow("English") << "help_en.html";
    }
    void helpPages() {
        QFETCH(QString, page);
        QFile written(TESSARINE_PROGRAM_DIR + page);
        QFile handwritten(TESSARINE_ROOT "/resources/help/" + page);
        QVERIFY(written.open(QIODevice::ReadOnly) && handwritten.open(QIODevice::ReadOnly));
        QString rest = QString::fromUtf8(written.readAll());
        QString examples;
        for (const QString& piece : QString::fromUtf8(handwritten.readAll())
                                        .split(QRegularExpression("<!--EXAMPLE \\d-->"))) {
            const qsizetype at = rest.indexOf(piece);
            QVERIFY(at >= 0);
            examples += rest.left(at);
            rest = rest.mid(at + piece.size());
        }
        QVERIFY(rest.isEmpty());
        QCOMPARE_GOLDEN(examples.toUtf8(), "teaching/examples_" + page);
    }
};

QTEST_GUILESS_MAIN(TeachingTest)
#include "test_teaching.moc"
