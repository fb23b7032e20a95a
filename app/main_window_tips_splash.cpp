#include "app/main_window_tips_splash.h"

#include "app/core/site.h"
#include "app/core/tips.h"
#include "app/main_window.h"
#include "app/services/ui/app_services.h"
#include "app/splash_window.h"
#include "app/tips_dialog.h"
#include "game/widgets/modal_seam.h"

#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace app {

void ConnectTipsSplashAndVersion(MainWindow& form, services::AppServices& services) {
    QObject::connect(&form, &MainWindow::tipsRequested, &form,
                     [&form, &services] { ActionAstuceExecute(form, services); });
    QObject::connect(&form, &MainWindow::aboutRequested, &form,
                     [&form, &services] { ActionAProposExecute(form, services); });
    QObject::connect(&form, &MainWindow::newVersionRequested, &form,
                     [&form, &services] { CheckNewVersion(form, services); });
}

void ActionAstuceExecute(MainWindow& form, services::AppServices& services) {
    const QString problem = TipsFileProblem(services.Translation());
    if (!problem.isEmpty()) {
        form.Dialogs().showError(problem);
        return;
    }
    const QString tip = NextTip(services.Translation(), services.Store().Values());
    if (tip.isEmpty())
        return;
    (new TipsDialog(services, tip, &form))->show();
}

void ActionAProposExecute(MainWindow& form, services::AppServices& services) {
    SplashWindow about(services, &form);
    about.TimerSplash()->stop();
    if (!about.PictureProblem().isEmpty())
        form.Dialogs().showError(about.PictureProblem());
    game::RunModal(about);
}

void CheckNewVersion(MainWindow& form, services::AppServices& services,
                     const DownloadLimits& limits) {
    // The window waits with a progress window over it; its Cancel (or Escape, or closing it)
    // aborts the download, and the check then shows nothing.
    auto waitFor = [&form, &services](Download& download) {
        QProgressDialog progress(
            services.Translation().GetMessageText(
                QStringLiteral("Recherche d'une nouvelle version..."), 52),
            services.Translation().GetMessageText(QStringLiteral("&Annuler"), 4), 0, 0, &form);
        progress.setWindowTitle(QStringLiteral("Tessarine"));
        QObject::connect(&progress, &QProgressDialog::canceled, &progress, &QDialog::reject);
        QObject::connect(&download, &Download::finished, &progress, &QDialog::accept);
        form.setCursor(Qt::WaitCursor);
        if (!download.IsFinished() && game::RunModal(progress) != QDialog::Accepted)
            download.Cancel();
        form.unsetCursor();
    };
    const VersionCheckResult result = CheckForNewVersion(
        services.Store().DataFolder(), SiteAddress(), services.ProgramVersionText(),
        services.Translation().Messages(), waitFor, limits);
    if (!result.error.isEmpty()) {
        form.Dialogs().showError(result.error);
        return;
    }
    if (result.message.isEmpty())
        return;
    QMessageBox message(QMessageBox::NoIcon, QStringLiteral("Tessarine"), result.message,
                        QMessageBox::Ok, &form);
    // The info lines come from the network: never read them as markup.
    message.setTextFormat(Qt::PlainText);
    game::RunModal(message);
}

void ShowStartupSplash(services::AppServices& services) {
    SplashWindow splash(services);
    if (!splash.PictureProblem().isEmpty()) {
        QMessageBox report(QMessageBox::Critical, QStringLiteral("Tessarine"),
                           splash.PictureProblem(), QMessageBox::Ok);
        game::RunModal(report);
        // The display time starts once the report is read.
        splash.StartTimerSplash();
    }
    game::RunModal(splash);
}

} // namespace app
