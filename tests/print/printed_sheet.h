#pragma once
// A grid printed to a PDF file and read back as a picture, measured in millimetres from the
// sheet's top-left corner.

#include "game/model/game_session.h"

#include <QImage>
#include <QMarginsF>
#include <QRectF>

#include <functional>

class QPrinter;

namespace print_test {

// A run of grey or darker pixels along a scan line.
struct InkRun {
    double CentreMm = 0;
    double Ink = 0; // darkness summed over the run: grows with the line's width
};

class PrintedSheet {
public:
    // Prints the grid to pdfPath (A4, the given margins around the printable area), unless the
    // print command fails; then Error says why.
    static PrintedSheet Print(const game::GameSession& session, const QString& pdfPath,
                              const QMarginsF& marginsMm,
                              const std::function<void(QPrinter&)>& alsoSetUp = {});

    QString Error() const { return error_; }
    bool Rendered() const { return !page_.isNull(); }
    QSizeF SizeMm() const { return {Mm(page_.width()), Mm(page_.height())}; }

    // Bounding box of the dark pixels inside region; null when there are none.
    QRectF InkBox(const QRectF& regionMm) const;
    bool HasInk(const QRectF& regionMm) const { return !InkBox(regionMm).isNull(); }
    // The runs crossed by a straight line across (same y) or down (same x) the sheet.
    QList<InkRun> Runs(const QPointF& fromMm, const QPointF& toMm) const;

private:
    static double Mm(double pixels);
    static int Pixels(double mm);
    int Darkness(const QPoint& pixel) const;

    QImage page_;
    QString error_;
};

} // namespace print_test
