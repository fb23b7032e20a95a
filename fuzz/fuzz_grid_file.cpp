// The grid file loader, through the grid model as the Open command uses it. Invariants: a refused
// file changes nothing; a file the loader accepts saves and reloads to the same history, the same
// playing time and the same board, and its clock goes on from there.
#include "fuzz/board_view.h"
#include "fuzz/fuzz_check.h"

#include "game/model/game_session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

// Two files are written per input: in memory (/dev/shm) when the machine offers it.
QString FilePath(const QString& name) {
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/tessarine-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/tessarine-fuzz-XXXXXX"));
    fuzz::Require(folder.isValid(), "a temporary folder for the grid files");
    return folder.filePath(name);
}

std::unique_ptr<game::GameSession> LoadedGrid(const QString& path, QString& error) {
    auto session = std::make_unique<game::GameSession>(game::GameSettings{});
    session->InitBoard();
    session->SetFileName(path);
    error = session->LoadGrid();
    return session;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    const QString input = FilePath(QStringLiteral("input.xml"));
    {
        QFile file(input);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file opens");
        Require(file.write(fuzz::InputBytes(data, size)) == qint64(size), "the input is written");
    }

    QString error;
    const auto loaded = LoadedGrid(input, error);
    if (!error.isEmpty()) {
        Require(error.contains(input), "a refusal names the file");
        Require(loaded->History() == game::ActionHistory{{0, 0, 0, game::Operation::InputMode}},
                "a refused file leaves the history as it was");
        Require(loaded->PlacedCells() == 0, "a refused file leaves the board as it was");
        Require(!loaded->Modified(), "a refused file leaves the modified mark as it was");
        return 0;
    }
    Require(!loaded->Modified(), "a loaded grid is not modified");

    // Save As under another name, then open that file in a new tab.
    const game::ActionHistory history = loaded->History();
    const fuzz::BoardView board = fuzz::ViewOf(*loaded);
    loaded->SetFileName(FilePath(QStringLiteral("saved.xml")));
    Require(loaded->SaveGrid().isEmpty(), "an accepted grid can be saved");

    QString reloadError;
    const auto reloaded = LoadedGrid(loaded->FileName(), reloadError);
    Require(reloadError.isEmpty(), "a saved grid loads again");
    Require(reloaded->History() == history, "the reloaded history is the loaded one");
    Require(reloaded->ElapsedSeconds() == loaded->ElapsedSeconds(),
            "the reloaded playing time is the loaded one");
    Require(fuzz::ViewOf(*reloaded) == board, "the reloaded board is the loaded one");

    // The clock goes on from the time the file holds, whatever it is (it counts in play mode).
    reloaded->TickSecond();
    Require(reloaded->ElapsedSeconds() >= loaded->ElapsedSeconds(), "the clock never goes back");
    return 0;
}
