// The printed sheet (a PDF read back), the board's JPEG picture and the configuration dialog.

#include "app/colour_swatch.h"
#include "app/config_dialog.h"
#include "app/jpeg_writer.h"
#include "app/main_window_print_config.h"
#include "app/services/ini_file.h"
#include "game/model/grid_file.h"
#include "game/model/print_layout.h"
#include "game/widgets/cell_widget.h"
#include "game/widgets/colour.h"
#include "tests/golden.h"
#include "tests/shell/shell_fixture.h"
#include "tests/widgets/modal_answers.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>

using app::ColourSwatch;
using app::ConfigDialog;
using services::Settings;

namespace {

const QString kPuzzle = QStringLiteral("53..7....6..195....98....6.8...6...34..8.3..17..."
                                       "2...6.6....28....419..5....8..79");

// The picture as text, a character per square of block pixels, darker as the square holds more ink.
QByteArray AsText(const QImage& picture, int block) {
    const QImage small =
        picture.convertToFormat(QImage::Format_Grayscale8)
            .scaled(picture.size() / block, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QByteArray text;
    for (int y = 0; y < small.height(); ++y) {
        QByteArray line;
        for (int x = 0; x < small.width(); ++x)
            line += " .:-=+*#%@"[int(std::sqrt(1 - small.pixelColor(x, y).lightnessF()) * 9.99)];
        while (line.endsWith(' '))
            line.chop(1);
        text += line + '\n';
    }
    return text;
}

// The fields the boxes and the swatches edit, in the dialog's order.
constexpr bool Settings::*kBoxes[] = {&Settings::ShowCandidates,    &Settings::Protection,
                                      &Settings::ShowTipsOnStartup, &Settings::SavePosWin,
                                      &Settings::ReopenLastFile,    &Settings::QuitConfirm};
constexpr game::Colour Settings::*kSwatches[] = {
    &Settings::PlayedColour, &Settings::GivenColour, &Settings::CandidateColour,
    &Settings::ActingColour, &Settings::ReferenceColour};

// Every setting, as written to the settings file.
QString Values(const Settings& settings) {
    services::IniFile ini;
    services::WriteSettings(settings, ini);
    return ini.ToText();
}

// Pattern p (0..2): across the three every control has values of its own, so swapped fields show.
Settings Pattern(int p, Settings settings = {}) {
    int i = 0;
    for (bool Settings::*field : kBoxes)
        settings.*field = (++i) >> p & 1;
    for (game::Colour Settings::*field : kSwatches)
        settings.*field = game::Colour(0x00102030 + 0x010101 * (i++ + 5 * p));
    settings.TimeSplash = 2 + p;
    return settings;
}

// Picks colour in the chooser the swatch opens.
void ChooseColour(ConfigDialog& dialog, ColourSwatch* swatch, const QColor& colour) {
    dialog.SetColourChooser([colour](const QColor&, QWidget*) { return colour; });
    QTest::mouseClick(swatch, Qt::LeftButton);
}

// Reads the values the dialog shows, then types others in as a user would.
void Exchange(ConfigDialog& dialog, Settings& shown, const Settings& typed) {
    const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
    const QList<ColourSwatch*> swatches = dialog.findChildren<ColourSwatch*>();
    QCOMPARE(boxes.size() * 10 + swatches.size(), 65);
    for (int i = 0; i < 6; ++i) {
        shown.*kBoxes[i] = boxes[i]->isChecked();
        boxes[i]->setChecked(typed.*kBoxes[i]);
    }
    for (int i = 0; i < 5; ++i) {
        shown.*kSwatches[i] = swatches[i]->FillColour();
        ChooseColour(dialog, swatches[i], game::ToQColor(typed.*kSwatches[i]));
    }
    auto* upDown = dialog.findChild<QSpinBox*>();
    shown.TimeSplash = upDown->value();
    upDown->setValue(typed.TimeSplash);
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

    std::unique_ptr<shell_test::Shell> shell_;
    std::unique_ptr<QTemporaryDir> folder_;
    app::PrintConfigCommands* commands_ = nullptr;

    // Opens the dialog through its command; run stands for the user, and its answer is OK.
    void OpenDialog(const std::function<bool(ConfigDialog&)>& run) {
        ModalAnswers answers;
        answers.Queue([&run](QDialog& dialog) {
            dialog.setResult(run(static_cast<ConfigDialog&>(dialog)) ? QDialog::Accepted
                                                                     : QDialog::Rejected);
        });
        shell_->Trigger("ActionConfig");
    }
    // Prints the active grid to an A4 landscape PDF chosen in the print dialog, accepted or not.
    void Print(const QString& file, const QMarginsF& margins = {}, bool accept = true) {
        ModalAnswers answers;
        answers.Queue([&](QDialog& dialog) {
            QVERIFY(qobject_cast<QPrintDialog*>(&dialog) != nullptr);
            QPrinter& printer = *static_cast<QPrintDialog&>(dialog).printer();
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageMargins(margins, QPageLayout::Millimeter);
            printer.setPageOrientation(QPageLayout::Landscape);
            dialog.setResult(accept ? QDialog::Accepted : QDialog::Rejected);
        });
        shell_->Trigger("ActionImprime");
    }

private slots:
    void init() {
        shell_ = std::make_unique<shell_test::Shell>();
        folder_ = std::make_unique<QTemporaryDir>();
        app::ConnectPrintAndConfig(*shell_->window, *shell_->services);
        commands_ = shell_->window->findChild<app::PrintConfigCommands*>("PrintConfigCommands");
        QVERIFY(commands_ != nullptr && shell_->NewGrid(kPuzzle) != nullptr);
    }

    void cleanup() {
        shell_.reset();
        folder_.reset();
    }

    // The sheet read back, a character per mm; the grid stays put from the corner whatever margins.
    void sheet_data() {
        QTest::addColumn<bool>("candidates");
        QTest::addColumn<QMarginsF>("margins");
        QTest::newRow("candidates") << true << QMarginsF();
        QTest::newRow("digits") << false << QMarginsF();
        QTest::newRow("candidates, 10 mm margins") << true << QMarginsF(10, 10, 10, 10);
        QTest::newRow("digits, uneven margins") << false << QMarginsF(25, 5, 5, 40);
    }

    void sheet() {
        QFETCH(bool, candidates);
        QFETCH(QMarginsF, margins);
        shell_->window->ActiveGrid()->Session().SetCandidateDisplay(candidates);
        const QString pdf = folder_->filePath("grid.pdf");
        Print(pdf, margins);
        QVERIFY(shell_->errors.isEmpty());
        const QString png = folder_->filePath("sheet");
        QProcess::execute("pdftoppm", {"-r", "254", "-gray", "-png", "-singlefile", pdf, png});
        const QImage page(png + ".png");
        QRect ink; // darker than mid-grey, in pixels of a tenth of a millimetre
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                ink |= qGray(page.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
        const auto mm = [](int pixels) { return qRound(pixels / 10.0); };
        QCOMPARE(
            QList<int>({mm(ink.left()), mm(ink.top()), mm(ink.right() + 1), mm(ink.bottom() + 1)}),
            QList<int>({51, 30, 159, 138}));
        if (margins.isNull())
            QCOMPARE_GOLDEN(AsText(page, 10),
                            candidates ? "print/sheet-candidates.txt" : "print/sheet-digits.txt");
        QProcess pdfinfo;
        pdfinfo.start("pdfinfo", {pdf});
        QVERIFY(pdfinfo.waitForFinished(60000));
        QVERIFY(pdfinfo.readAllStandardOutput().contains(
            "Title:           Impression " + QCoreApplication::applicationName().toUtf8() + '\n'));
    }

    // A printer that fails is reported; nothing is printed when the print dialog is cancelled.
    void printFailures() {
        Print(folder_->filePath("missing/grid.pdf"));
        Print(folder_->filePath("grid.pdf"), {}, false);
        QCOMPARE(shell_->errors.size(), 1);
        QVERIFY(shell_->errors[0].contains("missing/grid.pdf"));
        QVERIFY(QDir(folder_->path()).isEmpty());
    }

    // A printer of 0.5 pixel per page unit across, 0.25 down, its printable area 10 and 20 in.
    void unevenPrinter() {
        const game::print::PageScale scale{0.5, 0.25, 10, 20};
        QCOMPARE(scale.ToPrinter(510, 300), QPoint(245, 55));
        QCOMPARE(scale.PrinterLength(game::print::Across, 1080), 540);
        QCOMPARE(scale.PrinterLength(game::print::Down, 1080), 270);
    }

    // The save dialog adds the extension to a name typed without one.
    void pictureSaveDialog() {
        QStringList dialog;
        ModalAnswers answers;
        answers.Queue([&](QDialog& modal) {
            auto* files = qobject_cast<QFileDialog*>(&modal);
            QVERIFY(files != nullptr && files->acceptMode() == QFileDialog::AcceptSave);
            dialog << files->objectName() << files->windowTitle() << files->nameFilters();
            files->setDirectory(folder_->path());
            files->selectFile(QStringLiteral("board"));
            QMetaObject::invokeMethod(files, "accept");
        });
        shell_->Trigger("ActionGrilleToJPG");
        QCOMPARE(dialog, (QStringList{"SaveDialogBmp", "Enregistrer la grille sous",
                                      "Fichiers JPEG (*.jpg)"}));
        QVERIFY(QFile::exists(folder_->filePath("board.jpg")));
    }

    // The file chosen: existing (replaced on Yes only), none, or under a plain file (an error).
    void picture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("answer"); // to the overwrite question; empty: none asked
        QTest::newRow("No keeps the file") << "old.jpg" << QString("Non");
        QTest::newRow("Yes replaces it") << "old.jpg" << QString("Oui");
        QTest::newRow("save dialog cancelled") << "" << QString();
        QTest::newRow("unwritable folder") << "old.jpg/grid.jpg" << QString();
    }

    void picture() {
        QFETCH(QString, name);
        QFETCH(QString, answer);
        const QString old = folder_->filePath("old.jpg");
        QVERIFY(services_test::WriteBytes(old, "not a picture, yet\r\n"));
        const QString path = name.isEmpty() ? QString() : folder_->filePath(name);
        commands_->Dialogs().chooseJpegFile = [path] { return path; };
        QString question;
        ModalAnswers answers;
        if (!answer.isEmpty())
            answers.Queue([&](QDialog& modal) {
                auto* box = qobject_cast<QMessageBox*>(&modal);
                QVERIFY(box != nullptr && box->icon() == QMessageBox::Information);
                question = box->text();
                QVERIFY(ModalAnswers::PressButton(modal, answer));
            });
        shell_->Trigger("ActionGrilleToJPG");
        QVERIFY(answers.AllAnswered());
        QCOMPARE(question, answer.isEmpty()
                               ? QString()
                               : "Le fichier old.jpg existe déjà.\r\nVoulez-vous l'écraser ?");
        QCOMPARE(shell_->errors.size(), name.contains(u'/') ? 1 : 0);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"old.jpg"});
        if (answer == QLatin1String("Oui"))
            QCOMPARE_GOLDEN(AsText(QImage(old, "JPEG"), 5), "print/picture.txt");
        else
            QCOMPARE(services_test::ReadBytes(old), "not a picture, yet\r\n");
    }

