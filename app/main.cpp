// Tessarine: the program's main body.

#include "app/main_window.h"
#include "app/main_window_print_config.h"
#include "app/main_window_tips_splash.h"
#include "app/services/ui/app_services.h"
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
    services::AppServices appServices;
    app::ShowStartupSplash(appServices);

    int result = 0;
    {
        app::MainWindow window(appServices);
        app::ConnectTipsSplashAndVersion(window, appServices);
        app::ConnectPrintAndConfig(window, appServices);
        window.FinishSetUp();
        // Grid files named on the command line (a file manager's "Open with"), each on a tab.
        QStringList commandLineFiles;
        for (const QString& path : QApplication::arguments().mid(1))
            commandLineFiles << QFileInfo(path).absoluteFilePath();
        window.SetCommandLineFiles(commandLineFiles);
        window.show();
        const QString problem = appServices.Store().StorageProblem();
        if (!problem.isEmpty())
            QTimer::singleShot(0, &window, [&window, problem] {
                QMessageBox warning(QMessageBox::Warning, QStringLiteral("Tessarine"), problem,
                                    QMessageBox::Ok, &window);
                game::RunModal(warning);
            });
        result = QApplication::exec();
    }
    return result;
}
