// Printing a grid to a PDF file and reading the page back: where the lines, digits and
// candidates land on the sheet, in millimetres from its top-left corner.

#include "game/widgets/grid_printer.h"
#include "tests/print/printed_sheet.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

using namespace print_test;

namespace {

// A thick line is a quarter of a millimetre wide and the page picture has 12 pixels to the
// millimetre: 0.4 mm leaves room for both, and still catches a grid off by a margin.
bool Near(double actual, double expected) {
    return std::abs(actual - expected) <= 0.4;
}

QString Describe(const QRectF& mm) {
    return QStringLiteral("ink from (%1, %2) to (%3, %4) mm")
        .arg(mm.left())
        .arg(mm.top())
        .arg(mm.right())
        .arg(mm.bottom());
}

// A blank grid, or one with the givens L1C1 5, L5C5 8, L9C9 1 and L4C6 left without candidates.
std::unique_ptr<game::GameSession> NewGrid(bool withGivens) {
    auto session = std::make_unique<game::GameSession>(game::GameSettings{});
    session->InitBoard();
    if (withGivens) {
        session->ApplyCellChoice(1, 1, game::Operation::Place, 5);
        session->ApplyCellChoice(5, 5, game::Operation::Place, 8);
        session->ApplyCellChoice(9, 9, game::Operation::Place, 1);
        for (int d = 1; d <= 9; ++d)
            session->ApplyCellChoice(4, 6, game::Operation::RemoveCandidate, d);
    }
    return session;
}

QPointF CellCorner(int row, int col) {
    return {51.0 + 12 * (col - 1), 30.0 + 12 * (row - 1)};
}

// Where candidate d of a cell is drawn: the top-left of its text stands 1 mm + 4 mm per pad
// column across and 0.3 mm + 4 mm per pad row down.
QRectF CandidateSpot(int row, int col, int d) {
    const QPointF corner = CellCorner(row, col);
    return QRectF(corner.x() + 4 * ((d - 1) % 3) + 0.6, corner.y() + 4 * ((d - 1) / 3) + 0.6, 2.8,
                  2.8);
}

} // namespace

class TestPrintPage : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    QString PdfPath() const { return folder_.filePath(QStringLiteral("grid.pdf")); }
    PrintedSheet Print(const game::GameSession& session, const QMarginsF& margins = {},
                       const std::function<void(QPrinter&)>& alsoSetUp = {}) {
        return PrintedSheet::Print(session, PdfPath(), margins, alsoSetUp);
    }

