#pragma once
// What the commands read: INPUT is a grid file when it exists or ends in ".xml", else an
// 81-character grid text.

#include "engine/puzzle.h"
#include "game/model/history_entry.h"

namespace game {
class GameSession;
}

#include <QString>

bool IsGridFile(const QString& input);

// A grid file's entries (empty for a grid text) and its puzzle; or why INPUT was refused.
struct PuzzleInput {
    game::ActionHistory Entries;
    engine::Digits Givens{};
    QString Error;
};
PuzzleInput ReadPuzzleInput(const QString& input);

// Builds the position INPUT holds as the game does (a grid text imported then "Jouer ! ", or a
// grid file loaded) on a new session; returns an error text, empty on success.
QString BuildPosition(game::GameSession& session, const QString& input);

// Writes "tessarine-cli COMMAND: MESSAGE" on one line of stderr and returns exit code 2.
int Refuse(const char* command, const QString& message);
