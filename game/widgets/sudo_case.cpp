#include "game/widgets/sudo_case.h"

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

bool SameLook(const CaseState& a, const CaseState& b) {
    return a.Ligne() == b.Ligne() && a.Colonne() == b.Colonne() && a.Digit() == b.Digit() &&
           a.Candidates() == b.Candidates() && a.CouleurChiffre == b.CouleurChiffre &&
           a.CouleurCandidat == b.CouleurCandidat && a.CouleurFond == b.CouleurFond &&
           a.ViewCandidat == b.ViewCandidat;
}

} // namespace

TSudoCase::TSudoCase(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TSudoCase::Show(const CaseState& state) {
    if (SameLook(state, state_))
        return;
    state_ = state;
    update();
}

void TSudoCase::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCase(painter, state_);
}

void TSudoCase::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit MouseReleased(event->button());
}

void PaintCase(QPainter& painter, const CaseState& state) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A rounded square outlined in pure blue, its inside in the background colour.
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    painter.setBrush(ToQColor(state.CouleurFond));
    painter.drawRoundedRect(QRectF(0.5, 0.5, TSudoCase::kSize - 1, TSudoCase::kSize - 1), 4.5, 4.5);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing);

    if (state.Digit() != 0) {
        painter.setFont(DigitFont());
        painter.setPen(ToQColor(state.CouleurChiffre));
        painter.drawText(QRect(14, 9, TSudoCase::kSize, TSudoCase::kSize),
                         Qt::AlignLeft | Qt::AlignTop, state.Number());
    } else if (state.ViewCandidat) {
        static constexpr int kX[3] = {6, 17, 29};
        static constexpr int kY[3] = {2, 13, 24};
        painter.setFont(CandidateFont());
        painter.setPen(ToQColor(state.CouleurCandidat));
        for (int d = 1; d <= 9; ++d) {
            if (state.HasCandidate(d))
                painter.drawText(QRect(kX[(d - 1) % 3], kY[(d - 1) / 3], 12, 13),
                                 Qt::AlignLeft | Qt::AlignTop, QString::number(d));
        }
    }
    painter.restore();
}

} // namespace game
