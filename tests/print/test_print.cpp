// Printing a grid: the page laid out in tenths of a millimetre (golden files), then printed to a
// PDF file and read back, measured in millimetres from the sheet's corner whatever the margins.

#include "game/model/game_session.h"
#include "game/model/print_layout.h"
#include "game/widgets/grid_printer.h"
#include "tests/golden.h"

#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

using namespace game::print;

namespace {

// A grid printed to a PDF file (A4, the given margins around the printable area) and read back
// as a 300 dpi picture, measured in millimetres from the sheet's corner.
class PrintedSheet {
public:
    PrintedSheet(const game::GameSession& session, const QString& pdfPath,
                 const QMarginsF& margins) {
        error = game::PrintGrid(session, QStringLiteral("tessarine"), [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageMargins(margins, QPageLayout::Millimeter);
            printer.setPageOrientation(QPageLayout::Landscape); // the grid prints upright anyway
            return true;
        });
        const QString prefix = QFileInfo(pdfPath).absolutePath() + QStringLiteral("/sheet");
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       {"-r", "300", "-gray", "-png", "-singlefile", pdfPath, prefix});
        if (error.isEmpty() && pdftoppm.waitForFinished(60000) && pdftoppm.exitCode() == 0)
            page =
                QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
    }

    QString error;
    QImage page;

    static double Mm(double pixels) { return pixels * 25.4 / 300; }
    static int Pixels(double mm) { return qRound(mm * 300 / 25.4); }
    int Darkness(const QPoint& pixel) const {
        return page.rect().contains(pixel) ? 255 - page.constScanLine(pixel.y())[pixel.x()] : 0;
    }

    // Bounding box of the ink (darker than mid-grey) inside region; null when there is none.
    QRectF InkBox(const QRectF& regionMm) const {
        QRect ink;
        for (int y = Pixels(regionMm.top()); y <= Pixels(regionMm.bottom()); ++y)
            for (int x = Pixels(regionMm.left()); x <= Pixels(regionMm.right()); ++x)
                if (Darkness({x, y}) > 127)
                    ink |= QRect(x, y, 1, 1);
        return ink.isNull() ? QRectF()
                            : QRectF(QPointF(Mm(ink.left()), Mm(ink.top())),
                                     QPointF(Mm(ink.right() + 1), Mm(ink.bottom() + 1)));
    }

    // The lines crossed going down from (x, top) or across from (left, y): their centres, in whole
    // millimetres, "T" after a thick one (more than half the ink of the thickest).
    QString Lines(const QPoint& from, const QPoint& step) const {
        QList<std::pair<double, double>> runs; // centre, ink summed over the run
        double ink = 0, weighted = 0;
        for (QPoint pixel = from; page.rect().contains(pixel); pixel += step) {
            const int darkness = Darkness(pixel);
            if (darkness > 25) {
                ink += darkness;
                weighted += darkness * (QPoint::dotProduct(pixel, step) + 0.5);
            } else if (ink > 0) {
                runs.append({Mm(weighted / ink), ink});
                ink = weighted = 0;
            }
        }
        double mostInk = 0;
        for (auto [centre, runInk] : runs)
            mostInk = std::max(mostInk, runInk);
        QString text = QStringLiteral("lines at");
        for (auto [centre, runInk] : runs)
            text +=
                QStringLiteral(" %1%2").arg(qRound(centre)).arg(runInk > mostInk / 2 ? "T" : "");
        return text + u'\n';
    }
};

// Givens L1C1 5, L5C5 8, L9C9 1; L4C6 has lost every candidate, L1C3 its 9.
std::unique_ptr<game::GameSession> NewGrid(bool showCandidates) {
    auto session = std::make_unique<game::GameSession>(game::GameSettings{});
    session->InitBoard();
    session->ApplyCellChoice(1, 1, game::Operation::Place, 5);
    session->ApplyCellChoice(5, 5, game::Operation::Place, 8);
    session->ApplyCellChoice(9, 9, game::Operation::Place, 1);
    session->ApplyCellChoice(1, 3, game::Operation::RemoveCandidate, 9);
    for (int d = 1; d <= 9; ++d)
        session->ApplyCellChoice(4, 6, game::Operation::RemoveCandidate, d);
    session->SetCandidateDisplay(showCandidates);
    return session;
}

