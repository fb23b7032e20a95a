// The configuration dialog as the main window opens it: filled from the settings, taken over on OK
// only, the splash time kept within 1..6, its position kept, its texts translated, and the
// active grid (only) redrawn in the new colours.

#include "app/colour_swatch.h"
#include "app/frm_config.h"
#include "game/widgets/colour.h"
#include "game/widgets/sudo_case.h"
#include "tests/print/print_shell.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <optional>

using namespace print_test;
using app::TFrmConfig;
using services::Settings;

Q_DECLARE_METATYPE(bool Settings::*)
Q_DECLARE_METATYPE(game::Colour Settings::*)

namespace {

const char* const kCheckBoxes[] = {"CbCandidatsOnOff", "CbProtectionOnOFF", "LbShowTipsOnStartup",
                                   "LbSavePosWin",     "CBReopenLastFile",  "CbQuitConfirm"};
const char* const kSwatches[] = {"ShapeChiffre", "ShapeDevoile", "ShapeCandidat", "ShapeJouable",
                                 "ShapeReference"};

QCheckBox* CheckBox(TFrmConfig& dialog, const char* name) {
    return dialog.findChild<QCheckBox*>(QLatin1String(name));
}

app::ColourSwatch* Swatch(TFrmConfig& dialog, const char* name) {
    return dialog.findChild<app::ColourSwatch*>(QLatin1String(name));
}

QSpinBox* UpDown(TFrmConfig& dialog) {
    return dialog.findChild<QSpinBox*>(QStringLiteral("UpDown1"));
}

// A colour for swatch i that no setting holds by default.
QColor NewColour(int i) {
    return QColor(10 + i, 20 + i, 30 + i);
}

// Changes every control of the dialog: every box toggled, every swatch given NewColour through
// the colour chooser, the splash time set to 5.
void ChangeEverything(TFrmConfig& dialog) {
    for (const char* name : kCheckBoxes)
        CheckBox(dialog, name)->toggle();
    int pressed = 0;
    dialog.SetColourChooser([&pressed](const QColor&, QWidget*) { return NewColour(pressed); });
    for (const char* name : kSwatches) {
        QTest::mouseClick(Swatch(dialog, name), Qt::LeftButton);
        ++pressed;
    }
    UpDown(dialog)->setValue(5);
}

// The edited fields of the settings, compared as a whole.
struct Edited {
    bool Candidats, Protection, ShowTipsOnStartup, SavePosWin, ReopenLastFile, QuitConfirm;
    int TimeSplash;
    game::Colour CouleurChiffre, Couleurdevoile, CouleurCandidat, CouleurJouable, CouleurReference;
    explicit Edited(const Settings& s)
        : Candidats(s.Candidats), Protection(s.Protection), ShowTipsOnStartup(s.ShowTipsOnStartup),
          SavePosWin(s.SavePosWin), ReopenLastFile(s.ReopenLastFile), QuitConfirm(s.QuitConfirm),
          TimeSplash(s.TimeSplash), CouleurChiffre(s.CouleurChiffre),
          Couleurdevoile(s.Couleurdevoile), CouleurCandidat(s.CouleurCandidat),
          CouleurJouable(s.CouleurJouable), CouleurReference(s.CouleurReference) {}
    friend bool operator==(const Edited&, const Edited&) = default;
};

} // namespace

class TestFrmConfig : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsEverySettingUnderItsTitle();
    void checkBoxesShowTheirSetting_data();
    void checkBoxesShowTheirSetting();
    void swatchesShowTheirColour_data();
    void swatchesShowTheirColour();
    void okTakesEveryValue();
    void cancelTakesNothing();
    void cancelledColourChooserKeepsTheSwatch();
    void splashTimeStaysWithin1To6_data();
    void splashTimeStaysWithin1To6();
    void activeGridOnlyIsRedrawnInTheNewColours();
    void redrawKeepsTheGame();
    void withNoGridOkOnlyChangesTheSettings();
    void positionIsKeptOnlyWithSavePosWin_data();
    void positionIsKeptOnlyWithSavePosWin();
    void textsFollowTheLanguage();

