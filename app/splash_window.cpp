#include "app/splash_window.h"

#include "app/core/site.h"
#include "app/core/splash_time.h"
#include "app/services/ui/app_services.h"
#include "game/widgets/link_label.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace app {

namespace {

constexpr QSize kDesignedSize(523, 297);

QLabel* PlaceLabel(QLabel* label, const char* name, const QString& text, QPoint position) {
    label->setObjectName(QLatin1String(name));
    label->setText(text);
    label->move(position);
    label->adjustSize();
    return label;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, QPoint position,
              bool bold = false) {
    QLabel* label = PlaceLabel(new QLabel(parent), name, text, position);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->adjustSize();
    }
    return label;
}

// Where the last visible character of a left-aligned label ends.
int TextEnd(const QLabel* label) {
    QString text = label->text();
    while (text.endsWith(u' '))
        text.chop(1);
    return label->x() + label->contentsRect().left() + label->fontMetrics().horizontalAdvance(text);
}

// A link stands where the layout puts it, or further right when its title is wider in the font at
// hand: at least one blank always separates the title from the link.
game::LinkLabel* Link(QWidget* parent, const char* name, const QString& text, QPoint position,
                      const QLabel* title) {
    auto* link = new game::LinkLabel(parent);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    const int afterTitle = TextEnd(title) + title->fontMetrics().horizontalAdvance(u' ');
    PlaceLabel(link, name, text, {std::max(position.x(), afterTitle), position.y()});
    return link;
}

} // namespace

SplashWindow::SplashWindow(services::AppServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FormSplash"));
    setWindowTitle(QStringLiteral("Tessarine"));
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    LoadPicture(services.Translation().ProgramFolder() + kSplashFileName);
    setFixedSize(picture_.isNull() ? kDesignedSize : picture_.size());
    BuildLabels(services);

    timerSplash_ = new QTimer(this);
    timerSplash_->setObjectName(QStringLiteral("TimerSplash"));
    timerSplash_->setSingleShot(true);
    connect(timerSplash_, &QTimer::timeout, this, &QWidget::close);
    intervalMs_ = SplashIntervalMs(services.Store().LoadFile());
    StartTimerSplash();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::LoadPicture(const QString& path) {
    QImageReader reader(path);
    picture_ = reader.read();
    if (picture_.isNull())
        pictureProblem_ = QStringLiteral("Impossible de lire l'image ") +
                          QDir::toNativeSeparators(path) + QStringLiteral(" : ") +
                          reader.errorString();
}

void SplashWindow::BuildLabels(services::AppServices& services) {
    Label(this, "InfoLbl1", QStringLiteral("© 2006-2007 ") + AuthorName(), {13, 136}, true);
    Label(this, "InfoLbl2", QStringLiteral("Jeu de Sudoku"), {13, 150}, true);
    Label(this, "InfoLbl3", QStringLiteral("Logiciel libre, distribué sous licence GPL v3"),
          {13, 163}, true);
    const QLabel* titreEmail = Label(this, "LblTitreEmail", QStringLiteral(" Email :"), {25, 208});
    const QLabel* titreSite = Label(this, "LblTitreSite", QStringLiteral("Site web : "), {13, 225});
    Label(this, "VersionLbl", QStringLiteral("Version : ") + services.ProgramVersionText(),
          {328, 224});

    game::LinkLabel* lblEmail = Link(this, "LblEmail", AuthorMail(), {72, 208}, titreEmail);
    connect(lblEmail, &game::LinkLabel::clicked, this, [&services, lblEmail] {
        services.OpenUrl(QStringLiteral("mailto:") + lblEmail->text());
    });
    game::LinkLabel* lblSite = Link(this, "LblSite", SiteAddress(), {72, 224}, titreSite);
    connect(lblSite, &game::LinkLabel::clicked, this,
            [&services, lblSite] { services.OpenUrl(lblSite->text()); });
}

void SplashWindow::StartTimerSplash() {
    timerSplash_->stop();
    if (intervalMs_ > 0)
        timerSplash_->start(intervalMs_);
}

void SplashWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!picture_.isNull())
        QPainter(this).drawImage(QPoint(0, 0), picture_);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QDialog::keyPressEvent(event);
        return;
    }
    close();
}

void SplashWindow::mouseReleaseEvent(QMouseEvent* event) {
    // A release over a label reaches this window too, since labels pass mouse events on.
    if (childAt(event->position().toPoint()) == nullptr)
        done(kClickResult);
}

} // namespace app
