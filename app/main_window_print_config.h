#pragma once
// The main window's print, picture export and configuration commands: ActionImprime prints the
// active grid, ActionGrilleToJPG saves its board as a JPEG picture, ActionConfig opens ConfigDialog
// and, on OK, takes its values over and redraws every open grid in the new colours.

#include "game/widgets/grid_printer.h"

#include <QObject>

#include <functional>

class QImage;

namespace game {
class GridFrame;
} // namespace game
namespace services {
class AppServices;
}

namespace app {

class MainWindow;
class ConfigDialog;

// The dialogs these commands open; tests replace them.
struct PrintConfigDialogs {
    // PrintDialog1: false when cancelled.
    game::PrinterChooser choosePrinter;
    // SaveDialogBmp: the path of the picture, empty when cancelled.
    std::function<QString()> chooseJpegFile;
    // Whether the existing file at path may be replaced.
    std::function<bool(const QString& path)> confirmOverwrite;
    // Shows the configuration dialog modally; true when it closed with OK.
    std::function<bool(ConfigDialog& dialog)> runConfig;
};

// Lives as a child of the main window, which finds it under the name "PrintConfigCommands".
class PrintConfigCommands : public QObject {
    Q_OBJECT

public:
    // Connects the window's printRequested, exportRequested and configRequested signals.
    PrintConfigCommands(MainWindow& form, services::AppServices& services);

    PrintConfigDialogs& Dialogs() { return dialogs_; }

    void ActionImprimeExecute(game::GridFrame& grid);
    void ActionGrilleToJPGExecute(game::GridFrame& grid);
    void ActionConfigExecute();

private:
    MainWindow& form_;
    services::AppServices& services_;
    PrintConfigDialogs dialogs_;
};

// The board as a player sees it, row and column numbers included, in a 425 x 420 picture.
QImage BoardPicture(game::GridFrame& grid);

void ConnectPrintAndConfig(MainWindow& form, services::AppServices& services);

} // namespace app