private:
    // Opens the dialog through its command; run stands for the user, and its answer is OK.
    void OpenDialog(const std::function<bool(TFrmConfig&)>& run) {
        shell_->commands->Dialogs().runConfig = run;
        shell_->Trigger("ActionConfig");
    }
    QString StoredPosition(const QString& key) const {
        return shell_->services->ReadSetting(services::kWindowPositions, key,
                                             QStringLiteral("<none>"));
    }

    std::unique_ptr<PrintShell> shell_;
};

void TestFrmConfig::init() {
    shell_ = std::make_unique<PrintShell>();
    QVERIFY(shell_->commands != nullptr);
}

void TestFrmConfig::cleanup() {
    shell_.reset();
}

void TestFrmConfig::showsEverySettingUnderItsTitle() {
    QString title;
    QSize size;
    QStringList missing;
    std::pair<int, int> splashRange;
    OpenDialog([&](TFrmConfig& dialog) {
        title = dialog.windowTitle();
        size = dialog.size();
        QList<const char*> names = {
            "GBPreference", "GBCouleur", "GBEnvironnement", "LbChiffre",   "LbDevoile",
            "LbCandidat",   "LbJouable", "LbReference",     "LBSplashDur", "EdTimeSplash",
            "UpDown1",      "BtOk",      "BtCancel"};
        names << QList<const char*>(std::begin(kCheckBoxes), std::end(kCheckBoxes))
              << QList<const char*>(std::begin(kSwatches), std::end(kSwatches));
        for (const char* name : names)
            if (!dialog.findChild<QWidget*>(QLatin1String(name)))
                missing << QLatin1String(name);
        if (QSpinBox* upDown = UpDown(dialog))
            splashRange = {upDown->minimum(), upDown->maximum()};
        return false;
    });
    QCOMPARE(title, QStringLiteral("Configurer Tessarine"));
    QCOMPARE(size, QSize(370, 477));
    QCOMPARE(missing, QStringList());
    QCOMPARE(splashRange, std::make_pair(1, 6));
}

void TestFrmConfig::checkBoxesShowTheirSetting_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool Settings::*>("field");
    QTest::newRow("candidates") << QStringLiteral("CbCandidatsOnOff") << &Settings::Candidats;
    QTest::newRow("protection") << QStringLiteral("CbProtectionOnOFF") << &Settings::Protection;
    QTest::newRow("tips") << QStringLiteral("LbShowTipsOnStartup") << &Settings::ShowTipsOnStartup;
    QTest::newRow("window positions") << QStringLiteral("LbSavePosWin") << &Settings::SavePosWin;
    QTest::newRow("reopen") << QStringLiteral("CBReopenLastFile") << &Settings::ReopenLastFile;
    QTest::newRow("quit question") << QStringLiteral("CbQuitConfirm") << &Settings::QuitConfirm;
}

void TestFrmConfig::checkBoxesShowTheirSetting() {
    QFETCH(QString, box);
    QFETCH(bool Settings::*, field);
    for (const bool value : {true, false}) {
        // Every other box shows the opposite, so a box reading the wrong field is caught.
        for (bool Settings::*other :
             {&Settings::Candidats, &Settings::Protection, &Settings::ShowTipsOnStartup,
              &Settings::SavePosWin, &Settings::ReopenLastFile, &Settings::QuitConfirm})
            (*shell_->services).*other = !value;
        (*shell_->services).*field = value;
        std::optional<bool> shown;
        OpenDialog([&](TFrmConfig& dialog) {
            shown = dialog.findChild<QCheckBox*>(box)->isChecked();
            return false;
        });
        QCOMPARE(shown, std::optional<bool>(value));
    }
}

