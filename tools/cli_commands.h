#pragma once
// The commands of tessarine-cli. Each takes the words after its name and returns the exit code.

#include <QStringList>

// generate [--level K] [N]: N new puzzles (default 1), one 81-character line each; with --level,
// practice puzzles of rating K.
int RunGenerateCommand(const QStringList& args);
// solve INPUT: the number of solutions (0, 1, 2 for two or more), then the only one.
int RunSolveCommand(const QStringList& args);
// rate INPUT...: the rating of each INPUT, a TAB, the INPUT.
int RunRateCommand(const QStringList& args);
// check FILE.xml: the first move of play that differs from the solution.
int RunCheckCommand(const QStringList& args);
