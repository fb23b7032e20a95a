// The history of one grid: replay, undo, restart, duplication, and saving and loading the grid
// file through the grid model.
#include "tests/game/session_fixture.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using game::GameSession;
using namespace fixture;

namespace {

// A short game: givens (1,1)=5 and (2,2)=7, a removal in input mode, "Jouer ! ", then a
// placement and a removal in play mode.
std::unique_ptr<GameSession> ShortGame() {
    auto session = NewGrid();
    session->ApplyCellChoice(1, 1, Operation::Place, 5);
    session->ApplyCellChoice(2, 2, Operation::Place, 7);
    session->ApplyCellChoice(9, 9, Operation::RemoveCandidate, 4);
    session->StartPlay();
    session->ApplyCellChoice(5, 5, Operation::Place, 3);
    session->ApplyCellChoice(6, 6, Operation::RemoveCandidate, 8);
    return session;
}

const QString kShortGame = QStringLiteral("S; P 1 1 5; P 2 2 7; C 9 9 4; R; P 5 5 3; C 6 6 8");

// Everything a player can see of the position.
struct Position {
    QString Digits;
    QStringList Candidates;
    QStringList Colours;
    game::Mode Mode;
    friend bool operator==(const Position&, const Position&) = default;
};

Position PositionOf(const GameSession& session) {
    Position position{BoardText(session), {}, {}, session.CurrentMode()};
    for (const game::BoardCell& cell : session.Cells()) {
        position.Candidates << cell.CandidateString();
        position.Colours << QString::number(cell.PlayedColour);
    }
    return position;
}

QByteArray ActionLine(const char* row, const char* col, const char* chiffre, char operation,
                      const QByteArray& text) {
    return QByteArray("  <Action  Ligne = '") + row + "' Colonne ='" + col + "' Chiffre = '" +
           chiffre + "' Operation = '" + operation + "'>" + text + "</Action>\r\n";
}

const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<Actions>\r\n";
const QByteArray kFooter = "</Actions>\r\n";

QByteArray GridFileOf(const QByteArray& actions) {
    return kHeader + actions + kFooter;
}

} // namespace

class TestGameHistory : public QObject {
    Q_OBJECT

private slots:
    void replayRebuildsTheBoard() {
        auto session = ShortGame();
        const Position before = PositionOf(*session);
        session->RedrawInNewColours(DistinctSettings());
        QVERIFY(PositionOf(*session) == before);
        QCOMPARE(session->Cell(1, 1).PlayedColour, game::Colour(1)); // given in input mode
        QCOMPARE(session->Cell(5, 5).PlayedColour, game::Colour(2)); // placed in play mode
        QVERIFY(!session->Cell(9, 9).HasCandidate(4));
        QVERIFY(!session->Cell(6, 6).HasCandidate(8));
        // The trace starts again at the switch to play mode.
        QCOMPARE(session->TraceLines(),
                 (QStringList{QStringLiteral("L5 C5 reçoit le : 3"),
                              QStringLiteral("L6 C6 suppression du candidat : 8")}));
        QCOMPARE(HistoryText(session->History()), kShortGame);
    }

    void undoSteps_data() {
        QTest::addColumn<int>("undos");
        QTest::addColumn<QString>("history");
        QTest::addColumn<game::Mode>("mode");
        QTest::newRow("last removal")
            << 1 << QStringLiteral("S; P 1 1 5; P 2 2 7; C 9 9 4; R; P 5 5 3") << Mode::Play;
        QTest::newRow("first play move takes the switch along")
            << 2 << QStringLiteral("S; P 1 1 5; P 2 2 7; C 9 9 4") << Mode::Input;
        QTest::newRow("back to the first entry") << 5 << QStringLiteral("S") << Mode::Input;
        QTest::newRow("the only S entry: empty, mode kept") << 6 << QString() << Mode::Input;
        QTest::newRow("empty history: nothing") << 7 << QString() << Mode::Input;
    }