void TestFrmConfig::swatchesShowTheirColour_data() {
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<game::Colour Settings::*>("field");
    QTest::newRow("digits") << QStringLiteral("ShapeChiffre") << &Settings::CouleurChiffre;
    QTest::newRow("givens") << QStringLiteral("ShapeDevoile") << &Settings::Couleurdevoile;
    QTest::newRow("candidates") << QStringLiteral("ShapeCandidat") << &Settings::CouleurCandidat;
    QTest::newRow("playable") << QStringLiteral("ShapeJouable") << &Settings::CouleurJouable;
    QTest::newRow("references") << QStringLiteral("ShapeReference") << &Settings::CouleurReference;
}

void TestFrmConfig::swatchesShowTheirColour() {
    QFETCH(QString, swatch);
    QFETCH(game::Colour Settings::*, field);
    (*shell_->services).*field = 0x00123456;
    std::optional<game::Colour> shown;
    OpenDialog([&](TFrmConfig& dialog) {
        shown = dialog.findChild<app::ColourSwatch*>(swatch)->FillColour();
        return false;
    });
    QCOMPARE(shown, std::optional<game::Colour>(0x00123456));
}

void TestFrmConfig::okTakesEveryValue() {
    const Settings before = *shell_->services;
    OpenDialog([](TFrmConfig& dialog) {
        ChangeEverything(dialog);
        return true;
    });
    const Settings& after = *shell_->services;
    QCOMPARE(after.Candidats, !before.Candidats);
    QCOMPARE(after.Protection, !before.Protection);
    QCOMPARE(after.ShowTipsOnStartup, !before.ShowTipsOnStartup);
    QCOMPARE(after.SavePosWin, !before.SavePosWin);
    QCOMPARE(after.ReopenLastFile, !before.ReopenLastFile);
    QCOMPARE(after.QuitConfirm, !before.QuitConfirm);
    QCOMPARE(after.TimeSplash, 5);
    QCOMPARE(after.CouleurChiffre, game::FromQColor(NewColour(0)));
    QCOMPARE(after.Couleurdevoile, game::FromQColor(NewColour(1)));
    QCOMPARE(after.CouleurCandidat, game::FromQColor(NewColour(2)));
    QCOMPARE(after.CouleurJouable, game::FromQColor(NewColour(3)));
    QCOMPARE(after.CouleurReference, game::FromQColor(NewColour(4)));
    // What the dialog does not edit stays.
    QCOMPARE(after.Language, before.Language);
    QCOMPARE(after.ToolBar, before.ToolBar);
    QCOMPARE(after.LastTipShown, before.LastTipShown);
}

void TestFrmConfig::cancelTakesNothing() {
    const Edited before(*shell_->services);
    bool changed = false;
    OpenDialog([&](TFrmConfig& dialog) {
        ChangeEverything(dialog);
        changed = Swatch(dialog, "ShapeCandidat")->FillColour() == game::FromQColor(NewColour(2));
        return false;
    });
    QVERIFY(changed);
    QVERIFY(Edited(*shell_->services) == before);
}

void TestFrmConfig::cancelledColourChooserKeepsTheSwatch() {
    const game::Colour before = shell_->services->CouleurCandidat;
    std::optional<QColor> offered;
    OpenDialog([&](TFrmConfig& dialog) {
        dialog.SetColourChooser([&](const QColor& initial, QWidget*) {
            offered = initial;
            return std::optional<QColor>();
        });
        QTest::mouseClick(Swatch(dialog, "ShapeCandidat"), Qt::RightButton);
        return true;
    });
    // The chooser starts from the swatch's colour; cancelled, it changes nothing.
    QCOMPARE(offered, std::optional<QColor>(game::ToQColor(before)));
    QCOMPARE(shell_->services->CouleurCandidat, before);
}

