#pragma once
// CellWidget: one cell of the board on screen. It paints the state the game model gives it and
// reports mouse releases; the frame decides what a click does.

#include "game/model/board_cell.h"
#include "game/model/board_marks.h"

#include <QWidget>

namespace game {

// What only the screen shows over a cell: the keyboard cursor and the light of the chosen digit.
struct CellOverlay {
    bool Cursor = false;
    DigitLight Light = DigitLight::None;

    friend bool operator==(const CellOverlay&, const CellOverlay&) = default;
};

class CellWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSize = 39;

    explicit CellWidget(QWidget* parent = nullptr);

    // Takes the cell's digit, candidates and colours; repaints when anything changed.
    void Show(const BoardCell& state);
    const BoardCell& State() const { return state_; }
    void SetOverlay(const CellOverlay& overlay);
    const CellOverlay& Overlay() const { return overlay_; }

signals:
    void MouseReleased(Qt::MouseButton button);
    // The pointer came over the cell (before any tooltip of it shows).
    void Hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    BoardCell state_;
    CellOverlay overlay_;
};

// Draws a cell as CellWidget paints it, into any painter (screen, image); prints and pictures
// have no overlay.
void PaintCell(QPainter& painter, const BoardCell& state, const CellOverlay& overlay = {});

} // namespace game
