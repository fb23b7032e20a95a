// The history of one grid over seeded random games: replay, undo, restart, duplication, saving
// and loading give back the positions the game went through. Then the grid file: what is written
// reads back, and every file that holds no grid is refused without touching the open one.
#include "game/model/grid_file.h"
#include "tests/game/session_fixture.h"
#include "tests/golden.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using game::GameSession;
using namespace fixture;

namespace {

// What undo, restart, duplication and loading must give back: the history and the position.
QString SnapshotOf(const GameSession& session) {
    return HistoryText(session.History()) + u'\n' + PositionText(session);
}

// An empty board whose every action line is correct but the last.
QByteArray FileWith(const QByteArray& lastLine) {
    return game::EncodeGridFile({{0, 0, 0, Operation::InputMode}, {1, 1, 5, Operation::Place}}, 0)
        .replace("</Actions>", lastLine + "\r\n</Actions>");
}

} // namespace

class TestGameHistory : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void randomGames_data() {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }

    // A puzzle cut from the solution, a candidate removed in input mode, "Jouer ! ", then random
    // placements and removals with seconds between them.
    void randomGames() {
        QFETCH(int, seed);
        QRandomGenerator random(seed);
        auto session = NewGrid();
        QString puzzle = kSolution;
        for (QChar& cell : puzzle)
            cell = random.bounded(3) == 0 ? cell : QChar(u'.');
        QVERIFY(session->ImportText(puzzle).isEmpty());
        const auto randomMove = [&] {
            session->ApplyCellChoice(random.bounded(1, 10), random.bounded(1, 10),
                                     random.bounded(2) ? Operation::Place
                                                       : Operation::RemoveCandidate,
                                     random.bounded(1, 10));
        };
        if (seed % 3 != 0)
            randomMove();
        QStringList seen = {SnapshotOf(*session)};
        session->StartPlay();
        const QString atPlay = SnapshotOf(*session);
        for (int move = random.bounded(1, 40); move > 0; --move) {
            randomMove();
            for (int tick = random.bounded(4); tick > 0; --tick)
                session->TickSecond();
            seen.push_back(SnapshotOf(*session));
        }
        const int seconds = session->ElapsedSeconds();

        // Replay (new colours) and duplication give the same grid.
        session->RedrawInNewColours(DistinctSettings());
        QCOMPARE(SnapshotOf(*session), seen.back());
        game::PendingHistory pending = session->DuplicateHistory();
        auto copy = std::make_unique<GameSession>(DistinctSettings());
        copy->InitBoard(&pending);
        QCOMPARE(SnapshotOf(*copy), seen.back());
        QVERIFY(!copy->Modified());
        QVERIFY(pending.Entries.empty());

        // Saving (twice for odd seeds: each save adds a marker) then loading gives the same
        // history, clock and board.
        session->SetFileName(dir_.filePath(QStringLiteral("partie.xml")));
        QSignalSpy saved(session.get(), &GameSession::gridSaved);
        for (int save = seed % 2; save >= 0; --save) {
            QCOMPARE(session->SaveGrid(), QString());
            seen.push_back(SnapshotOf(*session));
        }
        QCOMPARE(saved.count(), 1 + seed % 2);
        QVERIFY(!session->Modified());
        auto loaded = NewGrid();
        QSignalSpy modified(loaded.get(), &GameSession::modifiedChanged);
        loaded->SetFileName(session->FileName());
        QCOMPARE(loaded->LoadGrid(), QString());
        QCOMPARE(SnapshotOf(*loaded),
                 SnapshotOf(*session).replace(QStringLiteral("; T\n"), QStringLiteral("\n")));
        QCOMPARE(loaded->ElapsedSeconds(), seconds);
        QCOMPARE(modified.count(), 0);

        // Restart gives the position at "Jouer ! " (for seeds without input-mode removal).
        if (seed % 3 == 0) {
            session->Restart();
            QCOMPARE(SnapshotOf(*session), atPlay);
            QCOMPARE(session->ElapsedSeconds(), 0);
            return;
        }
        // Undo k times gives the position k moves back (a save marker is a move of its own; the
        // first play move takes the switch to play mode along); the clock stays.
        for (auto expected = seen.rbegin() + 1; expected != seen.rend(); ++expected) {
            session->Undo();
            QCOMPARE(SnapshotOf(*session), *expected);
            QCOMPARE(session->ElapsedSeconds(), seconds);
            QVERIFY(session->Modified());
        }
    }

    void fileReadsBackWhatItWrote_data() {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("each operation") << 1 << QByteArray("\r\n");
        QTest::newRow("LF") << 1 << QByteArray("\n");
        QTest::newRow("CR") << 1 << QByteArray("\r");
        // 50 000 entries, some 6 MB: far from the size a file is refused at.
        QTest::newRow("a very long game") << 10000 << QByteArray("\r\n");
    }

    void fileReadsBackWhatItWrote() {
        QFETCH(int, rounds);
        QFETCH(QByteArray, lineEnd);
        game::ActionHistory history = {{0, 0, 0, Operation::InputMode}};
        for (int i = 0; i < rounds; ++i)
            history.insert(history.end(), {{9, 9, 9, Operation::Place},
                                           {1, 2, 3, Operation::RemoveCandidate},
                                           {0, 0, 0, Operation::PlayMode},
                                           {0, 0, 0, Operation::TimeMarker},
                                           {5, 5, 1, static_cast<Operation>('X')}});
        history.push_back({0, 0, 0, Operation::TimeMarker});
        QByteArray bytes = game::EncodeGridFile(history, 123456);
        if (rounds == 1)
            QCOMPARE_GOLDEN(bytes, QStringLiteral("game/every_operation.xml"));
        const QString path = dir_.filePath(QStringLiteral("f.xml"));
        QCOMPARE(game::WriteGridFile(path, bytes.replace("\r\n", lineEnd)), QString());
        const game::GridFileContent content = game::ReadGridFile(path);
        QCOMPARE(content.Error, QString());
        QVERIFY(content.HasTimeMarker);
        QCOMPARE(content.Seconds, 123456);
        history.pop_back();
        QVERIFY(content.Entries == history);
    }

    void loadingAFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("where"); // a path; a size the written bytes grow to (sparse)
        const QByteArray line =
            "  <Action  Ligne = '1' Colonne ='1' Chiffre = '5' Operation = 'P'>";
        const auto with = [&line](int pos, char c) {
            return FileWith(QByteArray(line).replace(pos, 1, &c, 1));
        };
        const QByteArray mode = "  <Action  Ligne = '0' Colonne ='0' Chiffre = '0' Operation = '";
        QTest::newRow("row not a digit") << with(20, 'x') << "";
        QTest::newRow("column not a digit") << with(33, ' ') << "";
        QTest::newRow("digit not a digit") << with(47, '?') << "";
        QTest::newRow("placing digit 0") << with(47, '0') << "";
        QTest::newRow("removal in row 0")
            << with(20, '0').replace("'P'>\r\n</", "'C'>\r\n</") << "";
        QTest::newRow("line too short") << FileWith(line.left(63)) << "";
        QTest::newRow("time marker without seconds") << FileWith(mode + "T'>duree") << "";
        // Files without a single action line used to open as an empty grid that Save then wrote
        // over them.
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("header only") << game::EncodeGridFile({}, 0) << "";
        QByteArray noise(4096, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        QTest::newRow("random bytes") << noise << "";
        QTest::newRow("UTF-16 with BOM")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(
                   QString::fromLatin1(FileWith(line))))
            << "";
        QTest::newRow("300 MB, sparse") << FileWith(line) << "300000000";
        QTest::newRow("endless device") << QByteArray() << "/dev/zero";
        QTest::newRow("missing") << QByteArray() << "absente.xml";
        QTest::newRow("a folder") << QByteArray() << ".";
        // Accepted: an unknown operation stays in the history and is skipped by the replay; the
        // clock of the longest time stops there.
        QTest::newRow("no time marker") << FileWith(mode + "R'>\r\n" + line.left(63) + "X'>") << "";
        QTest::newRow("the longest time")
            << FileWith(mode + "R'>\r\n" + mode + "T'>2147483647# duree") << "";
    }

    // The error, or the history and the clock a second later, in a golden file per row; a
    // refused file changes nothing.
    void loadingAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        QString path = dir_.filePath(QStringLiteral("chargee.xml"));
        if (where.isEmpty() || where.front().isDigit()) {
            WriteFile(path, bytes);
            QVERIFY(QFile::resize(path, where.isEmpty() ? bytes.size() : where.toLongLong()));
        } else {
            path = QDir(dir_.path()).absoluteFilePath(where);
        }
        auto session = NewGrid();
        session->ApplyCellChoice(2, 2, Operation::Place, 7);
        session->StartPlay();
        session->ApplyCellChoice(6, 6, Operation::RemoveCandidate, 8);
        const QString before = SnapshotOf(*session);
        const QStringList trace = session->TraceLines();
        session->SetFileName(path);
        QString outcome = session->LoadGrid();
        if (outcome.isEmpty()) {
            session->TickSecond();
            outcome = HistoryText(session->History()) + " after " + session->TimerLabel();
        } else {
            QCOMPARE(SnapshotOf(*session), before);
            QCOMPARE(session->TraceLines(), trace);
            QVERIFY(session->Modified());
        }
        QCOMPARE_GOLDEN(
            outcome.replace(dir_.path(), "DIR").toUtf8() + '\n',
            QStringLiteral("game/file_%1.txt").arg(QTest::currentDataTag()).replace(u' ', u'_'));
    }
};

QTEST_GUILESS_MAIN(TestGameHistory)
#include "test_game_history.moc"