private slots:
    void init() { QFile::remove(PdfPath()); }

    void gridStandsAt51And30MmWhateverTheMargins_data() {
        QTest::addColumn<QMarginsF>("margins");
        QTest::newRow("no margin") << QMarginsF(0, 0, 0, 0);
        QTest::newRow("10 mm all round") << QMarginsF(10, 10, 10, 10);
        QTest::newRow("uneven margins") << QMarginsF(25, 5, 5, 40);
    }

    void gridStandsAt51And30MmWhateverTheMargins() {
        QFETCH(QMarginsF, margins);
        const PrintedSheet sheet = Print(*NewGrid(false), margins);
        QVERIFY2(sheet.Rendered(), qPrintable(sheet.Error()));
        // With no text on the sheet, the ink is the grid: 108 mm square from (51 mm, 30 mm).
        const QRectF ink = sheet.InkBox(QRectF(QPointF(0, 0), sheet.SizeMm()));
        QVERIFY2(Near(ink.left(), 51) && Near(ink.top(), 30) && Near(ink.right(), 159) &&
                     Near(ink.bottom(), 138),
                 qPrintable(Describe(ink)));
        // Lines every 12 mm, thick around the boxes: down the middle of column 1 the horizontal
        // lines are crossed, across row 1 the vertical ones.
        for (const auto& [runs, firstLine] : {std::pair{sheet.Runs({57, 25}, {57, 145}), 30.0},
                                              std::pair{sheet.Runs({45, 36}, {165, 36}), 51.0}}) {
            QCOMPARE(runs.size(), 10);
            double thinnestThick = 1e9;
            double thickestThin = 0;
            for (int i = 0; i <= 9; ++i) {
                QVERIFY2(
                    Near(runs[i].CentreMm, firstLine + 12 * i),
                    qPrintable(QStringLiteral("line %1 at %2 mm").arg(i).arg(runs[i].CentreMm)));
                if (i % 3 == 0)
                    thinnestThick = std::min(thinnestThick, runs[i].Ink);
                else
                    thickestThin = std::max(thickestThin, runs[i].Ink);
            }
            QVERIFY2(thinnestThick > 2 * thickestThin,
                     qPrintable(
                         QStringLiteral("thick %1, thin %2").arg(thinnestThick).arg(thickestThin)));
        }
    }

    void digitsAndCandidatesStandInTheirCells_data() {
        QTest::addColumn<bool>("display");
        QTest::newRow("candidates shown") << true;
        QTest::newRow("candidates hidden") << false;
    }

    void digitsAndCandidatesStandInTheirCells() {
        QFETCH(bool, display);
        auto session = NewGrid(true);
        session->SetCandidateDisplay(display);
        const PrintedSheet sheet = Print(*session);
        QVERIFY2(sheet.Rendered(), qPrintable(sheet.Error()));
        for (int row = 1; row <= 9; ++row) {
            for (int col = 1; col <= 9; ++col) {
                const QPointF corner = CellCorner(row, col);
                const QRectF ink = sheet.InkBox(
                    QRectF(corner, QSizeF(12, 12)).adjusted(0.5, 0.5, -0.5, -0.5)); // no lines
                const QString where = QStringLiteral("L%1C%2: ").arg(row).arg(col);
                if (session->Cell(row, col).Digit() == 0) {
                    // Candidates when shown, but L4C6 has none left.
                    const bool inked = display && !(row == 4 && col == 6);
                    QVERIFY2(ink.isNull() != inked, qPrintable(where + Describe(ink)));
                    continue;
                }
                // 22-point type: the text's top-left at 4 mm, 1.5 mm in the cell; a figure is
                // about 5.3 mm high and sits on the baseline 6.9 mm (the font's ascent) under the
                // top.
                const QRectF inCell = ink.translated(-corner);
                QVERIFY2(inCell.left() >= 4.0 && inCell.left() <= 5.2 && Near(inCell.top(), 3.2) &&
                             Near(inCell.bottom(), 8.4) && inCell.right() <= 8.5,
                         qPrintable(where + Describe(inCell)));
            }
        }
        // L1C2 lost the 5 of its row; L5C6 the 8 of its row.
        for (int d = 1; d <= 9; ++d) {
            QCOMPARE(sheet.HasInk(CandidateSpot(1, 2, d)), display && d != 5);
            QCOMPARE(sheet.HasInk(CandidateSpot(5, 6, d)), display && d != 8);
        }
        // A digit's cell shows its digit only, never candidates.
        QVERIFY(!sheet.HasInk(CandidateSpot(1, 1, 1)));
    }

    void jobIsTitledAndPrintedUpright() {
        const PrintedSheet sheet = Print(*NewGrid(false), {}, [](QPrinter& printer) {
            printer.setPageOrientation(QPageLayout::Landscape);
        });
        QVERIFY2(sheet.Rendered(), qPrintable(sheet.Error()));
        QVERIFY(std::abs(sheet.SizeMm().width() - 210) < 1);
        QVERIFY(std::abs(sheet.SizeMm().height() - 297) < 1);
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {PdfPath()});
        QVERIFY(pdfinfo.waitForFinished(60000));
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Title: +Impression tessarine$"),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
    }

    void printerThatCannotStartReportsAnError() {
        const QString path = folder_.filePath(QStringLiteral("missing/grid.pdf"));
        QVERIFY(!PrintedSheet::Print(*NewGrid(true), path, {}).Error().isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void cancelledPrintDialogPrintsNothing() {
        bool asked = false;
        const QString error =
            game::PrintGrid(*NewGrid(true), QStringLiteral("tessarine"), [&](QPrinter& printer) {
                asked = true;
                printer.setOutputFileName(PdfPath());
                return false;
            });
        QVERIFY(asked);
        QVERIFY(error.isEmpty());
        QVERIFY(!QFile::exists(PdfPath()));
    }
};

QTEST_MAIN(TestPrintPage)
#include "test_print_page.moc"
