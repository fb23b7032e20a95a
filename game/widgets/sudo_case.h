#pragma once
// TSudoCase: one cell of the board on screen. It paints the state the game model gives it and
// reports mouse releases; the frame decides what a click does.

#include "game/model/case_state.h"

#include <QWidget>

namespace game {

class TSudoCase : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSize = 39;

    explicit TSudoCase(QWidget* parent = nullptr);

    // Takes the cell's digit, candidates and colours; repaints when anything changed.
    void Show(const CaseState& state);
    const CaseState& State() const { return state_; }

signals:
    void MouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CaseState state_;
};

// Draws a cell as TSudoCase paints it, into any painter (screen, image).
void PaintCase(QPainter& painter, const CaseState& state);

} // namespace game
