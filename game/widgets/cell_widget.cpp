#include "game/widgets/cell_widget.h"

#include "game/widgets/colour.h"

#include <QMouseEvent>
#include <QPainter>

namespace game {

namespace {

QFont DigitFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(15);
    return font;
}

// "Courrier New" is the name the layout asks for; without such a face, fall back to a
// fixed-pitch one so the nine candidates line up as on a telephone pad.
QFont CandidateFont() {
    QFont font(QStringLiteral("Courrier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(8);
    return font;
}

bool SameLook(const BoardCell& a, const BoardCell& b) {
    return a.Row() == b.Row() && a.Col() == b.Col() && a.Digit() == b.Digit() &&
           a.Candidates() == b.Candidates() && a.PlayedColour == b.PlayedColour &&
           a.CandidateColour == b.CandidateColour && a.BackgroundColour == b.BackgroundColour &&
           a.ShowsCandidates == b.ShowsCandidates;
}

} // namespace

CellWidget::CellWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CellWidget::Show(const BoardCell& state) {
    if (SameLook(state, state_))
        return;
    state_ = state;
    update();
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCell(painter, state_);
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit MouseReleased(event->button());
}

void PaintCell(QPainter& painter, const BoardCell& state) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A rounded square outlined in pure blue, its inside in the background colour.
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    painter.setBrush(ToQColor(state.BackgroundColour));
    painter.drawRoundedRect(QRectF(0.5, 0.5, CellWidget::kSize - 1, CellWidget::kSize - 1), 4.5,
                            4.5);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing);

    if (state.Digit() != 0) {
        painter.setFont(DigitFont());
        painter.setPen(ToQColor(state.PlayedColour));
        painter.drawText(QRect(14, 9, CellWidget::kSize, CellWidget::kSize),
                         Qt::AlignLeft | Qt::AlignTop, state.Number());
    } else if (state.ShowsCandidates) {
        static constexpr int kX[3] = {6, 17, 29};
        static constexpr int kY[3] = {2, 13, 24};
        painter.setFont(CandidateFont());
        painter.setPen(ToQColor(state.CandidateColour));
        for (int d = 1; d <= 9; ++d) {
            if (state.HasCandidate(d))
                painter.drawText(QRect(kX[(d - 1) % 3], kY[(d - 1) / 3], 12, 13),
                                 Qt::AlignLeft | Qt::AlignTop, QString::number(d));
        }
    }
    painter.restore();
}

} // namespace game