    void undoSteps() {
        QFETCH(int, undos);
        QFETCH(QString, history);
        QFETCH(game::Mode, mode);
        auto session = ShortGame();
        for (int i = 0; i < undos; ++i)
            session->Undo();
        QCOMPARE(HistoryText(session->History()), history);
        QCOMPARE(session->CurrentMode(), mode);
        QVERIFY(session->Modified());
        // The board is what replaying the remaining history gives.
        auto replayed = NewGrid();
        for (const game::HistoryEntry& entry : session->History())
            if (entry.Operation == Operation::Place ||
                entry.Operation == Operation::RemoveCandidate)
                replayed->ApplyCellChoice(entry.Row, entry.Col, entry.Operation, entry.Digit);
        QCOMPARE(BoardText(*session), BoardText(*replayed));
        for (std::size_t k = 0; k < 81; ++k)
            QCOMPARE(session->Cells()[k].Candidates(), replayed->Cells()[k].Candidates());
    }

    void undoKeepsTheClockAndAnalyses() {
        auto session = NewGrid();
        session->ImportText(WithHoles({{1, 1}, {4, 5}, {8, 9}}));
        session->StartPlay();
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        session->ApplyCellChoice(4, 5, Operation::Place, 6);
        for (int i = 0; i < 7; ++i)
            session->TickSecond();
        session->Undo();
        QCOMPARE(session->CurrentMode(), Mode::Play);
        QCOMPARE(session->ElapsedSeconds(), 7);
        QCOMPARE(session->Cell(4, 5).Digit(), 0);
        QCOMPARE(session->Panel().FamilyLine(0),
                 QStringLiteral("2 Candidat(s) seul(s) dans leur case"));
        QCOMPARE(session->TraceLines(), QStringList{QStringLiteral("L1 C1 reçoit le : 5")});
    }

    void restartKeepsTheGivens() {
        auto session = ShortGame();
        session->TickSecond();
        session->SetModified(false);
        session->Restart();
        // The history ends on the switch to play mode; the input-mode removal stays in it but is
        // not replayed.
        QCOMPARE(HistoryText(session->History()),
                 QStringLiteral("S; P 1 1 5; P 2 2 7; C 9 9 4; R"));
        QCOMPARE(session->CurrentMode(), Mode::Play);
        QCOMPARE(session->Cell(1, 1).Digit(), 5);
        QCOMPARE(session->Cell(2, 2).Digit(), 7);
        QCOMPARE(session->Cell(5, 5).Digit(), 0);
        QVERIFY(session->Cell(9, 9).HasCandidate(4));
        QVERIFY(session->Cell(6, 6).HasCandidate(8));
        QCOMPARE(session->ElapsedSeconds(), 0);
        QVERIFY(session->TimerRunning());
        QVERIFY(!session->Modified());
        QVERIFY(session->TraceLines().isEmpty());
    }

    void restartWithoutSwitchToPlayKeepsTheHistory() {
        auto session = NewGrid();
        session->Undo();      // empty history
        session->StartPlay(); // "R"
        session->Undo();      // empty again, still in play mode
        QCOMPARE(session->CurrentMode(), Mode::Play);
        session->ApplyCellChoice(1, 1, Operation::Place, 5);
        session->ApplyCellChoice(2, 2, Operation::RemoveCandidate, 3);
        session->Restart();
        QCOMPARE(HistoryText(session->History()), QStringLiteral("P 1 1 5; C 2 2 3"));
        QCOMPARE(session->Cell(1, 1).Digit(), 5);
        QVERIFY(session->Cell(2, 2).HasCandidate(3));
        QCOMPARE(session->CurrentMode(), Mode::Play);
    }

