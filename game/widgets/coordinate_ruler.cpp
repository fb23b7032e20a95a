#include "game/widgets/coordinate_ruler.h"

#include "game/widgets/board_geometry.h"
#include "game/widgets/scaled_layout.h"

#include <QPainter>

namespace game {

CoordinateRuler::CoordinateRuler(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void CoordinateRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    const QRect design = DesignGeometry(this);
    for (int n = 1; n <= 9; ++n) {
        // The rulers stand at the board's edge, so only the cell's other coordinate matters.
        const QRect cell = ScaledRect(CellRect(n, n).translated(-design.topLeft()),
                                      width() / double(design.width()));
        const QRect slot = orientation_ == Qt::Horizontal
                               ? QRect(cell.left(), 0, cell.width(), height())
                               : QRect(0, cell.top(), width(), cell.height());
        painter.drawText(slot, Qt::AlignCenter, QString::number(n));
    }
}

} // namespace game
