#include "app/help_window.h"

#include "app/services/translator.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr QSize kClientSize(860, 900);

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAide"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("BrowserAide"));
    // Only the page's own anchors: nothing leaves the program.
    browser_->setOpenExternalLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);

    resize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(kClientSize.boundedTo(screen->availableGeometry().size() * 9 / 10));
        move(screen->availableGeometry().center() - rect().center());
    }
}

void HelpWindow::ShowPage(const QString& page, const QString& title) {
    setWindowTitle(title);
    if (browser_->source() != QUrl::fromLocalFile(page))
        browser_->setSource(QUrl::fromLocalFile(page));
    show();
    raise();
    activateWindow();
}

QString HelpPagePath(const services::Translator& translation) {
    return translation.ProgramFolder() + QStringLiteral("help_") + translation.Language() +
           QStringLiteral(".html");
}

void OpenHelp(QWidget& parent, const services::Translator& translation,
              const std::function<void(const QString&)>& showError) {
    const QString page = HelpPagePath(translation);
    if (!QFileInfo(page).isFile()) {
        showError(translation.GetMessageText(
            QStringLiteral("Le fichier d'aide %s est introuvable : l'aide n'a pas été installée "
                           "avec le programme."),
            170, QDir::toNativeSeparators(page)));
        return;
    }
    auto* window = parent.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new HelpWindow(&parent);
    window->ShowPage(page, translation.GetMessageText(QStringLiteral("Aide de Tessarine"), 171));
}

} // namespace app