    void duplicateCopiesHistoryAndClock() {
        auto source = ShortGame();
        for (int i = 0; i < 95; ++i)
            source->TickSecond();
        game::PendingHistory pending = source->DuplicateHistory();
        auto copy = std::make_unique<GameSession>(DistinctSettings());
        copy->InitBoard(&pending);
        QCOMPARE(HistoryText(copy->History()), kShortGame);
        QCOMPARE(copy->ElapsedSeconds(), 95);
        QVERIFY(PositionOf(*copy) == PositionOf(*source));
        QVERIFY(!copy->Modified());
        QVERIFY(pending.Entries.empty());
        QCOMPARE(pending.Seconds, 0);
        QCOMPARE(HistoryText(source->History()), kShortGame);
    }

    void savedFileBytes() {
        auto session = NewGrid();
        session->ApplyCellChoice(5, 3, Operation::Place, 7);
        session->StartPlay();
        session->ApplyCellChoice(2, 4, Operation::RemoveCandidate, 6);
        for (int i = 0; i < 12; ++i)
            session->TickSecond();
        session->SetFileName(dir_.filePath(QStringLiteral("grille.xml")));
        QSignalSpy saved(session.get(), &GameSession::gridSaved);
        QVERIFY(session->SaveGrid().isEmpty());
        const QByteArray expected =
            kHeader +
            ActionLine("0", "0", "0", 'S', "Ligne: 0 Colonne: 0 Passage en mode Saisie : 0") +
            ActionLine("5", "3", "7", 'P', "Ligne: 5 Colonne: 3 Mise en place du : 7") +
            ActionLine("0", "0", "0", 'R',
                       "Ligne: 0 Colonne: 0 Passage en mode r\xE9solution : 0") +
            ActionLine("2", "4", "6", 'C', "Ligne: 2 Colonne: 4 suppression du candidat : 6") +
            ActionLine("0", "0", "0", 'T', "12# duree de la partie en secondes") + kFooter;
        QCOMPARE(ReadFile(session->FileName()), expected);
        // The placing line, column by column as the reader takes it.
        const QByteArray placing = expected.split('\n').at(3);
        QCOMPARE(placing.left(20), QByteArray("  <Action  Ligne = '"));
        QCOMPARE(placing.at(20), '5');
        QCOMPARE(placing.at(33), '3');
        QCOMPARE(placing.at(47), '7');
        QCOMPARE(placing.at(63), 'P');
        QCOMPARE(placing.mid(66, 9), QByteArray("Ligne: 5 "));
        QVERIFY(!session->Modified());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(session->History().back(), ModeEntry(Operation::TimeMarker));
    }

    void freshGridSavedAtOnce() {
        auto session = NewGrid();
        session->SetFileName(dir_.filePath(QStringLiteral("vide.xml")));
        QVERIFY(session->SaveGrid().isEmpty());
        QCOMPARE(
            ReadFile(session->FileName()),
            kHeader +
                ActionLine("0", "0", "0", 'S', "Ligne: 0 Colonne: 0 Passage en mode Saisie : 0") +
                ActionLine("0", "0", "0", 'T', "0# duree de la partie en secondes") + kFooter);
        auto loaded = NewGrid();
        loaded->SetFileName(session->FileName());
        QVERIFY(loaded->LoadGrid().isEmpty());
        QCOMPARE(HistoryText(loaded->History()), QStringLiteral("S"));
        QCOMPARE(loaded->ElapsedSeconds(), 0);
    }

    void saveThenLoadGivesTheSameGrid() {
        auto session = ShortGame();
        for (int i = 0; i < 95; ++i)
            session->TickSecond();
        session->SetFileName(dir_.filePath(QStringLiteral("partie.xml")));
        QVERIFY(session->SaveGrid().isEmpty());

        auto loaded = NewGrid();
        QSignalSpy modified(loaded.get(), &GameSession::modifiedChanged);
        loaded->SetFileName(session->FileName());
        QVERIFY(loaded->LoadGrid().isEmpty());
        QCOMPARE(HistoryText(loaded->History()), kShortGame);
        QVERIFY(PositionOf(*loaded) == PositionOf(*session));
        QCOMPARE(loaded->ElapsedSeconds(), 95);
        QVERIFY(loaded->TimerRunning());
        QVERIFY(!loaded->Modified());
        QCOMPARE(modified.count(), 0);
        QCOMPARE(loaded->TraceLines(), session->TraceLines());
    }

