#pragma once
// CellWidget: one cell of the board on screen. It paints the state the game model gives it and
// reports mouse releases; the frame decides what a click does.

#include "game/model/board_cell.h"

#include <QWidget>

namespace game {

class CellWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSize = 39;

    explicit CellWidget(QWidget* parent = nullptr);

    // Takes the cell's digit, candidates and colours; repaints when anything changed.
    void Show(const BoardCell& state);
    const BoardCell& State() const { return state_; }

signals:
    void MouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    BoardCell state_;
};

// Draws a cell as CellWidget paints it, into any painter (screen, image).
void PaintCell(QPainter& painter, const BoardCell& state);

} // namespace game
