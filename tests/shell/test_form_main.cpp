// The main window as a player meets it: which commands are open when, what New, Open, Save,
// Save As, Duplicate and closing do to the tabs and the files, and the quit sequence.

#include "app/form_main.h"
#include "app/page_ext_control.h"
#include "app/services/ui/dm_fonction.h"
#include "game/widgets/framefille.h"
#include "tests/app/services_test_support.h"
#include "tests/widgets/modal_answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCommandLinkButton>
#include <QLabel>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace app;
using services_test::ReadBytes;
using services_test::TemporaryDataFolder;
using services_test::WriteBytes;

namespace {

constexpr int kGenerated = 101;
constexpr int kBlank = 100;
constexpr int kCancel = 2;

const char* const kGridCommands[] = {"ActionEnregistrer", "ActionEnregSous", "ActionImprime",
                                     "ActionDupliquer", "ActionGrilleToJPG"};

// A main window over a data folder of its own, with its dialogs answered by the test.
struct Shell {
    TemporaryDataFolder folder;
    std::unique_ptr<services::TDMFonction> services = std::make_unique<services::TDMFonction>();
    std::unique_ptr<TFormMain> window;
    int newGridAnswer = kBlank;
    QString chosenFile;
    QStringList dialogTitles;
    QStringList dialogFolders;
    QStringList errors;

    explicit Shell(bool quitConfirm = false) {
        services->QuitConfirm = quitConfirm;
        services->ShowTipsOnStartup = false;
        window = std::make_unique<TFormMain>(*services);
        ShellDialogs& dialogs = window->Dialogs();
        dialogs.askNewGrid = [this] { return newGridAnswer; };
        auto choose = [this](const QString& title, const QString& startFolder) {
            dialogTitles << title;
            dialogFolders << startFolder;
            return chosenFile;
        };
        dialogs.chooseOpenFile = choose;
        dialogs.chooseSaveFile = choose;
        dialogs.showError = [this](const QString& text) { errors << text; };
        window->FormCreate();
        window->show();
    }

    int Tabs() const { return window->Tabs()->count(); }
    QString Caption(int index) const { return window->Tabs()->tabText(index); }
    game::GameSession& Grid(int index) const { return window->Grid(index)->Session(); }
    bool Enabled(const char* action) const {
        return window->Action(QLatin1String(action))->isEnabled();
    }
    QString FilePath(const QString& name) const { return folder.Path() + name; }
};

QString Padded(const QString& caption) {
    return caption + QString(4, QChar(127));
}

} // namespace

class TestFormMain : public QObject {
    Q_OBJECT
private slots:
    void firstStart();
    void captionsAndNumbering();
    void cancelledNewCreatesNothing();
    void generatedGridArrivesInPlayMode();
    void saveAsksForANameOnlyOnce();
    void saveAsOntoExistingFileAnsweredNo();
    void openFailuresLeaveNoTab();
    void duplicateCopiesHistoryModeAndClock();
    void closingTabsAndCommands();
    void closingModifiedNonActiveTabSavesThatGrid();
    void quitSequence();
    void copyThenPaste();
    void hintsShowTheirLongPart();
};

void TestFormMain::firstStart() {
    Shell shell;
    QCOMPARE(shell.Tabs(), 0);
    QCOMPARE(shell.services->RecentFileCount(), 0);
    QVERIFY(shell.window->findChild<QToolBar*>(QStringLiteral("ToolBarMain"))->isVisible());
    QVERIFY(shell.window->findChild<QAction*>(QStringLiteral("Menu_BarreOutils"))->isChecked());
    for (const char* command : kGridCommands)
        QVERIFY2(!shell.Enabled(command), command);
    QVERIFY(!shell.window->findChild<QAction*>(QStringLiteral("MenuCopier"))->isEnabled());
    QVERIFY(!shell.window->findChild<QAction*>(QStringLiteral("MenuColler"))->isEnabled());
    QVERIFY(shell.Enabled("EditCopier")); // its shortcut keeps working
}

