// The configuration dialog as the main window opens it: filled from the settings, taken over on OK
// only, the splash time kept within 1..6, its position kept, its texts translated, and every open
// grid redrawn in the new colours.

#include "app/colour_swatch.h"
#include "app/config_dialog.h"
#include "game/widgets/cell_widget.h"
#include "game/widgets/colour.h"
#include "tests/print/print_shell.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

#include <optional>

using namespace print_test;
using app::ColourSwatch;
using app::ConfigDialog;
using services::Settings;

namespace {

constexpr std::pair<const char*, bool Settings::*> kBoxes[] = {
    {"CbCandidatsOnOff", &Settings::ShowCandidates},
    {"CbProtectionOnOFF", &Settings::Protection},
    {"LbShowTipsOnStartup", &Settings::ShowTipsOnStartup},
    {"LbSavePosWin", &Settings::SavePosWin},
    {"CBReopenLastFile", &Settings::ReopenLastFile},
    {"CbQuitConfirm", &Settings::QuitConfirm}};
constexpr std::pair<const char*, game::Colour Settings::*> kSwatches[] = {
    {"ShapeChiffre", &Settings::PlayedColour},
    {"ShapeDevoile", &Settings::GivenColour},
    {"ShapeCandidat", &Settings::CandidateColour},
    {"ShapeJouable", &Settings::ActingColour},
    {"ShapeReference", &Settings::ReferenceColour}};

template <typename T> T* Child(const QObject& parent, const char* name) {
    return parent.findChild<T*>(QLatin1String(name));
}

// The edited values of pattern p (0..2): the boxes, the swatches, then the splash time. Across
// the three patterns every control has values of its own, so controls that swap fields are caught.
QVariantList Pattern(int p) {
    QVariantList values;
    for (int i = 0; i < 6; ++i)
        values << bool((i + 1) >> p & 1);
    for (int i = 0; i < 5; ++i)
        values << QVariant::fromValue(game::Colour(0x00102030 + 0x010101 * (i + 5 * p)));
    return values << 2 + p;
}

QVariantList Edited(const Settings& settings) {
    QVariantList values;
    for (auto [name, field] : kBoxes)
        values << settings.*field;
    for (auto [name, field] : kSwatches)
        values << QVariant::fromValue(settings.*field);
    return values << settings.TimeSplash;
}

void SetEdited(Settings& settings, const QVariantList& values) {
    int k = 0;
    for (auto [name, field] : kBoxes)
        settings.*field = values[k++].toBool();
    for (auto [name, field] : kSwatches)
        settings.*field = values[k++].value<game::Colour>();
    settings.TimeSplash = values[k].toInt();
}

QVariantList Shown(const ConfigDialog& dialog) {
    QVariantList values;
    for (auto [name, field] : kBoxes)
        values << Child<QCheckBox>(dialog, name)->isChecked();
    for (auto [name, field] : kSwatches)
        values << QVariant::fromValue(Child<ColourSwatch>(dialog, name)->FillColour());
    return values << Child<QLineEdit>(dialog, "EdTimeSplash")->text().toInt();
}

// Sets the controls as a user would: boxes clicked, colours through the colour chooser.
void SetShown(ConfigDialog& dialog, const QVariantList& values) {
    int k = 0;
    for (auto [name, field] : kBoxes)
        Child<QCheckBox>(dialog, name)->setChecked(values[k++].toBool());
    for (auto [name, field] : kSwatches) {
        const QColor colour = game::ToQColor(values[k++].value<game::Colour>());
        dialog.SetColourChooser([colour](const QColor&, QWidget*) { return colour; });
        QTest::mouseClick(Child<ColourSwatch>(dialog, name), Qt::LeftButton);
    }
    Child<QSpinBox>(dialog, "UpDown1")->setValue(values[k].toInt());
}

} // namespace

class TestConfigDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<PrintShell> shell_;

    // Opens the dialog through its command; run stands for the user, and its answer is OK.
    void OpenDialog(const std::function<bool(ConfigDialog&)>& run) {
        shell_->commands->Dialogs().runConfig = run;
        shell_->Trigger("ActionConfig");
    }
    QString StoredPosition(const char* key) const {
        return shell_->services->Store().ReadEntry(services::kWindowPositions, QLatin1String(key),
                                                   QStringLiteral("<none>"));
    }

