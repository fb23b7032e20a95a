#include "app/tips_dialog.h"

#include "app/core/tips.h"
#include "app/services/ui/app_services.h"
#include "app/services/ui/kind_token.h"
#include "app/services/ui/window_translation.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace app {

namespace {

constexpr QSize kClientSize(398, 299);
// The system's inactive-caption colours behind the window and the tip.
const QColor kInactiveCaption(191, 205, 219);
const QColor kGradientInactiveCaption(215, 228, 242);

void Fill(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A flat button with a picture beside its caption.
QToolButton* SpeedButton(QWidget* parent, const char* name, const QString& caption,
                         QStyle::StandardPixmap glyph, const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setProperty(services::kKindTokenProperty, QStringLiteral("TSpeedButton"));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setText(caption);
    button->setGeometry(geometry);
    return button;
}

} // namespace

TipsDialog::TipsDialog(services::AppServices& services, const QString& tip, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("TipsForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Astuces"));
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    setFixedSize(kClientSize);
    Fill(this, QPalette::Window, kInactiveCaption);

    auto* label1 = new QLabel(QStringLiteral("Astuces du jour"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->move(16, 24);

    tipMemo_ = new QPlainTextEdit(this);
    tipMemo_->setObjectName(QStringLiteral("TipMemo"));
    tipMemo_->setReadOnly(true);
    tipMemo_->setGeometry(8, 48, 377, 161);
    Fill(tipMemo_, QPalette::Base, kGradientInactiveCaption);

    disableTipsOnStartupCBox_ = new QCheckBox(QStringLiteral("Ne pas afficher au démarrage"), this);
    disableTipsOnStartupCBox_->setObjectName(QStringLiteral("DisableTipsOnStartupCBox"));
    disableTipsOnStartupCBox_->setGeometry(16, 216, 361,
                                           disableTipsOnStartupCBox_->sizeHint().height());

    QToolButton* speedNext = SpeedButton(this, "SpeedNext", QStringLiteral("Astuce suivante"),
                                         QStyle::SP_ArrowForward, QRect(16, 248, 121, 33));
    connect(speedNext, &QToolButton::clicked, this, &TipsDialog::ShowNextTip);
    QToolButton* cancelBtn = SpeedButton(this, "CancelBtn", QStringLiteral("Fermer"),
                                         QStyle::SP_DialogCloseButton, QRect(248, 248, 137, 33));
    connect(cancelBtn, &QToolButton::clicked, this, &TipsDialog::CloseTips);

    services::TranslateForm(services_.Translation(), this);
    label1->adjustSize();
    tipMemo_->setPlainText(tip);
    setWindowTitle(services_.Translation().GetMessageText(QStringLiteral("Astuce Tessarine"), 20));
    disableTipsOnStartupCBox_->setChecked(!services_.Store().Values().ShowTipsOnStartup);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TipsDialog::ShowNextTip() {
    const QString tip = NextTip(services_.Translation(), services_.Store().Values());
    if (!tip.isEmpty())
        tipMemo_->setPlainText(tip);
}

void TipsDialog::CloseTips() {
    close();
}

void TipsDialog::done(int result) {
    services_.Store().Values().ShowTipsOnStartup = !disableTipsOnStartupCBox_->isChecked();
    QDialog::done(result);
}

} // namespace app
