#include "tests/print/printed_sheet.h"

#include "game/widgets/grid_printer.h"

#include <QFileInfo>
#include <QPrinter>
#include <QProcess>

namespace print_test {

namespace {

constexpr int kInkThreshold = 128;  // darker than mid-grey: ink
constexpr int kGreyThreshold = 230; // anything visibly darker than the paper

QImage RenderFirstPage(const QString& pdfPath) {
    const QString prefix = QFileInfo(pdfPath).absolutePath() + QStringLiteral("/sheet");
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(kSheetDpi), QStringLiteral("-gray"),
                    QStringLiteral("-png"), QStringLiteral("-singlefile"), pdfPath, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

PrintedSheet PrintedSheet::Print(const game::GameSession& session, const QString& pdfPath,
                                 const QMarginsF& marginsMm,
                                 const std::function<void(QPrinter&)>& alsoSetUp) {
    PrintedSheet sheet;
    sheet.error_ = game::PrintGrid(session, QStringLiteral("tessarine"), [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(marginsMm, QPageLayout::Millimeter);
        if (alsoSetUp)
            alsoSetUp(printer);
        return true;
    });
    if (sheet.error_.isEmpty())
        sheet.page_ = RenderFirstPage(pdfPath);
    return sheet;
}

int PrintedSheet::Darkness(int x, int y) const {
    return 255 - page_.constScanLine(y)[x];
}

QRectF PrintedSheet::InkBox(const QRectF& regionMm) const {
    const QRect region = QRect(QPoint(Pixels(regionMm.left()), Pixels(regionMm.top())),
                               QPoint(Pixels(regionMm.right()), Pixels(regionMm.bottom())))
                             .intersected(page_.rect());
    QRect ink;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (Darkness(x, y) > 255 - kInkThreshold)
                ink |= QRect(x, y, 1, 1);
    if (ink.isNull())
        return {};
    return QRectF(QPointF(Mm(ink.left()), Mm(ink.top())),
                  QPointF(Mm(ink.right() + 1), Mm(ink.bottom() + 1)));
}

QList<InkRun> PrintedSheet::Runs(const QList<QPoint>& pixels, bool across) const {
    QList<InkRun> runs;
    int start = -1;
    double ink = 0;
    double weighted = 0;
    for (qsizetype i = 0; i <= pixels.size(); ++i) {
        const bool inside = i < pixels.size() && page_.rect().contains(pixels[i]) &&
                            Darkness(pixels[i].x(), pixels[i].y()) > 255 - kGreyThreshold;
        if (inside) {
            const QPoint p = pixels[i];
            const int darkness = Darkness(p.x(), p.y());
            if (start < 0)
                start = int(i);
            ink += darkness;
            weighted += darkness * ((across ? p.x() : p.y()) + 0.5);
        } else if (start >= 0) {
            runs.append({weighted / ink * 25.4 / kSheetDpi, Mm(int(i) - start), ink});
            start = -1;
            ink = weighted = 0;
        }
    }
    return runs;
}

QList<InkRun> PrintedSheet::RunsAcross(double yMm, double fromXMm, double toXMm) const {
    QList<QPoint> pixels;
    for (int x = Pixels(fromXMm); x <= Pixels(toXMm); ++x)
        pixels << QPoint(x, Pixels(yMm));
    return Runs(pixels, true);
}

QList<InkRun> PrintedSheet::RunsDown(double xMm, double fromYMm, double toYMm) const {
    QList<QPoint> pixels;
    for (int y = Pixels(fromYMm); y <= Pixels(toYMm); ++y)
        pixels << QPoint(Pixels(xMm), y);
    return Runs(pixels, false);
}

} // namespace print_test
