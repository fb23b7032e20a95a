#pragma once
// tessarine-cli analyse [--auto FAMILIES] [--save FILE.xml] INPUT
//
// Builds a position the way the game does (a grid text imported then "Jouer ! ", or a grid file
// loaded), optionally ticks family lines and lets the analysis apply them, and prints the family
// lines, the findings of the last run, the trace and the board, one TAB-separated record a line.

#include <QStringList>

// Takes the words after "analyse"; returns the exit code (0, or 2 for a bad command line).
int RunAnalyseCommand(const QStringList& args);