void TestFormMain::captionsAndNumbering() {
    Shell shell;
    shell.window->ActionNouveauExecute();
    shell.newGridAnswer = kGenerated;
    shell.window->ActionNouveauExecute();

    shell.Grid(0).SetFileName(shell.FilePath(QStringLiteral("grille.xml")));
    shell.Grid(0).SetHasFile(true);
    QCOMPARE(shell.Grid(0).SaveGrid(), QString());
    shell.chosenFile = shell.FilePath(QStringLiteral("grille.xml"));
    shell.window->ActionOuvrirExecute();

    shell.window->Tabs()->setCurrentIndex(0);
    shell.window->ActionDupliquerExecute();
    QCOMPARE(shell.Tabs(), 4);
    QCOMPARE(shell.Caption(0), Padded(QStringLiteral("SansNom 1")));
    QCOMPARE(shell.Caption(1), Padded(QStringLiteral("SansNom 2")));
    QCOMPARE(shell.Caption(2), Padded(QStringLiteral("grille")));
    QCOMPARE(shell.Caption(3), Padded(QStringLiteral("SansNom 3")));
    QCOMPARE(shell.services->RecentOpenFileDir, shell.folder.Path());
    // Tab and grid share a name of six capital letters.
    const QString name = shell.window->Tabs()->widget(1)->objectName();
    QVERIFY(QRegularExpression(QStringLiteral("^[A-Z]{6}$")).match(name).hasMatch());
    QCOMPARE(shell.window->Grid(1)->objectName(), name);
}

void TestFormMain::cancelledNewCreatesNothing() {
    Shell shell;
    shell.newGridAnswer = kCancel;
    shell.window->ActionNouveauExecute();
    QCOMPARE(shell.Tabs(), 0);
    shell.newGridAnswer = kBlank;
    shell.window->ActionNouveauExecute();
    QCOMPARE(shell.Caption(0), Padded(QStringLiteral("SansNom 1")));
}

void TestFormMain::generatedGridArrivesInPlayMode() {
    Shell shell;
    shell.newGridAnswer = kGenerated;
    shell.window->ActionNouveauExecute();
    const game::GameSession& grid = shell.Grid(0);
    QCOMPARE(grid.Mode(), game::mode::Play);
    QVERIFY(grid.CasesLabel().endsWith(QStringLiteral("/81 cases")));
    QVERIFY(grid.History().size() >= 20); // "S", at least 18 givens, "R"
    QCOMPARE(grid.History().back().Operation, game::operation::PlayMode);
    QVERIFY(!grid.Modified());
    shell.newGridAnswer = kBlank;
    shell.window->ActionNouveauExecute();
    QCOMPARE(shell.Grid(1).Mode(), game::mode::Input);
    QCOMPARE(shell.window->Tabs()->currentIndex(), 1);
}

void TestFormMain::saveAsksForANameOnlyOnce() {
    Shell shell;
    shell.window->ActionNouveauExecute();
    shell.Grid(0).ApplyCellChoice(1, 1, 'P', 4);
    shell.chosenFile = shell.FilePath(QStringLiteral("a.b.xml"));
    shell.window->ActionEnregistrerExecute();
    QCOMPARE(shell.dialogTitles, QStringList{QStringLiteral("Enregistrer sous...")});
    QCOMPARE(shell.dialogFolders, QStringList{shell.folder.Path()});
    QVERIFY(QFileInfo::exists(shell.chosenFile));
    QCOMPARE(shell.Caption(0), Padded(QStringLiteral("a.b")));
    QVERIFY(!shell.Grid(0).Modified());
    QCOMPARE(shell.services->ReadSetting(QStringLiteral("RecentDirectories"),
                                         QStringLiteral("RecentSaveFileAsDir"), QString()),
             shell.folder.Path());
    QCOMPARE(shell.services->RecentFile(0), shell.chosenFile);

    shell.Grid(0).ApplyCellChoice(1, 2, 'P', 5);
    shell.window->ActionEnregistrerExecute();
    QCOMPARE(shell.dialogTitles.size(), 1); // written at once, no dialog
    QVERIFY(ReadBytes(shell.chosenFile).contains("Chiffre = '5'"));
    auto* status = shell.window->findChild<QLabel*>(QStringLiteral("StatusPanel"));
    QCOMPARE(status->text(), QStringLiteral("  Le fichier ") + shell.chosenFile +
                                 QStringLiteral(" a été enregistré avec succés."));
}

