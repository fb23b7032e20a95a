#pragma once
// The main window with its print, picture and configuration commands connected.

#include "app/main_window_print_config.h"
#include "tests/shell/shell_fixture.h"

namespace print_test {

struct PrintShell : shell_test::Shell {
    app::PrintConfigCommands* commands = nullptr;

    PrintShell() {
        app::ConnectPrintAndConfig(*window, *services);
        commands =
            window->findChild<app::PrintConfigCommands*>(QStringLiteral("PrintConfigCommands"));
    }
};

// A valid puzzle, row by row; its first row is "53..7....", its last "....8..79".
inline const QString kPuzzle = QStringLiteral("53..7....6..195....98....6.8...6...34..8.3..17..."
                                              "2...6.6....28....419..5....8..79");

} // namespace print_test