private slots:
    void init() {
        shell_ = std::make_unique<PrintShell>();
        QVERIFY(shell_->commands != nullptr);
    }
    void cleanup() { shell_.reset(); }

    void showsEverySettingUnderItsTitle() {
        QString title;
        QSize size;
        QStringList missing;
        std::pair<int, int> splashRange;
        OpenDialog([&](ConfigDialog& dialog) {
            title = dialog.windowTitle();
            size = dialog.size();
            QList<const char*> names = {
                "GBPreference", "GBCouleur", "GBEnvironnement", "LbChiffre",   "LbDevoile",
                "LbCandidat",   "LbJouable", "LbReference",     "LBSplashDur", "EdTimeSplash",
                "UpDown1",      "BtOk",      "BtCancel"};
            for (auto [name, field] : kBoxes)
                names << name;
            for (auto [name, field] : kSwatches)
                names << name;
            for (const char* name : names)
                if (!Child<QWidget>(dialog, name))
                    missing << QLatin1String(name);
            if (auto* upDown = Child<QSpinBox>(dialog, "UpDown1"))
                splashRange = {upDown->minimum(), upDown->maximum()};
            return false;
        });
        QCOMPARE(title, "Configurer Tessarine");
        QCOMPARE(size, QSize(370, 477));
        QCOMPARE(missing, QStringList());
        QCOMPARE(splashRange, std::make_pair(1, 6));
    }

    void showsAndTakesEveryValue_data() {
        QTest::addColumn<int>("shown"); // the patterns of the settings, then of the controls
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("ok");
        QTest::newRow("shows pattern 0, OK takes pattern 1") << 0 << 1 << true;
        QTest::newRow("shows pattern 1, OK takes pattern 2") << 1 << 2 << true;
        QTest::newRow("shows pattern 2, OK takes pattern 0") << 2 << 0 << true;
        QTest::newRow("Cancel takes nothing") << 0 << 1 << false;
    }

    void showsAndTakesEveryValue() {
        QFETCH(int, shown);
        QFETCH(int, typed);
        QFETCH(bool, ok);
        Settings& settings = shell_->services->Store().Values();
        SetEdited(settings, Pattern(shown));
        const Settings before = settings;
        QVariantList showing;
        OpenDialog([&](ConfigDialog& dialog) {
            showing = Shown(dialog);
            SetShown(dialog, Pattern(typed));
            return ok;
        });
        QCOMPARE(showing, Pattern(shown));
        QCOMPARE(Edited(settings), Pattern(ok ? typed : shown));
        // What the dialog does not edit stays, and with no grid open nothing else happens.
        QCOMPARE(settings.Language, before.Language);
        QCOMPARE(settings.ToolBar, before.ToolBar);
        QCOMPARE(settings.LastTipShown, before.LastTipShown);
        QVERIFY(shell_->window->ActiveGrid() == nullptr);
    }

    void cancelledColourChooserKeepsTheSwatch() {
        const game::Colour before = shell_->services->Store().Values().CandidateColour;
        std::optional<QColor> offered;
        OpenDialog([&](ConfigDialog& dialog) {
            dialog.SetColourChooser([&](const QColor& initial, QWidget*) {
                offered = initial;
                return std::optional<QColor>();
            });
            QTest::mouseClick(Child<ColourSwatch>(dialog, "ShapeCandidat"), Qt::RightButton);
            return true;
        });
        // The chooser starts from the swatch's colour; cancelled, it changes nothing.
        QCOMPARE(offered, std::optional<QColor>(game::ToQColor(before)));
        QCOMPARE(shell_->services->Store().Values().CandidateColour, before);
    }

    void splashTimeStaysWithin1To6_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("taken");
        QTest::newRow("4 stays") << 4 << QString() << 4 << 4;
        QTest::newRow("0 shows 1") << 0 << QString() << 1 << 1;
        QTest::newRow("-3 shows 1") << -3 << QString() << 1 << 1;
        QTest::newRow("9 shows 6") << 9 << QString() << 6 << 6;
        QTest::newRow("typed 5") << 2 << "5" << 2 << 5;
        QTest::newRow("typed 9 refused") << 2 << "9" << 2 << 2;
        QTest::newRow("typed 0 refused") << 2 << "0" << 2 << 2;
        QTest::newRow("typed letters refused") << 2 << "ab" << 2 << 2;
    }

    void splashTimeStaysWithin1To6() {
        QFETCH(int, setting);
        QFETCH(QString, typed);
        QFETCH(int, shown);
        QFETCH(int, taken);
        shell_->services->Store().Values().TimeSplash = setting;
        std::optional<int> showing;
        OpenDialog([&](ConfigDialog& dialog) {
            auto* edit = Child<QLineEdit>(dialog, "EdTimeSplash");
            showing = edit->text().toInt();
            if (!typed.isEmpty()) {
                edit->selectAll();
                QTest::keyClicks(edit, typed);
            }
            return true;
        });
        QCOMPARE(showing, std::optional<int>(shown));
        QCOMPARE(shell_->services->Store().Values().TimeSplash, taken);
    }

    void everyGridIsRedrawnAndKeepsItsGame() {
        game::GridFrame* first = shell_->NewGrid(kPuzzle);
        game::GridFrame* active = shell_->NewGrid(kPuzzle);
        QVERIFY(first && active);
        for (game::GridFrame* grid : {first, active}) {
            grid->Session().StartPlay();
            grid->Session().ApplyCellChoice(1, 3, game::Operation::Place,
                                            4); // a digit placed in play mode
            grid->Session().SetCandidateDisplay(true);
        }
        QCOMPARE(shell_->window->ActiveGrid(), active);
        game::GameSession& session = active->Session();
        for (int tick = 0; tick < 42; ++tick)
            session.TickSecond();
        const game::ActionHistory history = session.History();
        const QString families = session.Panel().FamilyLine(0);
        QVERIFY(!families.isEmpty());
        const bool modified = session.Modified();

        const QColor given(1, 2, 3), played(4, 5, 6), candidate(7, 8, 9);
        OpenDialog([&](ConfigDialog& dialog) {
            for (auto [name, colour] :
                 {std::pair{"ShapeDevoile", given}, std::pair{"ShapeChiffre", played},
                  std::pair{"ShapeCandidat", candidate}}) {
                dialog.SetColourChooser([colour](const QColor&, QWidget*) { return colour; });
                QTest::mouseClick(Child<ColourSwatch>(dialog, name), Qt::LeftButton);
            }
            return true;
        });

        // Per grid: what cells L1C1 (a given), L1C3 (played) and L9C1 hold, and what their
        // controls paint; the candidates stay shown.
        const auto colours = [](game::GridFrame* grid) {
            QList<game::Colour> colours;
            for (const game::BoardCell& cell :
                 {grid->Session().Cell(1, 1), grid->Case(1, 1)->State(), grid->Session().Cell(1, 3),
                  grid->Case(1, 3)->State()})
                colours << cell.PlayedColour;
            for (const game::BoardCell& cell :
                 {grid->Session().Cell(9, 1), grid->Case(9, 1)->State()})
                colours << (cell.ShowsCandidates ? cell.CandidateColour : 0xFFFFFFFFu);
            return colours;
        };
        const auto g = game::FromQColor(given), p = game::FromQColor(played),
                   c = game::FromQColor(candidate);
        QCOMPARE(colours(active), QList<game::Colour>({g, g, p, p, c, c}));
        QCOMPARE(colours(first), QList<game::Colour>({g, g, p, p, c, c}));
        first->Session().ApplyCellChoice(1, 4, game::Operation::Place,
                                         2); // a new move in the other grid
        QCOMPARE(first->Session().Cell(1, 4).PlayedColour, p);
        // The active grid's game goes on as it was.
        QCOMPARE(session.ElapsedSeconds(), 42);
        QVERIFY(session.TimerRunning());
        QCOMPARE(session.CurrentMode(), game::Mode::Play);
        QCOMPARE(session.History().size(), history.size());
        QCOMPARE(session.Cell(1, 3).Digit(), 4);
        QCOMPARE(session.Panel().FamilyLine(0), families);
        QCOMPARE(session.Modified(), modified);
    }

    void positionIsKeptOnlyWithSavePosWin_data() {
        QTest::addColumn<bool>("savePosWin");
        QTest::newRow("positions saved") << true;
        QTest::newRow("positions not saved") << false;
    }

    void positionIsKeptOnlyWithSavePosWin() {
        QFETCH(bool, savePosWin);
        services::SettingsStore& store = shell_->services->Store();
        store.Values().SavePosWin = savePosWin;
        QVERIFY(store.WriteEntry(services::kWindowPositions, "FrmConfigLeft", "300"));
        QVERIFY(store.WriteEntry(services::kWindowPositions, "FrmConfigTop", "200"));
        QRect shownAt, screen;
        QPoint movedTo;
        OpenDialog([&](ConfigDialog& dialog) {
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
            QCOMPARE(StoredPosition("FrmConfigLeft"), QString::number(movedTo.x()));
            QCOMPARE(StoredPosition("FrmConfigTop"), QString::number(movedTo.y()));
        } else {
            QVERIFY(std::abs(shownAt.center().x() - screen.center().x()) <= 1);
            QVERIFY(std::abs(shownAt.center().y() - screen.center().y()) <= 1);
            QCOMPARE(StoredPosition("FrmConfigLeft"), "300");
        }
    }

    void textsFollowTheLanguage() {
        shell_->services->Store().Values().Language = QStringLiteral("en");
        shell_->services->Translation().LoadMessages();
        QStringList texts;
        OpenDialog([&](ConfigDialog& dialog) {
            texts << dialog.windowTitle() << Child<QGroupBox>(dialog, "GBPreference")->title()
                  << Child<QCheckBox>(dialog, "LbShowTipsOnStartup")->text()
                  << Child<QLabel>(dialog, "LbReference")->text()
                  << Child<QLabel>(dialog, "LBSplashDur")->text()
                  << Child<QPushButton>(dialog, "BtCancel")->text();
            return false;
        });
        QCOMPARE(texts, QStringList({"Configure Tessarine", "Grid preferences",
                                     "Show tips at startup", "References:",
                                     "Display time of the splash window (in seconds)", "&Cancel"}));
    }
};

QTEST_MAIN(TestConfigDialog)
#include "test_config_dialog.moc"