void TestFrmConfig::splashTimeStaysWithin1To6_data() {
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("taken");
    QTest::newRow("4 stays") << 4 << QString() << 4 << 4;
    QTest::newRow("0 shows 1") << 0 << QString() << 1 << 1;
    QTest::newRow("-3 shows 1") << -3 << QString() << 1 << 1;
    QTest::newRow("9 shows 6") << 9 << QString() << 6 << 6;
    QTest::newRow("typed 5") << 2 << QStringLiteral("5") << 2 << 5;
    QTest::newRow("typed 9 refused") << 2 << QStringLiteral("9") << 2 << 2;
    QTest::newRow("typed 0 refused") << 2 << QStringLiteral("0") << 2 << 2;
    QTest::newRow("typed letters refused") << 2 << QStringLiteral("ab") << 2 << 2;
}

void TestFrmConfig::splashTimeStaysWithin1To6() {
    QFETCH(int, setting);
    QFETCH(QString, typed);
    QFETCH(int, shown);
    QFETCH(int, taken);
    shell_->services->TimeSplash = setting;
    std::optional<int> showing;
    OpenDialog([&](TFrmConfig& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("EdTimeSplash"));
        showing = edit->text().toInt();
        if (!typed.isEmpty()) {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
        }
        return true;
    });
    QCOMPARE(showing, std::optional<int>(shown));
    QCOMPARE(shell_->services->TimeSplash, taken);
}

void TestFrmConfig::activeGridOnlyIsRedrawnInTheNewColours() {
    game::TFramefille* first = shell_->NewGrid(kPuzzle);
    game::TFramefille* active = shell_->NewGrid(kPuzzle);
    QVERIFY(first && active);
    for (game::TFramefille* grid : {first, active}) {
        grid->Session().BtJouerClick();
        grid->Session().ApplyCellChoice(1, 3, 'P', 4); // a digit placed in play mode
        grid->Session().SetCandidateDisplay(true);
    }
    QCOMPARE(shell_->window->ActiveGrid(), active);
    const game::GameSettings old = first->Session().Settings();

    const QColor given(1, 2, 3), played(4, 5, 6), candidate(7, 8, 9);
    OpenDialog([&](TFrmConfig& dialog) {
        std::optional<QColor> next;
        dialog.SetColourChooser([&](const QColor&, QWidget*) { return next; });
        for (auto [name, colour] :
             {std::pair{"ShapeDevoile", given}, std::pair{"ShapeChiffre", played},
              std::pair{"ShapeCandidat", candidate}}) {
            next = colour;
            QTest::mouseClick(Swatch(dialog, name), Qt::LeftButton);
        }
        return true;
    });

    struct Expected {
        game::TFramefille* grid;
        game::Colour given, played, candidate;
    };
    for (const Expected& e :
         {Expected{active, game::FromQColor(given), game::FromQColor(played),
                   game::FromQColor(candidate)},
          Expected{first, old.Couleurdevoile, old.CouleurChiffre, old.CouleurCandidat}}) {
        // What the cells hold, and what their controls paint.
        for (const game::CaseState& cell :
             {e.grid->Session().Cell(1, 1), e.grid->Case(1, 1)->State()})
            QCOMPARE(cell.CouleurChiffre, e.given);
        for (const game::CaseState& cell :
             {e.grid->Session().Cell(1, 3), e.grid->Case(1, 3)->State()})
            QCOMPARE(cell.CouleurChiffre, e.played);
        for (const game::CaseState& cell :
             {e.grid->Session().Cell(9, 1), e.grid->Case(9, 1)->State()}) {
            QCOMPARE(cell.CouleurCandidat, e.candidate);
            QVERIFY(cell.ViewCandidat);
        }
    }
}

