#pragma once
// Autosave: keeps a copy of every open grid that has unsaved changes in this instance's autosave
// folder, so that a crash loses nothing. A grid is written when it becomes modified, after every
// few entries added to its history, and each minute while it changes; the grid itself is never
// touched. A grid saved by the player, or closed, loses its copy; a normal end of the program
// removes the folder.

#include "app/core/autosave_folders.h"

#include <QObject>
#include <QTimer>

#include <map>

namespace game {
class GameSession;
}

namespace app {

class Autosave : public QObject {
    Q_OBJECT

public:
    // The history entries that make a write.
    static constexpr int kEntriesBetweenWrites = 5;

    explicit Autosave(const QString& dataFolder, QObject* parent = nullptr);

    // Keeps the grid's copy from now on, until the grid goes.
    void Watch(game::GameSession& session);

private:
    struct Watched {
        QString key;
        int newEntries = 0;
        QByteArray written; // the bytes of the copy, empty while there is none
    };
    // Writes the grid's copy when it is modified and the copy is not up to date.
    void Write(game::GameSession& session);
    void Drop(game::GameSession* session);

    InstanceAutosaves folder_;
    std::map<game::GameSession*, Watched> grids_;
    QTimer minute_;
    int lastKey_ = 0;
};

} // namespace app
