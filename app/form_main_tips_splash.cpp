#include "app/form_main_tips_splash.h"

#include "app/form_main.h"
#include "app/form_splash.h"
#include "app/services/ui/dm_fonction.h"
#include "app/site.h"
#include "app/tips.h"
#include "app/tips_form.h"
#include "game/widgets/modal_seam.h"

#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace app {

void ConnectTipsSplashAndVersion(TFormMain& form, services::TDMFonction& services) {
    QObject::connect(&form, &TFormMain::tipsRequested, &form,
                     [&form, &services] { ActionAstuceExecute(form, services); });
    QObject::connect(&form, &TFormMain::aboutRequested, &form,
                     [&form, &services] { ActionAProposExecute(form, services); });
    QObject::connect(&form, &TFormMain::newVersionRequested, &form,
                     [&form, &services] { MenuNouvelleVersionClick(form, services); });
}

void ActionAstuceExecute(TFormMain& form, services::TDMFonction& services) {
    const QString problem = TipsFileProblem(services);
    if (!problem.isEmpty()) {
        form.Dialogs().showError(problem);
        return;
    }
    const QString tip = NextTip(services);
    if (tip.isEmpty())
        return;
    (new TTipsForm(services, tip, &form))->show();
}

void ActionAProposExecute(TFormMain& form, services::TDMFonction& services) {
    TFormSplash about(services, &form);
    about.TimerSplash()->stop();
    if (!about.PictureProblem().isEmpty())
        form.Dialogs().showError(about.PictureProblem());
    game::RunModal(about);
}

void MenuNouvelleVersionClick(TFormMain& form, services::TDMFonction& services,
                              const DownloadLimits& limits) {
    // The window waits with a progress window over it; its Cancel (or Escape, or closing it)
    // aborts the download, and the check then shows nothing.
    auto waitFor = [&form, &services](Download& download) {
        QProgressDialog progress(
            services.GetMessageText(QStringLiteral("Recherche d'une nouvelle version..."), 52),
            services.GetMessageText(QStringLiteral("&Annuler"), 4), 0, 0, &form);
        progress.setWindowTitle(QStringLiteral("Tessarine"));
        QObject::connect(&progress, &QProgressDialog::canceled, &progress, &QDialog::reject);
        QObject::connect(&download, &Download::finished, &progress, &QDialog::accept);
        form.setCursor(Qt::WaitCursor);
        if (!download.IsFinished() && game::RunModal(progress) != QDialog::Accepted)
            download.Cancel();
        form.unsetCursor();
    };
    const VersionCheckResult result =
        CheckForNewVersion(services.DataFolder, SiteAddress(), services.FileVersionString(),
                           services.Messages, waitFor, limits);
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

void ShowStartupSplash(services::TDMFonction& services) {
    TFormSplash splash(services);
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
