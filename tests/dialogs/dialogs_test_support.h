#pragma once
// Shared by the dialog tests: a main window with the tips, about and version commands connected,
// over a data folder and a program folder of its own, and a driver for modal windows.

#include "app/form_main.h"
#include "app/form_main_tips_splash.h"
#include "app/services/ui/dm_fonction.h"
#include "tests/app/services_test_support.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace dialogs_test {

// The errors the window shows are collected instead. The program folder starts empty: no
// translation file, no picture.
struct MainWindow {
    services_test::TemporaryDataFolder data;
    QTemporaryDir programFolder;
    std::unique_ptr<services::TDMFonction> services;
    std::unique_ptr<app::TFormMain> window;
    QStringList errors;

    MainWindow() {
        services = std::make_unique<services::TDMFonction>();
        services->ProgramFolder = ProgramFolder();
        window = std::make_unique<app::TFormMain>(*services);
        window->Dialogs().showError = [this](const QString& text) { errors << text; };
        app::ConnectTipsSplashAndVersion(*window, *services);
    }

    QString ProgramFolder() const { return programFolder.path() + u'/'; }

    bool WriteTranslations(const QByteArray& text) const {
        return services_test::WriteBytes(ProgramFolder() + QStringLiteral("Translations.txt"),
                                         text);
    }
};

// Hands every modal window that comes up while it lives to handle, once per window. It looks
// often, so a test never waits for it longer than the window takes to open.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> handle) : handle_(std::move(handle)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == last_)
                return;
            last_ = modal;
            handle_(modal);
        });
        timer_.start(10);
    }

private:
    std::function<void(QWidget*)> handle_;
    QPointer<QWidget> last_;
    QTimer timer_;
};

} // namespace dialogs_test
