#pragma once
// The printed page of a grid, without a printer: which lines and texts go where, in page units
// (tenths of a millimetre from the sheet's top-left corner), and how page units become printer
// pixels. The grid is 108 mm square with its top-left corner at 51 mm, 30 mm; thick lines frame
// it and its boxes; digits in large type, and, when the candidates are shown, the candidates of
// the empty cells in small type, laid out like a telephone pad.

#include <QList>
#include <QPoint>
#include <QString>

namespace game {

class GameSession;

namespace print {

constexpr int OriginX = 510; // the grid's left edge: 51 mm
constexpr int OriginY = 300; // the grid's top edge: 30 mm
constexpr int CellSize = 120;
constexpr int GridSize = 9 * CellSize;
constexpr int ThickLineWidth = 6; // printer pixels: the frame and the box borders
constexpr int ThinLineWidth = 1;

constexpr char Across = 'H';
constexpr char Down = 'V';

struct PrintFont {
    QString Name;
    int Points = 0;
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

inline const PrintFont DigitFont{QStringLiteral("Times New Roman"), 22};
inline const PrintFont CandidateFont{QStringLiteral("Times New Roman"), 8};

// A line from (X, Y), Length page units long, drawn Across or Down; Width in printer pixels.
struct PrintedLine {
    int X = 0;
    int Y = 0;
    char Direction = Across;
    int Width = 0;
    int Length = 0;
    friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

// A text whose top-left corner stands at (X, Y).
struct PrintedText {
    int X = 0;
    int Y = 0;
    QString Text;
    PrintFont Font;
    friend bool operator==(const PrintedText&, const PrintedText&) = default;
};

struct PageLayout {
    QList<PrintedLine> Lines;
    QList<PrintedText> Texts; // in cell order
};

// The page of the grid as it stands: the 20 grid lines, then the texts of the cells in their
// creation order.
PageLayout LayOutGrid(const GameSession& session);

// From page units to the pixels of a printer whose drawing origin is the corner of its printable
// area. ScaleX and ScaleY are printer pixels per page unit; PhysOffsetX and PhysOffsetY the
// printable area's offset from the sheet's corner, in printer pixels.
struct PageScale {
    double ScaleX = 1;
    double ScaleY = 1;
    int PhysOffsetX = 0;
    int PhysOffsetY = 0;

    // The printer point of page position (x, y), measured from the sheet's corner.
    QPoint ToPrinter(int x, int y) const;
    // The printer length of a line of length page units drawn in that direction.
    int PrinterLength(char direction, int length) const;
};

} // namespace print
} // namespace game
