#include "tools/cli_input.h"

#include "game/model/game_session.h"
#include "game/model/grid_file.h"
#include "game/model/grid_text.h"
#include "game/model/solution_check.h"

#include <QFileInfo>

#include <cstdio>

bool IsGridFile(const QString& input) {
    return QFileInfo::exists(input) || input.endsWith(QLatin1String(".xml"));
}

PuzzleInput ReadPuzzleInput(const QString& input) {
    PuzzleInput result;
    if (IsGridFile(input)) {
        game::GridFileContent content = game::ReadGridFile(input);
        result.Error = content.Error;
        result.Entries = std::move(content.Entries);
        result.Givens = game::GivensOf(result.Entries);
        return result;
    }
    const game::GridTextReading reading = game::ReadGridText(input);
    result.Error = reading.Error;
    for (const game::GridGiven& given : reading.Givens)
        result.Givens[std::size_t((given.Row - 1) * 9 + given.Col - 1)] = std::uint8_t(given.Digit);
    return result;
}

QString BuildPosition(game::GameSession& session, const QString& input) {
    session.InitBoard();
    if (IsGridFile(input)) {
        session.SetFileName(QFileInfo(input).absoluteFilePath());
        session.SetHasFile(true);
        return session.LoadGrid();
    }
    if (QString error = session.ImportText(input); !error.isEmpty())
        return error;
    session.StartPlay();
    return {};
}

int Refuse(const char* command, const QString& message) {
    QString line = message;
    line.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(u'\n', u' ');
    std::fprintf(stderr, "tessarine-cli %s: %s\n", command, qUtf8Printable(line));
    return 2;
}