    void savingTwiceKeepsTheFirstMarker() {
        auto session = NewGrid();
        session->StartPlay();
        for (int i = 0; i < 4; ++i)
            session->TickSecond();
        session->SetFileName(dir_.filePath(QStringLiteral("deux.xml")));
        QVERIFY(session->SaveGrid().isEmpty());
        QVERIFY(session->SaveGrid().isEmpty());
        const QByteArray marker =
            ActionLine("0", "0", "0", 'T', "4# duree de la partie en secondes");
        QCOMPARE(ReadFile(session->FileName()).count(marker), 2);

        auto loaded = NewGrid();
        loaded->SetFileName(session->FileName());
        QVERIFY(loaded->LoadGrid().isEmpty());
        QCOMPARE(HistoryText(loaded->History()), QStringLiteral("S; R; T"));
        QCOMPARE(loaded->ElapsedSeconds(), 4);
        QCOMPARE(loaded->CurrentMode(), Mode::Play);
    }

    void undoAfterSaveDropsOnlyTheMarker() {
        auto session = ShortGame();
        session->SetFileName(dir_.filePath(QStringLiteral("annule.xml")));
        QVERIFY(session->SaveGrid().isEmpty());
        const Position saved = PositionOf(*session);
        session->Undo();
        QCOMPARE(HistoryText(session->History()), kShortGame);
        QVERIFY(PositionOf(*session) == saved);
        QVERIFY(session->Modified());
    }

    void failedSaveChangesNothing() {
        auto session = ShortGame();
        session->SetFileName(dir_.filePath(QStringLiteral("absent/partie.xml")));
        QSignalSpy saved(session.get(), &GameSession::gridSaved);
        const QString error = session->SaveGrid();
        QVERIFY(error.contains(session->FileName()));
        QCOMPARE(HistoryText(session->History()), kShortGame);
        QVERIFY(session->Modified());
        QCOMPARE(saved.count(), 0);
    }

    void fileWithoutTimeMarkerLoadsWithZeroSeconds() {
        auto session = NewGrid();
        QVERIFY(LoadFile(*session,
                         GridFileOf(ActionLine("0", "0", "0", 'S', "Ligne: 0 Colonne: 0 Passage") +
                                    ActionLine("4", "4", "2", 'P', "Ligne: 4 Colonne: 4 Mise") +
                                    ActionLine("0", "0", "0", 'R', "Ligne: 0 Colonne: 0 Passage") +
                                    ActionLine("0", "0", "0", 'X', "inconnu")))
                    .isEmpty());
        // The unknown operation stays in the history and is skipped by the replay.
        QCOMPARE(HistoryText(session->History()), QStringLiteral("S; P 4 4 2; R; X"));
        QCOMPARE(session->ElapsedSeconds(), 0);
        QCOMPARE(session->CurrentMode(), Mode::Play);
        QVERIFY(session->TimerRunning());
        QCOMPARE(session->Cell(4, 4).Digit(), 2);
    }

    void clockOfTheLongestTimeStopsThere() {
        auto session = NewGrid();
        QVERIFY(
            LoadFile(*session,
                     GridFileOf(ActionLine("0", "0", "0", 'S', "Ligne: 0 Colonne: 0 Passage") +
                                ActionLine("0", "0", "0", 'R', "Ligne: 0 Colonne: 0 Passage") +
                                ActionLine("0", "0", "0", 'T', "2147483647# duree de la partie")))
                .isEmpty());
        QCOMPARE(session->ElapsedSeconds(), 2147483647);
        session->TickSecond();
        QCOMPARE(session->ElapsedSeconds(), 2147483647);
        // 596523 hours, 14 minutes and 7 seconds.
        QCOMPARE(session->TimerLabel(), QStringLiteral("596523:14:07"));
    }

