// One grid's model: scripts, grid texts, random games, grid files, failed saves, analyse.
#include "game/model/grid_file.h"
#include "tests/app/services_test_support.h"
#include "tests/faults/file_size_limit.h"
#include "tests/game/session_fixture.h"
#include "tests/golden.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using game::GameSession;
using namespace fixture;

namespace {

// Runs the "; "-separated commands on a new grid, writing down what each does: P|C|X ROW COL
// DIGITS (a cell choice per digit), holes RC... (the solution without cells RC), play, undo,
// restart, erase, unlight, copy, redraw, tick N, modified|protect|candidates 0|1, check FAMILIES
// 0|1, select FAMILY, light ROW, apply ROW, selector ROW COL L|R, verify, back, level, redo,
// rub ROW COL (erase a digit), pause 0|1, save, marks (the cells whose digit repeats), hint.
QString Journal(const QString& script, const game::GameSettings& settings) {
    auto session = NewGrid(settings);
    const QTemporaryDir saveFolder;
    QString journal;
    GameSession* s = session.get();
    const auto note = [&journal](const QString& what) { journal += what + u'\n'; };
    QObject::connect(s, &GameSession::traceLineAdded,
                     [&](const QString& l) { note("trace: " + l); });
    QObject::connect(s, &GameSession::traceCleared, [&] { note("trace cleared"); });
    QObject::connect(s, &GameSession::beepRequested, [&] { note("beep"); });
    QObject::connect(s, &GameSession::gridFilled,
                     [&](bool solved) { note(QStringLiteral("filled, solved: %1").arg(solved)); });
    QObject::connect(s, &GameSession::modifiedChanged,
                     [&](bool on) { note(QStringLiteral("modified: %1").arg(on)); });
    const QMap<QString, void (GameSession::*)()> plain = {{"play", &GameSession::StartPlay},
                                                          {"undo", &GameSession::Undo},
                                                          {"restart", &GameSession::Restart},
                                                          {"erase", &GameSession::EraseAll},
                                                          {"unlight", &GameSession::ClearLighting}};
    const QMap<QString, void (GameSession::*)(bool)> switches = {
        {"modified", &GameSession::SetModified},
        {"protect", &GameSession::SetProtection},
        {"candidates", &GameSession::SetCandidateDisplay}};
    const QMap<QString, void (GameSession::*)(int)> numbered = {
        {"select", &GameSession::SelectFamily}, {"light", &GameSession::LightFinding}};
    for (const QString& command : script.split(QStringLiteral("; "))) {
        journal += QStringLiteral("\n> ") + command + u'\n';
        const QStringList w = command.split(u' ');
        const auto n = [&w](int i) { return w.value(i).toInt(); };
        if (w[0] == u"holes") {
            std::vector<std::pair<int, int>> holes;
            for (const QString& cell : w.mid(1))
                holes.emplace_back(cell[0].digitValue(), cell[1].digitValue());
            journal += s->ImportText(WithHoles(holes));
        } else if (plain.contains(w[0])) {
            (s->*plain[w[0]])();
        } else if (switches.contains(w[0])) {
            (s->*switches[w[0]])(n(1) != 0);
        } else if (numbered.contains(w[0])) {
            (s->*numbered[w[0]])(n(1));
        } else if (w[0] == u"verify") {
            s->Verify();
        } else if (w[0] == u"back") {
            journal += QStringLiteral("back: %1\n").arg(s->BackToFirstMistake());
        } else if (w[0] == u"redo") {
            journal += QStringLiteral("redo: %1\n").arg(s->Redo());
        } else if (w[0] == u"rub") {
            journal += QStringLiteral("erased: %1\n").arg(s->EraseDigit(n(1), n(2)));
        } else if (w[0] == u"pause") {
            s->SetPaused(n(1) != 0);
        } else if (w[0] == u"save") {
            s->SetFileName(saveFolder.filePath(QStringLiteral("g.xml")));
            journal += s->SaveGrid();
        } else if (w[0] == u"level") {
            journal += game::LevelLine(s->Puzzle().Rating()) + u'\n';
        } else if (w[0] == u"marks") {
            for (const game::BoardCell& cell : s->Cells())
                journal += cell.Conflict
                               ? QStringLiteral("conflict L%1C%2\n").arg(cell.Row()).arg(cell.Col())
                               : QString();
        } else if (w[0] == u"copy") {
            journal += s->CopyGrid() + u'\n';
        } else if (w[0] == u"redraw") {
            game::GameSettings redrawn = settings;
            redrawn.CandidateColour = 0xABCDEF;
            s->RedrawInNewColours(redrawn);
        } else if (w[0] == u"tick") {
            for (int i = 0; i < n(1); ++i)
                s->TickSecond();
        } else if (w[0] == u"check") {
            QList<int> families;
            for (QChar family : w[1])
                families << family.digitValue();
            s->CheckFamilies(families, n(2) != 0);
        } else if (w[0] == u"apply" || w[0] == u"hint") {
            const int family = w[0] == u"hint" ? s->Hint() : s->ApplyListedFinding(n(1));
            journal += QStringLiteral("applied family %1\n").arg(family);
            if (family >= 0)
                s->RefreshAfterListedFinding(family);
        } else if (w[0] == u"selector") {
            const game::SelectorSetup setup = s->PrepareSelector(n(1), n(2), w[3] == u"L");
            journal +=
                QString::asprintf("page %d, place %s in %u, candidates %s in %u\n", setup.Page,
                                  qUtf8Printable(setup.PlaceDigits), setup.PlaceColour,
                                  qUtf8Printable(setup.CandidateDigits), setup.CandidateColour);
        } else {
            for (QChar digit : w[3])
                s->ApplyCellChoice(n(1), n(2), static_cast<game::Operation>(w[0][0].toLatin1()),
                                   digit.digitValue());
        }
        journal += PositionText(*s) + QStringLiteral("history: ") + HistoryText(s->History()) +
                   QString::asprintf("\nmodified %d, clock %s, protection %d, candidates %d\n",
                                     s->Modified(), qUtf8Printable(s->TimerLabel()),
                                     s->ProtectionOn(), s->CandidateDisplayOn());
        for (int family = 0; family < engine::kFamilyCount; ++family)
            journal +=
                (s->Panel().IsChecked(family) ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) +
                s->Panel().FamilyLine(family) + u'\n';
        for (const game::ListedFinding& row : s->Panel().Rows())
            journal += QString::asprintf("row of family %d: %s (L%d C%d, configuration %d, %c)\n",
                                         s->Panel().SelectedFamily(), qUtf8Printable(row.Text),
                                         row.Row, row.Col, row.Seq, row.Action);
        journal += QStringLiteral("findings: %1\n").arg(s->Findings().size());
    }
    return journal;
}

// The lines of a data file, each split at "|".
QList<QStringList> Records(const char* path) {
    QList<QStringList> records;
    for (const QByteArray& line : services_test::ReadBytes(path).trimmed().split('\n'))
        records << QString::fromUtf8(line).split(u'|');
    return records;
}

// What undo, restart, duplication and loading must give back: the history and the position.
QString SnapshotOf(const GameSession& session) {
    return HistoryText(session.History()) + u'\n' + PositionText(session);
}

// An empty board whose every action line is correct but the last.
QByteArray FileWith(const QByteArray& lastLine) {
    return game::EncodeGridFile({{0, 0, 0, Operation::InputMode}, {1, 1, 5, Operation::Place}}, 0)
        .replace("</Actions>", lastLine + "\r\n</Actions>");
}

// What a path holds, to show that a failed save left it as it was.
QByteArray StateOf(const QString& path) {
    const QFileInfo info(path);
    return QByteArray::number(info.exists()) + char('0' + info.isFile()) +
           char('0' + info.isDir()) +
           (info.isFile() ? services_test::ReadBytes(path) : QByteArray());
}

} // namespace

