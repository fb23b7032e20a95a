#pragma once
// Every modal window of the program (questions, selector, file and colour choosers, the about
// window) is shown through this one door. The program shows it with exec(); a test installs its
// own runner, looks at the window and presses its buttons, without a nested event loop.

#include <QDialog>

#include <functional>

namespace game {

// Shows the window modally and returns its result.
using ModalRunner = std::function<int(QDialog& dialog)>;

int RunModal(QDialog& dialog);

// Replaces the runner; an empty one gives exec() back. Returns the previous runner.
ModalRunner SetModalRunner(ModalRunner runner);

} // namespace game
