#include "app/autosave.h"

#include "game/model/game_session.h"

namespace app {

Autosave::Autosave(const QString& dataFolder, QObject* parent)
    : QObject(parent), folder_(dataFolder) {
    minute_.setInterval(std::chrono::minutes(1));
    connect(&minute_, &QTimer::timeout, this, [this] {
        for (auto& [session, watched] : grids_)
            Write(*session);
    });
    minute_.start();
}

void Autosave::Watch(game::GameSession& session) {
    grids_[&session].key = QStringLiteral("grid-%1").arg(++lastKey_);
    connect(&session, &game::GameSession::historyGrew, this, [this, &session] {
        if (++grids_[&session].newEntries >= kEntriesBetweenWrites)
            Write(session);
    });
    connect(&session, &game::GameSession::modifiedChanged, this, [this, &session](bool modified) {
        if (modified)
            Write(session);
        else
            Drop(&session);
    });
    connect(&session, &QObject::destroyed, this, [this, &session] {
        Drop(&session);
        grids_.erase(&session);
    });
}

void Autosave::Write(game::GameSession& session) {
    Watched& watched = grids_[&session];
    watched.newEntries = 0;
    if (!session.Modified())
        return;
    const QByteArray bytes = session.FileBytes();
    if (bytes != watched.written &&
        folder_.Write(watched.key, bytes, session.HasFile() ? session.FileName() : QString()))
        watched.written = bytes;
}

void Autosave::Drop(game::GameSession* session) {
    Watched& watched = grids_[session];
    folder_.Remove(watched.key);
    watched.written.clear();
}

} // namespace app
