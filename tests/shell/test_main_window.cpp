// The main window as a player meets it: which commands are open when, what New, Open, Save,
// Save As, Duplicate and closing do to the tabs and the files, and the quit sequence.

#include "tests/shell/shell_fixture.h"
#include "tests/widgets/modal_answers.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QtTest>

using services_test::ReadBytes;
using services_test::WriteBytes;
using namespace shell_test;

namespace {

const char* const kGridCommands[] = {"ActionEnregistrer", "ActionEnregSous", "ActionImprime",
                                     "ActionDupliquer", "ActionGrilleToJPG"};

QStringList Captions(const Shell& shell) {
    QStringList captions;
    for (int i = 0; i < shell.Tabs(); ++i)
        captions << shell.Caption(i);
    return captions;
}

// Tab captions end with four characters of code 127.
QStringList Padded(QStringList names) {
    for (QString& name : names)
        name += QString(4, QChar(127));
    return names;
}

// The grid commands that are enabled.
QStringList GridCommandsEnabled(const Shell& shell) {
    QStringList enabled;
    for (const char* command : kGridCommands)
        if (shell.Enabled(command))
            enabled << QLatin1String(command);
    return enabled;
}

QAction* Child(const Shell& shell, const char* name) {
    return shell.window->findChild<QAction*>(QLatin1String(name));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void commandsNeedAGrid() {
        Shell shell;
        const QStringList all(std::begin(kGridCommands), std::end(kGridCommands));
        QCOMPARE(shell.Tabs(), 0);
        QCOMPARE(shell.services->Recent().Count(), 0);
        QVERIFY(shell.window->findChild<QToolBar*>(QStringLiteral("ToolBarMain"))->isVisible());
        QVERIFY(Child(shell, "Menu_BarreOutils")->isChecked());
        QCOMPARE(GridCommandsEnabled(shell), QStringList());
        QVERIFY(!Child(shell, "MenuCopier")->isEnabled());
        QVERIFY(!Child(shell, "MenuColler")->isEnabled());
        QVERIFY(shell.Enabled("EditCopier")); // its shortcut keeps working
        shell.window->NewGrid();
        QCOMPARE(GridCommandsEnabled(shell), all);
        shell.window->NewGrid();
        QVERIFY(shell.window->CloseTab(0));
        QCOMPARE(shell.Tabs(), 1);
        QCOMPARE(GridCommandsEnabled(shell), all);
        QVERIFY(shell.window->CloseTab(0));
        QCOMPARE(GridCommandsEnabled(shell), QStringList());
        QVERIFY(!Child(shell, "MenuColler")->isEnabled());
    }

    // A cancelled New opens no tab and takes no number; a generated grid starts in play,
    // unmodified; New, Open and Duplicate number and name the tabs.
    void newOpenAndDuplicateNameTheTabs() {
        Shell shell;
        shell.newGridAnswer = kCancel;
        shell.window->NewGrid();
        QCOMPARE(shell.Tabs(), 0);
        shell.newGridAnswer = kBlank;
        shell.window->NewGrid();
        QCOMPARE(shell.Grid(0).CurrentMode(), game::Mode::Input);
        shell.newGridAnswer = kGenerated;
        shell.window->NewGrid();
        const game::GameSession& generated = shell.Grid(1);
        QCOMPARE(shell.window->Tabs()->currentIndex(), 1);
        QCOMPARE(generated.CurrentMode(), game::Mode::Play);
        QVERIFY(generated.CasesLabel().endsWith("/81 cases"));
        QVERIFY(generated.History().size() >= 20); // "S", at least 18 givens, "R"
        QCOMPARE(generated.History().back().Operation, game::Operation::PlayMode);
        QVERIFY(!generated.Modified());
        shell.Grid(0).SetFileName(shell.FilePath("modele.xml"));
        shell.Grid(0).SetHasFile(true);
        QCOMPARE(shell.Grid(0).SaveGrid(), QString());
        QVERIFY(QFile::copy(shell.Grid(0).FileName(), shell.FilePath("grille.xml")));
        shell.chosenFile = shell.FilePath("grille.xml");
        shell.window->Open();
        shell.window->Tabs()->setCurrentIndex(0);
        shell.window->Duplicate();
        QCOMPARE(Captions(shell), Padded({"SansNom 1", "SansNom 2", "grille", "SansNom 3"}));
        QCOMPARE(shell.services->Store().Values().RecentOpenFileDir, shell.folder.Path());
        // Tab and grid share a name of six capital letters.
        const QString name = shell.window->Tabs()->widget(1)->objectName();
        QVERIFY(QRegularExpression("^[A-Z]{6}$").match(name).hasMatch());
        QCOMPARE(shell.window->Grid(1)->objectName(), name);
    }

    void saveAsksForANameOnlyOnce() {
        Shell shell;
        shell.window->NewGrid();
        shell.Grid(0).ApplyCellChoice(1, 1, game::Operation::Place, 4);
        shell.chosenFile = shell.FilePath(QStringLiteral("a.b.xml"));
        shell.window->Save();
        QCOMPARE(shell.dialogTitles, QStringList{QStringLiteral("Enregistrer sous...")});
        QCOMPARE(shell.dialogFolders, QStringList{shell.folder.Path()});
        QVERIFY(QFileInfo::exists(shell.chosenFile));
        QCOMPARE(Captions(shell), Padded(QStringList{"a.b"}));
        QVERIFY(!shell.Grid(0).Modified());
        QCOMPARE(shell.services->Store().ReadEntry(QStringLiteral("RecentDirectories"),
                                                   QStringLiteral("RecentSaveFileAsDir"),
                                                   QString()),
                 shell.folder.Path());
        QCOMPARE(shell.services->Recent().At(0), shell.chosenFile);

        shell.Grid(0).ApplyCellChoice(1, 2, game::Operation::Place, 5);
        shell.window->Save();
        QCOMPARE(shell.dialogTitles.size(), 1); // written at once, no dialog
        QVERIFY(ReadBytes(shell.chosenFile).contains("Chiffre = '5'"));
        QCOMPARE(shell.window->findChild<QLabel*>(QStringLiteral("StatusPanel"))->text(),
                 "  Le fichier " + shell.chosenFile + " a été enregistré avec succès.");

        // Save As of the unmodified grid: the frame's status line follows the new name; a Save As
        // that cannot write leaves the grid on the name it had.
        auto* frameStatus = shell.window->Grid(0)->findChild<QLabel*>(QStringLiteral("LbStatus"));
        shell.chosenFile = shell.FilePath(QStringLiteral("c.xml"));
        shell.window->SaveAs();
        QCOMPARE(frameStatus->text(), shell.chosenFile);
        shell.chosenFile = shell.FilePath(QStringLiteral("absent/d.xml"));
        shell.window->SaveAs();
        QCOMPARE(shell.errors.size(), 1);
        QCOMPARE(shell.Grid(0).FileName(), shell.FilePath(QStringLiteral("c.xml")));
        QCOMPARE(frameStatus->text(), shell.Grid(0).FileName());
        QCOMPARE(Captions(shell), Padded(QStringList{"c"}));

        // Another tab may not take the file of the first: each would overwrite the other's saves.
        shell.window->NewGrid();
        shell.Grid(1).ApplyCellChoice(9, 9, game::Operation::Place, 1);
        const QByteArray firstGrid = ReadBytes(shell.FilePath(QStringLiteral("c.xml")));
        shell.chosenFile = shell.FilePath(QStringLiteral("c.xml"));
        shell.window->SaveAs();
        QCOMPARE(shell.errors.size(), 2);
        QVERIFY(shell.errors.last().contains(QStringLiteral("déjà ouvert dans un autre onglet")));
        QCOMPARE(ReadBytes(shell.chosenFile), firstGrid);
        QVERIFY(!shell.Grid(1).HasFile());
        QVERIFY(shell.Grid(1).Modified());
    }

    void saveAsOntoExistingFileAnsweredNo() {
        Shell shell;
        shell.window->NewGrid();
        const QString existing = shell.FilePath(QStringLiteral("autre.xml"));
        QVERIFY(WriteBytes(existing, "kept"));
        shell.chosenFile = existing;
        QString question;
        ModalAnswers answers;
        answers.Queue([&question](QDialog& box) {
            question = qobject_cast<QMessageBox*>(&box)->text();
            QVERIFY(ModalAnswers::PressButton(box, QStringLiteral("Non")));
        });
        shell.window->SaveAs();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(question, "Le fichier [autre.xml] existe déjà.\r\nVoulez-vous l'écraser ?");
        QCOMPARE(ReadBytes(existing), QByteArray("kept"));
        QCOMPARE(Captions(shell), Padded(QStringList{"SansNom 1"}));
        QVERIFY(shell.Grid(0).FileName().isEmpty());
        QVERIFY(!shell.Grid(0).HasFile());
    }

    void openFailuresLeaveNoTab() {
        Shell shell;
        const QString openFolder = shell.services->Store().Values().RecentOpenFileDir;
        const QString missing = shell.FilePath(QStringLiteral("absent.xml"));
        QVERIFY(!shell.window->OpenFile(missing));
        QCOMPARE(shell.errors.last(), "Fichier non trouvé :\r\n" + missing);
        const QString malformed = shell.FilePath(QStringLiteral("cassé.xml"));
        QVERIFY(WriteBytes(malformed, "  <Action  Ligne = 'x' Colonne ='1' Chiffre = '1'\r\n"));
        shell.chosenFile = malformed;
        shell.window->Open();
        QCOMPARE(shell.Tabs(), 0);
        QCOMPARE(shell.errors.size(), 2);
        QCOMPARE(shell.services->Store().Values().RecentOpenFileDir, openFolder);
        QCOMPARE(shell.services->Recent().Count(), 0);
        QVERIFY(!shell.Enabled("ActionEnregistrer"));
    }

    void duplicateCopiesHistoryModeAndClock() {
        Shell shell;
        shell.newGridAnswer = kGenerated;
        shell.window->NewGrid();
        game::GameSession& source = shell.Grid(0);
        for (int i = 0; i < 95; ++i)
            source.TickSecond();
        source.ApplyCellChoice(1, 1, game::Operation::RemoveCandidate, 1);
        shell.window->Duplicate();
        shell.window->Duplicate();
        QCOMPARE(shell.window->Tabs()->currentIndex(), 0);
        for (int copy : {1, 2}) {
            const game::GameSession& grid = shell.Grid(copy);
            QCOMPARE(grid.History(), source.History());
            QCOMPARE(grid.CurrentMode(), game::Mode::Play);
            QCOMPARE(grid.ElapsedSeconds(), 95);
            QCOMPARE(grid.TimerLabel(), "00:01:35");
            QVERIFY(!grid.Modified());
            QVERIFY(!grid.HasFile());
            for (int k = 0; k < 81; ++k)
                QCOMPARE(grid.Cells()[k].Candidates(), source.Cells()[k].Candidates());
        }
    }

    // Closing tab 0 (tab 1 being the active one), or quitting, with both grids modified; the
    // first grid's close question gets the answer, and Save As the file chosen.
    void closeAndQuitOutcomes_data() {
        QTest::addColumn<bool>("quit");
        QTest::addColumn<QString>("answer"); // a command link, empty: Escape
        QTest::addColumn<QString>("saveAs"); // empty: Save As cancelled
        QTest::addColumn<bool>("released");  // the first grid may go
        for (const bool quit : {false, true}) {
            const char* how = quit ? "quit" : "tab";
            QTest::addRow("%s, Enregistrer, Save As cancelled", how) << quit << "Enregistrer"
                                                                     << "" << false;
            QTest::addRow("%s, Enregistrer, folder gone", how) << quit << "Enregistrer"
                                                               << "absent/premier.xml" << false;
            QTest::addRow("%s, Enregistrer, saved", how) << quit << "Enregistrer"
                                                         << "premier.xml" << true;
            QTest::addRow("%s, Fermer", how) << quit << "Fermer"
                                             << "premier.xml" << true;
            QTest::addRow("%s, dismissed", how) << quit << ""
                                                << "premier.xml" << false;
        }
    }

    void closeAndQuitOutcomes() {
        QFETCH(bool, quit);
        QFETCH(QString, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, released);
        Shell shell;
        shell.window->NewGrid();
        shell.window->NewGrid();
        shell.Grid(0).ApplyCellChoice(2, 2, game::Operation::Place, 6);
        shell.Grid(1).ApplyCellChoice(3, 3, game::Operation::Place, 7);
        shell.chosenFile = saveAs.isEmpty() ? QString() : shell.FilePath(saveAs);
        QList<int> askedTabs; // the current tab while each question is shown
        ModalAnswers answers;
        const auto queue = [&](const QString& link) {
            answers.Queue([&askedTabs, &shell, link](QDialog& question) {
                askedTabs << shell.window->Tabs()->currentIndex();
                if (link.isEmpty())
                    QTest::keyClick(&question, Qt::Key_Escape);
                else
                    QVERIFY(ModalAnswers::PressButton(question, link));
            });
        };
        queue(answer);
        if (quit && released)
            queue(QStringLiteral("Fermer")); // the second grid is asked about only then
        const bool closed = quit ? shell.window->close() : shell.window->CloseTab(0);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(closed, released);
        QCOMPARE(shell.window->isVisible(), !(quit && released));
        QCOMPARE(shell.Tabs(), quit || !released ? 2 : 1);
        const QList<int> asked = !quit      ? QList<int>{1}
                                 : released ? QList<int>{0, 1}
                                            : QList<int>{0};
        QCOMPARE(askedTabs, asked);
        const bool saved = released && answer == QLatin1String("Enregistrer");
        QCOMPARE(QFileInfo::exists(shell.chosenFile), saved);
        QCOMPARE(shell.errors.size(), int(saveAs.startsWith(QLatin1String("absent")) &&
                                          answer == QLatin1String("Enregistrer")));
        if (saved) {
            const QByteArray bytes = ReadBytes(shell.chosenFile);
            QVERIFY(bytes.contains("Ligne = '2' Colonne ='2' Chiffre = '6'"));
            QVERIFY(!bytes.contains("Chiffre = '7'"));
        }
        if (!released) {
            QVERIFY(shell.Grid(0).Modified());
            QVERIFY(!shell.Grid(0).HasFile()); // a failed Save As names no file
        }
    }

    void quitSequence() {
        {
            Shell shell(false);
            ModalAnswers none;
            shell.window->NewGrid();
            QVERIFY(shell.window->close());
            QCOMPARE(none.Shown(), 0); // nothing modified, no question
        }
        Shell shell(true);
        shell.window->NewGrid();
        QAction* quit = shell.window->Action(QStringLiteral("ActionQuitter"));
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        ModalAnswers answers;
        answers.Press(QStringLiteral("Non"));
        quit->trigger();
        QVERIFY(shell.window->isVisible());
        answers.Press(QStringLiteral("Oui"));
        QVERIFY(shell.window->close());
        QCOMPARE(answers.Shown(), 2);
        QVERIFY(answers.AllAnswered());
    }

    // Grid files a.xml and b.xml (the most recent), and a link to a.xml; the program starts with
    // files named on its command line, then a.xml is opened and the link is opened.
    void namedFilesAndOpenTabs_data() {
        QTest::addColumn<QStringList>("commandLine");
        QTest::addColumn<QStringList>("tabs"); // once started
        QTest::newRow("nothing named: the most recent reopens")
            << QStringList() << QStringList{"b"};
        QTest::newRow("the most recent named") << QStringList{"b.xml"} << QStringList{"b"};
        QTest::newRow("another file named") << QStringList{"a.xml"} << QStringList{"a"};
        QTest::newRow("a missing file named") << QStringList{"absent.xml"} << QStringList();
        QTest::newRow("one file under two names")
            << QStringList{"a.xml", "lien.xml"} << QStringList{"a"};
    }

    void namedFilesAndOpenTabs() {
        QFETCH(QStringList, commandLine);
        QFETCH(QStringList, tabs);
        Shell shell;
        for (const char* name : {"a.xml", "b.xml"}) {
            shell.window->NewGrid();
            shell.chosenFile = shell.FilePath(QLatin1String(name));
            shell.window->SaveAs();
        }
        const QString a = shell.FilePath(QStringLiteral("a.xml"));
        QVERIFY(QFile::link(a, shell.FilePath(QStringLiteral("lien.xml"))));
        for (QString& path : commandLine)
            path = shell.FilePath(path);
        shell.Start(commandLine);
        QCOMPARE(Captions(shell), Padded(tabs));
        // Opening a file that is open shows its tab.
        if (!tabs.contains(QStringLiteral("a")))
            tabs << QStringLiteral("a");
        shell.window->Tabs()->setCurrentIndex(0);
        shell.chosenFile = a;
        shell.window->Open();
        QVERIFY(shell.window->OpenFile(shell.FilePath(QStringLiteral("lien.xml"))));
        QCOMPARE(Captions(shell), Padded(tabs));
        QCOMPARE(shell.window->ActiveGrid()->Session().FileName(), a);
    }

    void copyThenPaste() {
        Shell shell;
        shell.window->NewGrid();
        shell.Grid(0).ApplyCellChoice(1, 1, game::Operation::Place, 5);
        shell.Grid(0).ApplyCellChoice(9, 9, game::Operation::Place, 3);
        shell.Trigger("EditCopier");
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("---+---+---")));
        shell.window->NewGrid();
        shell.Trigger("EditColler");
        QCOMPARE(shell.Grid(1).Cell(1, 1).Digit(), 5);
        QCOMPARE(shell.Grid(1).Cell(9, 9).Digit(), 3);
        QCOMPARE(shell.Grid(1).CasesLabel(), "2/81 cases");
    }

    void hintsShowTheirLongPart() {
        Shell shell;
        QStatusTipEvent hover(shell.window->Action(QStringLiteral("EditCopier"))->statusTip());
        QApplication::sendEvent(shell.window.get(), &hover);
        auto* status = shell.window->findChild<QLabel*>(QStringLiteral("StatusPanel"));
        QCOMPARE(status->text(), "  Copier la grille dans le presse-papiers");
        QStatusTipEvent nothing{QString()};
        QApplication::sendEvent(shell.window.get(), &nothing);
        QCOMPARE(status->text(), "  ");
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