    // Encoder failures come back as errors; the program is still here and encodes again.
    void encoderFailures() {
        for (const QImage& image : {QImage(), QImage(70000, 1, QImage::Format_RGB32)}) {
            QByteArray jpeg("left over");
            QVERIFY(!app::EncodeJpeg(image, jpeg).isEmpty());
            QVERIFY(jpeg.isEmpty());
        }
        QImage red(64, 48, QImage::Format_RGB32);
        red.fill(QColor(200, 30, 40));
        QByteArray jpeg;
        QCOMPARE(app::EncodeJpeg(red, jpeg), QString());
        const QColor decoded = QImage::fromData(jpeg, "JPEG").pixelColor(32, 24);
        QVERIFY(std::abs(decoded.red() - 200) + std::abs(decoded.blue() - 40) < 20);
    }

    // Every control under its title, in both languages, and the splash time within 1..6.
    void configTexts() {
        for (const QString language : {"fr", "en"}) {
            shell_->services->Store().Values().Language = language;
            shell_->services->Translation().LoadMessages();
            QString texts;
            OpenDialog([&](ConfigDialog& dialog) {
                const auto* upDown = dialog.findChild<QSpinBox*>();
                QDebug(&texts).noquote().nospace()
                    << dialog.windowTitle() << ' ' << dialog.size() << ", splash time "
                    << upDown->minimum() << ".." << upDown->maximum() << '\n';
                for (const QWidget* child : dialog.findChildren<QWidget*>())
                    if (!child->objectName().isEmpty())
                        QDebug(&texts).noquote().nospace()
                            << child->objectName() << ' ' << child->geometry() << ": "
                            << child->property(child->inherits("QGroupBox") ? "title" : "text")
                                   .toString()
                            << '\n';
                return false;
            });
            QCOMPARE_GOLDEN(texts.toUtf8(), "print/config-dialog-" + language + ".txt");
        }
    }

