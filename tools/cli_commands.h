#pragma once
// The commands of tessarine-cli. Each takes the words after its name and returns the exit code.

#include <QStringList>

// generate [N]: N new puzzles (default 1), one 81-character line each.
int RunGenerateCommand(const QStringList& args);
