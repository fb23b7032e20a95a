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

// The tab captions joined by |, each without the four characters of code 127 that must end it.
QString Captions(const Shell& shell) {
    QStringList captions;
    for (int i = 0; i < shell.Tabs(); ++i)
        captions << (shell.Caption(i).endsWith(QString(4, QChar(127))) ? shell.Caption(i).chopped(4)
                                                                       : "unpadded");
    return captions.join(u'|');
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
    void commandsNeedAGrid() {
        Shell shell;
        const QString all = "ActionEnregistrer ActionEnregSous ActionImprime ActionDupliquer "
                            "ActionGrilleToJPG MenuCopier MenuColler";
        QVERIFY(shell.window->findChild<QToolBar*>("ToolBarMain")->isVisible());
        QVERIFY(shell.window->findChild<QAction*>("Menu_BarreOutils")->isChecked());
        QCOMPARE(OpenCommands(shell), "");
        QVERIFY(shell.Enabled("EditCopier")); // its shortcut keeps working
        shell.window->NewGrid();
        QCOMPARE(OpenCommands(shell), all);
        shell.window->NewGrid();
        QVERIFY(shell.window->CloseTab(0));
        QCOMPARE(OpenCommands(shell), all);
        QVERIFY(shell.window->CloseTab(0));
        QCOMPARE(OpenCommands(shell), "");
    }

    // A cancelled New opens no tab and takes no number; a generated grid starts in play,
    // unmodified; New, Open and Duplicate number and name the tabs; a copy has the history, mode
    // and clock of its grid, no file, and opens behind the active tab.
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
        game::GameSession& generated = shell.Grid(1);
        QCOMPARE(shell.window->Tabs()->currentIndex(), 1);
        QVERIFY(generated.CasesLabel().endsWith("/81 cases"));
        QVERIFY(generated.History().size() >= 20); // "S", at least 18 givens, "R"
        QCOMPARE(generated.History().back().Operation, game::Operation::PlayMode);
        QVERIFY(!generated.Modified());
        for (int i = 0; i < 95; ++i)
            generated.TickSecond();
        generated.ApplyCellChoice(1, 1, game::Operation::RemoveCandidate, 1);
        shell.Grid(0).SetFileName(shell.FilePath("modele.xml"));
        QCOMPARE(shell.Grid(0).SaveGrid(), QString());
        QVERIFY(QFile::copy(shell.Grid(0).FileName(), shell.FilePath("grille.xml")));
        shell.chosenFile = shell.FilePath("grille.xml");
        shell.window->Open();
        QCOMPARE(shell.services->Store().Values().RecentOpenFileDir, shell.folder.Path());
        shell.window->Tabs()->setCurrentIndex(1);
        shell.window->Duplicate();
        QCOMPARE(shell.window->Tabs()->currentIndex(), 1);
        QCOMPARE(Captions(shell), "SansNom 1|SansNom 2|grille|SansNom 3");
        const game::GameSession& copy = shell.Grid(3);
        QCOMPARE(copy.History(), generated.History());
        QCOMPARE(copy.CurrentMode(), game::Mode::Play);
        QCOMPARE(copy.TimerLabel(), "00:01:35");
        QVERIFY(!copy.Modified() && !copy.HasFile());
        // Tab and grid share a name of six capital letters.
        const QString name = shell.window->Tabs()->widget(1)->objectName();
        QVERIFY(QRegularExpression("^[A-Z]{6}$").match(name).hasMatch());
        QCOMPARE(shell.window->Grid(1)->objectName(), name);
    }

    void saveAsksForANameOnlyOnce() {
        Shell shell;
        shell.window->NewGrid();
        shell.Grid(0).ApplyCellChoice(1, 1, game::Operation::Place, 4);
        shell.chosenFile = shell.FilePath("a.b.xml");
        shell.window->Save();
        QCOMPARE(shell.dialogTitles, QStringList{"Enregistrer sous..."});
        QCOMPARE(shell.dialogFolders, QStringList{shell.folder.Path()});
        QCOMPARE(Captions(shell), "a.b");
        QVERIFY(!shell.Grid(0).Modified());
        QCOMPARE(shell.services->Store().ReadEntry("RecentDirectories", "RecentSaveFileAsDir", {}),
                 shell.folder.Path());
        QCOMPARE(shell.services->Recent().At(0), shell.chosenFile);
        shell.Grid(0).ApplyCellChoice(1, 2, game::Operation::Place, 5);
        shell.window->Save();
        QCOMPARE(shell.dialogTitles.size(), 1); // written at once, no dialog
        QVERIFY(ReadBytes(shell.chosenFile).contains("Chiffre = '5'"));
        QCOMPARE(shell.window->findChild<QLabel*>("StatusPanel")->text(),
                 "  Le fichier " + shell.chosenFile + " a été enregistré avec succès.");

        // Save As of the unmodified grid: the frame's status line follows the new name; a Save As
        // that cannot write leaves the grid on the name it had.
        auto* frameStatus = shell.window->Grid(0)->findChild<QLabel*>("LbStatus");
        const QString saved = shell.chosenFile = shell.FilePath("c.xml");
        shell.window->SaveAs();
        QCOMPARE(frameStatus->text(), saved);
        shell.chosenFile = shell.FilePath("absent/d.xml");
        shell.window->SaveAs();
        QCOMPARE(shell.errors.size(), 1);
        QCOMPARE(shell.Grid(0).FileName(), saved);
        QCOMPARE(frameStatus->text(), saved);
        QCOMPARE(Captions(shell), "c");

        // Another tab may not take the file of the first: each would overwrite the other's saves.
        shell.window->NewGrid();
        shell.Grid(1).ApplyCellChoice(9, 9, game::Operation::Place, 1);
        const QByteArray firstGrid = ReadBytes(saved);
        shell.chosenFile = saved;
        shell.window->SaveAs();
        QVERIFY(shell.errors.value(1).contains("déjà ouvert dans un autre onglet"));
        QCOMPARE(ReadBytes(saved), firstGrid);
        QVERIFY(!shell.Grid(1).HasFile() && shell.Grid(1).Modified());
    }

    void saveAsOntoExistingFileAnsweredNo() {
        Shell shell;
        shell.window->NewGrid();
        shell.chosenFile = shell.FilePath("autre.xml");
        QVERIFY(WriteBytes(shell.chosenFile, "kept"));
        QString question;
        ModalAnswers answers;
        answers.Queue([&question](QDialog& box) {
            question = qobject_cast<QMessageBox*>(&box)->text();
            QVERIFY(ModalAnswers::PressButton(box, "Non"));
        });
        shell.window->SaveAs();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(question, "Le fichier [autre.xml] existe déjà.\r\nVoulez-vous l'écraser ?");
        QCOMPARE(ReadBytes(shell.chosenFile), QByteArray("kept"));
        QCOMPARE(Captions(shell), "SansNom 1");
        QVERIFY(shell.Grid(0).FileName().isEmpty() && !shell.Grid(0).HasFile());
    }

    void openFailuresLeaveNoTab() {
        Shell shell;
        const QString openFolder = shell.services->Store().Values().RecentOpenFileDir;
        const QString missing = shell.FilePath("absent.xml");
        QVERIFY(!shell.window->OpenFile(missing));
        QCOMPARE(shell.errors.last(), "Fichier non trouvé :\r\n" + missing);
        shell.chosenFile = shell.FilePath("cassé.xml");
        QVERIFY(
            WriteBytes(shell.chosenFile, "  <Action  Ligne = 'x' Colonne ='1' Chiffre = '1'\r\n"));
        shell.window->Open();
        QCOMPARE(shell.Tabs(), 0);
        QCOMPARE(shell.errors.size(), 2);
        QCOMPARE(shell.services->Store().Values().RecentOpenFileDir, openFolder);
        QCOMPARE(shell.services->Recent().Count(), 0);
    }

    // Closing tab 0 (tab 1 being the active one), or quitting, with both grids modified; the
    // first grid's close question gets the answer (a command link; empty: Escape), and Save As
    // the file chosen (empty: cancelled). Released: the first grid may go.
    void closeAndQuitOutcomes_data() {
        QTest::addColumn<bool>("quit");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("released");
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
        for (const QString& link : {answer, QString("Fermer")}) {
            answers.Queue([&askedTabs, &shell, link](QDialog& question) {
                askedTabs << shell.window->Tabs()->currentIndex();
                if (link.isEmpty())
                    QTest::keyClick(&question, Qt::Key_Escape);
                else
                    QVERIFY(ModalAnswers::PressButton(question, link));
            });
            if (!quit || !released)
                break; // the second grid is asked about only when quitting past the first
        }
        QCOMPARE(quit ? shell.window->close() : shell.window->CloseTab(0), released);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(shell.window->isVisible(), !(quit && released));
        QCOMPARE(shell.Tabs(), quit || !released ? 2 : 1);
        QCOMPARE(askedTabs, (!quit ? QList<int>{1} : released ? QList<int>{0, 1} : QList<int>{0}));
        const bool saved = released && answer == "Enregistrer";
        QCOMPARE(QFileInfo::exists(shell.chosenFile), saved);
        QCOMPARE(shell.errors.size(), int(saveAs.startsWith("absent") && answer == "Enregistrer"));
        if (saved) {
            const QByteArray bytes = ReadBytes(shell.chosenFile);
            QVERIFY(bytes.contains("Ligne = '2' Colonne ='2' Chiffre = '6'"));
            QVERIFY(!bytes.contains("Chiffre = '7'"));
        }
        if (!released)
            QVERIFY(shell.Grid(0).Modified() && !shell.Grid(0).HasFile());
    }

    // Nothing modified: no question; with the quit confirmation: a No keeps the window.
    void quitSequence() {
        {
            Shell shell(false);
            ModalAnswers none;
            shell.window->NewGrid();
            QVERIFY(shell.window->close());
            QCOMPARE(none.Shown(), 0);
        }
        Shell shell(true);
        shell.window->NewGrid();
        QAction* quit = shell.window->Action("ActionQuitter");
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        ModalAnswers answers;
        answers.Press("Non");
        quit->trigger();
        QVERIFY(shell.window->isVisible());
        answers.Press("Oui");
        QVERIFY(shell.window->close());
        QCOMPARE(answers.Shown(), 2);
        QVERIFY(answers.AllAnswered());
    }

    // Grid files a.xml and b.xml (the most recent), and a link to a.xml; the program starts with
    // the files named on its command line (|), then a.xml is opened and the link is opened.
    void namedFilesAndOpenTabs_data() {
        services_test::AddRowsFrom("shell/named_files.tsv", {"commandLine", "tabs"});
    }
    void namedFilesAndOpenTabs() {
        QFETCH(QString, commandLine);
        QFETCH(QString, tabs);
        Shell shell;
        for (const char* name : {"a.xml", "b.xml"}) {
            shell.window->NewGrid();
            shell.chosenFile = shell.FilePath(name);
            shell.window->SaveAs();
        }
        QVERIFY(QFile::link(shell.FilePath("a.xml"), shell.FilePath("lien.xml")));
        QStringList paths;
        for (const QString& name : commandLine.split(u'|', Qt::SkipEmptyParts))
            paths << shell.FilePath(name);
        shell.Start(paths);
        QCOMPARE(Captions(shell), tabs);
        // Opening a file that is open shows its tab.
        shell.window->Tabs()->setCurrentIndex(0);
        shell.chosenFile = shell.FilePath("a.xml");
        shell.window->Open();
        QVERIFY(shell.window->OpenFile(shell.FilePath("lien.xml")));
        QCOMPARE(Captions(shell),
                 tabs.contains(u'a') ? tabs : tabs + (tabs.isEmpty() ? "a" : "|a"));
        QCOMPARE(shell.window->ActiveGrid()->Session().FileName(), shell.FilePath("a.xml"));
    }

    void copyThenPaste() {
        Shell shell;
        shell.window->NewGrid();
        shell.Grid(0).ApplyCellChoice(1, 1, game::Operation::Place, 5);
        shell.Grid(0).ApplyCellChoice(9, 9, game::Operation::Place, 3);
        shell.Trigger("EditCopier");
        QVERIFY(QApplication::clipboard()->text().contains("---+---+---"));
        shell.window->NewGrid();
        shell.Trigger("EditColler");
        QCOMPARE(shell.Grid(1).Cell(1, 1).Digit(), 5);
        QCOMPARE(shell.Grid(1).Cell(9, 9).Digit(), 3);
        QCOMPARE(shell.Grid(1).CasesLabel(), "2/81 cases");
    }

    void hintsShowTheirLongPart() {
        Shell shell;
        QStatusTipEvent hover(shell.window->Action("EditCopier")->statusTip());
        QApplication::sendEvent(shell.window.get(), &hover);
        auto* status = shell.window->findChild<QLabel*>("StatusPanel");
        QCOMPARE(status->text(), "  Copier la grille dans le presse-papiers");
        QStatusTipEvent nothing{QString()};
        QApplication::sendEvent(shell.window.get(), &nothing);
        QCOMPARE(status->text(), "  ");
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
