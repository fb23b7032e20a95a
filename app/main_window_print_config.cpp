#include "app/main_window_print_config.h"

#include "app/config_dialog.h"
#include "app/frame_services_adapter.h"
#include "app/grid_tabs.h"
#include "app/jpeg_writer.h"
#include "app/main_window.h"
#include "app/services/ui/app_services.h"
#include "app/services/ui/window_translation.h"
#include "game/widgets/grid_frame.h"
#include "game/widgets/modal_seam.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPrintDialog>

namespace app {

namespace {

constexpr QSize kPictureSize{425, 420};

PrintConfigDialogs StandardDialogs(MainWindow& form, services::AppServices& services) {
    PrintConfigDialogs dialogs;
    dialogs.choosePrinter = [&form](QPrinter& printer) {
        QPrintDialog printDialog1(&printer, &form);
        printDialog1.setObjectName(QStringLiteral("PrintDialog1"));
        return game::RunModal(printDialog1) == QDialog::Accepted;
    };
    dialogs.chooseJpegFile = [&form] {
        QFileDialog saveDialogBmp(&form, QStringLiteral("Enregistrer la grille sous"), QString(),
                                  QStringLiteral("Fichiers JPEG (*.jpg)"));
        saveDialogBmp.setObjectName(QStringLiteral("SaveDialogBmp"));
        saveDialogBmp.setAcceptMode(QFileDialog::AcceptSave);
        saveDialogBmp.setDefaultSuffix(QStringLiteral("jpg"));
        // The command asks its own overwrite question.
        saveDialogBmp.setOption(QFileDialog::DontConfirmOverwrite);
        if (game::RunModal(saveDialogBmp) != QDialog::Accepted ||
            saveDialogBmp.selectedFiles().isEmpty())
            return QString();
        return saveDialogBmp.selectedFiles().constFirst();
    };
    dialogs.confirmOverwrite = [&form, &services](const QString& path) {
        // A fixed question, never translated; the name goes in as an argument so that nothing
        // in it is read as an escape.
        return services.MessageDialog(
                   QStringLiteral("Le fichier %s existe déjà.\r\nVoulez-vous l'écraser ?"),
                   QFileInfo(path).fileName(), {}, 0, services::MessageKind::Information,
                   services::ButtonYes | services::ButtonNo, &form) == services::ResultYes;
    };
    dialogs.runConfig = [](ConfigDialog& dialog) {
        return game::RunModal(dialog) == QDialog::Accepted;
    };
    return dialogs;
}

} // namespace

PrintConfigCommands::PrintConfigCommands(MainWindow& form, services::AppServices& services)
    : QObject(&form), form_(form), services_(services), dialogs_(StandardDialogs(form, services)) {
    setObjectName(QStringLiteral("PrintConfigCommands"));
    connect(&form, &MainWindow::printRequested, this,
            [this](game::GridFrame* grid) { ActionImprimeExecute(*grid); });
    connect(&form, &MainWindow::exportRequested, this,
            [this](game::GridFrame* grid) { ActionGrilleToJPGExecute(*grid); });
    connect(&form, &MainWindow::configRequested, this, &PrintConfigCommands::ActionConfigExecute);
}

void PrintConfigCommands::ActionImprimeExecute(game::GridFrame& grid) {
    const QString error =
        game::PrintGrid(grid.Session(), services_.ProgramName(), dialogs_.choosePrinter);
    if (!error.isEmpty())
        form_.Dialogs().showError(error);
}

void PrintConfigCommands::ActionGrilleToJPGExecute(game::GridFrame& grid) {
    const QString path = dialogs_.chooseJpegFile();
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !dialogs_.confirmOverwrite(path))
        return;
    const QString error = SaveJpeg(BoardPicture(grid), path);
    if (!error.isEmpty())
        form_.Dialogs().showError(error);
}

void PrintConfigCommands::ActionConfigExecute() {
    ConfigDialog frmConfig(services_, &form_);
    services::TranslateForm(services_.Translation(), &frmConfig);
    frmConfig.setWindowTitle(
        services_.Translation().GetMessageText(QStringLiteral("Configurer Tessarine"), 21));
    frmConfig.FillFrom(services_.Store().Values());
    if (!dialogs_.runConfig(frmConfig))
        return;
    frmConfig.WriteTo(services_.Store().Values());
    const game::GameSettings settings = FrameServicesAdapter(services_).Settings();
    for (int i = 0; i < form_.Tabs()->count(); ++i)
        form_.Grid(i)->Session().RedrawInNewColours(settings);
}

QImage BoardPicture(game::GridFrame& grid) {
    // The whole board, stretched to the picture's size.
    return grid.BoardImage().scaled(kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ConnectPrintAndConfig(MainWindow& form, services::AppServices& services) {
    new PrintConfigCommands(form, services);
}

} // namespace app
