#pragma once
// A grid printed to a PDF file and read back as a picture, measured in millimetres from the
// sheet's top-left corner.

#include "game/model/game_session.h"

#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>

#include <functional>

class QPrinter;

namespace print_test {

// Resolution of the page picture that pdftoppm makes from the PDF.
constexpr double kSheetDpi = 300;

// A run of dark pixels along a scan line.
struct InkRun {
    double CentreMm = 0;
    double WidthMm = 0;
    double Ink = 0; // darkness summed over the run: grows with the line's width
};

class PrintedSheet {
public:
    // Prints the grid to pdfPath (A4, the given margins around the printable area), unless the
    // print command fails; then error says why.
    static PrintedSheet Print(const game::GameSession& session, const QString& pdfPath,
                              const QMarginsF& marginsMm,
                              const std::function<void(QPrinter&)>& alsoSetUp = {});

    QString Error() const { return error_; }
    bool Rendered() const { return !page_.isNull(); }
    QSizeF SizeMm() const { return {Mm(page_.width()), Mm(page_.height())}; }

    // Bounding box, in millimetres, of the dark pixels inside region (millimetres); null when
    // there are none.
    QRectF InkBox(const QRectF& regionMm) const;
    bool HasInk(const QRectF& regionMm) const { return !InkBox(regionMm).isNull(); }
    // The runs of grey or darker pixels crossed by a line from one point to another (one of
    // the two coordinates fixed), in millimetres.
    QList<InkRun> RunsAcross(double yMm, double fromXMm, double toXMm) const;
    QList<InkRun> RunsDown(double xMm, double fromYMm, double toYMm) const;

private:
    static double Mm(int pixels) { return pixels * 25.4 / kSheetDpi; }
    static int Pixels(double mm) { return qRound(mm * kSheetDpi / 25.4); }
    int Darkness(int x, int y) const;
    QList<InkRun> Runs(const QList<QPoint>& pixels, bool across) const;

    QImage page_;
    QString error_;
};

} // namespace print_test