void TestFrmConfig::redrawKeepsTheGame() {
    game::TFramefille* grid = shell_->NewGrid(kPuzzle);
    QVERIFY(grid);
    game::GameSession& session = grid->Session();
    session.BtJouerClick();
    session.ApplyCellChoice(1, 3, 'P', 4);
    for (int tick = 0; tick < 42; ++tick)
        session.TimerPartieTimer();
    const game::ActionHistory history = session.History();
    const QString families = session.Panel().FamilyLine(0);
    QVERIFY(!families.isEmpty());
    const bool modified = session.Modified();

    OpenDialog([](TFrmConfig&) { return true; });

    QCOMPARE(session.ElapsedSeconds(), 42);
    QVERIFY(session.TimerRunning());
    QCOMPARE(session.Mode(), game::mode::Play);
    QCOMPARE(session.History().size(), history.size());
    QCOMPARE(session.Cell(1, 3).Digit(), 4);
    QCOMPARE(session.Panel().FamilyLine(0), families);
    QCOMPARE(session.Modified(), modified);
}

void TestFrmConfig::withNoGridOkOnlyChangesTheSettings() {
    QVERIFY(shell_->window->ActiveGrid() == nullptr);
    OpenDialog([](TFrmConfig& dialog) {
        ChangeEverything(dialog);
        return true;
    });
    QCOMPARE(shell_->services->TimeSplash, 5);
    QVERIFY(shell_->window->ActiveGrid() == nullptr);
}

void TestFrmConfig::positionIsKeptOnlyWithSavePosWin_data() {
    QTest::addColumn<bool>("savePosWin");
    QTest::newRow("positions saved") << true;
    QTest::newRow("positions not saved") << false;
}

void TestFrmConfig::positionIsKeptOnlyWithSavePosWin() {
    QFETCH(bool, savePosWin);
    shell_->services->SavePosWin = savePosWin;
    QVERIFY(shell_->services->WriteSetting(services::kWindowPositions,
                                           QStringLiteral("FrmConfigLeft"), QStringLiteral("300")));
    QVERIFY(shell_->services->WriteSetting(services::kWindowPositions,
                                           QStringLiteral("FrmConfigTop"), QStringLiteral("200")));
    QRect shownAt;
    QRect screen;
    QPoint movedTo;
    OpenDialog([&](TFrmConfig& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return false;
        shownAt = dialog.geometry();
        screen = dialog.screen()->availableGeometry();
        dialog.move(400, 250);
        movedTo = dialog.geometry().topLeft();
        return false;
    });
    if (savePosWin) {
        QCOMPARE(shownAt.topLeft(), QPoint(300, 200));
        // Stored again when the dialog goes, Cancel or not.
        QCOMPARE(StoredPosition(QStringLiteral("FrmConfigLeft")), QString::number(movedTo.x()));
        QCOMPARE(StoredPosition(QStringLiteral("FrmConfigTop")), QString::number(movedTo.y()));
    } else {
        QVERIFY(std::abs(shownAt.center().x() - screen.center().x()) <= 1);
        QVERIFY(std::abs(shownAt.center().y() - screen.center().y()) <= 1);
        QCOMPARE(StoredPosition(QStringLiteral("FrmConfigLeft")), QStringLiteral("300"));
    }
}

void TestFrmConfig::textsFollowTheLanguage() {
    shell_->services->Language = QStringLiteral("en");
    shell_->services->LoadMessages();
    QStringList texts;
    OpenDialog([&](TFrmConfig& dialog) {
        texts << dialog.windowTitle()
              << dialog.findChild<QGroupBox*>(QStringLiteral("GBPreference"))->title()
              << CheckBox(dialog, "LbShowTipsOnStartup")->text()
              << dialog.findChild<QLabel*>(QStringLiteral("LbReference"))->text()
              << dialog.findChild<QLabel*>(QStringLiteral("LBSplashDur"))->text()
              << dialog.findChild<QPushButton*>(QStringLiteral("BtCancel"))->text();
        return false;
    });
    const QStringList english = {QStringLiteral("Configure Tessarine"),
                                 QStringLiteral("Grid preferences"),
                                 QStringLiteral("Show tips at startup"),
                                 QStringLiteral("References:"),
                                 QStringLiteral("Display time of the splash window (in seconds)"),
                                 QStringLiteral("&Cancel")};
    QCOMPARE(texts, english);
}

QTEST_MAIN(TestFrmConfig)
#include "test_frm_config.moc"
