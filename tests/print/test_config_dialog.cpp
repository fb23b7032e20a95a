// The configuration dialog as the main window opens it: filled from the settings, taken over on OK
// only, the splash time kept within 1..6, its position kept, its texts translated, and every open
// grid redrawn in the new colours.

#include "app/colour_swatch.h"
#include "app/config_dialog.h"
#include "game/widgets/cell_widget.h"
#include "game/widgets/colour.h"
#include "tests/golden.h"
#include "tests/print/print_shell.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

// The edited values, boxes then swatches then the splash time, of the settings or as the dialog
// shows them.
QString Values(const Settings& settings) {
    QString values;
    for (auto [name, field] : kBoxes)
        values += QString::number(settings.*field);
    for (auto [name, field] : kSwatches)
        values += u' ' + QString::number(settings.*field, 16);
    return values + u' ' + QString::number(settings.TimeSplash);
}

QString Values(const ConfigDialog& dialog) {
    Settings shown;
    for (auto [name, field] : kBoxes)
        shown.*field = Child<QCheckBox>(dialog, name)->isChecked();
    for (auto [name, field] : kSwatches)
        shown.*field = Child<ColourSwatch>(dialog, name)->FillColour();
    shown.TimeSplash = Child<QLineEdit>(dialog, "EdTimeSplash")->text().toInt();
    return Values(shown);
}

// Pattern p (0..2): across the three every control has values of its own, so controls that swap
// fields are caught. Set in the settings, or in the dialog as a user would (colours through the
// colour chooser).
Settings Pattern(int p, Settings settings = {}) {
    int i = 0;
    for (auto [name, field] : kBoxes)
        settings.*field = (++i) >> p & 1;
    for (auto [name, field] : kSwatches)
        settings.*field = game::Colour(0x00102030 + 0x010101 * (i++ + 5 * p));
    settings.TimeSplash = 2 + p;
    return settings;
}

void Type(ConfigDialog& dialog, const Settings& values) {
    for (auto [name, field] : kBoxes)
        Child<QCheckBox>(dialog, name)->setChecked(values.*field);
    for (auto [name, field] : kSwatches) {
        const QColor colour = game::ToQColor(values.*field);
        dialog.SetColourChooser([colour](const QColor&, QWidget*) { return colour; });
        QTest::mouseClick(Child<ColourSwatch>(dialog, name), Qt::LeftButton);
    }
    Child<QSpinBox>(dialog, "UpDown1")->setValue(values.TimeSplash);
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

    // Every control under its title, in both languages, and the splash time within 1..6.
    void texts_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("fr") << "fr";
        QTest::newRow("en") << "en";
    }

    void texts() {
        QFETCH(QString, language);
        shell_->services->Store().Values().Language = language;
        shell_->services->Translation().LoadMessages();
        QString texts;
        OpenDialog([&](ConfigDialog& dialog) {
            const QSpinBox* upDown = Child<QSpinBox>(dialog, "UpDown1");
            texts = QStringLiteral("%1, %2 x %3, splash time %4..%5\n")
                        .arg(dialog.windowTitle())
                        .arg(dialog.width())
                        .arg(dialog.height())
                        .arg(upDown->minimum())
                        .arg(upDown->maximum());
            for (const QWidget* child : dialog.findChildren<QWidget*>()) {
                QString text = child->objectName().isEmpty() ? QString() : QStringLiteral("-");
                if (auto* label = qobject_cast<const QLabel*>(child))
                    text = label->text();
                else if (auto* button = qobject_cast<const QAbstractButton*>(child))
                    text = button->text();
                else if (auto* group = qobject_cast<const QGroupBox*>(child))
                    text = group->title();
                if (!text.isNull())
                    texts += child->objectName() + QStringLiteral(": ") + text + u'\n';
            }
            return false;
        });
        QCOMPARE_GOLDEN(texts.toUtf8(), "print/config-dialog-" + language + ".txt");
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
        const Settings before = settings;
        settings = Pattern(shown, settings);
        QString showing;
        OpenDialog([&](ConfigDialog& dialog) {
            showing = Values(dialog);
            Type(dialog, Pattern(typed));
            return ok;
        });
        QCOMPARE(showing, Values(Pattern(shown)));
        QCOMPARE(Values(settings), Values(Pattern(ok ? typed : shown)));
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
        QTest::newRow("0 shows 1") << 0 << QString() << 1 << 1;
        QTest::newRow("9 shows 6") << 9 << QString() << 6 << 6;
        QTest::newRow("typed 5") << 2 << "5" << 2 << 5;
        QTest::newRow("typed 9 refused") << 2 << "9" << 2 << 2;
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
            grid->Session().ApplyCellChoice(1, 3, game::Operation::Place, 4);
            grid->Session().SetCandidateDisplay(true);
        }
        QCOMPARE(shell_->window->ActiveGrid(), active);
        game::GameSession& session = active->Session();
        for (int tick = 0; tick < 42; ++tick)
            session.TickSecond();
        // The active grid's game: its clock, mode, moves, families and modified mark.
        const auto game = [&session] {
            return QStringList{QString::number(session.ElapsedSeconds()),
                               QString::number(session.TimerRunning()),
                               QString::number(int(session.CurrentMode())),
                               QString::number(session.History().size()),
                               session.Panel().FamilyLine(0),
                               QString::number(session.Modified())};
        };
        const QStringList before = game();

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

        // Per grid, in the model and on screen: L1C1 (a given), L1C3 (played) and the candidates
        // of L9C1, still shown; then a new move.
        const auto g = game::FromQColor(given), p = game::FromQColor(played),
                   c = game::FromQColor(candidate);
        for (game::GridFrame* grid : {first, active}) {
            QList<game::Colour> colours;
            for (const game::BoardCell& cell :
                 {grid->Session().Cell(1, 1), grid->Case(1, 1)->State(), grid->Session().Cell(1, 3),
                  grid->Case(1, 3)->State()})
                colours << cell.PlayedColour;
            for (const game::BoardCell& cell :
                 {grid->Session().Cell(9, 1), grid->Case(9, 1)->State()})
                colours << (cell.ShowsCandidates ? cell.CandidateColour : 0xFFFFFFFFu);
            QCOMPARE(colours, QList<game::Colour>({g, g, p, p, c, c}));
        }
        first->Session().ApplyCellChoice(1, 4, game::Operation::Place, 2);
        QCOMPARE(first->Session().Cell(1, 4).PlayedColour, p);
        QCOMPARE(game(), before);
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
};

QTEST_MAIN(TestConfigDialog)
#include "test_config_dialog.moc"