    void refusedFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size"); // grown to this size without writing; 0: as written
        QTest::addColumn<QString>("where");
        const QByteArray start =
            ActionLine("0", "0", "0", 'S', "Ligne: 0 Colonne: 0 Passage en mode Saisie : 0");
        const QByteArray place = ActionLine("1", "1", "5", 'P', "Ligne: 1 Colonne: 1 Mise");
        // The header takes lines 1 and 2, so the first action line is line 3.
        QTest::newRow("row not a digit")
            << GridFileOf(start + place + ActionLine("x", "1", "5", 'P', "t")) << qint64(0)
            << QStringLiteral("ligne 5,");
        QTest::newRow("column not a digit")
            << GridFileOf(start + ActionLine("1", " ", "5", 'P', "t")) << qint64(0)
            << QStringLiteral("ligne 4,");
        QTest::newRow("digit not a digit")
            << GridFileOf(ActionLine("1", "1", "?", 'P', "t") + start) << qint64(0)
            << QStringLiteral("ligne 3,");
        QTest::newRow("placing digit 0") << GridFileOf(start + ActionLine("1", "1", "0", 'P', "t"))
                                         << qint64(0) << QStringLiteral("ligne 4,");
        QTest::newRow("removal in row 0") << GridFileOf(start + ActionLine("0", "3", "4", 'C', "t"))
                                          << qint64(0) << QStringLiteral("ligne 4,");
        QTest::newRow("line too short")
            << GridFileOf(start + place + QByteArray("  <Action  Ligne = '1' Colonne ='1'\r\n"))
            << qint64(0) << QStringLiteral("ligne 5,");
        QTest::newRow("time marker without seconds")
            << GridFileOf(start + ActionLine("0", "0", "0", 'T', "duree")) << qint64(0)
            << QStringLiteral("ligne 4,");
        // Files without a single action line used to open as an empty grid that Save then wrote
        // over them.
        const QString noAction = QStringLiteral("aucune ligne d'action");
        QTest::newRow("empty") << QByteArray() << qint64(0)
                               << QStringLiteral("ligne 1, ") + noAction;
        QTest::newRow("header only")
            << GridFileOf({}) << qint64(0) << QStringLiteral("ligne 3, ") + noAction;
        QByteArray noise(4096, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        QTest::newRow("random bytes") << noise << qint64(0) << noAction;
        QTest::newRow("UTF-16 with BOM")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(
                   QString::fromLatin1(GridFileOf(start + place))))
            << qint64(0) << noAction;
        QTest::newRow("300 MB, sparse")
            << GridFileOf(start + place) << qint64(300'000'000) << QStringLiteral("plus de 16 Mio");
    }

    void refusedFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(QString, where);
        auto session = ShortGame();
        const Position before = PositionOf(*session);
        const QStringList trace = session->TraceLines();
        const QString error = LoadFile(*session, bytes, size);
        QVERIFY2(error.contains(dir_.filePath(QStringLiteral("chargee.xml"))), qPrintable(error));
        QVERIFY2(error.contains(where), qPrintable(error));
        QCOMPARE(HistoryText(session->History()), kShortGame);
        QVERIFY(PositionOf(*session) == before);
        QCOMPARE(session->TraceLines(), trace);
        QVERIFY(session->Modified());
    }

private:
    // Writes the bytes as a file, grown to size without writing when size is not 0 (a sparse
    // file), and loads it into the session: LoadGrid's error.
    QString LoadFile(GameSession& session, const QByteArray& bytes, qint64 size = 0) {
        const QString path = dir_.filePath(QStringLiteral("chargee.xml"));
        WriteFile(path, bytes);
        if (size != 0)
            QFile::resize(path, size);
        session.SetFileName(path);
        return session.LoadGrid();
    }

    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestGameHistory)
#include "test_game_history.moc"