void TestFormMain::saveAsOntoExistingFileAnsweredNo() {
    Shell shell;
    shell.window->ActionNouveauExecute();
    const QString existing = shell.FilePath(QStringLiteral("autre.xml"));
    QVERIFY(WriteBytes(existing, "kept"));
    shell.chosenFile = existing;
    ModalAnswers answers;
    QString question;
    answers.Queue([&question](QDialog& dialog) {
        question = qobject_cast<QMessageBox*>(&dialog)->text();
        for (auto* button : dialog.findChildren<QAbstractButton*>())
            if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Non"))
                button->click();
    });
    shell.window->ActionEnregSousExecute();
    QCOMPARE(question,
             QStringLiteral("Le fichier [autre.xml] existe déjà.\r\nVoulez-vous  l'écraser"));
    QCOMPARE(ReadBytes(existing), QByteArray("kept"));
    QCOMPARE(shell.Caption(0), Padded(QStringLiteral("SansNom 1")));
    QVERIFY(shell.Grid(0).FileName().isEmpty());
    QVERIFY(!shell.Grid(0).HasFile());
}

void TestFormMain::openFailuresLeaveNoTab() {
    Shell shell;
    const QString openFolder = shell.services->RecentOpenFileDir;
    const QString missing = shell.FilePath(QStringLiteral("absent.xml"));
    QVERIFY(!shell.window->OpenFile(missing));
    QCOMPARE(shell.errors.last(), QStringLiteral("Fichier non trouvé :\r\n") + missing);
    const QString malformed = shell.FilePath(QStringLiteral("cassé.xml"));
    QVERIFY(WriteBytes(malformed, "  <Action  Ligne = 'x' Colonne ='1' Chiffre = '1'\r\n"));
    shell.chosenFile = malformed;
    shell.window->ActionOuvrirExecute();
    QCOMPARE(shell.Tabs(), 0);
    QCOMPARE(shell.errors.size(), 2);
    QCOMPARE(shell.services->RecentOpenFileDir, openFolder);
    QCOMPARE(shell.services->RecentFileCount(), 0);
    QVERIFY(!shell.Enabled("ActionEnregistrer"));
}

void TestFormMain::duplicateCopiesHistoryModeAndClock() {
    Shell shell;
    shell.newGridAnswer = kGenerated;
    shell.window->ActionNouveauExecute();
    game::GameSession& source = shell.Grid(0);
    for (int i = 0; i < 95; ++i)
        source.TimerPartieTimer();
    source.ApplyCellChoice(1, 1, 'C', 1);
    const game::ActionHistory history = source.History();
    shell.window->ActionDupliquerExecute();
    shell.window->ActionDupliquerExecute();
    QCOMPARE(shell.window->Tabs()->currentIndex(), 0);
    for (int copy : {1, 2}) {
        QCOMPARE(shell.Grid(copy).History(), history);
        QCOMPARE(shell.Grid(copy).Mode(), game::mode::Play);
        QCOMPARE(shell.Grid(copy).ElapsedSeconds(), 95);
        QCOMPARE(shell.Grid(copy).TimerLabel(), QStringLiteral("00:01:35"));
        QVERIFY(!shell.Grid(copy).Modified());
        QVERIFY(!shell.Grid(copy).HasFile());
        for (int colonne = 1; colonne <= 9; ++colonne)
            for (int ligne = 1; ligne <= 9; ++ligne)
                QCOMPARE(shell.Grid(copy).Cell(ligne, colonne).Candidates(),
                         source.Cell(ligne, colonne).Candidates());
    }
}

void TestFormMain::closingTabsAndCommands() {
    Shell shell;
    shell.window->ActionNouveauExecute();
    for (const char* command : kGridCommands)
        QVERIFY2(shell.Enabled(command), command);
    shell.window->ActionNouveauExecute();
    QVERIFY(shell.window->PageExtControl1TabClose(0));
    QCOMPARE(shell.Tabs(), 1);
    for (const char* command : kGridCommands)
        QVERIFY2(shell.Enabled(command), command);
    QVERIFY(shell.window->PageExtControl1TabClose(0));
    for (const char* command : kGridCommands)
        QVERIFY2(!shell.Enabled(command), command);
    QVERIFY(!shell.window->findChild<QAction*>(QStringLiteral("MenuColler"))->isEnabled());
}

