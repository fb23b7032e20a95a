#pragma once
// The digits 1..9 beside the board, each centred on its column (above) or row (left).

#include <QWidget>

namespace game {

class CoordinateRuler : public QWidget {
public:
    CoordinateRuler(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
};

} // namespace game
