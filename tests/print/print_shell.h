#pragma once
// A main window with its print, picture and configuration commands, over a data folder of its
// own; the test answers the dialogs.

#include "app/form_main.h"
#include "app/form_main_print_config.h"
#include "app/services/ui/dm_fonction.h"
#include "game/widgets/framefille.h"
#include "tests/app/services_test_support.h"

#include <QAction>
#include <QStringList>

#include <memory>

namespace print_test {

constexpr int kBlankGrid = 100;

struct PrintShell {
    services_test::TemporaryDataFolder folder; // first: the services read it when created
    std::unique_ptr<services::TDMFonction> services = std::make_unique<services::TDMFonction>();
    std::unique_ptr<app::TFormMain> window;
    app::PrintConfigCommands* commands = nullptr;
    QStringList errors;

    PrintShell() {
        services->ShowTipsOnStartup = false;
        services->QuitConfirm = false;
        window = std::make_unique<app::TFormMain>(*services);
        app::ConnectPrintAndConfig(*window, *services);
        commands =
            window->findChild<app::PrintConfigCommands*>(QStringLiteral("PrintConfigCommands"));
        window->Dialogs().askNewGrid = [] { return kBlankGrid; };
        window->Dialogs().showError = [this](const QString& text) { errors << text; };
        window->FormCreate();
        window->show();
    }

    // A blank grid on a new tab, which becomes the active one, with the givens of an
    // 81-character grid text typed in.
    game::TFramefille* NewGrid(const QString& givens) {
        Trigger("ActionNouveau");
        game::TFramefille* grid = window->ActiveGrid();
        if (grid != nullptr)
            grid->Session().ImportText(givens);
        return grid;
    }

    void Trigger(const char* action) { window->Action(QLatin1String(action))->trigger(); }
};

// A valid puzzle, row by row; its first row is "53..7....", its last "....8..79".
inline const QString kPuzzle = QStringLiteral("53..7....6..195....98....6.8...6...34..8.3..17..."
                                              "2...6.6....28....419..5....8..79");

} // namespace print_test
