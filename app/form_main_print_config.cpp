#include "app/form_main_print_config.h"

#include "app/form_main.h"
#include "app/frame_services_adapter.h"
#include "app/frm_config.h"
#include "app/jpeg_writer.h"
#include "app/page_ext_control.h"
#include "app/services/ui/dm_fonction.h"
#include "game/widgets/framefille.h"
#include "game/widgets/modal_seam.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPrintDialog>

namespace app {

namespace {

constexpr QSize kPictureSize{425, 420};

PrintConfigDialogs StandardDialogs(TFormMain& form, services::TDMFonction& services) {
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
    dialogs.runConfig = [](TFrmConfig& dialog) {
        return game::RunModal(dialog) == QDialog::Accepted;
    };
    return dialogs;
}

} // namespace

PrintConfigCommands::PrintConfigCommands(TFormMain& form, services::TDMFonction& services)
    : QObject(&form), form_(form), services_(services), dialogs_(StandardDialogs(form, services)) {
    setObjectName(QStringLiteral("PrintConfigCommands"));
    connect(&form, &TFormMain::printRequested, this,
            [this](game::TFramefille* grid) { ActionImprimeExecute(*grid); });
    connect(&form, &TFormMain::exportRequested, this,
            [this](game::TFramefille* grid) { ActionGrilleToJPGExecute(*grid); });
    connect(&form, &TFormMain::configRequested, this, &PrintConfigCommands::ActionConfigExecute);
}

void PrintConfigCommands::ActionImprimeExecute(game::TFramefille& grid) {
    const QString error =
        game::PrintGrid(grid.Session(), services_.ProgramName, dialogs_.choosePrinter);
    if (!error.isEmpty())
        form_.Dialogs().showError(error);
}

void PrintConfigCommands::ActionGrilleToJPGExecute(game::TFramefille& grid) {
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
    TFrmConfig frmConfig(services_, &form_);
    services_.TranslateForm(&frmConfig);
    frmConfig.setWindowTitle(services_.GetMessageText(QStringLiteral("Configurer Tessarine"), 21));
    frmConfig.FillFrom(services_);
    if (!dialogs_.runConfig(frmConfig))
        return;
    frmConfig.WriteTo(services_);
    const game::GameSettings settings = FrameServicesAdapter(services_).Settings();
    for (int i = 0; i < form_.Tabs()->count(); ++i)
        RedrawInNewColours(form_.Grid(i)->Session(), settings);
}

QImage BoardPicture(game::TFramefille& grid) {
    const QRect area = grid.BoardArea();
    QImage board(area.size(), QImage::Format_RGB32);
    grid.render(&board, QPoint(), QRegion(area),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    // The whole board, stretched to the picture's size.
    return board.scaled(kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void RedrawInNewColours(game::GameSession& session, const game::GameSettings& settings) {
    session.SetSettings(settings);
    session.ApplyCandidateColour();
    // Digits take their colour when placed, so the board is rebuilt from its history; the replay
    // of the mode switches would start the clock again from zero and empty the analysis panel.
    const int seconds = session.ElapsedSeconds();
    session.ReplayHistory();
    session.RestoreElapsedSeconds(seconds);
    if (session.Mode() == game::mode::Play)
        session.RunAnalysis();
}

void ConnectPrintAndConfig(TFormMain& form, services::TDMFonction& services) {
    new PrintConfigCommands(form, services);
}

} // namespace app
