#pragma once
// Shared by the dialog tests: a main window with the tips, about and version commands connected,
// over a data folder and a program folder of its own.

#include "app/main_window.h"
#include "app/main_window_tips_splash.h"
#include "app/services/ui/app_services.h"
#include "tests/app/services_test_support.h"
#include "tests/widgets/modal_answers.h"

#include <QTemporaryDir>

#include <memory>

namespace dialogs_test {

// The errors the window shows are collected instead. The program folder starts empty: no
// translation file, no picture.
struct MainWindow {
    services_test::TemporaryDataFolder data;
    QTemporaryDir programFolder;
    std::unique_ptr<services::AppServices> services = std::make_unique<services::AppServices>();
    std::unique_ptr<app::MainWindow> window;
    QStringList errors;

    MainWindow() {
        services->Translation().SetProgramFolder(ProgramFolder());
        window = std::make_unique<app::MainWindow>(*services);
        window->Dialogs().showError = [this](const QString& text) { errors << text; };
        app::ConnectTipsSplashAndVersion(*window, *services);
    }

    QString ProgramFolder() const { return programFolder.path() + u'/'; }

    bool WriteTranslations(const QByteArray& text) const {
        return services_test::WriteBytes(ProgramFolder() + QStringLiteral("Translations.txt"),
                                         text);
    }
};

} // namespace dialogs_test