void TestFormMain::closingModifiedNonActiveTabSavesThatGrid() {
    Shell shell;
    shell.window->ActionNouveauExecute();
    shell.window->ActionNouveauExecute();
    shell.Grid(0).ApplyCellChoice(2, 2, 'P', 6);
    shell.Grid(1).ApplyCellChoice(3, 3, 'P', 7);
    shell.chosenFile = shell.FilePath(QStringLiteral("premier.xml"));
    ModalAnswers answers;
    answers.Press(QStringLiteral("Enregistrer"));
    QVERIFY(shell.window->PageExtControl1TabClose(0));
    QVERIFY(answers.AllAnswered());
    QCOMPARE(shell.Tabs(), 1);
    const QByteArray saved = ReadBytes(shell.chosenFile);
    QVERIFY(saved.contains("Ligne = '2' Colonne ='2' Chiffre = '6'"));
    QVERIFY(!saved.contains("Chiffre = '7'"));
    QVERIFY(shell.Grid(0).Modified()); // the other grid was not touched
}

void TestFormMain::quitSequence() {
    {
        Shell shell(false);
        shell.window->ActionNouveauExecute();
        QVERIFY(shell.window->close()); // nothing modified, no question
    }
    {
        Shell shell(true);
        shell.window->ActionNouveauExecute();
        shell.window->ActionNouveauExecute();
        shell.Grid(0).ApplyCellChoice(1, 1, 'P', 1);
        shell.Grid(1).ApplyCellChoice(1, 1, 'P', 2);
        // Cancelling the first grid's question keeps both tabs and never asks about the second.
        ModalAnswers answers;
        answers.Queue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QVERIFY(!shell.window->close());
        QCOMPARE(answers.Shown(), 1);
        QCOMPARE(shell.Tabs(), 2);

        shell.Grid(0).SetModified(false);
        shell.Grid(1).SetModified(false);
        QAction* quit = shell.window->Action(QStringLiteral("ActionQuitter"));
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        answers.Press(QStringLiteral("Non"));
        quit->trigger();
        QVERIFY(shell.window->isVisible());
        answers.Press(QStringLiteral("Oui"));
        QVERIFY(shell.window->close());
        QVERIFY(answers.AllAnswered());
    }
}

void TestFormMain::copyThenPaste() {
    Shell shell;
    shell.window->ActionNouveauExecute();
    shell.Grid(0).ApplyAction(1, 1, 'P', 5);
    shell.Grid(0).ApplyAction(9, 9, 'P', 3);
    shell.window->Action(QStringLiteral("EditCopier"))->trigger();
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("---+---+---")));
    shell.window->ActionNouveauExecute();
    shell.window->Action(QStringLiteral("EditColler"))->trigger();
    QCOMPARE(shell.Grid(1).Cell(1, 1).Digit(), 5);
    QCOMPARE(shell.Grid(1).Cell(9, 9).Digit(), 3);
    QCOMPARE(shell.Grid(1).CasesLabel(), QStringLiteral("2/81 cases"));
}

void TestFormMain::hintsShowTheirLongPart() {
    Shell shell;
    QAction* copier = shell.window->Action(QStringLiteral("EditCopier"));
    QStatusTipEvent hover(copier->statusTip());
    QApplication::sendEvent(shell.window.get(), &hover);
    auto* status = shell.window->findChild<QLabel*>(QStringLiteral("StatusPanel"));
    QCOMPARE(status->text(), QStringLiteral("  Copier la grille dans le Presse-papiers"));
    QStatusTipEvent nothing{QString()};
    QApplication::sendEvent(shell.window.get(), &nothing);
    QCOMPARE(status->text(), QStringLiteral("  "));
}

QTEST_MAIN(TestFormMain)
#include "test_form_main.moc"
