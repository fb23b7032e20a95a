// The main window: open commands, New, Open, Save, Save As, Duplicate, closing and quitting.

#include "game/widgets/cell_widget.h"
#include "tests/shell/shell_fixture.h"
#include "tests/widgets/modal_answers.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

using services_test::ReadBytes;
using services_test::WriteBytes;
using namespace shell_test;

namespace {

// The window in one line (~: the four code-127 characters), dialogs and errors since the last.
QByteArray State(Shell& shell) {
    QStringList tabs;
    for (int i = 0; i < shell.window->Tabs()->count(); ++i) {
        const game::GameSession& grid = shell.Grid(i);
        tabs << shell.window->Tabs()->tabText(i) + (grid.Modified() ? "*" : "") +
                    (grid.HasFile() ? " = " + grid.FileName() : "") + " (" + grid.CasesLabel() +
                    ")";
    }
    QString line =
        QStringLiteral("%1 | active %2 | %3 | recent %4 | saved in %5 | dialogs: %6 | errors: %7\n")
            .arg(tabs.join(", "), QString::number(shell.window->Tabs()->currentIndex()),
                 shell.window->findChild<QLabel*>("StatusPanel")->text(),
                 shell.services->Recent().Paths().join(", "),
                 shell.services->Store().ReadEntry("RecentDirectories", "RecentSaveFileAsDir", {}),
                 shell.fileDialogs.join(", "), shell.errors.join(" / "));
    shell.fileDialogs.clear();
    shell.errors.clear();
    return line.replace(shell.folder.Path(), "<dir>/")
        .replace(QString(4, QChar(127)), "~")
        .replace("\r\n", "¶")
        .toUtf8();
}

// The grid commands that are enabled, and the two menu entries for the clipboard.
QString OpenCommands(const Shell& shell) {
    QStringList enabled;
    for (const char* command : {"ActionEnregistrer", "ActionEnregSous", "ActionImprime",
                                "ActionDupliquer", "ActionGrilleToJPG", "MenuCopier", "MenuColler"})
        if (shell.window->findChild<QAction*>(command)->isEnabled())
            enabled << command;
    return enabled.join(u' ');
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Grid commands need a grid; hints show in the status line; a No to quitting keeps the window.
    void commandsHintsAndQuit() {
        Shell shell(true);
        const QString all = "ActionEnregistrer ActionEnregSous ActionImprime ActionDupliquer "
                            "ActionGrilleToJPG MenuCopier MenuColler";
        QVERIFY(shell.window->findChild<QToolBar*>("ToolBarMain")->isVisible());
        QVERIFY(shell.window->findChild<QAction*>("Menu_BarreOutils")->isChecked());
        QCOMPARE(OpenCommands(shell), "");
        QVERIFY(shell.window->Action("EditCopier")->isEnabled());
        QStatusTipEvent hover(shell.window->Action("EditCopier")->statusTip());
        QApplication::sendEvent(shell.window.get(), &hover);
        auto* status = shell.window->findChild<QLabel*>("StatusPanel");
        QCOMPARE(status->text(), "  Copier la grille dans le presse-papiers");
        QStatusTipEvent nothing{QString()};
        QApplication::sendEvent(shell.window.get(), &nothing);
        QCOMPARE(status->text(), "  ");
        shell.window->NewGrid();
        QCOMPARE(OpenCommands(shell), all);
        shell.window->NewGrid();
        QVERIFY(shell.window->CloseTab(0));
        QCOMPARE(OpenCommands(shell), all);
        QAction* quit = shell.window->Action("ActionQuitter");
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        ModalAnswers answers;
        answers.Press("Non");
        quit->trigger();
        QVERIFY(shell.window->isVisible());
        QVERIFY(shell.window->CloseTab(0));
        QCOMPARE(OpenCommands(shell), "");
        answers.Press("Oui");
        QVERIFY(shell.window->close());
        QCOMPARE(answers.Shown(), 2);
        QVERIFY(answers.AllAnswered());
    }

    // A generated grid starts in play, unmodified; its copy has its history, mode, clock, no file.
    void generatedGridAndItsCopy() {
        Shell shell;
        shell.newGridAnswer = kGenerated;
        shell.window->NewGrid();
        game::GameSession& generated = shell.Grid(0);
        QCOMPARE(generated.CurrentMode(), game::Mode::Play);
        QVERIFY(generated.History().size() >= 20); // "S", at least 18 givens, "R"
        QCOMPARE(generated.History().back().Operation, game::Operation::PlayMode);
        QVERIFY(!generated.Modified());
        for (int i = 0; i < 95; ++i)
            generated.TickSecond();
        shell.window->Duplicate();
        const game::GameSession& copy = shell.Grid(1);
        QCOMPARE(copy.History(), generated.History());
        QCOMPARE(copy.CurrentMode(), game::Mode::Play);
        QCOMPARE(copy.TimerLabel(), "00:01:35");
        QVERIFY(!copy.HasFile());
        QVERIFY(
            QRegularExpression("^[A-Z]{6}$").match(shell.window->Grid(1)->objectName()).hasMatch());
        ModalAnswers none;
        QVERIFY(shell.window->close());
        QCOMPARE(none.Shown(), 0); // nothing modified, no question
    }

    // New, Save, Save As, Open, Duplicate, copy and paste, step by step (file_commands.txt).
    void fileCommands() {
        Shell shell;
        ModalAnswers answers; // a question nobody expects is cancelled and counted
        QByteArray report;
        const auto step = [&](const char* what) { report += what + (": " + State(shell)); };
        shell.newGridAnswer = kCancel;
        shell.window->NewGrid();
        step("New cancelled");
        shell.newGridAnswer = kBlank;
        shell.window->NewGrid();
        QCOMPARE(shell.Grid(0).CurrentMode(), game::Mode::Input);
        shell.Grid(0).ApplyCellChoice(1, 1, game::Operation::Place, 4);
        shell.chosenFile = shell.FilePath("a.b.xml");
        shell.window->Save();
        step("Save of a new grid");
        shell.Grid(0).ApplyCellChoice(9, 9, game::Operation::Place, 5);
        shell.window->Save();
        step("Save again");
        QVERIFY(ReadBytes(shell.chosenFile).contains("Chiffre = '5'"));
        const QString saved = shell.chosenFile = shell.FilePath("c.xml");
        shell.window->SaveAs();
        step("Save As c.xml");
        shell.chosenFile = shell.FilePath("absent/d.xml");
        shell.window->SaveAs();
        step("Save As into a missing folder");
        QCOMPARE(shell.window->Grid(0)->findChild<QLabel*>("LbStatus")->text(), saved);
        shell.window->NewGrid();
        shell.Grid(1).ApplyCellChoice(5, 5, game::Operation::Place, 1);
        const QByteArray firstGrid = ReadBytes(saved);
        shell.chosenFile = saved;
        shell.window->SaveAs();
        step("Save As onto the file of another tab");
        QCOMPARE(ReadBytes(saved), firstGrid);
        shell.chosenFile = shell.FilePath("autre.xml");
        QVERIFY(WriteBytes(shell.chosenFile, "kept"));
        answers.Queue([&report](QDialog& box) {
            report += qobject_cast<QMessageBox*>(&box)->text().replace("\r\n", "¶").toUtf8() + ' ';
            ModalAnswers::PressButton(box, "Non");
        });
        shell.window->SaveAs();
        step("Save As onto an existing file, answered No");
        QCOMPARE(ReadBytes(shell.chosenFile), QByteArray("kept"));
        shell.window->OpenFile(shell.FilePath("absent.xml"));
        shell.chosenFile = shell.FilePath("cassé.xml");
        QVERIFY(
            WriteBytes(shell.chosenFile, "  <Action  Ligne = 'x' Colonne ='1' Chiffre = '1'\r\n"));
        shell.window->Open();
        step("Open of a missing file, then of a broken one");
        QVERIFY(QFile::copy(saved, shell.chosenFile = shell.FilePath("grille.xml")));
        shell.window->Open();
        step("Open");
        shell.window->Tabs()->setCurrentIndex(0);
        shell.Trigger("EditCopier");
        QVERIFY(QApplication::clipboard()->text().contains("---+---+---"));
        shell.window->Duplicate();
        step("Copy and Duplicate of the first tab");
        shell.window->NewGrid();
        shell.Trigger("EditColler");
        step("New, Paste");
        QVERIFY(answers.AllAnswered());
        QCOMPARE_GOLDEN(report, "shell/file_commands.txt");
    }

    // Closing tab 0 (tab 1 active), or quitting, both grids modified: answers and Save As files.
    void closeAndQuitOutcomes() {
        QByteArray report;
        for (const bool quit : {false, true}) {
            // The answer (none: Escape) > the file chosen (none: Save As cancelled).
            for (const QString& row : QString("Enregistrer>|Enregistrer>absent/premier.xml|"
                                              "Enregistrer>premier.xml|Fermer>premier.xml|"
                                              ">premier.xml")
                                          .split(u'|')) {
                const QString answer = row.section(u'>', 0, 0), saveAs = row.section(u'>', 1);
                Shell shell;
                shell.window->NewGrid();
                shell.window->NewGrid();
                shell.Grid(0).ApplyCellChoice(2, 2, game::Operation::Place, 6);
                shell.Grid(1).ApplyCellChoice(3, 3, game::Operation::Place, 7);
                shell.chosenFile = saveAs.isEmpty() ? QString() : shell.FilePath(saveAs);
                report += (quit ? "quit, " : "close, ") + row.toUtf8() + ": ";
                ModalAnswers answers;
                for (const QString& link : {answer, QString("Fermer")}) // then the second grid's
                    answers.Queue([&report, &shell, link](QDialog& question) {
                        report += "asked on tab " +
                                  QByteArray::number(shell.window->Tabs()->currentIndex()) + ", ";
                        if (link.isEmpty())
                            QTest::keyClick(&question, Qt::Key_Escape);
                        else
                            QVERIFY(ModalAnswers::PressButton(question, link));
                    });
                const bool closed = quit ? shell.window->close() : shell.window->CloseTab(0);
                const QByteArray bytes =
                    saveAs.isEmpty() ? QByteArray() : ReadBytes(shell.chosenFile);
                report +=
                    QByteArray(closed ? "closed" : "kept") +
                    (shell.window->isVisible() ? "" : ", window gone") +
                    (bytes.contains("Ligne = '2' Colonne ='2' Chiffre = '6'") ? ", 6 saved" : "") +
                    (bytes.contains("Chiffre = '7'") ? ", 7 saved" : "") + "\n  " + State(shell);
            }
        }
        QCOMPARE_GOLDEN(report, "shell/close_and_quit.txt");
    }

    // a.xml, b.xml (most recent), a link to a.xml: started with files named, then a.xml and link.
    void namedFilesAndOpenTabs() {
        QByteArray report;
        for (const QStringList& named : {QStringList(),
                                         QStringList{"b.xml"},
                                         QStringList{"a.xml"},
                                         QStringList{"absent.xml"},
                                         {"a.xml", "lien.xml"}}) {
            Shell shell;
            for (const char* name : {"a.xml", "b.xml"}) {
                shell.window->NewGrid();
                shell.chosenFile = shell.FilePath(name);
                shell.window->SaveAs();
            }
            QVERIFY(QFile::link(shell.FilePath("a.xml"), shell.FilePath("lien.xml")));
            QStringList paths;
            for (const QString& name : named)
                paths << shell.FilePath(name);
            State(shell); // forgets the dialogs so far
            shell.Start(paths);
            report += "named " + named.join(", ").toUtf8() + ":\n  " + State(shell);
            shell.window->Tabs()->setCurrentIndex(0);
            shell.chosenFile = shell.FilePath("a.xml");
            shell.window->Open();
            QVERIFY(shell.window->OpenFile(shell.FilePath("lien.xml")));
            report += "  " + State(shell);
        }
        QCOMPARE_GOLDEN(report, "shell/named_files.txt");
    }

    // A start with nothing to open plays a generated grid at once. The keys undo, redo and close
    // on the current grid; Pause, or minimising, stops the clock and hides the board until the
    // command comes again, the panel is clicked or the window is restored (a grid the player
    // paused stays paused).
    void startGridKeysAndPause() {
        Shell shell;
        shell.Start({}, true);
        QCOMPARE(shell.window->Tabs()->count(), 1);
        game::GameSession& grid = shell.Grid(0);
        QCOMPARE(grid.CurrentMode(), game::Mode::Play);
        int cell = 0;
        while (grid.Cell(cell % 9 + 1, cell / 9 + 1).Digit() != 0)
            ++cell;
        grid.ApplyCellChoice(cell % 9 + 1, cell / 9 + 1, game::Operation::Place, 1);
        const game::ActionHistory played = grid.History();
        QMainWindow* window = shell.window.get();
        window->activateWindow(); // shortcuts go to the active window
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (const auto redo : {Qt::Key_Y, Qt::Key_Z}) {
            QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(grid.History().size(), played.size() - 2); // the switch to play goes too
            QTest::keyClick(window, redo,
                            Qt::ControlModifier |
                                (redo == Qt::Key_Z ? Qt::ShiftModifier : Qt::NoModifier));
            QCOMPARE(grid.History(), played);
        }
        QVERIFY(shell.window->Action("ActionQuitter")
                    ->shortcuts()
                    .contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
        game::GridFrame* frame = shell.window->Grid(0);
        auto* panel = frame->findChild<QPushButton*>("PausePanel");
        const auto paused = [&](bool expected) {
            const QString clock = grid.TimerLabel();
            grid.TickSecond();
            QCOMPARE(grid.TimerLabel() == clock, expected);
            QCOMPARE(frame->Case(5, 5)->isHidden(), expected);
            QCOMPARE(panel->isHidden(), !expected);
        };
        QTest::keyClick(window, Qt::Key_F3);
        paused(true);
        QCOMPARE(panel->text(), "Pause — appuyez sur F3 pour reprendre");
        QTest::mouseClick(panel, Qt::LeftButton);
        paused(false);
        window->showMinimized();
        paused(true);
        window->showNormal();
        paused(false);
        QTest::keyClick(window, Qt::Key_F3);
        window->showMinimized();
        window->showNormal();
        paused(true);
        QTest::keyClick(window, Qt::Key_F3);
        paused(false);
        grid.SetModified(false);
        QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(shell.window->Tabs()->count(), 0);
        QVERIFY(!shell.window->Action("ActionRefaire")->isEnabled());
    }

    // Two grids with unsaved moves (the second once saved as partie.xml) have copies in this
    // instance's autosave folder; they are copied to a folder "other" locked as by an instance
    // that crashed, or one still running; a Save writes a copy's bytes and drops the copy; the
    // window closes normally, removing its folder, and starts again.
    void autosaves_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        const QString asked = "Tessarine s'est fermé sans enregistrer 2 grille(s) :¶  (jamais "
                              "enregistrée)¶  <dir>/partie.xml¶¶Les rouvrir ? Non les efface.";
        QTest::newRow("crashed, reopened")
            << false << "Oui" << asked + " | SansNom 5*, partie* | this: grid-2.xml grid-3.xml";
        QTest::newRow("crashed, deleted") << false << "Non" << asked + " |  | this: ";
        QTest::newRow("running") << true << ""
                                 << " |  | this: , other: grid-2.xml grid-3.name grid-3.xml";
    }

    void autosaves() {
        QFETCH(bool, running);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        Shell shell;
        const QString root = shell.FilePath("autosave/");
        const auto grids = [](const QString& folder) {
            return QDir(folder).entryList({"grid-*"}, QDir::Files);
        };
        const QString own = root + QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)[0] + '/';
        shell.window->NewGrid();
        shell.window->NewGrid();
        shell.chosenFile = shell.FilePath("partie.xml");
        shell.window->SaveAs();
        game::GameSession& unsaved = shell.Grid(0);
        for (int move = 1; move <= 6; ++move) // written at the first move, then every five
            unsaved.ApplyCellChoice(move, move, game::Operation::Place, move);
        shell.Grid(1).ApplyCellChoice(5, 5, game::Operation::Place, 1);
        const QByteArrayList copies{ReadBytes(own + "grid-2.xml"), ReadBytes(own + "grid-3.xml")};
        QCOMPARE(copies, (QByteArrayList{unsaved.FileBytes(), shell.Grid(1).FileBytes()}));
        const QString state = State(shell); // both still modified, no marker, no recent file
        QCOMPARE(state.section(" | ", 0, 0),
                 "SansNom 2~* (6/81 cases), partie~* = <dir>/partie.xml (1/81 cases)");
        QCOMPARE(state.section(" | ", 3, 3), "recent <dir>/partie.xml");
        QCOMPARE(unsaved.History().size(), 7);

        QDir().mkpath(root + "other");
        for (const QString& file : grids(own))
            QVERIFY(QFile::copy(own + file, root + "other/" + file));
        QLockFile lock(root + "other/instance.lock");
        QVERIFY(running ? lock.tryLock(0)
                        : WriteBytes(root + "other/instance.lock",
                                     ReadBytes(own + "instance.lock")
                                         .replace(QByteArray::number(qApp->applicationPid()),
                                                  "999999999")));
        shell.window->Tabs()->setCurrentIndex(0);
        shell.chosenFile = shell.FilePath("a.xml");
        shell.window->SaveAs();
        QCOMPARE(ReadBytes(shell.chosenFile), copies[0]);
        QCOMPARE(grids(own), (QStringList{"grid-3.name", "grid-3.xml"}));

        ModalAnswers answers;
        QString report;
        answers.Queue([&report, answer](QDialog& box) {
            report = qobject_cast<QMessageBox*>(&box)->text();
            ModalAnswers::PressButton(box, answer);
        });
        shell.services->Store().Values().ReopenLastFile = false;
        shell.Start();
        QCoreApplication::processEvents(); // the question comes once the window is shown
        QVERIFY(!QFileInfo::exists(own));
        QStringList tabs, folders;
        for (int i = 0; i < shell.window->Tabs()->count(); ++i) {
            tabs << shell.window->Tabs()->tabText(i).remove(QChar(127)) +
                        (shell.Grid(i).Modified() ? "*" : "") + shell.Grid(i).FileName();
            QCOMPARE(shell.Grid(i).FileBytes(), copies[i]);
        }
        for (const QString& folder : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            folders << (folder == "other" ? folder : "this") + ": " +
                           grids(root + folder).join(' ');
        report += " | " + tabs.join(", ") + " | " + folders.join(", ");
        QCOMPARE(report.replace(shell.folder.Path(), "<dir>/").replace("\n", "¶"), expected);
    }

    // The window grows; its size, then its maximised state, come back at the next start. A window
    // the platform frames only once shown gets the same outer size.
    void sizeAndStateRemembered() {
        Shell shell;
        shell.window->resize(1000, 750);
        const QString outerWidth = QString::number(shell.window->frameGeometry().width());
        QVERIFY(shell.window->close());
        QCOMPARE(shell.services->Store().ReadEntry(services::kWindowPositions, "FormMainWidth", {}),
                 outerWidth);
        shell.Start();
        QCOMPARE(shell.window->size(), QSize(1000, 750));
        QWidget framedOnceShown; // placed before the platform knows its border
        framedOnceShown.setObjectName("FormMain");
        shell.services->Placement().Restore(&framedOnceShown, true);
        framedOnceShown.show();
        QCoreApplication::processEvents();
        QCOMPARE(QString::number(framedOnceShown.frameGeometry().width()), outerWidth);
        shell.window->showMaximized();
        QVERIFY(shell.window->close());
        shell.Start();
        QVERIFY(shell.window->isMaximized());
    }

    // F1 opens the help page installed in the interface's language, in the program's own window;
    // without the page, a message says why.
    void helpPage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("French") << "fr" << true
                                << "Aide de Tessarine: help_fr.html: Aide de Tessarine";
        QTest::newRow("English") << "en" << true << "Tessarine help: help_en.html: Tessarine help";
        QTest::newRow("missing") << "en" << false
                                 << "The help file <dir>/help_en.html cannot be found: the help "
                                    "was not installed with the program.";
    }
    void helpPage() {
        QFETCH(QString, language);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        Shell shell;
        shell.services->Store().Values().Language = language;
        shell.services->Translation().SetProgramFolder(TESSARINE_PROGRAM_DIR);
        shell.services->Translation().LoadMessages();
        if (!installed)
            shell.services->Translation().SetProgramFolder(shell.folder.Path());
        shell.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shell.window.get()));
        QTest::keyClick(shell.window.get(), Qt::Key_F1);
        const auto* help = shell.window->findChild<QDialog*>("FrmAide");
        const auto* page = shell.window->findChild<QTextBrowser*>("BrowserAide");
        const QString seen = help != nullptr && help->isVisible()
                                 ? help->windowTitle() + ": " + page->source().fileName() + ": " +
                                       page->toPlainText().section(u'\n', 0, 0)
                                 : shell.errors.join(" / ");
        QCOMPARE(QString(seen).replace(shell.folder.Path(), "<dir>/"), expected);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
