#pragma once
// Where the board's pieces stand inside a frame, in pixels.

#include <QRect>

namespace game {

constexpr int kCellSize = 39;
constexpr int kCellStep = 46;
constexpr int kBoardOrigin = 25;

// The cell of row row and column col.
constexpr QRect CellRect(int row, int col) {
    return QRect((col - 1) * kCellStep + kBoardOrigin, (row - 1) * kCellStep + kBoardOrigin,
                 kCellSize, kCellSize);
}

// The board background and the four box separators.
constexpr QRect kBoardBackground{20, 22, 419, 421};
constexpr QRect kBoxSeparators[4] = {
    {159, 22, 2, 420}, {296, 22, 2, 420}, {20, 159, 418, 2}, {20, 296, 418, 2}};

// The board with its coordinate rulers, as the picture export shows it.
constexpr QRect kBoardWithRulers{0, 0, 445, 445};

} // namespace game
