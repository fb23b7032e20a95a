#include "game/widgets/grid_printer.h"

#include "game/model/game_session.h"

#include <QPrinter>

namespace game {

namespace {

constexpr int kPrinterDpi = 600;

} // namespace

GridPrinter::GridPrinter(QPrinter& printer) : printer_(printer) {}

void GridPrinter::PrintSetup(const QString& programName) {
    printer_.setDocName(QStringLiteral("Impression ") + programName);
    printer_.setPageOrientation(QPageLayout::Portrait);
    // Qt prints through a page description, so a printer pixel is whatever we make it: that of a
    // common office printer, where the 6-pixel lines of the boxes stand out.
    printer_.setResolution(kPrinterDpi);
    // The printable area, measured from the sheet's corner; the painter's origin is its corner.
    const QRectF pixels = printer_.pageRect(QPrinter::DevicePixel);
    const QRectF millimetres = printer_.pageRect(QPrinter::Millimeter);
    if (millimetres.width() > 0 && millimetres.height() > 0) {
        scale_.ScaleX = pixels.width() / (millimetres.width() * 10);
        scale_.ScaleY = pixels.height() / (millimetres.height() * 10);
    }
    scale_.PhysOffsetX = qRound(pixels.left());
    scale_.PhysOffsetY = qRound(pixels.top());
}

QString GridPrinter::PrintPage(const print::PageLayout& page) {
    if (!painter_.begin(&printer_))
        return QStringLiteral("Impossible d'imprimer sur «\u00A0%1\u00A0».")
            .arg(printer_.outputFileName().isEmpty() ? printer_.printerName()
                                                     : printer_.outputFileName());
    painter_.setBrush(Qt::NoBrush);
    painter_.setBackgroundMode(Qt::TransparentMode);
    for (const print::PrintedLine& line : page.Lines)
        PrintLine(line.X, line.Y, line.Direction, line.Width, line.Length);
    for (const print::PrintedText& text : page.Texts) {
        SetPrintFont(text.Font);
        PrintText(text.X, text.Y, text.Text);
    }
    if (!painter_.end())
        return QStringLiteral("L'impression n'a pas pu être terminée.");
    return {};
}

void GridPrinter::SetPrintFont(const print::PrintFont& font) {
    if (painter_.font().family() == font.Name && painter_.font().pointSize() == font.Points)
        return;
    QFont printFont(font.Name);
    printFont.setStyleHint(QFont::Serif);
    printFont.setPointSize(font.Points);
    painter_.setFont(printFont);
}

void GridPrinter::PrintText(int x, int y, const QString& text) {
    painter_.setPen(Qt::black);
    const QPoint topLeft = scale_.ToPrinter(x, y);
    painter_.drawText(topLeft + QPoint(0, painter_.fontMetrics().ascent()), text);
}

void GridPrinter::PrintLine(int x, int y, char direction, int width, int length) {
    // Square caps close the corners where the thick lines meet.
    painter_.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap));
    const QPoint start = scale_.ToPrinter(x, y);
    const int printerLength = scale_.PrinterLength(direction, length);
    const QPoint end = direction == print::Down ? start + QPoint(0, printerLength)
                                                : start + QPoint(printerLength, 0);
    painter_.drawLine(start, end);
}

QString PrintGrid(const GameSession& session, const QString& programName,
                  const PrinterChooser& choosePrinter) {
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer))
        return {};
    GridPrinter gridPrinter(printer);
    gridPrinter.PrintSetup(programName);
    return gridPrinter.PrintPage(print::LayOutGrid(session));
}

} // namespace game