    void configShowsAndTakesEveryValue_data() {
        QTest::addColumn<int>("shown"); // the patterns of the settings, then of the controls
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("ok");
        for (int p = 0; p < 4; ++p) // pattern p shown, the next typed; the fourth is cancelled
            QTest::addRow("%d", p) << p % 3 << (p + 1) % 3 << (p < 3);
    }

    void configShowsAndTakesEveryValue() {
        QFETCH(int, shown);
        QFETCH(int, typed);
        QFETCH(bool, ok);
        Settings& settings = shell_->services->Store().Values();
        const Settings before = settings;
        settings = Pattern(shown, before);
        Settings showing;
        OpenDialog([&](ConfigDialog& dialog) {
            Exchange(dialog, showing, Pattern(typed));
            return ok;
        });
        QCOMPARE(Values(showing), Values(Pattern(shown)));
        QCOMPARE(Values(settings), Values(Pattern(ok ? typed : shown, before)));
    }

    // A splash time outside 1..6 shows, and is taken, within.
    void splashTimeWithin1To6() {
        for (auto [setting, shown] : {std::pair{0, 1}, std::pair{9, 6}}) {
            shell_->services->Store().Values().TimeSplash = setting;
            OpenDialog([](ConfigDialog&) { return true; });
            QCOMPARE(shell_->services->Store().Values().TimeSplash, shown);
        }
    }

