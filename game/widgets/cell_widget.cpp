#include "game/widgets/cell_widget.h"

#include "game/widgets/colour.h"

#include <QBackingStore>
#include <QMouseEvent>
#include <QPaintEngine>
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

// The chosen digit's tints: the cells that hold it, and the empty cells where it is a candidate.
// Light blues, apart from the analysis panel's green and yellow.
const QColor kHoldsTint(190, 218, 255);
const QColor kCandidateTint(228, 238, 255);

// Dark orange, unless the cell's background is close to it: then the background's inverse.
QColor CursorColour(const QColor& background) {
    const QColor orange(255, 140, 0);
    const int distance = std::abs(background.red() - orange.red()) +
                         std::abs(background.green() - orange.green()) +
                         std::abs(background.blue() - orange.blue());
    return distance > 160
               ? orange
               : QColor(255 - background.red(), 255 - background.green(), 255 - background.blue());
}

QColor Background(const BoardCell& state, DigitLight light) {
    if (state.BackgroundColour != kWhite || light == DigitLight::None)
        return ToQColor(state.BackgroundColour);
    return light == DigitLight::Holds ? kHoldsTint : kCandidateTint;
}

bool SameLook(const BoardCell& a, const BoardCell& b) {
    return a.Row() == b.Row() && a.Col() == b.Col() && a.Digit() == b.Digit() &&
           a.Candidates() == b.Candidates() && a.PlayedColour == b.PlayedColour &&
           a.CandidateColour == b.CandidateColour && a.BackgroundColour == b.BackgroundColour &&
           a.ShowsCandidates == b.ShowsCandidates && a.WrongDigit == b.WrongDigit &&
           a.MissingSolution == b.MissingSolution && a.Conflict == b.Conflict &&
           a.DeductionPattern == b.DeductionPattern && a.DeductionEffect == b.DeductionEffect;
}

// Where candidate d is written in a cell, three by three as on a telephone pad.
QRect CandidateBox(int d) {
    static constexpr int kX[3] = {6, 17, 29};
    static constexpr int kY[3] = {2, 13, 24};
    return QRect(kX[(d - 1) % 3], kY[(d - 1) / 3], 12, 13);
}

// The selected deduction's marks over the candidates, each digit in white on a disc of its role.
void PaintDeductionMarks(QPainter& painter, const BoardCell& state) {
    if (state.Digit() != 0)
        return;
    QFont bold = CandidateFont();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int d = 1; d <= 9; ++d) {
        const bool effect = engine::HasDigit(state.DeductionEffect, d);
        if (!effect && !engine::HasDigit(state.DeductionPattern, d))
            continue;
        const QRect box = CandidateBox(d);
        const QRectF disc(box.left() - 3, box.top(), 12, 12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(effect ? kDeductionEffectColour : kDeductionPatternColour);
        painter.drawEllipse(disc);
        painter.setPen(Qt::white);
        painter.drawText(disc, Qt::AlignCenter, QString::number(d));
    }
}

} // namespace

CellWidget::CellWidget(QWidget* parent) : QWidget(parent) {
    resize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CellWidget::Show(const BoardCell& state) {
    if (SameLook(state, state_))
        return;
    state_ = state;
    update();
}

void CellWidget::SetOverlay(const CellOverlay& overlay) {
    if (overlay == overlay_)
        return;
    overlay_ = overlay;
    update();
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A picture of the board (QWidget::render into an image of its own) leaves out the cursor,
    // the chosen digit and the drawing of a selected deduction: only the window's own painting
    // shows them.
    QBackingStore* store = window()->backingStore();
    const bool onScreen =
        store != nullptr && painter.paintEngine()->paintDevice() == store->paintDevice();
    // Drawn at its designed size, grown with the board: the fonts stay sharp.
    painter.scale(width() / double(kSize), height() / double(kSize));
    if (onScreen) {
        PaintCell(painter, state_, overlay_);
        return;
    }
    BoardCell pictured = state_;
    pictured.DeductionPattern = 0;
    pictured.DeductionEffect = 0;
    PaintCell(painter, pictured, {});
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit MouseReleased(event->button());
}

void CellWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit Hovered();
}

void PaintCell(QPainter& painter, const BoardCell& state, const CellOverlay& overlay) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A rounded square outlined in pure blue, its inside in the background colour; a cell left
    // without candidates is outlined in red.
    const QColor mark(220, 0, 0);
    const QColor background = Background(state, overlay.Light);
    const bool deadEnd = state.WithoutCandidates();
    painter.setPen(deadEnd ? QPen(mark, 3) : QPen(QColor(0, 0, 255), 1));
    painter.setBrush(background);
    const double edge = deadEnd ? 1.5 : 0.5;
    painter.drawRoundedRect(
        QRectF(edge, edge, CellWidget::kSize - 2 * edge, CellWidget::kSize - 2 * edge), 4.5, 4.5);
    // The cursor: a thick ring inside the outline.
    if (overlay.Cursor) {
        const double inset = deadEnd ? 4.5 : 1.5;
        painter.setPen(QPen(CursorColour(background), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            QRectF(inset, inset, CellWidget::kSize - 2 * inset, CellWidget::kSize - 2 * inset), 4,
            4);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Verification marks: a wrong digit in red inside a red frame; the solution's digit that was
    // removed from the candidates, in red at its place among them. A digit that repeats in its
    // row, column or region is red too, without the frame.
    if (state.WrongDigit) {
        painter.setPen(QPen(mark, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(3, 3, CellWidget::kSize - 6, CellWidget::kSize - 6));
    }
    if (state.Digit() != 0) {
        painter.setFont(DigitFont());
        painter.setPen(state.WrongDigit || state.Conflict ? mark : ToQColor(state.PlayedColour));
        painter.drawText(QRect(14, 9, CellWidget::kSize, CellWidget::kSize),
                         Qt::AlignLeft | Qt::AlignTop, state.Number());
    } else if (state.ShowsCandidates || state.MissingSolution != 0) {
        painter.setFont(CandidateFont());
        for (int d = 1; d <= 9; ++d) {
            const bool missing = engine::HasDigit(state.MissingSolution, d);
            if (!missing && !(state.ShowsCandidates && state.HasCandidate(d)))
                continue;
            if (missing) {
                QFont bold = CandidateFont();
                bold.setBold(true);
                painter.setFont(bold);
            }
            painter.setPen(missing ? mark : ToQColor(state.CandidateColour));
            painter.drawText(CandidateBox(d), Qt::AlignLeft | Qt::AlignTop, QString::number(d));
            painter.setFont(CandidateFont());
        }
    }
    PaintDeductionMarks(painter, state);
    painter.restore();
}

} // namespace game