class TestGameSession : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // One script a line: name|commands (see Journal)|"on": candidates shown and protection on.
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("switchesOn");
        for (const QStringList& fields : Records(TESSARINE_SCRIPTS))
            QTest::newRow(qPrintable(fields[0])) << fields[1] << (fields.value(2) == u"on");
    }

    void scripts() {
        QFETCH(QString, script);
        QFETCH(bool, switchesOn);
        game::GameSettings settings = DistinctSettings();
        settings.ShowCandidates = settings.Protection = switchesOn;
        QCOMPARE_GOLDEN(
            Journal(script, settings).toUtf8(),
            QStringLiteral("game/%1.txt").arg(QTest::currentDataTag()).replace(u' ', u'_'));
    }

    // Grid texts (name|text a line) imported and pasted on a new grid, in play, after a placing.
    void gridTexts() {
        QString out;
        for (const char* before : {"new", "play", "P 2 2 4"}) {
            for (const QStringList& fields : Records(TESSARINE_GRID_TEXTS)) {
                const QString& name = fields[0];
                const QString text = fields.mid(1)
                                         .join(u'|')
                                         .replace(QStringLiteral("\\t"), QStringLiteral("\t"))
                                         .replace(QStringLiteral("\\r"), QStringLiteral("\r"))
                                         .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
                for (bool paste : {false, true}) {
                    auto session = NewGrid();
                    if (before[0] == 'p')
                        session->StartPlay();
                    else if (before[0] == 'P')
                        session->ApplyCellChoice(2, 2, Operation::Place, 4);
                    const QString message =
                        paste ? session->PasteGrid(text) : session->ImportText(text);
                    QString board = session->CopyGrid();
                    board.remove(u'¦').remove(u'-').remove(u'+').remove(QStringLiteral("\r\n"));
                    out += QStringLiteral("%1, %2, %3: %4\n%5\n%6\nmodified %7\n\n")
                               .arg(paste ? "paste" : "import", before, name, message, board,
                                    HistoryText(session->History()))
                               .arg(session->Modified());
                }
            }
        }
        QCOMPARE_GOLDEN(out.toUtf8(), QStringLiteral("game/grid_texts.txt"));
    }

    void boardAsPuzzle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString dots(72, u'.');
        QTest::newRow("one solution") << WithHoles({{1, 1}, {4, 5}}) << "";
        QTest::newRow("row") << "4.......4" + dots << "Le 4 est deux fois dans la ligne 1.";
        QTest::newRow("column") << "........4........4" + dots.mid(9)
                                << "Le 4 est deux fois dans la colonne 9.";
        QTest::newRow("region") << "4.........4" + dots.mid(2)
                                << "Le 4 est deux fois dans la région 1.";
        QTest::newRow("no solution")
            << "12345678.........9" + dots.mid(9) << "Cette grille n'a pas de solution.";
        QTest::newRow("several") << WithHoles({{4, 6}, {4, 9}, {5, 6}, {5, 9}})
                                 << "Cette grille a plusieurs solutions.";
    }

    void boardAsPuzzle() {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        auto session = NewGrid();
        QCOMPARE(session->ImportText(text), QString());
        QCOMPARE(session->CheckBoardAsPuzzle(), problem);
    }

    void randomGames_data() {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }

    // A puzzle cut from the solution, maybe an input-mode move, "Jouer ! ", then random moves.
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
            const std::size_t entries = session->History().size();
            randomMove(); // refused on a given
            for (int tick = random.bounded(4); tick > 0; --tick)
                session->TickSecond();
            if (session->History().size() != entries)
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

        // Saving (twice for odd seeds) then loading gives the same history, clock and board.
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
        // Undo k times gives the position k moves back (a save marker is a move); the clock stays.
        for (auto expected = seen.rbegin() + 1; expected != seen.rend(); ++expected) {
            session->Undo();
            QCOMPARE(SnapshotOf(*session), *expected);
            QCOMPARE(session->ElapsedSeconds(), seconds);
            QVERIFY(session->Modified());
        }
        // Redo walks forward through the same positions, the clock as it was.
        for (auto expected = seen.begin() + 1; expected != seen.end(); ++expected) {
            QVERIFY(session->Redo());
            QCOMPARE(SnapshotOf(*session), *expected);
            QCOMPARE(session->ElapsedSeconds(), seconds);
        }
        QVERIFY(!session->Redo());
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
        QTest::newRow("6 MB, sparse, accepted") << FileWith(line) << "6000000";
        QTest::newRow("endless device") << QByteArray() << "/dev/zero";
        QTest::newRow("missing") << QByteArray() << "absente.xml";
        QTest::newRow("a folder") << QByteArray() << ".";
        // Accepted: an unknown operation is kept and skipped; the longest time.
        QTest::newRow("no time marker") << FileWith(mode + "R'>\r\n" + line.left(63) + "X'>") << "";
        QTest::newRow("the longest time")
            << FileWith(mode + "R'>\r\n" + mode + "T'>2147483647# duree") << "";
        const QByteArray every = game::EncodeGridFile({{0, 0, 0, Operation::InputMode},
                                                       {9, 9, 9, Operation::Place},
                                                       {1, 2, 3, Operation::RemoveCandidate},
                                                       {0, 0, 0, Operation::PlayMode},
                                                       {0, 0, 0, Operation::TimeMarker},
                                                       {5, 5, 1, Operation('X')},
                                                       {0, 0, 0, Operation::TimeMarker}},
                                                      123456);
        QCOMPARE_GOLDEN(every, QStringLiteral("game/every_operation.xml"));
        QTest::newRow("every operation, LF") << QByteArray(every).replace("\r\n", "\n") << "";
        QTest::newRow("every operation, CR") << QByteArray(every).replace("\r\n", "\r") << "";
    }

    // The error, or the history and clock a second later; a refused file changes nothing.
    void loadingAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        QString path = dir_.filePath(QStringLiteral("chargee.xml"));
        if (where.isEmpty() || where.front().isDigit()) {
            QVERIFY(services_test::WriteBytes(path, bytes));
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

    // A grid saved where it cannot be written loses nothing; every obstacle stops root too.
    void failedSaveLosesNothing_data() {
        const QString notRegular = QStringLiteral(" : ce n'est pas un fichier ordinaire");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason"); // how the message ends, where it is the program's own
        QTest::newRow("folder path under a regular file") << "under a file" << QString();
        QTest::newRow("/proc takes no new file") << "proc"
                                                 << " : fichier ou dossier introuvable";
        QTest::newRow("a folder in the file's place") << "folder" << notRegular;
        QTest::newRow("full disk device") << "device" << notRegular;
        QTest::newRow("named pipe") << "pipe" << notRegular;
        QTest::newRow("disk full while writing") << "disk full" << QString();
        QTest::newRow("immutable file") << "immutable" << QString();
    }

    void failedSaveLosesNothing() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString target = dir.filePath(QStringLiteral("partie.xml"));
        QString witness = target; // the path whose content must survive the failed save
        auto session = NewGrid();
        session->ApplyCellChoice(1, 1, game::Operation::Place, 5);
        session->StartPlay();
        if (obstacle == u"disk full" || obstacle == u"immutable") {
            session->SetFileName(target);
            QCOMPARE(session->SaveGrid(), QString());
        }
        session->ApplyCellChoice(5, 5, game::Operation::Place, 3);
        bool immutable = false;
        const auto unlock = qScopeGuard([&] {
            if (immutable) // before the temporary folder goes, even when a check fails
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), target});
        });
        if (obstacle == u"under a file") {
            witness = dir.filePath(QStringLiteral("file.txt"));
            QVERIFY(services_test::WriteBytes(witness, "contenu"));
            target = witness + QStringLiteral("/sub/partie.xml");
        } else if (obstacle == u"proc") {
            target = witness = QStringLiteral("/proc/tessarine-partie.xml");
        } else if (obstacle == u"folder") {
            QVERIFY(QDir().mkpath(target));
        } else if (obstacle == u"device") { // a node of its own for /dev/full: the only one harmed
            target = witness = dir.filePath(QStringLiteral("full"));
            if (mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
                QSKIP("no permission to create a device node here");
        } else if (obstacle == u"pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else if (obstacle == u"immutable") {
            immutable = QProcess::execute(QStringLiteral("chattr"), {"+i", target}) == 0;
            if (!immutable)
                QSKIP("chattr +i does not work here; root ignores plain read-only permissions");
        }
        session->SetFileName(target);
        const QByteArray before = StateOf(witness);
        const QString history = HistoryText(session->History());
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        QSignalSpy saved(session.get(), &GameSession::gridSaved);
        QString error;
        {
            std::optional<test_faults::FileSizeLimit> limit;
            if (obstacle == u"disk full")
                limit.emplace(64);
            error = session->SaveGrid();
        }
        QVERIFY2(error.startsWith("Impossible d'enregistrer le fichier " + target) &&
                     error.endsWith(reason),
                 qPrintable(error));
        QCOMPARE(StateOf(witness), before);
        QVERIFY(session->Modified());
        QCOMPARE(HistoryText(session->History()), history);
        QCOMPARE(saved.count(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore); // no temporary file left
    }

    // Output (the error line when refused, exit code 2) in a golden file per row.
    void analyse_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("golden");
        const QString threeHoles = WithHoles({{1, 1}, {4, 5}, {8, 9}});
        const QString saved = dir_.filePath(QStringLiteral("partie.xml"));
        const QString empty = dir_.filePath(QStringLiteral("vide"));
        QVERIFY(services_test::WriteBytes(empty, {}));
        std::vector<std::pair<int, int>> rowAndColumnOne;
        for (int i = 1; i <= 9; ++i)
            rowAndColumnOne.insert(rowAndColumnOne.end(), {{1, i}, {i, 1}});
        QTest::newRow("no tick only reports") << QStringList{threeHoles} << "only_reports";
        QTest::newRow("ticked family solves the grid")
            << QStringList{"--auto", "0", WithHoles(rowAndColumnOne)} << "naked_singles";
        // The next row reads the file this one saves.
        QTest::newRow("saved") << QStringList{"--save", saved, "--auto", "01", threeHoles}
                               << "saved";
        QTest::newRow("saved file analysed again") << QStringList{saved} << "saved_again";
        QTest::newRow("short text") << QStringList{"123"} << "refused_short_text";
        QTest::newRow("missing grid file")
            << QStringList{dir_.filePath(QStringLiteral("absente.xml"))} << "refused_missing";
        QTest::newRow("family 7") << QStringList{"--auto", "7", kSolution} << "refused_family_7";
        QTest::newRow("no input") << QStringList{"--auto", "0"} << "refused_no_input";
        QTest::newRow("endless device") << QStringList{"/dev/zero"} << "refused_endless_device";
        QTest::newRow("empty file, whatever its name") << QStringList{empty} << "refused_empty";
    }

    void analyse() {
        QFETCH(QStringList, args);
        QFETCH(QString, golden);
        QProcess cli;
        cli.start(QStringLiteral(TESSARINE_CLI), QStringList{QStringLiteral("analyse")} + args);
        QVERIFY(cli.waitForFinished(60000));
        QByteArray out = cli.readAllStandardOutput(), err = cli.readAllStandardError();
        const bool refused = golden.startsWith(u"refused");
        QCOMPARE(cli.exitCode(), refused ? 2 : 0);
        QCOMPARE(refused ? out : err, QByteArray());
        QCOMPARE_GOLDEN(refused ? err.replace(dir_.path().toUtf8(), "DIR") : out,
                        "game/cli_" + golden + ".txt");
        if (args.first() == u"--save")
            QCOMPARE_GOLDEN(services_test::ReadBytes(args[1]), "game/cli_saved.xml");
    }
};

QTEST_GUILESS_MAIN(TestGameSession)
#include "test_game_session.moc"
