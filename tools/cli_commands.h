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
// hint INPUT: the four steps of the hint ladder for the easiest deduction of the position (its
// family, its unit, its cells, its first move with the text of its "O" line), or "none".
int RunHintCommand(const QStringList& args);
// review FILE.xml: each play-mode placement or removal of the game, judged on the position just
// before it: justified (with the forcing deduction's text), unforced or repeat.
int RunReviewCommand(const QStringList& args);
// explain INPUT: each deduction of the position: its family, the text of its "O" line, why it
// holds.
int RunExplainCommand(const QStringList& args);
