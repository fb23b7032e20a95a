#include "tests/print/printed_sheet.h"

#include "game/widgets/grid_printer.h"

#include <QFileInfo>
#include <QPrinter>
#include <QProcess>

namespace print_test {

namespace {

constexpr double kSheetDpi = 300;   // of the page picture that pdftoppm makes
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

double PrintedSheet::Mm(double pixels) {
    return pixels * 25.4 / kSheetDpi;
}

int PrintedSheet::Pixels(double mm) {
    return qRound(mm * kSheetDpi / 25.4);
}

int PrintedSheet::Darkness(const QPoint& pixel) const {
    return page_.rect().contains(pixel) ? 255 - page_.constScanLine(pixel.y())[pixel.x()] : 0;
}

QRectF PrintedSheet::InkBox(const QRectF& regionMm) const {
    QRect ink;
    for (int y = Pixels(regionMm.top()); y <= Pixels(regionMm.bottom()); ++y)
        for (int x = Pixels(regionMm.left()); x <= Pixels(regionMm.right()); ++x)
            if (Darkness({x, y}) > 255 - kInkThreshold)
                ink |= QRect(x, y, 1, 1);
    if (ink.isNull())
        return {};
    return QRectF(QPointF(Mm(ink.left()), Mm(ink.top())),
                  QPointF(Mm(ink.right() + 1), Mm(ink.bottom() + 1)));
}

QList<InkRun> PrintedSheet::Runs(const QPointF& fromMm, const QPointF& toMm) const {
    const bool across = fromMm.y() == toMm.y();
    const QPoint from(Pixels(fromMm.x()), Pixels(fromMm.y()));
    const int length = across ? Pixels(toMm.x()) - from.x() : Pixels(toMm.y()) - from.y();
    QList<InkRun> runs;
    double ink = 0;
    double weighted = 0;
    for (int i = 0; i <= length + 1; ++i) {
        const QPoint pixel = across ? from + QPoint(i, 0) : from + QPoint(0, i);
        const int darkness = i <= length ? Darkness(pixel) : 0;
        if (darkness > 255 - kGreyThreshold) {
            ink += darkness;
            weighted += darkness * ((across ? pixel.x() : pixel.y()) + 0.5);
        } else if (ink > 0) {
            runs.append({Mm(weighted / ink), ink});
            ink = weighted = 0;
        }
    }
    return runs;
}

} // namespace print_test
