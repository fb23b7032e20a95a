#include "app/colour_swatch.h"

#include "game/widgets/colour.h"

#include <QPainter>

namespace app {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize);
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::SetFillColour(game::Colour colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(game::ToQColor(colour_));
    const qreal radius = std::min(width(), height()) / 4.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void ColourSwatch::mousePressEvent(QMouseEvent*) {
    emit pressed();
}

} // namespace app
