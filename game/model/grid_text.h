#pragma once
// The grid as text. Inward: the 81-character grid text (row by row, a digit 1..9 for each given,
// one and the same other character, the empty marker, for each empty cell), possibly spread over
// several lines of a pasted board picture. Outward: the 11-line board picture copied to the
// clipboard, with "¦" between the boxes of a row and "---+---+---" between the bands.

#include <QString>

#include <array>
#include <vector>

namespace game {

// digits[row - 1][col - 1]: 1..9, or 0 for an empty cell.
using BoardDigits = std::array<std::array<int, 9>, 9>;

struct GridGiven {
    int Row = 0;
    int Col = 0;
    int Digit = 0;
};

// The givens of a grid text, row by row; or why the text was refused (nothing is then given).
struct GridTextReading {
    std::vector<GridGiven> Givens;
    QString Error;
};

// Blanks and control characters around the text are ignored. The empty marker is the first
// character that is not a digit 1..9; any third kind of character refuses the text.
GridTextReading ReadGridText(const QString& text);

// A pasted clipboard text: a single line is taken whole; several lines keep only their digits
// 1..9, blanks and full stops (so box bars, separator lines and line breaks drop out).
QString FilterPastedText(const QString& clipboardText);

// The 11 lines of the board picture, joined by CR LF.
QString GridPicture(const BoardDigits& digits);

} // namespace game
