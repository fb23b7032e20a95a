#pragma once
// A main window over a data folder of its own, its dialogs answered and errors kept by the test.

#include "app/grid_tabs.h"
#include "app/main_window.h"
#include "app/services/ui/app_services.h"
#include "game/widgets/grid_frame.h"
#include "tests/app/services_test_support.h"

#include <QAction>

#include <memory>

namespace shell_test {

// Answers to the New question.
constexpr int kGenerated = 101;
constexpr int kBlank = 100;
constexpr int kCancel = 2;

struct Shell {
    services_test::TemporaryDataFolder folder; // first: the services read it when created
    std::unique_ptr<services::AppServices> services = std::make_unique<services::AppServices>();
    std::unique_ptr<app::MainWindow> window;
    int newGridAnswer = kBlank;
    QString chosenFile;
    QStringList fileDialogs; // each asked: its title, " in ", its first folder
    QStringList errors;

    explicit Shell(bool quitConfirm = false) {
        services->Store().Values().QuitConfirm = quitConfirm;
        services->Store().Values().ShowTipsOnStartup = false;
        Start();
    }

    // Opens the main window anew, over the same services, with these files on the command line.
    // The generated grid of a start that opens nothing is closed unless kept.
    void Start(const QStringList& commandLine = {}, bool keepStartGrid = false) {
        window.reset();
        window = std::make_unique<app::MainWindow>(*services);
        app::ShellDialogs& dialogs = window->Dialogs();
        dialogs.askNewGrid = [this] { return newGridAnswer; };
        dialogs.chooseOpenFile =
            dialogs.chooseSaveFile = [this](const QString& title, const QString& startFolder) {
                fileDialogs << title + " in " + startFolder;
                return chosenFile;
            };
        dialogs.showError = [this](const QString& text) { errors << text; };
        window->FinishSetUp();
        window->SetCommandLineFiles(commandLine);
        window->show();
        if (!keepStartGrid && window->Tabs()->count() == 1 && !Grid(0).HasFile())
            window->CloseTab(0);
    }

    game::GameSession& Grid(int index) const { return window->Grid(index)->Session(); }
    QString FilePath(const QString& name) const { return folder.Path() + name; }
    void Trigger(const char* action) const { window->Action(QLatin1String(action))->trigger(); }

    // A blank grid on a new, active tab, with the givens of an 81-character grid text typed in.
    game::GridFrame* NewGrid(const QString& givens) {
        newGridAnswer = kBlank;
        Trigger("ActionNouveau");
        if (game::GridFrame* grid = window->ActiveGrid(); grid != nullptr)
            grid->Session().ImportText(givens);
        return window->ActiveGrid();
    }
};

} // namespace shell_test