QByteArray Describe(const PageLayout& page) {
    QByteArray text;
    for (const PrintedLine& l : page.Lines)
        text += QStringLiteral("line %1 %2 %3 width %4 length %5\n")
                    .arg(l.Direction)
                    .arg(l.X)
                    .arg(l.Y)
                    .arg(l.Width)
                    .arg(l.Length)
                    .toUtf8();
    for (const PrintedText& t : page.Texts)
        text += QStringLiteral("text %1 at %2 %3 in %4 %5\n")
                    .arg(t.Text)
                    .arg(t.X)
                    .arg(t.Y)
                    .arg(t.Font.Name)
                    .arg(t.Font.Points)
                    .toUtf8();
    // An uneven printer: 0.5 px per unit across, 0.25 down, its printable area 10 and 20 px in.
    const PageScale scale{0.5, 0.25, 10, 20};
    const QPoint corner = scale.ToPrinter(OriginX, OriginY);
    return text + QStringLiteral("uneven printer: grid corner %1 %2, across %3, down %4\n")
                      .arg(corner.x())
                      .arg(corner.y())
                      .arg(scale.PrinterLength(Across, GridSize))
                      .arg(scale.PrinterLength(Down, GridSize))
                      .toUtf8();
}

// The sheet as measured, in whole millimetres: its size, the grid's ink, the lines crossed down
// column 2 and across row 2 (between candidates), and per cell "#" for a digit, "-" for nothing, or
// which of the nine candidate spots of the telephone pad have ink.
QByteArray Describe(const PrintedSheet& sheet) {
    const QRectF grid =
        sheet.InkBox(QRectF(QPointF(0, 0), PrintedSheet::Mm(1) * QSizeF(sheet.page.size())));
    QString text = QStringLiteral("sheet %1 x %2 mm, grid ink from %3 %4 to %5 %6\n")
                       .arg(qRound(PrintedSheet::Mm(sheet.page.width())))
                       .arg(qRound(PrintedSheet::Mm(sheet.page.height())))
                       .arg(qRound(grid.left()))
                       .arg(qRound(grid.top()))
                       .arg(qRound(grid.right()))
                       .arg(qRound(grid.bottom()));
    text += sheet.Lines({PrintedSheet::Pixels(67), 0}, {0, 1}) +
            sheet.Lines({0, PrintedSheet::Pixels(46)}, {1, 0});
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const QPointF corner(51.0 + 12 * col, 30.0 + 12 * row);
            // A 22-point figure: its ink from 4 mm in, 3.2 to 8.4 mm down.
            const QRectF ink =
                sheet.InkBox(QRectF(corner, QSizeF(12, 12)) - QMarginsF(.5, .5, .5, .5))
                    .translated(-corner);
            const bool digit = ink.left() >= 3.5 && ink.right() <= 8.5 &&
                               std::abs(ink.top() - 3.2) < .4 && std::abs(ink.bottom() - 8.4) < .4;
            QString cell = digit ? QStringLiteral("#") : QString();
            for (int d = 0; d < 9 && !digit; ++d)
                if (!sheet
                         .InkBox(QRectF(corner + QPointF(4 * (d % 3) + 0.6, 4 * (d / 3) + 0.6),
                                        QSizeF(2.8, 2.8)))
                         .isNull())
                    cell += QString::number(d + 1);
            text += (col ? u' ' : u'\n') + (cell.isEmpty() ? QStringLiteral("-") : cell);
        }
    }
    return text.toUtf8() + '\n';
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    QString PdfPath() const { return folder_.filePath(QStringLiteral("grid.pdf")); }

private slots:
    void init() { QFile::remove(PdfPath()); }

    void page_data() {
        QTest::addColumn<bool>("candidates");
        QTest::addColumn<QMarginsF>("margins");
        QTest::addColumn<QString>("golden");
        QTest::newRow("candidates, no margin") << true << QMarginsF() << "candidates";
        QTest::newRow("candidates, 10 mm") << true << QMarginsF(10, 10, 10, 10) << "candidates";
        QTest::newRow("no candidates, uneven margins")
            << false << QMarginsF(25, 5, 5, 40) << "digits";
    }

    void page() {
        QFETCH(bool, candidates);
        QFETCH(QMarginsF, margins);
        QFETCH(QString, golden);
        const auto session = NewGrid(candidates);
        QCOMPARE_GOLDEN(Describe(LayOutGrid(*session)), "print/layout-" + golden + ".txt");
        const PrintedSheet sheet(*session, PdfPath(), margins);
        QVERIFY2(!sheet.page.isNull(), qPrintable(sheet.error));
        QCOMPARE_GOLDEN(Describe(sheet), "print/sheet-" + golden + ".txt");
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {PdfPath()});
        QVERIFY(pdfinfo.waitForFinished(60000));
        QVERIFY(
            pdfinfo.readAllStandardOutput().contains("Title:           Impression tessarine\n"));
    }

    void nothingPrintedWhenThePrinterFailsOrIsCancelled() {
        const QString path = folder_.filePath(QStringLiteral("missing/grid.pdf"));
        QVERIFY(!PrintedSheet(*NewGrid(true), path, {}).error.isEmpty());
        QVERIFY(!QFile::exists(path));
        const QString error =
            game::PrintGrid(*NewGrid(true), QStringLiteral("tessarine"), [&](QPrinter& printer) {
                printer.setOutputFileName(PdfPath());
                return false;
            });
        QVERIFY(error.isEmpty());
        QVERIFY(!QFile::exists(PdfPath()));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
