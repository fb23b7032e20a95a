#include "game/widgets/digit_selector.h"

#include <algorithm>

#include <QCursor>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QWheelEvent>

namespace game {

namespace {

constexpr int kButtonSize = 41;
constexpr int kButtonStep = 48;
constexpr int kCancelStripHeight = 38;

QFont DigitFont(int pixelHeight, bool bold) {
    QFont font(QStringLiteral("Segoe UI"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace

DigitSelector::DigitSelector(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FrmSelecteur"));
    setFixedSize(161, 220);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(0, 0, width(), height() - kCancelStripHeight);
    auto* pose = new QWidget;
    pose->setObjectName(QStringLiteral("TabSheetPose"));
    auto* candidats = new QWidget;
    candidats->setObjectName(QStringLiteral("TabSheetCandidats"));
    pages_->addTab(pose, QStringLiteral("Poser"));
    pages_->addTab(candidats, QStringLiteral("Candidats"));

    for (int d = 1; d <= 9; ++d) {
        placeButtons_[d - 1] = AddDigitButton(pose, Operation::Place, d);
        placeButtons_[d - 1]->setFont(DigitFont(24, true));
        candidateButtons_[d - 1] = AddDigitButton(candidats, Operation::RemoveCandidate, d);
        candidateButtons_[d - 1]->setFont(DigitFont(11, false));
    }
    SetButtonsColour(Qt::black, kPlaceTag);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setGeometry(0, height() - kCancelStripHeight, width(), kCancelStripHeight);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"), strip);
    cancel->setObjectName(QStringLiteral("BtCancel"));
    // Translated as a push button with a picture, the kind the translation file knows it by.
    cancel->setProperty("kindToken", QStringLiteral("TBitBtn"));
    cancel->setGeometry((width() - 90) / 2, 6, 90, 26);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* DigitSelector::AddDigitButton(QWidget* page, Operation operation, int d) {
    auto* button = new QPushButton(QString::number(d), page);
    // Named by the operation's letter and the digit: "P5", "C3".
    button->setObjectName(QStringLiteral("%1%2").arg(QLatin1Char(Letter(operation))).arg(d));
    button->setGeometry(8 + (d - 1) % 3 * kButtonStep, 8 + (d - 1) / 3 * kButtonStep, kButtonSize,
                        kButtonSize);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, operation, d] {
        operation_ = operation;
        digit_ = d;
        accept();
    });
    return button;
}

const std::array<QPushButton*, 9>& DigitSelector::Buttons(int tag) const {
    return tag == kPlaceTag ? placeButtons_ : candidateButtons_;
}

void DigitSelector::SetButtonsColour(const QColor& colour, int tag) {
    for (QPushButton* button : Buttons(tag)) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
        palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
        button->setPalette(palette);
    }
}

void DigitSelector::EnableButtons(const QString& digits, int tag) {
    for (QPushButton* button : Buttons(tag))
        button->setEnabled(digits.contains(button->text()));
}

void DigitSelector::ShowPage(int index) {
    pages_->setCurrentIndex(index);
}

void DigitSelector::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Opens where the player clicked, unchanged even near a screen edge.
    move(QCursor::pos());
    SetTransparency(255);
}

void DigitSelector::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0)
        SetTransparency(delta > 0 ? std::min(transparency_ + 20, 255)
                                  : std::max(transparency_ - 20, 60));
    event->accept();
}

void DigitSelector::SetTransparency(int alpha) {
    transparency_ = alpha;
    setWindowOpacity(alpha / 255.0);
}

} // namespace game