    // Every grid takes the new colours, keeps its game; the chooser starts at the swatch's colour.
    void everyGridIsRedrawnAndKeepsItsGame() {
        const QList<game::GridFrame*> grids{shell_->NewGrid(kPuzzle), shell_->NewGrid(kPuzzle)};
        for (game::GridFrame* grid : grids) {
            grid->Session().StartPlay();
            grid->Session().ApplyCellChoice(1, 3, game::Operation::Place, 4);
            grid->Session().SetCandidateDisplay(true);
            grid->Session().TickSecond();
        }
        const auto game = [&session = grids[1]->Session()] {
            return game::EncodeGridFile(session.History(), session.ElapsedSeconds()) +
                   session.Panel().FamilyLine(0).toUtf8() +
                   QByteArray::number(int(session.CurrentMode()) * 100 +
                                      session.TimerRunning() * 10 + session.Modified());
        };
        const QByteArray before = game();
        const QColor given(1, 2, 3), played(4, 5, 6), candidate(7, 8, 9);
        QList<QColor> offered{game::ToQColor(shell_->services->Store().Values().CandidateColour)};
        OpenDialog([&](ConfigDialog& dialog) {
            ModalAnswers colourDialog; // the platform's: a colour chosen, then one cancelled
            for (bool ok : {true, false})
                colourDialog.Queue([&offered, ok, candidate](QDialog& modal) {
                    auto* colours = qobject_cast<QColorDialog*>(&modal);
                    QVERIFY(colours != nullptr);
                    offered << colours->currentColor();
                    colours->setCurrentColor(ok ? candidate : QColor(Qt::red));
                    ok ? colours->accept() : colours->reject();
                });
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
                QTest::mouseClick(dialog.findChild<ColourSwatch*>("ShapeCandidat"), button);
            ChooseColour(dialog, dialog.findChild<ColourSwatch*>("ShapeDevoile"), given);
            ChooseColour(dialog, dialog.findChild<ColourSwatch*>("ShapeChiffre"), played);
            return true;
        });
        QCOMPARE(offered.mid(1), (QList<QColor>{offered[0], candidate}));
        QCOMPARE(game(), before);
        grids[0]->Session().ApplyCellChoice(1, 4, game::Operation::Place, 2);
        for (game::GridFrame* grid : grids) {
            const auto cell = [grid](int row, int col) { return grid->Case(row, col)->State(); };
            QCOMPARE((QList<QColor>{given, played, candidate}),
                     (QList<QColor>{game::ToQColor(cell(1, 1).PlayedColour),
                                    game::ToQColor(cell(1, grid == grids[0] ? 4 : 3).PlayedColour),
                                    game::ToQColor(cell(9, 1).ShowsCandidates
                                                       ? cell(9, 1).CandidateColour
                                                       : game::kWhite)}));
        }
    }

    // Shown where it was last and stored again when it goes, Cancel or not; else centred.
    void configPosition() {
        for (bool savePosWin : {true, false}) {
            services::SettingsStore& store = shell_->services->Store();
            store.Values().SavePosWin = savePosWin;
            QVERIFY(store.WriteEntry(services::kWindowPositions, "FrmConfigLeft", "300"));
            QVERIFY(store.WriteEntry(services::kWindowPositions, "FrmConfigTop", "200"));
            QRect shownAt, screen;
            QPoint movedTo(300, 200);
            OpenDialog([&](ConfigDialog& dialog) {
                dialog.show();
                shownAt = dialog.geometry();
                screen = dialog.screen()->availableGeometry();
                dialog.move(400, 250);
                if (savePosWin)
                    movedTo = dialog.geometry().topLeft();
                return false;
            });
            if (savePosWin)
                QCOMPARE(shownAt.topLeft(), QPoint(300, 200));
            else
                QVERIFY((shownAt.center() - screen.center()).manhattanLength() <= 2);
            for (auto [key, value] :
                 {std::pair{"FrmConfigLeft", movedTo.x()}, {"FrmConfigTop", movedTo.y()}})
                QCOMPARE(store.ReadEntry(services::kWindowPositions, key, {}),
                         QString::number(value));
        }
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
