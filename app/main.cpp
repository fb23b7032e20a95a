// Tessarine: the program's main body.

#include "app/form_main.h"
#include "app/form_main_print_config.h"
#include "app/form_main_tips_splash.h"
#include "app/services/ui/dm_fonction.h"
#include "game/widgets/modal_seam.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // No display name: the platform would append " — Tessarine" to every window title.
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tessarine"));

    // Lives for the whole run; destroyed last, it writes "Settings.ini".
    services::TDMFonction dmFonction;
    services::DMFonction = &dmFonction;
    app::ShowStartupSplash(dmFonction);

    int result = 0;
    {
        app::TFormMain formMain(dmFonction);
        app::ConnectTipsSplashAndVersion(formMain, dmFonction);
        app::ConnectPrintAndConfig(formMain, dmFonction);
        formMain.FormCreate();
        // Grid files named on the command line (a file manager's "Open with"), each on a tab.
        QStringList commandLineFiles;
        for (const QString& path : QApplication::arguments().mid(1))
            commandLineFiles << QFileInfo(path).absoluteFilePath();
        formMain.SetCommandLineFiles(commandLineFiles);
        formMain.show();
        const QString problem = dmFonction.StorageProblem();
        if (!problem.isEmpty())
            QTimer::singleShot(0, &formMain, [&formMain, problem] {
                QMessageBox warning(QMessageBox::Warning, QStringLiteral("Tessarine"), problem,
                                    QMessageBox::Ok, &formMain);
                game::RunModal(warning);
            });
        result = QApplication::exec();
    }
    services::DMFonction = nullptr;
    return result;
}
